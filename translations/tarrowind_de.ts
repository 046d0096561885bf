<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CheapestModel</name>
    <message>
        <source>Skill</source>
        <translation>Fertigkeit</translation>
    </message>
    <message>
        <source>Goal now</source>
        <translation>Ziel jetzt</translation>
    </message>
    <message>
        <source>Suggested goal</source>
        <translation>Vorgeschlagenes Ziel</translation>
    </message>
    <message>
        <source>Modded at goal now</source>
        <translation>Mod. am Ziel jetzt</translation>
    </message>
    <message>
        <source>Modded at goal after</source>
        <translation>Mod. am Ziel danach</translation>
    </message>
</context>
<context>
    <name>CheapestPanel</name>
    <message>
        <source>The same values for less</source>
        <translation>Dieselben Werte für weniger</translation>
    </message>
    <message>
        <source>Cheapest goals</source>
        <translation>Günstigste Ziele</translation>
    </message>
    <message>
        <source>Attributes may end lower</source>
        <translation>Attribute dürfen niedriger enden</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Apply the cheapest goals</source>
        <translation>Die günstigsten Ziele übernehmen</translation>
    </message>
    <message>
        <source>This plan: %1. The same values at goal: %2. Saving: %3 (%4 %).</source>
        <translation>Dieser Plan: %1. Dieselben Werte am Ziel: %2. Ersparnis: %3 (%4 %).</translation>
    </message>
    <message>
        <source>This plan is already the cheapest for these values</source>
        <translation>Dieser Plan ist für diese Werte bereits der günstigste</translation>
    </message>
    <message>
        <source>No suggestion: %1.</source>
        <translation>Kein Vorschlag: %1.</translation>
    </message>
</context>
<context>
    <name>CompanionWindow</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ComparePlansWindow</name>
    <message>
        <source>Show &amp;all skills</source>
        <translation>&amp;Alle Fertigkeiten zeigen</translation>
    </message>
    <message>
        <source>Skills of the two plans</source>
        <translation>Fertigkeiten der beiden Pläne</translation>
    </message>
    <message>
        <source>Compare Plans</source>
        <translation>Pläne vergleichen</translation>
    </message>
    <message>
        <source>Sets the goals of the plan shown in the planner to those of the other plan, where its race allows, keeping its bases and equipment; offered when one of the two plans is the plan shown</source>
        <translation>Setzt die Ziele des im Planer gezeigten Plans auf die des anderen Plans, soweit seine Rasse es erlaubt, und behält Grundwerte und Ausrüstung; angeboten, wenn einer der beiden Pläne der gezeigte ist</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>With</source>
        <translation>Mit</translation>
    </message>
    <message>
        <source>&amp;Compare:</source>
        <translation>&amp;Vergleichen:</translation>
    </message>
    <message>
        <source>&amp;with:</source>
        <translation>&amp;mit:</translation>
    </message>
    <message>
        <source>The plan shown in the planner</source>
        <translation>Der im Planer gezeigte Plan</translation>
    </message>
    <message>
        <source>%1 is the only plan: there is nothing kept to compare it with. &quot;Keep Plan&quot; in the Plan menu keeps a copy of it.</source>
        <translation>%1 ist der einzige Plan: Es gibt keinen behaltenen Plan zum Vergleichen. „Plan behalten“ im Menü Plan behält eine Kopie davon.</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>both need the same experience</source>
        <translation>beide brauchen dieselbe Erfahrung</translation>
    </message>
    <message>
        <source>a plan compared with itself</source>
        <translation>ein Plan, mit sich selbst verglichen</translation>
    </message>
    <message>
        <source>no skill differs</source>
        <translation>keine Fertigkeit unterscheidet sich</translation>
    </message>
    <message>
        <source> · </source>
        <comment>between the parts of the comparison</comment>
        <translation> · </translation>
    </message>
    <message>
        <source>The plans cannot be compared: %1.</source>
        <translation>Die Pläne lassen sich nicht vergleichen: %1.</translation>
    </message>
    <message>
        <source>&amp;Take goals from %1</source>
        <translation>Ziele von %1 &amp;übernehmen</translation>
    </message>
    <message>
        <source>Goals from %1</source>
        <translation>Ziele von %1</translation>
    </message>
    <message>
        <source>Goals from %1: no goal changed, total %2</source>
        <translation>Ziele von %1: kein Ziel geändert, gesamt %2</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the parts of a note</comment>
        <translation>; </translation>
    </message>
    <message>
        <source>; %1 goals lowered in all</source>
        <translation>; insgesamt %1 Ziele gesenkt</translation>
    </message>
    <message numerus="yes">
        <source>Goals from %1: %n goal(s) changed, total %2</source>
        <translation>
            <numerusform>Ziele von %1: %n Ziel geändert, gesamt %2</numerusform>
            <numerusform>Ziele von %1: %n Ziele geändert, gesamt %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CompareRacesWindow</name>
    <message>
        <source>Races</source>
        <translation>Rassen</translation>
    </message>
    <message>
        <source>Compare Races</source>
        <translation>Rassen vergleichen</translation>
    </message>
    <message>
        <source>Each race with this plan&apos;s bases, equipment and goals, recalculated as Update does, without a reset. Lowered: skills with a base or goal above the race&apos;s maximum. Cannot learn: skills the plan raises above their start level or equips, which the race cannot learn at all.</source>
        <translation>Jede Rasse mit den Grundwerten, der Ausrüstung und den Zielen dieses Plans, neu berechnet wie mit „Übernehmen“, ohne Zurücksetzen. Gesenkt: Fertigkeiten, deren Grundwert oder Ziel über dem Höchstwert der Rasse liegt. Nicht erlernbar: Fertigkeiten, die der Plan über ihre Startstufe hebt oder mit Ausrüstung verstärkt, die die Rasse aber gar nicht erlernen kann.</translation>
    </message>
</context>
<context>
    <name>ExperienceText</name>
    <message>
        <source>Experience comes in whole points: nothing changed.</source>
        <translation>Erfahrung gibt es nur in ganzen Punkten: nichts geändert.</translation>
    </message>
    <message>
        <source>Experience cannot be negative: nothing changed.</source>
        <translation>Erfahrung kann nicht negativ sein: nichts geändert.</translation>
    </message>
    <message>
        <source>That is more experience than the planner can hold: nothing changed.</source>
        <translation>So viel Erfahrung kann der Planer nicht fassen: nichts geändert.</translation>
    </message>
    <message>
        <source>Type the experience as a whole number: nothing changed.</source>
        <translation>Gib die Erfahrung als ganze Zahl ein: nichts geändert.</translation>
    </message>
</context>
<context>
    <name>FailureText</name>
    <message>
        <source>-32768 to 32767</source>
        <translation>-32768 bis 32767</translation>
    </message>
    <message>
        <source>the planner ran into a fault of its own</source>
        <translation>im Planer ist ein interner Fehler aufgetreten</translation>
    </message>
    <message>
        <source>a modded value would leave the range %1</source>
        <translation>ein modifizierter Wert läge außerhalb des Bereichs %1</translation>
    </message>
    <message>
        <source>the race is not one the planner knows</source>
        <translation>der Planer kennt diese Rasse nicht</translation>
    </message>
    <message>
        <source>a level lies outside what the rules cover</source>
        <translation>eine Stufe liegt außerhalb dessen, was die Regeln abdecken</translation>
    </message>
    <message>
        <source>Nothing was changed: %1.</source>
        <translation>Nichts wurde geändert: %1.</translation>
    </message>
</context>
<context>
    <name>GameNames</name>
    <message>
        <source>%1 (current)</source>
        <translation>%1 (aktuell)</translation>
    </message>
</context>
<context>
    <name>GoalsPanel</name>
    <message numerus="yes">
        <source>%1: %Ln goal(s) changed, total %2</source>
        <translation>
            <numerusform>%1: %Ln Ziel geändert, gesamt %2</numerusform>
            <numerusform>%1: %Ln Ziele geändert, gesamt %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MilestoneModel</name>
    <message>
        <source>Milestone</source>
        <translation>Meilenstein</translation>
    </message>
    <message>
        <source>A skill and the modded value it should reach</source>
        <translation>Eine Fertigkeit und der modifizierte Wert, den sie erreichen soll</translation>
    </message>
    <message>
        <source>Adds</source>
        <translation>Kostet</translation>
    </message>
    <message>
        <source>The experience the route spends on this milestone, after the milestones above it</source>
        <translation>Die Erfahrung, die die Route nach den Meilensteinen darüber für diesen Meilenstein ausgibt</translation>
    </message>
    <message>
        <source>Running total</source>
        <translation>Laufende Summe</translation>
    </message>
    <message>
        <source>The experience from the start of the route until this milestone is reached</source>
        <translation>Die Erfahrung vom Beginn der Route, bis dieser Meilenstein erreicht ist</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>out of reach</source>
        <translation>unerreichbar</translation>
    </message>
    <message>
        <source>the goals give %1</source>
        <translation>die Ziele ergeben %1</translation>
    </message>
    <message>
        <source>The goals give %1 at most %2; &quot;Optimise Goals&quot; can raise them.</source>
        <translation>Die Ziele ergeben für %1 höchstens %2; „Ziele optimieren“ kann sie anheben.</translation>
    </message>
</context>
<context>
    <name>OptimiseGoalsWindow</name>
    <message>
        <source>Optimise Goals</source>
        <translation>Ziele optimieren</translation>
    </message>
    <message>
        <source>Optimise Goals…</source>
        <translation>Ziele optimieren…</translation>
    </message>
</context>
<context>
    <name>PlanClipboard</name>
    <message>
        <source>The clipboard did not answer; nothing was pasted.</source>
        <translation>Die Zwischenablage hat nicht geantwortet; nichts wurde eingefügt.</translation>
    </message>
    <message>
        <source>The clipboard holds no text to paste.</source>
        <translation>Die Zwischenablage enthält keinen Text zum Einfügen.</translation>
    </message>
    <message>
        <source>&amp;Copy Plan</source>
        <translation>Plan &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste Plan</source>
        <translation>Plan e&amp;infügen</translation>
    </message>
    <message>
        <source>Copy Plan C&amp;ode</source>
        <translation>Plan&amp;code kopieren</translation>
    </message>
    <message>
        <source>A clipboard manager is running: the plan will stay on the clipboard after the planner has closed.</source>
        <translation>Eine Zwischenablageverwaltung läuft: Der Plan bleibt nach dem Schließen des Planers in der Zwischenablage.</translation>
    </message>
    <message>
        <source>No clipboard manager is running: once the planner has closed, copied text lasts only while another program holds it. To keep the plan, choose Cancel, copy it and paste it into another program.</source>
        <translation>Es läuft keine Zwischenablageverwaltung: Nach dem Schließen des Planers bleibt kopierter Text nur erhalten, solange ein anderes Programm ihn hält. Um den Plan zu behalten, wähle „Abbrechen“, kopiere ihn und füge ihn in ein anderes Programm ein.</translation>
    </message>
    <message>
        <source>Where no clipboard manager runs, copied text lasts only while another program holds it. To be sure to keep the plan, choose Cancel, copy it and paste it into another program.</source>
        <translation>Ohne Zwischenablageverwaltung bleibt kopierter Text nur erhalten, solange ein anderes Programm ihn hält. Um den Plan sicher zu behalten, wähle „Abbrechen“, kopiere ihn und füge ihn in ein anderes Programm ein.</translation>
    </message>
    <message>
        <source>Nothing was copied: %1.</source>
        <translation>Nichts wurde kopiert: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Plan copied: %n skill(s).</source>
        <translation>
            <numerusform>Plan kopiert: %n Fertigkeit.</numerusform>
            <numerusform>Plan kopiert: %n Fertigkeiten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Plan code copied: %1</source>
        <translation>Plancode kopiert: %1</translation>
    </message>
    <message>
        <source>Paste Plan</source>
        <translation>Plan einfügen</translation>
    </message>
    <message>
        <source>Plan pasted from its plan code.</source>
        <translation>Plan aus seinem Plancode eingefügt.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>%1; %2 skills lowered in all</source>
        <translation>%1; insgesamt %2 Fertigkeiten gesenkt</translation>
    </message>
    <message>
        <source>Copy Pl&amp;ans</source>
        <translation>Alle &amp;Pläne kopieren</translation>
    </message>
    <message>
        <source>Plans copied: %1.</source>
        <translation>Pläne kopiert: %1.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Nothing was pasted: the planner holds at most %1 plans.</source>
        <translation>Nichts wurde eingefügt: Der Planer fasst höchstens %1 Pläne.</translation>
    </message>
    <message>
        <source>Paste as New Plan</source>
        <translation>Als neuen Plan einfügen</translation>
    </message>
    <message>
        <source>Plan pasted as the new plan %1.</source>
        <translation>Plan als neuer Plan %1 eingefügt.</translation>
    </message>
    <message>
        <source>Plan pasted as the new plan %1: %2.</source>
        <translation>Plan als neuer Plan %1 eingefügt: %2.</translation>
    </message>
    <message>
        <source>Plans pasted as new plans: %1.</source>
        <translation>Pläne als neue Pläne eingefügt: %1.</translation>
    </message>
    <message>
        <source>Plan %1 pasted in place of the shown plan.</source>
        <translation>Plan %1 anstelle des gezeigten Plans eingefügt.</translation>
    </message>
    <message>
        <source>Plans pasted: %1 shown, %2 kept.</source>
        <translation>Pläne eingefügt: %1 gezeigt, %2 behalten.</translation>
    </message>
    <message>
        <source>Renamed, as their names were taken: %1.</source>
        <translation>Umbenannt, da ihre Namen vergeben waren: %1.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Lowered: %1.</source>
        <translation>Gesenkt: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was pasted: the text holds %n plan(s), which would make %1, more than the %2 the planner holds.</source>
        <translation>
            <numerusform>Nichts wurde eingefügt: Der Text enthält %n Plan, das ergäbe %1, mehr als die %2, die der Planer fasst.</numerusform>
            <numerusform>Nichts wurde eingefügt: Der Text enthält %n Pläne, das ergäbe %1, mehr als die %2, die der Planer fasst.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlanCodeText</name>
    <message>
        <source>this is not a plan code</source>
        <translation>das ist kein Plancode</translation>
    </message>
    <message>
        <source>the plan code is of a version this planner does not know</source>
        <translation>der Plancode stammt aus einer Version, die dieser Planer nicht kennt</translation>
    </message>
    <message>
        <source>the plan code is cut short or was changed; copy all of it again</source>
        <translation>der Plancode ist abgeschnitten oder wurde verändert; kopiere ihn noch einmal vollständig</translation>
    </message>
    <message>
        <source>the plan code was changed: its check sum does not match</source>
        <translation>der Plancode wurde verändert: seine Prüfsumme stimmt nicht</translation>
    </message>
    <message>
        <source>the plan code holds levels that its race cannot have</source>
        <translation>der Plancode enthält Stufen, die seine Rasse nicht haben kann</translation>
    </message>
    <message>
        <source>the text holds two different plan codes</source>
        <translation>der Text enthält zwei verschiedene Plancodes</translation>
    </message>
</context>
<context>
    <name>PlanComparisonModel</name>
    <message>
        <source>Skill</source>
        <translation>Fertigkeit</translation>
    </message>
    <message>
        <source>Base
%1</source>
        <translation>Grundw.
%1</translation>
    </message>
    <message>
        <source>Base
difference</source>
        <translation>Grundw.
Unterschied</translation>
    </message>
    <message>
        <source>The base level in %1</source>
        <translation>Der Grundwert in %1</translation>
    </message>
    <message>
        <source>How the base in %1 differs from that in %2</source>
        <translation>Wie sich der Grundwert in %1 von dem in %2 unterscheidet</translation>
    </message>
    <message>
        <source>EQ
%1</source>
        <translation>Ausr.
%1</translation>
    </message>
    <message>
        <source>EQ
difference</source>
        <translation>Ausr.
Unterschied</translation>
    </message>
    <message>
        <source>The bonus from equipment in %1</source>
        <translation>Der Ausrüstungsbonus in %1</translation>
    </message>
    <message>
        <source>How the equipment bonus in %1 differs from that in %2</source>
        <translation>Wie sich der Ausrüstungsbonus in %1 von dem in %2 unterscheidet</translation>
    </message>
    <message>
        <source>Goal
%1</source>
        <translation>Ziel
%1</translation>
    </message>
    <message>
        <source>Goal
difference</source>
        <translation>Ziel
Unterschied</translation>
    </message>
    <message>
        <source>The goal in %1</source>
        <translation>Das Ziel in %1</translation>
    </message>
    <message>
        <source>How the goal in %1 differs from that in %2</source>
        <translation>Wie sich das Ziel in %1 von dem in %2 unterscheidet</translation>
    </message>
    <message>
        <source>Mod at goal
%1</source>
        <translation>Mod. am Ziel
%1</translation>
    </message>
    <message>
        <source>Mod at goal
difference</source>
        <translation>Mod. am Ziel
Unterschied</translation>
    </message>
    <message>
        <source>The modded value in %1 once the skill and its attributes reach their goals</source>
        <translation>Der modifizierte Wert in %1, sobald die Fertigkeit und ihre Attribute ihre Ziele erreichen</translation>
    </message>
    <message>
        <source>How the modded value at goal in %1 differs from that in %2</source>
        <translation>Wie sich der modifizierte Wert am Ziel in %1 von dem in %2 unterscheidet</translation>
    </message>
    <message>
        <source>Experience
%1</source>
        <translation>Erfahrung
%1</translation>
    </message>
    <message>
        <source>Experience
difference</source>
        <translation>Erfahrung
Unterschied</translation>
    </message>
    <message>
        <source>The experience from the base to the goal in %1</source>
        <translation>Die Erfahrung vom Grundwert bis zum Ziel in %1</translation>
    </message>
    <message>
        <source>How much more or less experience %1 needs than %2</source>
        <translation>Wie viel mehr oder weniger Erfahrung %1 braucht als %2</translation>
    </message>
    <message>
        <source>the same</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>%1: %2 more</source>
        <translation>%1: %2 mehr</translation>
    </message>
    <message>
        <source>%1: %2 less</source>
        <translation>%1: %2 weniger</translation>
    </message>
    <message>
        <source>%1 has %2 more</source>
        <translation>%1 hat %2 mehr</translation>
    </message>
    <message>
        <source>%1 has %2 less</source>
        <translation>%1 hat %2 weniger</translation>
    </message>
    <message>
        <source>%1 needs %2 more</source>
        <translation>%1 braucht %2 mehr</translation>
    </message>
    <message>
        <source>%1 needs %2 less</source>
        <translation>%1 braucht %2 weniger</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
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
        <translation>Plan behalten</translation>
    </message>
    <message>
        <source>Show Plan</source>
        <translation>Plan anzeigen</translation>
    </message>
    <message>
        <source>Rename Plan</source>
        <translation>Plan umbenennen</translation>
    </message>
    <message>
        <source>Remove Plan</source>
        <translation>Plan entfernen</translation>
    </message>
</context>
<context>
    <name>PlanFile</name>
    <message>
        <source>there is no such file</source>
        <translation>die Datei gibt es nicht</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>a part of its path is not a folder</source>
        <translation>ein Teil seines Pfades ist kein Ordner</translation>
    </message>
    <message>
        <source>Cannot open %1: %2, in line %3.</source>
        <translation>%1 kann nicht geöffnet werden: %2, in Zeile %3.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Cannot save %1: %2.</source>
        <translation>%1 kann nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>das ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>das ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>die Datei ist größer als 1 MiB</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>die Datei ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>it cannot be found after saving</source>
        <translation>die Datei ist nach dem Speichern nicht auffindbar</translation>
    </message>
    <message>
        <source>it could not be written whole; the disk may be full</source>
        <translation>die Datei konnte nicht vollständig geschrieben werden; vielleicht ist der Datenträger voll</translation>
    </message>
</context>
<context>
    <name>PlanFiles</name>
    <message>
        <source>Plans (*.txt);;All Files (*)</source>
        <translation>Pläne (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save Plans As</source>
        <translation>Pläne speichern unter</translation>
    </message>
    <message>
        <source>Open Plans</source>
        <translation>Pläne öffnen</translation>
    </message>
    <message>
        <source>&amp;Open Plans…</source>
        <translation>Pläne &amp;öffnen…</translation>
    </message>
    <message>
        <source>&amp;Save Plans</source>
        <translation>Pläne &amp;speichern</translation>
    </message>
    <message>
        <source>Save Plans &amp;As…</source>
        <translation>Pläne speichern un&amp;ter…</translation>
    </message>
    <message>
        <source>%1 holds remarks of your own; choose where to save the plans.</source>
        <translation>%1 enthält eigene Anmerkungen; wähle, wo die Pläne gespeichert werden sollen.</translation>
    </message>
    <message>
        <source>%1 is no longer where it was; choose where to save the plans.</source>
        <translation>%1 ist nicht mehr dort, wo es war; wähle, wo die Pläne gespeichert werden sollen.</translation>
    </message>
    <message>
        <source>%1 was changed by another program; choose where to save the plans.</source>
        <translation>%1 wurde von einem anderen Programm geändert; wähle, wo die Pläne gespeichert werden sollen.</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Nichts wurde gespeichert.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 gibt es bereits. Ersetzen?</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Nothing was saved; %1 is as it was.</source>
        <translation>Nichts wurde gespeichert; %1 ist unverändert.</translation>
    </message>
    <message>
        <source>The plan was saved to %1.</source>
        <translation>Der Plan wurde in %1 gespeichert.</translation>
    </message>
    <message numerus="yes">
        <source>%n plans were saved to %1.</source>
        <translation>
            <numerusform>%n Plan wurde in %1 gespeichert.</numerusform>
            <numerusform>%n Pläne wurden in %1 gespeichert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Plan %1</source>
        <translation>Plan %1</translation>
    </message>
    <message>
        <source>Cannot open %1: %2, in line %3: &quot;%4&quot;.</source>
        <translation>%1 kann nicht geöffnet werden: %2, in Zeile %3: „%4“.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Cannot open %1: it holds %2 plans, more than the %3 the planner keeps.</source>
        <translation>%1 kann nicht geöffnet werden: Die Datei enthält %2 Pläne, mehr als die %3, die der Planer behält.</translation>
    </message>
    <message>
        <source>Opened %1: one plan.</source>
        <translation>%1 geöffnet: ein Plan.</translation>
    </message>
    <message numerus="yes">
        <source>Opened %1: %n plans.</source>
        <translation>
            <numerusform>%1 geöffnet: %n Plan.</numerusform>
            <numerusform>%1 geöffnet: %n Pläne.</numerusform>
        </translation>
    </message>
    <message>
        <source>Names given twice were made unique: %1.</source>
        <translation>Doppelt vergebene Namen wurden eindeutig gemacht: %1.</translation>
    </message>
    <message>
        <source>In %1: %2.</source>
        <translation>In %1: %2.</translation>
    </message>
    <message>
        <source>The changes to %1 have not been saved.</source>
        <translation>Die Änderungen an %1 wurden nicht gespeichert.</translation>
    </message>
    <message numerus="yes">
        <source>%n plans have not been saved or copied since their last change.</source>
        <translation>
            <numerusform>%n Plan wurde seit der letzten Änderung weder gespeichert noch kopiert.</numerusform>
            <numerusform>%n Pläne wurden seit ihrer letzten Änderung weder gespeichert noch kopiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>One plan has not been saved or copied since its last change.</source>
        <translation>Ein Plan wurde seit seiner letzten Änderung weder gespeichert noch kopiert.</translation>
    </message>
    <message>
        <source>The plan has not been saved or copied since its last change.</source>
        <translation>Der Plan wurde seit seiner letzten Änderung weder gespeichert noch kopiert.</translation>
    </message>
    <message>
        <source>Tarrowind Character Planner</source>
        <translation>Tarrowind-Charakterplaner</translation>
    </message>
    <message>
        <source>Save before closing?</source>
        <translation>Vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Save before opening a file?</source>
        <translation>Vor dem Öffnen einer Datei speichern?</translation>
    </message>
    <message>
        <source>Save As and Close…</source>
        <translation>Speichern unter und schließen…</translation>
    </message>
    <message>
        <source>Save and Close</source>
        <translation>Speichern und schließen</translation>
    </message>
    <message>
        <source>Copy Plans and Close</source>
        <translation>Pläne kopieren und schließen</translation>
    </message>
    <message>
        <source>Copy Plan and Close</source>
        <translation>Plan kopieren und schließen</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>Ohne Speichern schließen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Copy Plans</source>
        <translation>Pläne kopieren</translation>
    </message>
    <message>
        <source>Copy Plan</source>
        <translation>Plan kopieren</translation>
    </message>
    <message>
        <source>Open Without Saving</source>
        <translation>Ohne Speichern öffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Tarrowind Character Planner[*]</source>
        <translation>Tarrowind-Charakterplaner[*]</translation>
    </message>
    <message>
        <source>%1[*] – Tarrowind Character Planner</source>
        <translation>%1[*] – Tarrowind-Charakterplaner</translation>
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
        <translation>Rasse</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Erfahrung</translation>
    </message>
    <message>
        <source>The experience all goals of the plan cost</source>
        <translation>Die Erfahrung, die alle Ziele des Plans kosten</translation>
    </message>
    <message>
        <source>%1 (shown)</source>
        <translation>%1 (gezeigt)</translation>
    </message>
</context>
<context>
    <name>PlanSetCommands</name>
    <message>
        <source>&amp;Keep Plan</source>
        <translation>Plan &amp;behalten</translation>
    </message>
    <message>
        <source>S&amp;how Plan</source>
        <translation>Plan &amp;anzeigen</translation>
    </message>
    <message>
        <source>Re&amp;name Plan…</source>
        <translation>Plan &amp;umbenennen…</translation>
    </message>
    <message>
        <source>Re&amp;move Plan</source>
        <translation>Plan ent&amp;fernen</translation>
    </message>
    <message>
        <source>Paste as Ne&amp;w Plan</source>
        <translation>Als &amp;neuen Plan einfügen</translation>
    </message>
    <message>
        <source>P&amp;lans…</source>
        <translation>&amp;Pläne…</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>%1 shown: %2, %3.</source>
        <translation>%1 gezeigt: %2, %3.</translation>
    </message>
    <message>
        <source>No plan was kept: the planner holds at most %1 plans.</source>
        <translation>Kein Plan wurde behalten: Der Planer fasst höchstens %1 Pläne.</translation>
    </message>
    <message>
        <source>The shown plan kept as %1; %2 stays shown.</source>
        <translation>Der gezeigte Plan wurde als %1 behalten; %2 bleibt gezeigt.</translation>
    </message>
    <message>
        <source>Nothing was changed: there is no such plan.</source>
        <translation>Nichts wurde geändert: Diesen Plan gibt es nicht.</translation>
    </message>
    <message>
        <source>The plan was not renamed: %1.</source>
        <translation>Der Plan wurde nicht umbenannt: %1.</translation>
    </message>
    <message>
        <source>Another plan is named %1: %2 renamed %3.</source>
        <translation>Ein anderer Plan heißt %1: %2 in %3 umbenannt.</translation>
    </message>
    <message>
        <source>%1 renamed %2.</source>
        <translation>%1 in %2 umbenannt.</translation>
    </message>
    <message>
        <source>The last plan cannot be removed.</source>
        <translation>Der letzte Plan kann nicht entfernt werden.</translation>
    </message>
    <message>
        <source>%1 removed. %2</source>
        <translation>%1 entfernt. %2</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 entfernt.</translation>
    </message>
    <message>
        <source>Rename Plan</source>
        <translation>Plan umbenennen</translation>
    </message>
    <message>
        <source>New name for %1 (at most %2 characters):</source>
        <translation>Neuer Name für %1 (höchstens %2 Zeichen):</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>PlanText</name>
    <message>
        <source>%1 base %2 and goal %3 lowered to 0, since %4 cannot learn it</source>
        <translation>%1: Grundwert %2 und Ziel %3 auf 0 gesenkt, da %4 sie nicht erlernen kann</translation>
    </message>
    <message>
        <source>%1 base %2 lowered to 0, since %3 cannot learn it</source>
        <translation>%1: Grundwert %2 auf 0 gesenkt, da %3 sie nicht erlernen kann</translation>
    </message>
    <message>
        <source>%1 goal %2 lowered to 0, since %3 cannot learn it</source>
        <translation>%1: Ziel %2 auf 0 gesenkt, da %3 sie nicht erlernen kann</translation>
    </message>
    <message>
        <source>%1 base %2 and goal %3 lowered to %4, the highest for %5</source>
        <translation>%1: Grundwert %2 und Ziel %3 auf %4 gesenkt, das Höchste für %5</translation>
    </message>
    <message>
        <source>%1 base %2 lowered to %3, the highest for %4</source>
        <translation>%1: Grundwert %2 auf %3 gesenkt, das Höchste für %4</translation>
    </message>
    <message>
        <source>%1 goal %2 lowered to %3, the highest for %4</source>
        <translation>%1: Ziel %2 auf %3 gesenkt, das Höchste für %4</translation>
    </message>
    <message>
        <source>Plan pasted.</source>
        <translation>Plan eingefügt.</translation>
    </message>
    <message>
        <source>Plan pasted: %1.</source>
        <translation>Plan eingefügt: %1.</translation>
    </message>
    <message>
        <source>the race is not one the planner knows (perhaps %1)</source>
        <translation>der Planer kennt diese Rasse nicht (vielleicht %1)</translation>
    </message>
    <message>
        <source>the race is not one the planner knows</source>
        <translation>der Planer kennt diese Rasse nicht</translation>
    </message>
    <message>
        <source>the line begins like a race line but cannot be read</source>
        <translation>die Zeile beginnt wie eine Rassenzeile, ist aber nicht lesbar</translation>
    </message>
    <message>
        <source>%1 needs four whole numbers from %2</source>
        <translation>%1 braucht vier ganze Zahlen von %2</translation>
    </message>
    <message>
        <source>%1 is not a skill the planner knows (perhaps %2)</source>
        <translation>%1 ist keine Fertigkeit, die der Planer kennt (vielleicht %2)</translation>
    </message>
    <message>
        <source>%1 is not a skill the planner knows</source>
        <translation>%1 ist keine Fertigkeit, die der Planer kennt</translation>
    </message>
    <message>
        <source>Nothing was pasted: %1.</source>
        <translation>Nichts wurde eingefügt: %1.</translation>
    </message>
    <message>
        <source>Nothing was pasted: %1, in line %2: &quot;%3&quot;</source>
        <translation>Nichts wurde eingefügt: %1, in Zeile %2: „%3“</translation>
    </message>
    <message>
        <source>the race is named a second time</source>
        <translation>die Rasse wird ein zweites Mal genannt</translation>
    </message>
    <message>
        <source>%1 is named a second time</source>
        <translation>%1 wird ein zweites Mal genannt</translation>
    </message>
    <message>
        <source>the text names no skill with its levels</source>
        <translation>der Text nennt keine Fertigkeit mit ihren Stufen</translation>
    </message>
    <message>
        <source>a plan&apos;s name cannot be empty</source>
        <translation>der Name eines Plans darf nicht leer sein</translation>
    </message>
    <message>
        <source>a plan&apos;s name can have at most %1 characters</source>
        <translation>der Name eines Plans darf höchstens %1 Zeichen haben</translation>
    </message>
    <message>
        <source>a plan&apos;s name cannot hold line breaks, tabs or invisible characters</source>
        <translation>der Name eines Plans darf keine Zeilenumbrüche, Tabulatoren oder unsichtbaren Zeichen enthalten</translation>
    </message>
    <message>
        <source>the text names a race or skill before its first Plan: line</source>
        <translation>der Text nennt eine Rasse oder Fertigkeit vor seiner ersten Zeile „Plan:“</translation>
    </message>
    <message>
        <source>this plan has no race line</source>
        <translation>dieser Plan hat keine Rassenzeile</translation>
    </message>
    <message numerus="yes">
        <source>Plan pasted: %1; %n skill(s) lowered in all.</source>
        <translation>
            <numerusform>Plan eingefügt: %1; insgesamt %n Fertigkeit gesenkt.</numerusform>
            <numerusform>Plan eingefügt: %1; insgesamt %n Fertigkeiten gesenkt.</numerusform>
        </translation>
    </message>
    <message>
        <source>the plan has no &quot;Goal Cost Total:&quot; line, so the file may have been cut short; pasting its text reads it all the same</source>
        <translation>dem Plan fehlt die Zeile „Goal Cost Total:“, die Datei ist also vielleicht abgeschnitten; beim Einfügen ihres Textes wird er trotzdem gelesen</translation>
    </message>
    <message>
        <source>the last plan, from line %1, has no &quot;Goal Cost Total:&quot; line, so the file may have been cut short; pasting its text reads it all the same</source>
        <translation>dem letzten Plan ab Zeile %1 fehlt die Zeile „Goal Cost Total:“, die Datei ist also vielleicht abgeschnitten; beim Einfügen ihres Textes wird er trotzdem gelesen</translation>
    </message>
</context>
<context>
    <name>PlannerAccessibility</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A drop-down list as a screen reader names it: %1 is its name, %2 its entry.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>PlannerHistory</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>PlansWindow</name>
    <message>
        <source>Plans</source>
        <translation>Pläne</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>&amp;Keep Plan</source>
        <translation>Plan &amp;behalten</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Umbenennen…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Entfernen</translation>
    </message>
</context>
<context>
    <name>RaceCostModel</name>
    <message>
        <source>Race</source>
        <translation>Rasse</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Erfahrung</translation>
    </message>
    <message>
        <source>The experience all goals of the plan would cost for this race</source>
        <translation>Die Erfahrung, die alle Ziele des Plans diese Rasse kosten würden</translation>
    </message>
    <message>
        <source>Lowered</source>
        <translation>Gesenkt</translation>
    </message>
    <message>
        <source>Skills whose base or goal is above what this race allows: the recalculation lowers them to its maximum</source>
        <translation>Fertigkeiten, deren Grundwert oder Ziel über dem liegt, was diese Rasse erlaubt: Die Neuberechnung senkt sie auf ihren Höchstwert</translation>
    </message>
    <message>
        <source>Cannot learn</source>
        <translation>Nicht erlernbar</translation>
    </message>
    <message>
        <source>Skills this race cannot learn at all, of those that the plan raises above their start level or gives an equipment bonus</source>
        <translation>Fertigkeiten, die diese Rasse gar nicht erlernen kann, unter denen, die der Plan über ihre Startstufe hebt oder mit einem Ausrüstungsbonus versieht</translation>
    </message>
    <message>
        <source>cannot be compared</source>
        <translation>nicht vergleichbar</translation>
    </message>
    <message>
        <source>cannot be recalculated</source>
        <translation>nicht neu berechenbar</translation>
    </message>
    <message>
        <source>No race can be compared: %1.</source>
        <translation>Keine Rasse lässt sich vergleichen: %1.</translation>
    </message>
    <message>
        <source>A modded value would leave the range %1 for this race</source>
        <translation>Ein modifizierter Wert läge für diese Rasse außerhalb des Bereichs %1</translation>
    </message>
</context>
<context>
    <name>ReachModel</name>
    <message>
        <source>Skill</source>
        <translation>Fertigkeit</translation>
    </message>
    <message>
        <source>Goal now</source>
        <translation>Ziel jetzt</translation>
    </message>
    <message>
        <source>Suggested goal</source>
        <translation>Vorgeschlagenes Ziel</translation>
    </message>
    <message>
        <source>Experience added</source>
        <translation>Zusätzliche Erfahrung</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
</context>
<context>
    <name>ReachPanel</name>
    <message>
        <source>Reach a value</source>
        <translation>Einen Wert erreichen</translation>
    </message>
    <message>
        <source>Suggested goals</source>
        <translation>Vorgeschlagene Ziele</translation>
    </message>
    <message>
        <source>Races</source>
        <translation>Rassen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Apply the suggested goals</source>
        <translation>Die vorgeschlagenen Ziele übernehmen</translation>
    </message>
    <message>
        <source>Target lowered to %1, the highest</source>
        <translation>Zielwert auf %1 gesenkt, das Höchste</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>Fertigkeit</translation>
    </message>
    <message>
        <source>Target modded value at goal</source>
        <translation>Angestrebter modifizierter Wert am Ziel</translation>
    </message>
    <message>
        <source>&amp;Skill:</source>
        <translation>&amp;Fertigkeit:</translation>
    </message>
    <message>
        <source>&amp;Modded at goal at least:</source>
        <translation>&amp;Mod. Wert am Ziel mindestens:</translation>
    </message>
    <message>
        <source>%1 cannot be learned by %2; %3 chosen instead</source>
        <translation>%2 kann %1 nicht erlernen; stattdessen %3 gewählt</translation>
    </message>
    <message>
        <source>at most %1 for %2</source>
        <translation>höchstens %1 für %2</translation>
    </message>
    <message>
        <source>%1 cannot reach %2.</source>
        <translation>%1 kann %2 nicht erreichen.</translation>
    </message>
    <message>
        <source>%1 is already %2 at its goal.</source>
        <translation>%1 hat am Ziel bereits %2.</translation>
    </message>
    <message>
        <source>%1 %2 for %3 more; raising the goal of %1 alone would add %4.</source>
        <translation>%1 %2 für %3 mehr; nur das Ziel von %1 anzuheben, würde %4 kosten.</translation>
    </message>
    <message>
        <source>%1 %2 for %3 more; raising the goal of %1 alone cannot get there.</source>
        <translation>%1 %2 für %3 mehr; nur das Ziel von %1 anzuheben, reicht dafür nicht.</translation>
    </message>
    <message>
        <source>No suggestion: %1.</source>
        <translation>Kein Vorschlag: %1.</translation>
    </message>
    <message>
        <source>Reach %1 %2</source>
        <translation>%1 %2 erreichen</translation>
    </message>
</context>
<context>
    <name>ReachRacesModel</name>
    <message>
        <source>Race</source>
        <translation>Rasse</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Zusätzlich</translation>
    </message>
    <message>
        <source>The experience each race would add for the same skill and target, with this plan recalculated for that race as &quot;Compare Races&quot; does</source>
        <translation>Die Erfahrung, die jede Rasse für dieselbe Fertigkeit und denselben Zielwert zusätzlich bräuchte, mit diesem Plan für die Rasse neu berechnet wie in „Rassen vergleichen“</translation>
    </message>
    <message>
        <source>cannot learn %1</source>
        <translation>kann %1 nicht erlernen</translation>
    </message>
    <message>
        <source>cannot reach %1</source>
        <translation>kann %1 nicht erreichen</translation>
    </message>
    <message>
        <source>cannot be worked out</source>
        <translation>nicht berechenbar</translation>
    </message>
</context>
<context>
    <name>RouteChart</name>
    <message>
        <source>Chart of the route</source>
        <translation>Diagramm der Route</translation>
    </message>
    <message>
        <source>Experience spent</source>
        <translation>Ausgegebene Erfahrung</translation>
    </message>
    <message>
        <source>Modded value</source>
        <translation>Modifizierter Wert</translation>
    </message>
    <message>
        <source>Add a milestone to see its skill rise along the route.</source>
        <translation>Füge einen Meilenstein hinzu, um seine Fertigkeit entlang der Route steigen zu sehen.</translation>
    </message>
    <message>
        <source>in hand</source>
        <translation>verfügbar</translation>
    </message>
</context>
<context>
    <name>RouteStepModel</name>
    <message>
        <source>Skill</source>
        <translation>Fertigkeit</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>The level this row buys from</source>
        <translation>Die Stufe, ab der diese Zeile kauft</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>The level this row buys up to</source>
        <translation>Die Stufe, bis zu der diese Zeile kauft</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Erfahrung</translation>
    </message>
    <message>
        <source>The experience of this row&apos;s levels</source>
        <translation>Die Erfahrung für die Stufen dieser Zeile</translation>
    </message>
    <message>
        <source>Running total</source>
        <translation>Laufende Summe</translation>
    </message>
    <message>
        <source>The experience from the start of the route to the end of this row</source>
        <translation>Die Erfahrung vom Beginn der Route bis zum Ende dieser Zeile</translation>
    </message>
    <message>
        <source>Milestone</source>
        <translation>Meilenstein</translation>
    </message>
    <message>
        <source>The milestone whose levels this row buys; empty for the levels after the last milestone</source>
        <translation>Der Meilenstein, dessen Stufen diese Zeile kauft; leer für die Stufen nach dem letzten Meilenstein</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <source>How much of this row the experience to spend pays for</source>
        <translation>Wie viel dieser Zeile die verfügbare Erfahrung bezahlt</translation>
    </message>
    <message>
        <source>all</source>
        <translation>alles</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n level(s)</source>
        <translation>
            <numerusform>%1 von %n Stufe</numerusform>
            <numerusform>%1 von %n Stufen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RouteWindow</name>
    <message numerus="yes">
        <source>%1 level(s)</source>
        <translation>
            <numerusform>%1 Stufe</numerusform>
            <numerusform>%1 Stufen</numerusform>
        </translation>
    </message>
    <message>
        <source>Milestones</source>
        <translation>Meilensteine</translation>
    </message>
    <message>
        <source>&amp;Add selected skill</source>
        <translation>Gewählte Fertigkeit &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Move u&amp;p</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Steps of the route</source>
        <translation>Schritte der Route</translation>
    </message>
    <message>
        <source>Mar&amp;k as bought</source>
        <translation>Als &amp;gekauft markieren</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>Route</translation>
    </message>
    <message>
        <source>&amp;Steps:</source>
        <translation>&amp;Schritte:</translation>
    </message>
    <message>
        <source>Adds the skill selected in the planner, at its modded value at goal</source>
        <translation>Fügt die im Planer gewählte Fertigkeit mit ihrem modifizierten Wert am Ziel hinzu</translation>
    </message>
    <message>
        <source>Modded value of the milestone</source>
        <translation>Modifizierter Wert des Meilensteins</translation>
    </message>
    <message>
        <source>Mi&amp;lestones:</source>
        <translation>&amp;Meilensteine:</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Wert:</translation>
    </message>
    <message>
        <source>Experience to spend</source>
        <translation>Verfügbare Erfahrung</translation>
    </message>
    <message>
        <source>&amp;Experience to spend:</source>
        <translation>&amp;Verfügbare Erfahrung:</translation>
    </message>
    <message>
        <source>%1 is out of reach: %2 cannot learn %3.</source>
        <translation>%1 ist unerreichbar: %2 kann %3 nicht erlernen.</translation>
    </message>
    <message>
        <source>%1 is out of reach: the goals give at most %2. &quot;Optimise Goals&quot; (Ctrl+T) can raise them.</source>
        <translation>%1 ist unerreichbar: Die Ziele ergeben höchstens %2. „Ziele optimieren“ (Strg+T) kann sie anheben.</translation>
    </message>
    <message>
        <source>at most %1 for %2</source>
        <translation>höchstens %1 für %2</translation>
    </message>
    <message>
        <source>No route: %1.</source>
        <translation>Keine Route: %1.</translation>
    </message>
    <message>
        <source>The plan&apos;s goals are reached: there is nothing left to buy.</source>
        <translation>Die Ziele des Plans sind erreicht: Es gibt nichts mehr zu kaufen.</translation>
    </message>
    <message>
        <source>The route: %1 for %2.</source>
        <translation>Die Route: %1 für %2.</translation>
    </message>
    <message>
        <source>Type the experience you have to see what it buys.</source>
        <translation>Gib deine Erfahrung ein, um zu sehen, was sie kauft.</translation>
    </message>
    <message>
        <source>%1 buys no level: the first, %2 %3, costs %4.</source>
        <translation>Mit %1 kaufst du keine Stufe: Die erste, %2 %3, kostet %4.</translation>
    </message>
    <message>
        <source>%1 %2 -&gt; %3</source>
        <translation>%1 %2 -&gt; %3</translation>
    </message>
    <message>
        <source>%1 buys %2 for %3: %4.</source>
        <translation>Mit %1 kaufst du %2 für %3: %4.</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the skills bought</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>That is the whole route; %1 is left over.</source>
        <translation>Das ist die ganze Route; %1 bleiben übrig.</translation>
    </message>
    <message>
        <source>%1 is left over; the next level, %2 %3, costs %4, %5 more.</source>
        <translation>%1 bleiben übrig; die nächste Stufe, %2 %3, kostet %4, also %5 mehr.</translation>
    </message>
    <message numerus="yes">
        <source>Bought %n level(s)</source>
        <translation>
            <numerusform>%n Stufe gekauft</numerusform>
            <numerusform>%n Stufen gekauft</numerusform>
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
        <translation>%1 %2-mal</translation>
    </message>
    <message>
        <source>%1 (%2, cannot be learned)
%2 cannot learn %1: base, modded value, goal and experience stay 0</source>
        <translation>%1 (%2, nicht erlernbar)
%2 kann %1 nicht erlernen: Grundwert, modifizierter Wert, Ziel und Erfahrung bleiben 0</translation>
    </message>
    <message>
        <source>; the equipment bonus %1 adds nothing</source>
        <translation>; der Ausrüstungsbonus %1 bringt nichts</translation>
    </message>
    <message>
        <source>%1 (%2, difficulty class %3, at most %4)
</source>
        <translation>%1 (%2, Schwierigkeitsklasse %3, höchstens %4)
</translation>
    </message>
    <message>
        <source>Modded %1 = base %2 + equipment %3</source>
        <translation>Modifiziert %1 = Grundwert %2 + Ausrüstung %3</translation>
    </message>
    <message>
        <source>; an attribute gets no attribute bonus</source>
        <translation>; ein Attribut erhält keinen Attributbonus</translation>
    </message>
    <message>
        <source> + attribute bonus %1 (%2)</source>
        <translation> + Attributbonus %1 (%2)</translation>
    </message>
    <message>
        <source>Goal %1: %2 experience</source>
        <translation>Ziel %1: %2 Erfahrung</translation>
    </message>
    <message>
        <source>Goal %1: reached, no experience needed</source>
        <translation>Ziel %1: erreicht, keine Erfahrung nötig</translation>
    </message>
    <message>
        <source>; the next level, %1 to %2, costs %3</source>
        <translation>; die nächste Stufe, %1 auf %2, kostet %3</translation>
    </message>
    <message>
        <source>; %1 is the most %2 can reach</source>
        <translation>; %1 ist das Höchste, was %2 erreichen kann</translation>
    </message>
    <message>
        <source>
At goal: modded %1</source>
        <translation>
Am Ziel: modifiziert %1</translation>
    </message>
    <message>
        <source>%1 cannot learn it</source>
        <translation>%1 kann sie nicht erlernen</translation>
    </message>
    <message>
        <source>; the equipment bonus adds nothing</source>
        <translation>; der Ausrüstungsbonus bringt nichts</translation>
    </message>
    <message>
        <source>%1: difficulty class %2, at most %3</source>
        <translation>%1: Schwierigkeitsklasse %2, höchstens %3</translation>
    </message>
    <message>
        <source>. Attribute bonus %1 from %2</source>
        <translation>. Attributbonus %1 aus %2</translation>
    </message>
    <message>
        <source>. The next level costs %1</source>
        <translation>. Die nächste Stufe kostet %1</translation>
    </message>
    <message>
        <source>. The base is at its maximum</source>
        <translation>. Der Grundwert ist am Maximum</translation>
    </message>
    <message>
        <source>. At goal: modded %1</source>
        <translation>. Am Ziel: modifiziert %1</translation>
    </message>
</context>
<context>
    <name>SkillRow</name>
    <message>
        <source>Goal Cost Total: %1</source>
        <extracomment>The label below the skill list; %1 is the total, or nothing while it is 0.</extracomment>
        <translation>Gesamtkosten: %1</translation>
    </message>
    <message>
        <source>Skill Name        Base EQ   Mod  Goal  Goal Cost</source>
        <extracomment>Over the skill list&apos;s columns of 16, 5, 5, 5 and 7 characters: each word starts where its column starts, so keep the blanks that put it there.</extracomment>
        <translation>Fertigkeit        Bas. EQ   Mod  Ziel  Zielkosten</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>%1: base %2, equipment %3, modded %4, goal %5, cost %6</source>
        <extracomment>What a screen reader says for a row of the skill list: %1 is the skill&apos;s name.</extracomment>
        <translation>%1: Grundwert %2, Ausrüstung %3, modifiziert %4, Ziel %5, Kosten %6</translation>
    </message>
    <message>
        <source>Goal Cost Total: %1</source>
        <translation>Gesamtkosten: %1</translation>
    </message>
    <message>
        <source>Race: %1</source>
        <translation>Rasse: %1</translation>
    </message>
    <message>
        <source>. </source>
        <extracomment>Between the sentences said after a change, such as &quot;Race: Templar&quot; and the total.</extracomment>
        <translation>. </translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <extracomment>%1 is the step&apos;s name, such as &quot;Max Goals&quot;.</extracomment>
        <translation>Rückgängig: %1.</translation>
    </message>
    <message>
        <source>Redone: %1.</source>
        <translation>Wiederhergestellt: %1.</translation>
    </message>
    <message>
        <source>Experience to Goal: %1</source>
        <translation>Erfahrung bis zum Ziel: %1</translation>
    </message>
    <message>
        <source>Base level of %1; Enter stores it within what the race allows</source>
        <translation>Grundstufe von %1; die Eingabetaste speichert sie im Rahmen dessen, was die Rasse erlaubt</translation>
    </message>
    <message>
        <source>What the character&apos;s equipment adds to %1; Enter stores it</source>
        <translation>Was die Ausrüstung des Charakters zu %1 beiträgt; die Eingabetaste speichert es</translation>
    </message>
    <message>
        <source>The base level %1 should reach; Enter stores it within what the race allows</source>
        <translation>Die Grundstufe, die %1 erreichen soll; die Eingabetaste speichert sie im Rahmen dessen, was die Rasse erlaubt</translation>
    </message>
    <message>
        <source>Experience needed to raise %1 from its base level to its goal</source>
        <translation>Erfahrung, die nötig ist, um %1 von der Grundstufe auf das Ziel zu heben</translation>
    </message>
</context>
<context>
    <name>Tarrowind_Char_Planner</name>
    <message>
        <source>Skills</source>
        <translation>Fertigkeiten</translation>
    </message>
    <message>
        <source>One row per skill: name, base level, equipment bonus, modded value, goal level and the experience to reach the goal</source>
        <translation>Eine Zeile je Fertigkeit: Name, Grundstufe, Ausrüstungsbonus, modifizierter Wert, Zielstufe und die Erfahrung bis zum Ziel</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Rasse</translation>
    </message>
    <message>
        <source>The character&apos;s race; choosing one resets every skill</source>
        <translation>Die Rasse des Charakters; eine Auswahl setzt alle Fertigkeiten zurück</translation>
    </message>
    <message>
        <source>Skill/Stat Name</source>
        <translation>Fertigkeit/Attribut</translation>
    </message>
    <message>
        <source>Skill/Stat Name: the skill shown in the boxes beside it</source>
        <translation>Fertigkeit/Attribut: die Fertigkeit, die die Felder daneben zeigen</translation>
    </message>
    <message>
        <source>Base Skill Level</source>
        <translation>Grundstufe der Fertigkeit</translation>
    </message>
    <message>
        <source>Base level of the selected skill; Enter stores it within what the race allows</source>
        <translation>Grundstufe der gewählten Fertigkeit; die Eingabetaste speichert sie im Rahmen dessen, was die Rasse erlaubt</translation>
    </message>
    <message>
        <source>Bonus from Equipment</source>
        <translation>Bonus durch Ausrüstung</translation>
    </message>
    <message>
        <source>What the character&apos;s equipment adds to the selected skill; Enter stores it</source>
        <translation>Was die Ausrüstung des Charakters zur gewählten Fertigkeit beiträgt; die Eingabetaste speichert es</translation>
    </message>
    <message>
        <source>Overal Modded Value</source>
        <translation>Modifizierter Gesamtwert</translation>
    </message>
    <message>
        <source>Overall Modded Value: base level, equipment bonus and the bonus from attributes</source>
        <translation>Modifizierter Gesamtwert: Grundstufe, Ausrüstungsbonus und der Bonus durch Attribute</translation>
    </message>
    <message>
        <source>Goal (Base) Skill Level</source>
        <translation>Ziel-(Grund-)Stufe der Fertigkeit</translation>
    </message>
    <message>
        <source>Goal Skill Level</source>
        <translation>Zielstufe der Fertigkeit</translation>
    </message>
    <message>
        <source>The base level the selected skill should reach; Enter stores it within what the race allows</source>
        <translation>Die Grundstufe, die die gewählte Fertigkeit erreichen soll; die Eingabetaste speichert sie im Rahmen dessen, was die Rasse erlaubt</translation>
    </message>
    <message>
        <source>Exp to get to Goal</source>
        <translation>EP bis zum Ziel</translation>
    </message>
    <message>
        <source>Experience to Goal</source>
        <translation>Erfahrung bis zum Ziel</translation>
    </message>
    <message>
        <source>Experience needed to raise the selected skill from its base level to its goal</source>
        <translation>Erfahrung, die nötig ist, um die gewählte Fertigkeit von der Grundstufe auf das Ziel zu heben</translation>
    </message>
    <message>
        <source>Sets every skill back to its starting level, without equipment bonus or goal</source>
        <translation>Setzt jede Fertigkeit auf ihre Startstufe zurück, ohne Ausrüstungsbonus und Ziel</translation>
    </message>
    <message>
        <source>Sets every skill&apos;s base level to the most the race allows</source>
        <translation>Setzt die Grundstufe jeder Fertigkeit auf das Höchste, was die Rasse erlaubt</translation>
    </message>
    <message>
        <source>Sets every skill&apos;s goal level to the most the race allows</source>
        <translation>Setzt die Zielstufe jeder Fertigkeit auf das Höchste, was die Rasse erlaubt</translation>
    </message>
    <message>
        <source>Stores the selected skill&apos;s base, equipment bonus and goal from the boxes</source>
        <translation>Speichert Grundwert, Ausrüstungsbonus und Ziel der gewählten Fertigkeit aus den Feldern</translation>
    </message>
    <message>
        <source>Tarrowind Character Planner[*]</source>
        <translation>Tarrowind-Charakterplaner[*]</translation>
    </message>
    <message>
        <source>&amp;Reset Skills</source>
        <translation>Zu&amp;rücksetzen</translation>
    </message>
    <message>
        <source>Max &amp;Bases</source>
        <translation>Max. &amp;Grundwerte</translation>
    </message>
    <message>
        <source>Max &amp;Goals</source>
        <translation>Max. &amp;Ziele</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>Planner by the Tarrowind team</source>
        <translation>Planer vom Tarrowind-Team</translation>
    </message>
    <message>
        <source>&amp;Plan</source>
        <translation>&amp;Plan</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Be&amp;enden</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>&amp;About the Planner</source>
        <translation>Über &amp;den Planer</translation>
    </message>
    <message>
        <source>%1: modded %2 at goal</source>
        <translation>%1: %2 mod. am Ziel</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>Press &quot;%1&quot;</source>
        <translation>„%1“ drücken</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabetaste</translation>
    </message>
    <message>
        <source>Press &quot;%1&quot;, the default button</source>
        <translation>„%1“ drücken, die Standardschaltfläche</translation>
    </message>
    <message>
        <source>%1, %2 in the skill list</source>
        <translation>%1, %2 in der Fertigkeitenliste</translation>
    </message>
    <message>
        <source>Copy or paste the whole plan</source>
        <translation>Den ganzen Plan kopieren oder einfügen</translation>
    </message>
    <message>
        <source>Shift+F10 or the Menu key</source>
        <translation>Umschalt+F10 oder die Menütaste</translation>
    </message>
    <message>
        <source>Open the skill list&apos;s menu</source>
        <translation>Das Menü der Fertigkeitenliste öffnen</translation>
    </message>
    <message>
        <source>Open the menus</source>
        <translation>Die Menüs öffnen</translation>
    </message>
    <message>
        <source>Escape or Ctrl+W</source>
        <translation>Esc oder Strg+W</translation>
    </message>
    <message>
        <source>Close a window beside the planner</source>
        <translation>Ein Fenster neben dem Planer schließen</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>About the Planner</source>
        <translation>Über den Planer</translation>
    </message>
    <message>
        <source>Tarrowind Character Planner %1

Plans the skills of one character of the game Tarrowind.

Licence: GNU General Public License, version 3 or later.</source>
        <translation>Tarrowind-Charakterplaner %1

Plant die Fertigkeiten eines Charakters des Spiels Tarrowind.

Lizenz: GNU General Public License, Version 3 oder neuer.</translation>
    </message>
    <message>
        <source>The base box still holds %1, not stored</source>
        <translation>Im Grundwertfeld steht noch %1, nicht gespeichert</translation>
    </message>
    <message>
        <source>The equipment box still holds %1, not stored</source>
        <translation>Im Ausrüstungsfeld steht noch %1, nicht gespeichert</translation>
    </message>
    <message>
        <source>The goal box still holds %1, not stored</source>
        <translation>Im Zielfeld steht noch %1, nicht gespeichert</translation>
    </message>
    <message>
        <source>Base level</source>
        <translation>Grundstufe</translation>
    </message>
    <message>
        <source>Equipment bonus</source>
        <translation>Ausrüstungsbonus</translation>
    </message>
    <message>
        <source>Goal level</source>
        <translation>Zielstufe</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a whole number from %3.</source>
        <translation>%1: „%2“ ist keine ganze Zahl von %3.</translation>
    </message>
    <message>
        <source>Update %1</source>
        <translation>%1 übernehmen</translation>
    </message>
    <message>
        <source>race change to %1</source>
        <translation>Rassenwechsel zu %1</translation>
    </message>
</context>
</TS>
