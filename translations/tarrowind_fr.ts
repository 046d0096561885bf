<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>CheapestModel</name>
    <message>
        <source>Skill</source>
        <translation>Compétence</translation>
    </message>
    <message>
        <source>Goal now</source>
        <translation>Objectif actuel</translation>
    </message>
    <message>
        <source>Suggested goal</source>
        <translation>Objectif suggéré</translation>
    </message>
    <message>
        <source>Modded at goal now</source>
        <translation>Modifiée à l’objectif actuel</translation>
    </message>
    <message>
        <source>Modded at goal after</source>
        <translation>Modifiée à l’objectif ensuite</translation>
    </message>
</context>
<context>
    <name>CheapestPanel</name>
    <message>
        <source>The same values for less</source>
        <translation>Les mêmes valeurs pour moins cher</translation>
    </message>
    <message>
        <source>Cheapest goals</source>
        <translation>Objectifs les moins chers</translation>
    </message>
    <message>
        <source>Attributes may end lower</source>
        <translation>Les attributs peuvent finir plus bas</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Apply the cheapest goals</source>
        <translation>Appliquer les objectifs les moins chers</translation>
    </message>
    <message>
        <source>This plan: %1. The same values at goal: %2. Saving: %3 (%4 %).</source>
        <translation>Ce plan&#xa0;: %1. Les mêmes valeurs à l’objectif&#xa0;: %2. Économie&#xa0;: %3 (%4&#xa0;%).</translation>
    </message>
    <message>
        <source>This plan is already the cheapest for these values</source>
        <translation>Ce plan est déjà le moins cher pour ces valeurs</translation>
    </message>
    <message>
        <source>No suggestion: %1.</source>
        <translation>Aucune suggestion&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>CompanionWindow</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>ComparePlansWindow</name>
    <message>
        <source>Show &amp;all skills</source>
        <translation>Afficher &amp;toutes les compétences</translation>
    </message>
    <message>
        <source>Skills of the two plans</source>
        <translation>Compétences des deux plans</translation>
    </message>
    <message>
        <source>Compare Plans</source>
        <translation>Comparer les plans</translation>
    </message>
    <message>
        <source>Sets the goals of the plan shown in the planner to those of the other plan, where its race allows, keeping its bases and equipment; offered when one of the two plans is the plan shown</source>
        <translation>Donne au plan affiché dans le planificateur les objectifs de l’autre plan, dans la mesure où sa race le permet, en gardant ses bases et son équipement&#xa0;; proposé quand l’un des deux plans est le plan affiché</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>With</source>
        <translation>Avec</translation>
    </message>
    <message>
        <source>&amp;Compare:</source>
        <translation>&amp;Comparer&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;with:</source>
        <translation>&amp;avec&#xa0;:</translation>
    </message>
    <message>
        <source>The plan shown in the planner</source>
        <translation>Le plan affiché dans le planificateur</translation>
    </message>
    <message>
        <source>%1 is the only plan: there is nothing kept to compare it with. &quot;Keep Plan&quot; in the Plan menu keeps a copy of it.</source>
        <translation>%1 est le seul plan&#xa0;: aucun plan gardé avec lequel le comparer. «&#xa0;Garder le plan&#xa0;» dans le menu Plan en garde une copie.</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1&#xa0;: %2, %3</translation>
    </message>
    <message>
        <source>both need the same experience</source>
        <translation>les deux demandent la même expérience</translation>
    </message>
    <message>
        <source>a plan compared with itself</source>
        <translation>un plan comparé à lui-même</translation>
    </message>
    <message>
        <source>no skill differs</source>
        <translation>aucune compétence ne diffère</translation>
    </message>
    <message>
        <source> · </source>
        <comment>between the parts of the comparison</comment>
        <translation> · </translation>
    </message>
    <message>
        <source>The plans cannot be compared: %1.</source>
        <translation>Les plans ne peuvent pas être comparés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>&amp;Take goals from %1</source>
        <translation>&amp;Prendre les objectifs de %1</translation>
    </message>
    <message>
        <source>Goals from %1</source>
        <translation>Objectifs de %1</translation>
    </message>
    <message>
        <source>Goals from %1: no goal changed, total %2</source>
        <translation>Objectifs de %1&#xa0;: aucun objectif modifié, total %2</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the parts of a note</comment>
        <translation>&#xa0;; </translation>
    </message>
    <message>
        <source>; %1 goals lowered in all</source>
        <translation>&#xa0;; %1 objectifs abaissés en tout</translation>
    </message>
    <message numerus="yes">
        <source>Goals from %1: %n goal(s) changed, total %2</source>
        <translation>
            <numerusform>Objectifs de %1&#xa0;: %n objectif modifié, total %2</numerusform>
            <numerusform>Objectifs de %1&#xa0;: %n objectifs modifiés, total %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CompareRacesWindow</name>
    <message>
        <source>Races</source>
        <translation>Races</translation>
    </message>
    <message>
        <source>Compare Races</source>
        <translation>Comparer les races</translation>
    </message>
    <message>
        <source>Each race with this plan&apos;s bases, equipment and goals, recalculated as Update does, without a reset. Lowered: skills with a base or goal above the race&apos;s maximum. Cannot learn: skills the plan raises above their start level or equips, which the race cannot learn at all.</source>
        <translation>Chaque race avec les bases, l’équipement et les objectifs de ce plan, recalculés comme le fait «&#xa0;Valider&#xa0;», sans réinitialisation. Abaissées&#xa0;: compétences dont la base ou l’objectif dépasse le maximum de la race. Inapprenables&#xa0;: compétences que le plan élève au-dessus de leur niveau de départ ou équipe, mais que la race ne peut pas apprendre du tout.</translation>
    </message>
</context>
<context>
    <name>ExperienceText</name>
    <message>
        <source>Experience comes in whole points: nothing changed.</source>
        <translation>L’expérience se compte en points entiers&#xa0;: rien n’a changé.</translation>
    </message>
    <message>
        <source>Experience cannot be negative: nothing changed.</source>
        <translation>L’expérience ne peut pas être négative&#xa0;: rien n’a changé.</translation>
    </message>
    <message>
        <source>That is more experience than the planner can hold: nothing changed.</source>
        <translation>C’est plus d’expérience que le planificateur ne peut en contenir&#xa0;: rien n’a changé.</translation>
    </message>
    <message>
        <source>Type the experience as a whole number: nothing changed.</source>
        <translation>Saisissez l’expérience en nombre entier&#xa0;: rien n’a changé.</translation>
    </message>
</context>
<context>
    <name>FailureText</name>
    <message>
        <source>-32768 to 32767</source>
        <translation>-32768 à 32767</translation>
    </message>
    <message>
        <source>the planner ran into a fault of its own</source>
        <translation>le planificateur a rencontré une erreur interne</translation>
    </message>
    <message>
        <source>a modded value would leave the range %1</source>
        <translation>une valeur modifiée sortirait de l’intervalle %1</translation>
    </message>
    <message>
        <source>the race is not one the planner knows</source>
        <translation>le planificateur ne connaît pas cette race</translation>
    </message>
    <message>
        <source>a level lies outside what the rules cover</source>
        <translation>un niveau sort de ce que couvrent les règles</translation>
    </message>
    <message>
        <source>Nothing was changed: %1.</source>
        <translation>Rien n’a été modifié&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>GameNames</name>
    <message>
        <source>%1 (current)</source>
        <translation>%1 (actuelle)</translation>
    </message>
</context>
<context>
    <name>GoalsPanel</name>
    <message numerus="yes">
        <source>%1: %Ln goal(s) changed, total %2</source>
        <translation>
            <numerusform>%1&#xa0;: %Ln objectif modifié, total %2</numerusform>
            <numerusform>%1&#xa0;: %Ln objectifs modifiés, total %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MilestoneModel</name>
    <message>
        <source>Milestone</source>
        <translation>Jalon</translation>
    </message>
    <message>
        <source>A skill and the modded value it should reach</source>
        <translation>Une compétence et la valeur modifiée qu’elle doit atteindre</translation>
    </message>
    <message>
        <source>Adds</source>
        <translation>Ajoute</translation>
    </message>
    <message>
        <source>The experience the route spends on this milestone, after the milestones above it</source>
        <translation>L’expérience que l’itinéraire dépense pour ce jalon, après les jalons au-dessus</translation>
    </message>
    <message>
        <source>Running total</source>
        <translation>Cumul</translation>
    </message>
    <message>
        <source>The experience from the start of the route until this milestone is reached</source>
        <translation>L’expérience depuis le début de l’itinéraire jusqu’à ce que ce jalon soit atteint</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>out of reach</source>
        <translation>hors d’atteinte</translation>
    </message>
    <message>
        <source>the goals give %1</source>
        <translation>les objectifs donnent %1</translation>
    </message>
    <message>
        <source>The goals give %1 at most %2; &quot;Optimise Goals&quot; can raise them.</source>
        <translation>Les objectifs donnent au plus %2 à %1&#xa0;; «&#xa0;Optimiser les objectifs&#xa0;» peut les relever.</translation>
    </message>
</context>
<context>
    <name>OptimiseGoalsWindow</name>
    <message>
        <source>Optimise Goals</source>
        <translation>Optimiser les objectifs</translation>
    </message>
    <message>
        <source>Optimise Goals…</source>
        <translation>Optimiser les objectifs…</translation>
    </message>
</context>
<context>
    <name>PlanClipboard</name>
    <message>
        <source>The clipboard did not answer; nothing was pasted.</source>
        <translation>Le presse-papiers n’a pas répondu&#xa0;; rien n’a été collé.</translation>
    </message>
    <message>
        <source>The clipboard holds no text to paste.</source>
        <translation>Le presse-papiers ne contient aucun texte à coller.</translation>
    </message>
    <message>
        <source>&amp;Copy Plan</source>
        <translation>&amp;Copier le plan</translation>
    </message>
    <message>
        <source>&amp;Paste Plan</source>
        <translation>Coller le &amp;plan</translation>
    </message>
    <message>
        <source>Copy Plan C&amp;ode</source>
        <translation>Copier le co&amp;de du plan</translation>
    </message>
    <message>
        <source>A clipboard manager is running: the plan will stay on the clipboard after the planner has closed.</source>
        <translation>Un gestionnaire de presse-papiers tourne&#xa0;: le plan restera dans le presse-papiers après la fermeture du planificateur.</translation>
    </message>
    <message>
        <source>No clipboard manager is running: once the planner has closed, copied text lasts only while another program holds it. To keep the plan, choose Cancel, copy it and paste it into another program.</source>
        <translation>Aucun gestionnaire de presse-papiers ne tourne&#xa0;: une fois le planificateur fermé, le texte copié ne dure que tant qu’un autre programme le garde. Pour conserver le plan, choisissez «&#xa0;Annuler&#xa0;», copiez-le et collez-le dans un autre programme.</translation>
    </message>
    <message>
        <source>Where no clipboard manager runs, copied text lasts only while another program holds it. To be sure to keep the plan, choose Cancel, copy it and paste it into another program.</source>
        <translation>Sans gestionnaire de presse-papiers, le texte copié ne dure que tant qu’un autre programme le garde. Pour être sûr de conserver le plan, choisissez «&#xa0;Annuler&#xa0;», copiez-le et collez-le dans un autre programme.</translation>
    </message>
    <message>
        <source>Nothing was copied: %1.</source>
        <translation>Rien n’a été copié&#xa0;: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Plan copied: %n skill(s).</source>
        <translation>
            <numerusform>Plan copié&#xa0;: %n compétence.</numerusform>
            <numerusform>Plan copié&#xa0;: %n compétences.</numerusform>
        </translation>
    </message>
    <message>
        <source>Plan code copied: %1</source>
        <translation>Code du plan copié&#xa0;: %1</translation>
    </message>
    <message>
        <source>Paste Plan</source>
        <translation>Coller le plan</translation>
    </message>
    <message>
        <source>Plan pasted from its plan code.</source>
        <translation>Plan collé depuis son code.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1; %2 skills lowered in all</source>
        <translation>%1&#xa0;; %2 compétences abaissées en tout</translation>
    </message>
    <message>
        <source>Copy Pl&amp;ans</source>
        <translation>Copier &amp;tous les plans</translation>
    </message>
    <message>
        <source>Plans copied: %1.</source>
        <translation>Plans copiés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Nothing was pasted: the planner holds at most %1 plans.</source>
        <translation>Rien n’a été collé&#xa0;: le planificateur contient au plus %1 plans.</translation>
    </message>
    <message>
        <source>Paste as New Plan</source>
        <translation>Coller comme nouveau plan</translation>
    </message>
    <message>
        <source>Plan pasted as the new plan %1.</source>
        <translation>Plan collé comme nouveau plan %1.</translation>
    </message>
    <message>
        <source>Plan pasted as the new plan %1: %2.</source>
        <translation>Plan collé comme nouveau plan %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Plans pasted as new plans: %1.</source>
        <translation>Plans collés comme nouveaux plans&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Plan %1 pasted in place of the shown plan.</source>
        <translation>Plan %1 collé à la place du plan affiché.</translation>
    </message>
    <message>
        <source>Plans pasted: %1 shown, %2 kept.</source>
        <translation>Plans collés&#xa0;: %1 affiché, %2 gardés.</translation>
    </message>
    <message>
        <source>Renamed, as their names were taken: %1.</source>
        <translation>Renommés, car leurs noms étaient pris&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Lowered: %1.</source>
        <translation>Abaissés&#xa0;: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was pasted: the text holds %n plan(s), which would make %1, more than the %2 the planner holds.</source>
        <translation>
            <numerusform>Rien n’a été collé&#xa0;: le texte contient %n plan, ce qui en ferait %1, plus que les %2 que contient le planificateur.</numerusform>
            <numerusform>Rien n’a été collé&#xa0;: le texte contient %n plans, ce qui en ferait %1, plus que les %2 que contient le planificateur.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlanCodeText</name>
    <message>
        <source>this is not a plan code</source>
        <translation>ce n’est pas un code de plan</translation>
    </message>
    <message>
        <source>the plan code is of a version this planner does not know</source>
        <translation>le code du plan est d’une version que ce planificateur ne connaît pas</translation>
    </message>
    <message>
        <source>the plan code is cut short or was changed; copy all of it again</source>
        <translation>le code du plan est tronqué ou a été modifié&#xa0;; copiez-le de nouveau en entier</translation>
    </message>
    <message>
        <source>the plan code was changed: its check sum does not match</source>
        <translation>le code du plan a été modifié&#xa0;: sa somme de contrôle ne correspond pas</translation>
    </message>
    <message>
        <source>the plan code holds levels that its race cannot have</source>
        <translation>le code du plan contient des niveaux que sa race ne peut pas avoir</translation>
    </message>
    <message>
        <source>the text holds two different plan codes</source>
        <translation>le texte contient deux codes de plan différents</translation>
    </message>
</context>
<context>
    <name>PlanComparisonModel</name>
    <message>
        <source>Skill</source>
        <translation>Compétence</translation>
    </message>
    <message>
        <source>Base
%1</source>
        <translation>Base
%1</translation>
    </message>
    <message>
        <source>Base
difference</source>
        <translation>Base
écart</translation>
    </message>
    <message>
        <source>The base level in %1</source>
        <translation>Le niveau de base dans %1</translation>
    </message>
    <message>
        <source>How the base in %1 differs from that in %2</source>
        <translation>L’écart entre la base dans %1 et celle dans %2</translation>
    </message>
    <message>
        <source>EQ
%1</source>
        <translation>Éq.
%1</translation>
    </message>
    <message>
        <source>EQ
difference</source>
        <translation>Éq.
écart</translation>
    </message>
    <message>
        <source>The bonus from equipment in %1</source>
        <translation>Le bonus d’équipement dans %1</translation>
    </message>
    <message>
        <source>How the equipment bonus in %1 differs from that in %2</source>
        <translation>L’écart entre le bonus d’équipement dans %1 et celui dans %2</translation>
    </message>
    <message>
        <source>Goal
%1</source>
        <translation>Obj.
%1</translation>
    </message>
    <message>
        <source>Goal
difference</source>
        <translation>Obj.
écart</translation>
    </message>
    <message>
        <source>The goal in %1</source>
        <translation>L’objectif dans %1</translation>
    </message>
    <message>
        <source>How the goal in %1 differs from that in %2</source>
        <translation>L’écart entre l’objectif dans %1 et celui dans %2</translation>
    </message>
    <message>
        <source>Mod at goal
%1</source>
        <translation>Mod. à l’obj.
%1</translation>
    </message>
    <message>
        <source>Mod at goal
difference</source>
        <translation>Mod. à l’obj.
écart</translation>
    </message>
    <message>
        <source>The modded value in %1 once the skill and its attributes reach their goals</source>
        <translation>La valeur modifiée dans %1 une fois que la compétence et ses attributs atteignent leurs objectifs</translation>
    </message>
    <message>
        <source>How the modded value at goal in %1 differs from that in %2</source>
        <translation>L’écart entre la valeur modifiée à l’objectif dans %1 et celle dans %2</translation>
    </message>
    <message>
        <source>Experience
%1</source>
        <translation>Expérience
%1</translation>
    </message>
    <message>
        <source>Experience
difference</source>
        <translation>Expérience
écart</translation>
    </message>
    <message>
        <source>The experience from the base to the goal in %1</source>
        <translation>L’expérience de la base à l’objectif dans %1</translation>
    </message>
    <message>
        <source>How much more or less experience %1 needs than %2</source>
        <translation>Combien d’expérience %1 demande de plus ou de moins que %2</translation>
    </message>
    <message>
        <source>the same</source>
        <translation>identique</translation>
    </message>
    <message>
        <source>%1: %2 more</source>
        <translation>%1&#xa0;: %2 de plus</translation>
    </message>
    <message>
        <source>%1: %2 less</source>
        <translation>%1&#xa0;: %2 de moins</translation>
    </message>
    <message>
        <source>%1 has %2 more</source>
        <translation>%1 a %2 de plus</translation>
    </message>
    <message>
        <source>%1 has %2 less</source>
        <translation>%1 a %2 de moins</translation>
    </message>
    <message>
        <source>%1 needs %2 more</source>
        <translation>%1 demande %2 de plus</translation>
    </message>
    <message>
        <source>%1 needs %2 less</source>
        <translation>%1 demande %2 de moins</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>PlanDocument</name>
    <message>
        <source>Plan %1</source>
        <translation>Plan %1</translation>
    </message>
    <message>
        <source>Keep Plan</source>
        <translation>Garder le plan</translation>
    </message>
    <message>
        <source>Show Plan</source>
        <translation>Afficher le plan</translation>
    </message>
    <message>
        <source>Rename Plan</source>
        <translation>Renommer le plan</translation>
    </message>
    <message>
        <source>Remove Plan</source>
        <translation>Supprimer le plan</translation>
    </message>
</context>
<context>
    <name>PlanFile</name>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n’existe pas</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>a part of its path is not a folder</source>
        <translation>une partie de son chemin n’est pas un dossier</translation>
    </message>
    <message>
        <source>Cannot open %1: %2, in line %3.</source>
        <translation>Impossible d’ouvrir %1&#xa0;: %2, à la ligne %3.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Impossible d’ouvrir %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot save %1: %2.</source>
        <translation>Impossible d’enregistrer %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>le fichier dépasse 1 Mio</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>le fichier n’est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>it cannot be found after saving</source>
        <translation>le fichier est introuvable après l’enregistrement</translation>
    </message>
    <message>
        <source>it could not be written whole; the disk may be full</source>
        <translation>il n’a pas pu être écrit en entier&#xa0;; le disque est peut-être plein</translation>
    </message>
</context>
<context>
    <name>PlanFiles</name>
    <message>
        <source>Plans (*.txt);;All Files (*)</source>
        <translation>Plans (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save Plans As</source>
        <translation>Enregistrer les plans sous</translation>
    </message>
    <message>
        <source>Open Plans</source>
        <translation>Ouvrir des plans</translation>
    </message>
    <message>
        <source>&amp;Open Plans…</source>
        <translation>&amp;Ouvrir des plans…</translation>
    </message>
    <message>
        <source>&amp;Save Plans</source>
        <translation>&amp;Enregistrer les plans</translation>
    </message>
    <message>
        <source>Save Plans &amp;As…</source>
        <translation>Enregis&amp;trer les plans sous…</translation>
    </message>
    <message>
        <source>%1 holds remarks of your own; choose where to save the plans.</source>
        <translation>%1 contient vos propres remarques&#xa0;; choisissez où enregistrer les plans.</translation>
    </message>
    <message>
        <source>%1 is no longer where it was; choose where to save the plans.</source>
        <translation>%1 n’est plus là où il était&#xa0;; choisissez où enregistrer les plans.</translation>
    </message>
    <message>
        <source>%1 was changed by another program; choose where to save the plans.</source>
        <translation>%1 a été modifié par un autre programme&#xa0;; choisissez où enregistrer les plans.</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 existe déjà. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Nothing was saved; %1 is as it was.</source>
        <translation>Rien n’a été enregistré&#xa0;; %1 est resté tel quel.</translation>
    </message>
    <message>
        <source>The plan was saved to %1.</source>
        <translation>Le plan a été enregistré dans %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n plans were saved to %1.</source>
        <translation>
            <numerusform>%n plan a été enregistré dans %1.</numerusform>
            <numerusform>%n plans ont été enregistrés dans %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Plan %1</source>
        <translation>Plan %1</translation>
    </message>
    <message>
        <source>Cannot open %1: %2, in line %3: &quot;%4&quot;.</source>
        <translation>Impossible d’ouvrir %1&#xa0;: %2, à la ligne %3&#xa0;: «&#xa0;%4&#xa0;».</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Impossible d’ouvrir %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot open %1: it holds %2 plans, more than the %3 the planner keeps.</source>
        <translation>Impossible d’ouvrir %1&#xa0;: il contient %2 plans, plus que les %3 que garde le planificateur.</translation>
    </message>
    <message>
        <source>Opened %1: one plan.</source>
        <translation>%1 ouvert&#xa0;: un plan.</translation>
    </message>
    <message numerus="yes">
        <source>Opened %1: %n plans.</source>
        <translation>
            <numerusform>%1 ouvert&#xa0;: %n plan.</numerusform>
            <numerusform>%1 ouvert&#xa0;: %n plans.</numerusform>
        </translation>
    </message>
    <message>
        <source>Names given twice were made unique: %1.</source>
        <translation>Les noms donnés deux fois ont été rendus uniques&#xa0;: %1.</translation>
    </message>
    <message>
        <source>In %1: %2.</source>
        <translation>Dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The changes to %1 have not been saved.</source>
        <translation>Les modifications de %1 n’ont pas été enregistrées.</translation>
    </message>
    <message numerus="yes">
        <source>%n plans have not been saved or copied since their last change.</source>
        <translation>
            <numerusform>%n plan n’a été ni enregistré ni copié depuis sa dernière modification.</numerusform>
            <numerusform>%n plans n’ont été ni enregistrés ni copiés depuis leur dernière modification.</numerusform>
        </translation>
    </message>
    <message>
        <source>One plan has not been saved or copied since its last change.</source>
        <translation>Un plan n’a été ni enregistré ni copié depuis sa dernière modification.</translation>
    </message>
    <message>
        <source>The plan has not been saved or copied since its last change.</source>
        <translation>Le plan n’a été ni enregistré ni copié depuis sa dernière modification.</translation>
    </message>
    <message>
        <source>Tarrowind Character Planner</source>
        <translation>Planificateur de personnage Tarrowind</translation>
    </message>
    <message>
        <source>Save before closing?</source>
        <translation>Enregistrer avant de fermer&#xa0;?</translation>
    </message>
    <message>
        <source>Save before opening a file?</source>
        <translation>Enregistrer avant d’ouvrir un fichier&#xa0;?</translation>
    </message>
    <message>
        <source>Save As and Close…</source>
        <translation>Enregistrer sous et fermer…</translation>
    </message>
    <message>
        <source>Save and Close</source>
        <translation>Enregistrer et fermer</translation>
    </message>
    <message>
        <source>Copy Plans and Close</source>
        <translation>Copier les plans et fermer</translation>
    </message>
    <message>
        <source>Copy Plan and Close</source>
        <translation>Copier le plan et fermer</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>Fermer sans enregistrer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Copy Plans</source>
        <translation>Copier les plans</translation>
    </message>
    <message>
        <source>Copy Plan</source>
        <translation>Copier le plan</translation>
    </message>
    <message>
        <source>Open Without Saving</source>
        <translation>Ouvrir sans enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Tarrowind Character Planner[*]</source>
        <translation>Planificateur de personnage Tarrowind[*]</translation>
    </message>
    <message>
        <source>%1[*] – Tarrowind Character Planner</source>
        <translation>%1[*] – Planificateur de personnage Tarrowind</translation>
    </message>
</context>
<context>
    <name>PlanListModel</name>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Race</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Expérience</translation>
    </message>
    <message>
        <source>The experience all goals of the plan cost</source>
        <translation>L’expérience que coûtent tous les objectifs du plan</translation>
    </message>
    <message>
        <source>%1 (shown)</source>
        <translation>%1 (affiché)</translation>
    </message>
</context>
<context>
    <name>PlanSetCommands</name>
    <message>
        <source>&amp;Keep Plan</source>
        <translation>&amp;Garder le plan</translation>
    </message>
    <message>
        <source>S&amp;how Plan</source>
        <translation>&amp;Afficher le plan</translation>
    </message>
    <message>
        <source>Re&amp;name Plan…</source>
        <translation>Re&amp;nommer le plan…</translation>
    </message>
    <message>
        <source>Re&amp;move Plan</source>
        <translation>&amp;Supprimer le plan</translation>
    </message>
    <message>
        <source>Paste as Ne&amp;w Plan</source>
        <translation>Coller comme no&amp;uveau plan</translation>
    </message>
    <message>
        <source>P&amp;lans…</source>
        <translation>&amp;Plans…</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 shown: %2, %3.</source>
        <translation>%1 affiché&#xa0;: %2, %3.</translation>
    </message>
    <message>
        <source>No plan was kept: the planner holds at most %1 plans.</source>
        <translation>Aucun plan n’a été gardé&#xa0;: le planificateur contient au plus %1 plans.</translation>
    </message>
    <message>
        <source>The shown plan kept as %1; %2 stays shown.</source>
        <translation>Plan affiché gardé comme %1&#xa0;; %2 reste affiché.</translation>
    </message>
    <message>
        <source>Nothing was changed: there is no such plan.</source>
        <translation>Rien n’a été modifié&#xa0;: ce plan n’existe pas.</translation>
    </message>
    <message>
        <source>The plan was not renamed: %1.</source>
        <translation>Le plan n’a pas été renommé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Another plan is named %1: %2 renamed %3.</source>
        <translation>Un autre plan s’appelle %1&#xa0;: %2 renommé %3.</translation>
    </message>
    <message>
        <source>%1 renamed %2.</source>
        <translation>%1 renommé %2.</translation>
    </message>
    <message>
        <source>The last plan cannot be removed.</source>
        <translation>Le dernier plan ne peut pas être supprimé.</translation>
    </message>
    <message>
        <source>%1 removed. %2</source>
        <translation>%1 supprimé. %2</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 supprimé.</translation>
    </message>
    <message>
        <source>Rename Plan</source>
        <translation>Renommer le plan</translation>
    </message>
    <message>
        <source>New name for %1 (at most %2 characters):</source>
        <translation>Nouveau nom pour %1 (au plus %2 caractères)&#xa0;:</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>PlanText</name>
    <message>
        <source>%1 base %2 and goal %3 lowered to 0, since %4 cannot learn it</source>
        <translation>%1&#xa0;: base %2 et objectif %3 abaissés à 0, car %4 ne peut pas l’apprendre</translation>
    </message>
    <message>
        <source>%1 base %2 lowered to 0, since %3 cannot learn it</source>
        <translation>%1&#xa0;: base %2 abaissée à 0, car %3 ne peut pas l’apprendre</translation>
    </message>
    <message>
        <source>%1 goal %2 lowered to 0, since %3 cannot learn it</source>
        <translation>%1&#xa0;: objectif %2 abaissé à 0, car %3 ne peut pas l’apprendre</translation>
    </message>
    <message>
        <source>%1 base %2 and goal %3 lowered to %4, the highest for %5</source>
        <translation>%1&#xa0;: base %2 et objectif %3 abaissés à %4, le maximum pour %5</translation>
    </message>
    <message>
        <source>%1 base %2 lowered to %3, the highest for %4</source>
        <translation>%1&#xa0;: base %2 abaissée à %3, le maximum pour %4</translation>
    </message>
    <message>
        <source>%1 goal %2 lowered to %3, the highest for %4</source>
        <translation>%1&#xa0;: objectif %2 abaissé à %3, le maximum pour %4</translation>
    </message>
    <message>
        <source>Plan pasted.</source>
        <translation>Plan collé.</translation>
    </message>
    <message>
        <source>Plan pasted: %1.</source>
        <translation>Plan collé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>the race is not one the planner knows (perhaps %1)</source>
        <translation>le planificateur ne connaît pas cette race (peut-être %1)</translation>
    </message>
    <message>
        <source>the race is not one the planner knows</source>
        <translation>le planificateur ne connaît pas cette race</translation>
    </message>
    <message>
        <source>the line begins like a race line but cannot be read</source>
        <translation>la ligne commence comme une ligne de race mais est illisible</translation>
    </message>
    <message>
        <source>%1 needs four whole numbers from %2</source>
        <translation>%1 demande quatre nombres entiers de %2</translation>
    </message>
    <message>
        <source>%1 is not a skill the planner knows (perhaps %2)</source>
        <translation>%1 n’est pas une compétence que le planificateur connaît (peut-être %2)</translation>
    </message>
    <message>
        <source>%1 is not a skill the planner knows</source>
        <translation>%1 n’est pas une compétence que le planificateur connaît</translation>
    </message>
    <message>
        <source>Nothing was pasted: %1.</source>
        <translation>Rien n’a été collé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Nothing was pasted: %1, in line %2: &quot;%3&quot;</source>
        <translation>Rien n’a été collé&#xa0;: %1, à la ligne %2&#xa0;: «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>the race is named a second time</source>
        <translation>la race apparaît une seconde fois</translation>
    </message>
    <message>
        <source>%1 is named a second time</source>
        <translation>%1 apparaît une seconde fois</translation>
    </message>
    <message>
        <source>the text names no skill with its levels</source>
        <translation>le texte ne nomme aucune compétence avec ses niveaux</translation>
    </message>
    <message>
        <source>a plan&apos;s name cannot be empty</source>
        <translation>le nom d’un plan ne peut pas être vide</translation>
    </message>
    <message>
        <source>a plan&apos;s name can have at most %1 characters</source>
        <translation>le nom d’un plan peut avoir au plus %1 caractères</translation>
    </message>
    <message>
        <source>a plan&apos;s name cannot hold line breaks, tabs or invisible characters</source>
        <translation>le nom d’un plan ne peut contenir ni saut de ligne, ni tabulation, ni caractère invisible</translation>
    </message>
    <message>
        <source>the text names a race or skill before its first Plan: line</source>
        <translation>le texte nomme une race ou une compétence avant sa première ligne «&#xa0;Plan:&#xa0;»</translation>
    </message>
    <message>
        <source>this plan has no race line</source>
        <translation>ce plan n’a pas de ligne de race</translation>
    </message>
    <message numerus="yes">
        <source>Plan pasted: %1; %n skill(s) lowered in all.</source>
        <translation>
            <numerusform>Plan collé&#xa0;: %1&#xa0;; %n compétence abaissée en tout.</numerusform>
            <numerusform>Plan collé&#xa0;: %1&#xa0;; %n compétences abaissées en tout.</numerusform>
        </translation>
    </message>
    <message>
        <source>the plan has no &quot;Goal Cost Total:&quot; line, so the file may have been cut short; pasting its text reads it all the same</source>
        <translation>le plan n’a pas de ligne «&#xa0;Goal Cost Total:&#xa0;», le fichier a donc peut-être été tronqué&#xa0;; coller son texte le lit tout de même</translation>
    </message>
    <message>
        <source>the last plan, from line %1, has no &quot;Goal Cost Total:&quot; line, so the file may have been cut short; pasting its text reads it all the same</source>
        <translation>le dernier plan, à partir de la ligne %1, n’a pas de ligne «&#xa0;Goal Cost Total:&#xa0;», le fichier a donc peut-être été tronqué&#xa0;; coller son texte le lit tout de même</translation>
    </message>
</context>
<context>
    <name>PlannerAccessibility</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A drop-down list as a screen reader names it: %1 is its name, %2 its entry.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>PlannerHistory</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
</context>
<context>
    <name>PlansWindow</name>
    <message>
        <source>Plans</source>
        <translation>Plans</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>&amp;Keep Plan</source>
        <translation>&amp;Garder le plan</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>Re&amp;nommer…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Supprimer</translation>
    </message>
</context>
<context>
    <name>RaceCostModel</name>
    <message>
        <source>Race</source>
        <translation>Race</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Expérience</translation>
    </message>
    <message>
        <source>The experience all goals of the plan would cost for this race</source>
        <translation>L’expérience que tous les objectifs du plan coûteraient à cette race</translation>
    </message>
    <message>
        <source>Lowered</source>
        <translation>Abaissées</translation>
    </message>
    <message>
        <source>Skills whose base or goal is above what this race allows: the recalculation lowers them to its maximum</source>
        <translation>Compétences dont la base ou l’objectif dépasse ce que permet cette race&#xa0;: le recalcul les abaisse à son maximum</translation>
    </message>
    <message>
        <source>Cannot learn</source>
        <translation>Inapprenables</translation>
    </message>
    <message>
        <source>Skills this race cannot learn at all, of those that the plan raises above their start level or gives an equipment bonus</source>
        <translation>Compétences que cette race ne peut pas apprendre du tout, parmi celles que le plan élève au-dessus de leur niveau de départ ou dote d’un bonus d’équipement</translation>
    </message>
    <message>
        <source>cannot be compared</source>
        <translation>non comparable</translation>
    </message>
    <message>
        <source>cannot be recalculated</source>
        <translation>impossible à recalculer</translation>
    </message>
    <message>
        <source>No race can be compared: %1.</source>
        <translation>Aucune race ne peut être comparée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>A modded value would leave the range %1 for this race</source>
        <translation>Une valeur modifiée sortirait de l’intervalle %1 pour cette race</translation>
    </message>
</context>
<context>
    <name>ReachModel</name>
    <message>
        <source>Skill</source>
        <translation>Compétence</translation>
    </message>
    <message>
        <source>Goal now</source>
        <translation>Objectif actuel</translation>
    </message>
    <message>
        <source>Suggested goal</source>
        <translation>Objectif suggéré</translation>
    </message>
    <message>
        <source>Experience added</source>
        <translation>Expérience ajoutée</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>ReachPanel</name>
    <message>
        <source>Reach a value</source>
        <translation>Atteindre une valeur</translation>
    </message>
    <message>
        <source>Suggested goals</source>
        <translation>Objectifs suggérés</translation>
    </message>
    <message>
        <source>Races</source>
        <translation>Races</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Apply the suggested goals</source>
        <translation>Appliquer les objectifs suggérés</translation>
    </message>
    <message>
        <source>Target lowered to %1, the highest</source>
        <translation>Valeur visée abaissée à %1, le maximum</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>Compétence</translation>
    </message>
    <message>
        <source>Target modded value at goal</source>
        <translation>Valeur modifiée visée à l’objectif</translation>
    </message>
    <message>
        <source>&amp;Skill:</source>
        <translation>&amp;Compétence&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Modded at goal at least:</source>
        <translation>Valeur &amp;modifiée à l’objectif, au moins&#xa0;:</translation>
    </message>
    <message>
        <source>%1 cannot be learned by %2; %3 chosen instead</source>
        <translation>%2 ne peut pas apprendre %1&#xa0;; %3 choisie à la place</translation>
    </message>
    <message>
        <source>at most %1 for %2</source>
        <translation>au plus %1 pour %2</translation>
    </message>
    <message>
        <source>%1 cannot reach %2.</source>
        <translation>%1 ne peut pas atteindre %2.</translation>
    </message>
    <message>
        <source>%1 is already %2 at its goal.</source>
        <translation>%1 vaut déjà %2 à son objectif.</translation>
    </message>
    <message>
        <source>%1 %2 for %3 more; raising the goal of %1 alone would add %4.</source>
        <translation>%1 %2 pour %3 de plus&#xa0;; relever l’objectif de %1 seul ajouterait %4.</translation>
    </message>
    <message>
        <source>%1 %2 for %3 more; raising the goal of %1 alone cannot get there.</source>
        <translation>%1 %2 pour %3 de plus&#xa0;; relever l’objectif de %1 seul n’y suffit pas.</translation>
    </message>
    <message>
        <source>No suggestion: %1.</source>
        <translation>Aucune suggestion&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Reach %1 %2</source>
        <translation>Atteindre %1 %2</translation>
    </message>
</context>
<context>
    <name>ReachRacesModel</name>
    <message>
        <source>Race</source>
        <translation>Race</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Ajouté</translation>
    </message>
    <message>
        <source>The experience each race would add for the same skill and target, with this plan recalculated for that race as &quot;Compare Races&quot; does</source>
        <translation>L’expérience que chaque race ajouterait pour la même compétence et la même valeur visée, ce plan étant recalculé pour cette race comme le fait «&#xa0;Comparer les races&#xa0;»</translation>
    </message>
    <message>
        <source>cannot learn %1</source>
        <translation>ne peut pas apprendre %1</translation>
    </message>
    <message>
        <source>cannot reach %1</source>
        <translation>ne peut pas atteindre %1</translation>
    </message>
    <message>
        <source>cannot be worked out</source>
        <translation>incalculable</translation>
    </message>
</context>
<context>
    <name>RouteChart</name>
    <message>
        <source>Chart of the route</source>
        <translation>Graphique de l’itinéraire</translation>
    </message>
    <message>
        <source>Experience spent</source>
        <translation>Expérience dépensée</translation>
    </message>
    <message>
        <source>Modded value</source>
        <translation>Valeur modifiée</translation>
    </message>
    <message>
        <source>Add a milestone to see its skill rise along the route.</source>
        <translation>Ajoutez un jalon pour voir sa compétence monter le long de l’itinéraire.</translation>
    </message>
    <message>
        <source>in hand</source>
        <translation>disponible</translation>
    </message>
</context>
<context>
    <name>RouteStepModel</name>
    <message>
        <source>Skill</source>
        <translation>Compétence</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>The level this row buys from</source>
        <translation>Le niveau à partir duquel cette ligne achète</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>The level this row buys up to</source>
        <translation>Le niveau jusqu’auquel cette ligne achète</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Expérience</translation>
    </message>
    <message>
        <source>The experience of this row&apos;s levels</source>
        <translation>L’expérience des niveaux de cette ligne</translation>
    </message>
    <message>
        <source>Running total</source>
        <translation>Cumul</translation>
    </message>
    <message>
        <source>The experience from the start of the route to the end of this row</source>
        <translation>L’expérience depuis le début de l’itinéraire jusqu’à la fin de cette ligne</translation>
    </message>
    <message>
        <source>Milestone</source>
        <translation>Jalon</translation>
    </message>
    <message>
        <source>The milestone whose levels this row buys; empty for the levels after the last milestone</source>
        <translation>Le jalon dont cette ligne achète les niveaux&#xa0;; vide pour les niveaux après le dernier jalon</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Payé</translation>
    </message>
    <message>
        <source>How much of this row the experience to spend pays for</source>
        <translation>Quelle part de cette ligne l’expérience à dépenser paie</translation>
    </message>
    <message>
        <source>all</source>
        <translation>tout</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n level(s)</source>
        <translation>
            <numerusform>%1 sur %n niveau</numerusform>
            <numerusform>%1 sur %n niveaux</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RouteWindow</name>
    <message numerus="yes">
        <source>%1 level(s)</source>
        <translation>
            <numerusform>%1 niveau</numerusform>
            <numerusform>%1 niveaux</numerusform>
        </translation>
    </message>
    <message>
        <source>Milestones</source>
        <translation>Jalons</translation>
    </message>
    <message>
        <source>&amp;Add selected skill</source>
        <translation>&amp;Ajouter la compétence choisie</translation>
    </message>
    <message>
        <source>Move u&amp;p</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Steps of the route</source>
        <translation>Étapes de l’itinéraire</translation>
    </message>
    <message>
        <source>Mar&amp;k as bought</source>
        <translation>Marquer comme a&amp;cheté</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>Itinéraire</translation>
    </message>
    <message>
        <source>&amp;Steps:</source>
        <translation>É&amp;tapes&#xa0;:</translation>
    </message>
    <message>
        <source>Adds the skill selected in the planner, at its modded value at goal</source>
        <translation>Ajoute la compétence choisie dans le planificateur, à sa valeur modifiée à l’objectif</translation>
    </message>
    <message>
        <source>Modded value of the milestone</source>
        <translation>Valeur modifiée du jalon</translation>
    </message>
    <message>
        <source>Mi&amp;lestones:</source>
        <translation>&amp;Jalons&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Valeur&#xa0;:</translation>
    </message>
    <message>
        <source>Experience to spend</source>
        <translation>Expérience à dépenser</translation>
    </message>
    <message>
        <source>&amp;Experience to spend:</source>
        <translation>&amp;Expérience à dépenser&#xa0;:</translation>
    </message>
    <message>
        <source>%1 is out of reach: %2 cannot learn %3.</source>
        <translation>%1 est hors d’atteinte&#xa0;: %2 ne peut pas apprendre %3.</translation>
    </message>
    <message>
        <source>%1 is out of reach: the goals give at most %2. &quot;Optimise Goals&quot; (Ctrl+T) can raise them.</source>
        <translation>%1 est hors d’atteinte&#xa0;: les objectifs donnent au plus %2. «&#xa0;Optimiser les objectifs&#xa0;» (Ctrl+T) peut les relever.</translation>
    </message>
    <message>
        <source>at most %1 for %2</source>
        <translation>au plus %1 pour %2</translation>
    </message>
    <message>
        <source>No route: %1.</source>
        <translation>Aucun itinéraire&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The plan&apos;s goals are reached: there is nothing left to buy.</source>
        <translation>Les objectifs du plan sont atteints&#xa0;: il n’y a plus rien à acheter.</translation>
    </message>
    <message>
        <source>The route: %1 for %2.</source>
        <translation>L’itinéraire&#xa0;: %1 pour %2.</translation>
    </message>
    <message>
        <source>Type the experience you have to see what it buys.</source>
        <translation>Saisissez votre expérience pour voir ce qu’elle achète.</translation>
    </message>
    <message>
        <source>%1 buys no level: the first, %2 %3, costs %4.</source>
        <translation>%1 ne suffit pour aucun niveau&#xa0;: le premier, %2 %3, coûte %4.</translation>
    </message>
    <message>
        <source>%1 %2 -&gt; %3</source>
        <translation>%1 %2 -&gt; %3</translation>
    </message>
    <message>
        <source>%1 buys %2 for %3: %4.</source>
        <translation>Avec %1, vous achetez %2 pour %3&#xa0;: %4.</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the skills bought</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>That is the whole route; %1 is left over.</source>
        <translation>C’est tout l’itinéraire&#xa0;; il reste %1.</translation>
    </message>
    <message>
        <source>%1 is left over; the next level, %2 %3, costs %4, %5 more.</source>
        <translation>Il reste %1&#xa0;; le niveau suivant, %2 %3, coûte %4, soit %5 de plus.</translation>
    </message>
    <message numerus="yes">
        <source>Bought %n level(s)</source>
        <translation>
            <numerusform>%n niveau acheté</numerusform>
            <numerusform>%n niveaux achetés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SkillExplanation</name>
    <message>
        <source>%1 ×%2</source>
        <translation>%1 ×%2</translation>
    </message>
    <message>
        <source>%1 %2 times</source>
        <translation>%1 %2 fois</translation>
    </message>
    <message>
        <source>%1 (%2, cannot be learned)
%2 cannot learn %1: base, modded value, goal and experience stay 0</source>
        <translation>%1 (%2, inapprenable)
%2 ne peut pas apprendre %1&#xa0;: base, valeur modifiée, objectif et expérience restent à 0</translation>
    </message>
    <message>
        <source>; the equipment bonus %1 adds nothing</source>
        <translation>&#xa0;; le bonus d’équipement %1 n’ajoute rien</translation>
    </message>
    <message>
        <source>%1 (%2, difficulty class %3, at most %4)
</source>
        <translation>%1 (%2, classe de difficulté %3, au plus %4)
</translation>
    </message>
    <message>
        <source>Modded %1 = base %2 + equipment %3</source>
        <translation>Modifiée %1 = base %2 + équipement %3</translation>
    </message>
    <message>
        <source>; an attribute gets no attribute bonus</source>
        <translation>&#xa0;; un attribut ne reçoit pas de bonus d’attribut</translation>
    </message>
    <message>
        <source> + attribute bonus %1 (%2)</source>
        <translation> + bonus d’attribut %1 (%2)</translation>
    </message>
    <message>
        <source>Goal %1: %2 experience</source>
        <translation>Objectif %1&#xa0;: %2 points d’expérience</translation>
    </message>
    <message>
        <source>Goal %1: reached, no experience needed</source>
        <translation>Objectif %1&#xa0;: atteint, aucune expérience requise</translation>
    </message>
    <message>
        <source>; the next level, %1 to %2, costs %3</source>
        <translation>&#xa0;; le niveau suivant, de %1 à %2, coûte %3</translation>
    </message>
    <message>
        <source>; %1 is the most %2 can reach</source>
        <translation>&#xa0;; %1 est le maximum que %2 peut atteindre</translation>
    </message>
    <message>
        <source>
At goal: modded %1</source>
        <translation>
À l’objectif&#xa0;: modifiée %1</translation>
    </message>
    <message>
        <source>%1 cannot learn it</source>
        <translation>%1 ne peut pas l’apprendre</translation>
    </message>
    <message>
        <source>; the equipment bonus adds nothing</source>
        <translation>&#xa0;; le bonus d’équipement n’ajoute rien</translation>
    </message>
    <message>
        <source>%1: difficulty class %2, at most %3</source>
        <translation>%1&#xa0;: classe de difficulté %2, au plus %3</translation>
    </message>
    <message>
        <source>. Attribute bonus %1 from %2</source>
        <translation>. Bonus d’attribut %1 de %2</translation>
    </message>
    <message>
        <source>. The next level costs %1</source>
        <translation>. Le niveau suivant coûte %1</translation>
    </message>
    <message>
        <source>. The base is at its maximum</source>
        <translation>. La base est à son maximum</translation>
    </message>
    <message>
        <source>. At goal: modded %1</source>
        <translation>. À l’objectif&#xa0;: modifiée %1</translation>
    </message>
</context>
<context>
    <name>SkillRow</name>
    <message>
        <source>Goal Cost Total: %1</source>
        <extracomment>The label below the skill list; %1 is the total, or nothing while it is 0.</extracomment>
        <translation>Coût total&#xa0;: %1</translation>
    </message>
    <message>
        <source>Skill Name        Base EQ   Mod  Goal  Goal Cost</source>
        <extracomment>Over the skill list&apos;s columns of 16, 5, 5, 5 and 7 characters: each word starts where its column starts, so keep the blanks that put it there.</extracomment>
        <translation>Compétence        Base Éq.  Mod  Obj.  Coût obj.</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>%1: base %2, equipment %3, modded %4, goal %5, cost %6</source>
        <extracomment>What a screen reader says for a row of the skill list: %1 is the skill&apos;s name.</extracomment>
        <translation>%1&#xa0;: base %2, équipement %3, modifiée %4, objectif %5, coût %6</translation>
    </message>
    <message>
        <source>Goal Cost Total: %1</source>
        <translation>Coût total&#xa0;: %1</translation>
    </message>
    <message>
        <source>Race: %1</source>
        <translation>Race&#xa0;: %1</translation>
    </message>
    <message>
        <source>. </source>
        <extracomment>Between the sentences said after a change, such as &quot;Race: Templar&quot; and the total.</extracomment>
        <translation>. </translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <extracomment>%1 is the step&apos;s name, such as &quot;Max Goals&quot;.</extracomment>
        <translation>Annulé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Redone: %1.</source>
        <translation>Rétabli&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Experience to Goal: %1</source>
        <translation>Expérience jusqu’à l’objectif&#xa0;: %1</translation>
    </message>
    <message>
        <source>Base level of %1; Enter stores it within what the race allows</source>
        <translation>Niveau de base de %1&#xa0;; Entrée l’enregistre dans les limites permises par la race</translation>
    </message>
    <message>
        <source>What the character&apos;s equipment adds to %1; Enter stores it</source>
        <translation>Ce que l’équipement du personnage ajoute à %1&#xa0;; Entrée l’enregistre</translation>
    </message>
    <message>
        <source>The base level %1 should reach; Enter stores it within what the race allows</source>
        <translation>Le niveau de base que %1 doit atteindre&#xa0;; Entrée l’enregistre dans les limites permises par la race</translation>
    </message>
    <message>
        <source>Experience needed to raise %1 from its base level to its goal</source>
        <translation>L’expérience nécessaire pour faire passer %1 de son niveau de base à son objectif</translation>
    </message>
</context>
<context>
    <name>Tarrowind_Char_Planner</name>
    <message>
        <source>Skills</source>
        <translation>Compétences</translation>
    </message>
    <message>
        <source>One row per skill: name, base level, equipment bonus, modded value, goal level and the experience to reach the goal</source>
        <translation>Une ligne par compétence&#xa0;: nom, niveau de base, bonus d’équipement, valeur modifiée, niveau visé et l’expérience pour atteindre l’objectif</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Race</translation>
    </message>
    <message>
        <source>The character&apos;s race; choosing one resets every skill</source>
        <translation>La race du personnage&#xa0;; en choisir une réinitialise toutes les compétences</translation>
    </message>
    <message>
        <source>Skill/Stat Name</source>
        <translation>Compétence/attribut</translation>
    </message>
    <message>
        <source>Skill/Stat Name: the skill shown in the boxes beside it</source>
        <translation>Compétence/attribut&#xa0;: la compétence affichée dans les champs à côté</translation>
    </message>
    <message>
        <source>Base Skill Level</source>
        <translation>Niveau de base de la compétence</translation>
    </message>
    <message>
        <source>Base level of the selected skill; Enter stores it within what the race allows</source>
        <translation>Niveau de base de la compétence choisie&#xa0;; Entrée l’enregistre dans les limites permises par la race</translation>
    </message>
    <message>
        <source>Bonus from Equipment</source>
        <translation>Bonus d’équipement</translation>
    </message>
    <message>
        <source>What the character&apos;s equipment adds to the selected skill; Enter stores it</source>
        <translation>Ce que l’équipement du personnage ajoute à la compétence choisie&#xa0;; Entrée l’enregistre</translation>
    </message>
    <message>
        <source>Overal Modded Value</source>
        <translation>Valeur modifiée globale</translation>
    </message>
    <message>
        <source>Overall Modded Value: base level, equipment bonus and the bonus from attributes</source>
        <translation>Valeur modifiée globale&#xa0;: niveau de base, bonus d’équipement et bonus des attributs</translation>
    </message>
    <message>
        <source>Goal (Base) Skill Level</source>
        <translation>Niveau (de base) visé de la compétence</translation>
    </message>
    <message>
        <source>Goal Skill Level</source>
        <translation>Niveau visé de la compétence</translation>
    </message>
    <message>
        <source>The base level the selected skill should reach; Enter stores it within what the race allows</source>
        <translation>Le niveau de base que la compétence choisie doit atteindre&#xa0;; Entrée l’enregistre dans les limites permises par la race</translation>
    </message>
    <message>
        <source>Exp to get to Goal</source>
        <translation>XP pour atteindre l’objectif</translation>
    </message>
    <message>
        <source>Experience to Goal</source>
        <translation>Expérience jusqu’à l’objectif</translation>
    </message>
    <message>
        <source>Experience needed to raise the selected skill from its base level to its goal</source>
        <translation>L’expérience nécessaire pour faire passer la compétence choisie de son niveau de base à son objectif</translation>
    </message>
    <message>
        <source>Sets every skill back to its starting level, without equipment bonus or goal</source>
        <translation>Remet chaque compétence à son niveau de départ, sans bonus d’équipement ni objectif</translation>
    </message>
    <message>
        <source>Sets every skill&apos;s base level to the most the race allows</source>
        <translation>Porte le niveau de base de chaque compétence au maximum permis par la race</translation>
    </message>
    <message>
        <source>Sets every skill&apos;s goal level to the most the race allows</source>
        <translation>Porte le niveau visé de chaque compétence au maximum permis par la race</translation>
    </message>
    <message>
        <source>Stores the selected skill&apos;s base, equipment bonus and goal from the boxes</source>
        <translation>Enregistre la base, le bonus d’équipement et l’objectif de la compétence choisie depuis les champs</translation>
    </message>
    <message>
        <source>Tarrowind Character Planner[*]</source>
        <translation>Planificateur de personnage Tarrowind[*]</translation>
    </message>
    <message>
        <source>&amp;Reset Skills</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>Max &amp;Bases</source>
        <translation>&amp;Bases max</translation>
    </message>
    <message>
        <source>Max &amp;Goals</source>
        <translation>Ob&amp;jectifs max</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Valider</translation>
    </message>
    <message>
        <source>Planner by the Tarrowind team</source>
        <translation>Planificateur par l’équipe Tarrowind</translation>
    </message>
    <message>
        <source>&amp;Plan</source>
        <translation>&amp;Plan</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Raccourcis &amp;clavier</translation>
    </message>
    <message>
        <source>&amp;About the Planner</source>
        <translation>À propos du p&amp;lanificateur</translation>
    </message>
    <message>
        <source>%1: modded %2 at goal</source>
        <translation>%1&#xa0;: %2 modifiée à l’objectif</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>Press &quot;%1&quot;</source>
        <translation>Appuyer sur «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Press &quot;%1&quot;, the default button</source>
        <translation>Appuyer sur «&#xa0;%1&#xa0;», le bouton par défaut</translation>
    </message>
    <message>
        <source>%1, %2 in the skill list</source>
        <translation>%1, %2 dans la liste des compétences</translation>
    </message>
    <message>
        <source>Copy or paste the whole plan</source>
        <translation>Copier ou coller le plan entier</translation>
    </message>
    <message>
        <source>Shift+F10 or the Menu key</source>
        <translation>Maj+F10 ou la touche Menu</translation>
    </message>
    <message>
        <source>Open the skill list&apos;s menu</source>
        <translation>Ouvrir le menu de la liste des compétences</translation>
    </message>
    <message>
        <source>Open the menus</source>
        <translation>Ouvrir les menus</translation>
    </message>
    <message>
        <source>Escape or Ctrl+W</source>
        <translation>Échap ou Ctrl+W</translation>
    </message>
    <message>
        <source>Close a window beside the planner</source>
        <translation>Fermer une fenêtre à côté du planificateur</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>About the Planner</source>
        <translation>À propos du planificateur</translation>
    </message>
    <message>
        <source>Tarrowind Character Planner %1

Plans the skills of one character of the game Tarrowind.

Licence: GNU General Public License, version 3 or later.</source>
        <translation>Planificateur de personnage Tarrowind %1

Planifie les compétences d’un personnage du jeu Tarrowind.

Licence&#xa0;: GNU General Public License, version 3 ou ultérieure.</translation>
    </message>
    <message>
        <source>The base box still holds %1, not stored</source>
        <translation>Le champ de base contient encore %1, non enregistré</translation>
    </message>
    <message>
        <source>The equipment box still holds %1, not stored</source>
        <translation>Le champ d’équipement contient encore %1, non enregistré</translation>
    </message>
    <message>
        <source>The goal box still holds %1, not stored</source>
        <translation>Le champ d’objectif contient encore %1, non enregistré</translation>
    </message>
    <message>
        <source>Base level</source>
        <translation>Niveau de base</translation>
    </message>
    <message>
        <source>Equipment bonus</source>
        <translation>Bonus d’équipement</translation>
    </message>
    <message>
        <source>Goal level</source>
        <translation>Niveau visé</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a whole number from %3.</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» n’est pas un nombre entier de %3.</translation>
    </message>
    <message>
        <source>Update %1</source>
        <translation>Valider %1</translation>
    </message>
    <message>
        <source>race change to %1</source>
        <translation>changement de race pour %1</translation>
    </message>
</context>
</TS>
