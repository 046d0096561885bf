<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en">
<context>
    <name>CheapestModel</name>
    <message>
        <source>Skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggested goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modded at goal now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modded at goal after</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CheapestPanel</name>
    <message>
        <source>The same values for less</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheapest goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attributes may end lower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply the cheapest goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This plan: %1. The same values at goal: %2. Saving: %3 (%4 %).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This plan is already the cheapest for these values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No suggestion: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompanionWindow</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ComparePlansWindow</name>
    <message>
        <source>Show &amp;all skills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skills of the two plans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare Plans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the goals of the plan shown in the planner to those of the other plan, where its race allows, keeping its bases and equipment; offered when one of the two plans is the plan shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Compare:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;with:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan shown in the planner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is the only plan: there is nothing kept to compare it with. &quot;Keep Plan&quot; in the Plan menu keeps a copy of it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>both need the same experience</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a plan compared with itself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no skill differs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> · </source>
        <comment>between the parts of the comparison</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plans cannot be compared: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Take goals from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goals from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goals from %1: no goal changed, total %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the parts of a note</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; %1 goals lowered in all</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Goals from %1: %n goal(s) changed, total %2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CompareRacesWindow</name>
    <message>
        <source>Races</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare Races</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each race with this plan&apos;s bases, equipment and goals, recalculated as Update does, without a reset. Lowered: skills with a base or goal above the race&apos;s maximum. Cannot learn: skills the plan raises above their start level or equips, which the race cannot learn at all.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExperienceText</name>
    <message>
        <source>Experience comes in whole points: nothing changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Experience cannot be negative: nothing changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That is more experience than the planner can hold: nothing changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the experience as a whole number: nothing changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FailureText</name>
    <message>
        <source>-32768 to 32767</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the planner ran into a fault of its own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a modded value would leave the range %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the race is not one the planner knows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a level lies outside what the rules cover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was changed: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameNames</name>
    <message>
        <source>%1 (current)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GoalsPanel</name>
    <message numerus="yes">
        <source>%1: %Ln goal(s) changed, total %2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MilestoneModel</name>
    <message>
        <source>Milestone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A skill and the modded value it should reach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The experience the route spends on this milestone, after the milestones above it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Running total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The experience from the start of the route until this milestone is reached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>out of reach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the goals give %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The goals give %1 at most %2; &quot;Optimise Goals&quot; can raise them.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptimiseGoalsWindow</name>
    <message>
        <source>Optimise Goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optimise Goals…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlanClipboard</name>
    <message>
        <source>The clipboard did not answer; nothing was pasted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard holds no text to paste.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No clipboard manager is running: once the planner has closed, copied text lasts only while another program holds it. To keep the plan, choose Cancel, copy it and paste it into another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where no clipboard manager runs, copied text lasts only while another program holds it. To be sure to keep the plan, choose Cancel, copy it and paste it into another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was copied: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A clipboard manager is running: the plan will stay on the clipboard after the planner has closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Plan C&amp;ode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan code copied: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan pasted from its plan code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Plan copied: %n skill(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; %2 skills lowered in all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Pl&amp;ans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plans copied: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was pasted: the planner holds at most %1 plans.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste as New Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan pasted as the new plan %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan pasted as the new plan %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plans pasted as new plans: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan %1 pasted in place of the shown plan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plans pasted: %1 shown, %2 kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renamed, as their names were taken: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowered: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Nothing was pasted: the text holds %n plan(s), which would make %1, more than the %2 the planner holds.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlanCodeText</name>
    <message>
        <source>this is not a plan code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the plan code is of a version this planner does not know</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the plan code is cut short or was changed; copy all of it again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the plan code was changed: its check sum does not match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the plan code holds levels that its race cannot have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the text holds two different plan codes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlanComparisonModel</name>
    <message>
        <source>Skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base
difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The base level in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the base in %1 differs from that in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EQ
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EQ
difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bonus from equipment in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the equipment bonus in %1 differs from that in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal
difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The goal in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the goal in %1 differs from that in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mod at goal
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mod at goal
difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The modded value in %1 once the skill and its attributes reach their goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the modded value at goal in %1 differs from that in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Experience
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Experience
difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The experience from the base to the goal in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How much more or less experience %1 needs than %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the same</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 less</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has %2 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has %2 less</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs %2 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs %2 less</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlanDocument</name>
    <message>
        <source>Plan %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Plan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlanFile</name>
    <message>
        <source>there is no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a part of its path is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open %1: %2, in line %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be found after saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it could not be written whole; the disk may be full</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlanFiles</name>
    <message>
        <source>Plans (*.txt);;All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Plans As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Plans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Plans…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Plans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Plans &amp;As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds remarks of your own; choose where to save the plans.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no longer where it was; choose where to save the plans.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was changed by another program; choose where to save the plans.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was saved; %1 is as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan was saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n plans were saved to %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Plan %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open %1: %2, in line %3: &quot;%4&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open %1: it holds %2 plans, more than the %3 the planner keeps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opened %1: one plan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Opened %1: %n plans.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Names given twice were made unique: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The changes to %1 have not been saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n plans have not been saved or copied since their last change.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>One plan has not been saved or copied since its last change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan has not been saved or copied since its last change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarrowind Character Planner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save before closing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save before opening a file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As and Close…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save and Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Plans and Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Plan and Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Plans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Without Saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarrowind Character Planner[*]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1[*] – Tarrowind Character Planner</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlanListModel</name>
    <message>
        <source>Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Race</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Experience</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The experience all goals of the plan cost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (shown)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlanSetCommands</name>
    <message>
        <source>&amp;Keep Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;how Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;name Plan…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;move Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste as Ne&amp;w Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;lans…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 shown: %2, %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No plan was kept: the planner holds at most %1 plans.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shown plan kept as %1; %2 stays shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was changed: there is no such plan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan was not renamed: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another plan is named %1: %2 renamed %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 renamed %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last plan cannot be removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 removed. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New name for %1 (at most %2 characters):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlanText</name>
    <message>
        <source>the line begins like a race line but cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the race is not one the planner knows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs four whole numbers from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a skill the planner knows (perhaps %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was pasted: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was pasted: %1, in line %2: &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the race is named a second time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is named a second time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the text names no skill with its levels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 base %2 and goal %3 lowered to 0, since %4 cannot learn it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 base %2 lowered to 0, since %3 cannot learn it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 goal %2 lowered to 0, since %3 cannot learn it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 base %2 and goal %3 lowered to %4, the highest for %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 base %2 lowered to %3, the highest for %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 goal %2 lowered to %3, the highest for %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan pasted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan pasted: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the race is not one the planner knows (perhaps %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a skill the planner knows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a plan&apos;s name cannot be empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a plan&apos;s name can have at most %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a plan&apos;s name cannot hold line breaks, tabs or invisible characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the text names a race or skill before its first Plan: line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this plan has no race line</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Plan pasted: %1; %n skill(s) lowered in all.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>the plan has no &quot;Goal Cost Total:&quot; line, so the file may have been cut short; pasting its text reads it all the same</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the last plan, from line %1, has no &quot;Goal Cost Total:&quot; line, so the file may have been cut short; pasting its text reads it all the same</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlannerAccessibility</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A drop-down list as a screen reader names it: %1 is its name, %2 its entry.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlannerHistory</name>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlansWindow</name>
    <message>
        <source>Plans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RaceCostModel</name>
    <message>
        <source>Race</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Experience</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The experience all goals of the plan would cost for this race</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skills whose base or goal is above what this race allows: the recalculation lowers them to its maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot learn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skills this race cannot learn at all, of those that the plan raises above their start level or gives an equipment bonus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be compared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be recalculated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No race can be compared: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A modded value would leave the range %1 for this race</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReachModel</name>
    <message>
        <source>Skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggested goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Experience added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReachPanel</name>
    <message>
        <source>Reach a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggested goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Races</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply the suggested goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target modded value at goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Skill:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Modded at goal at least:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at most %1 for %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot reach %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is already %2 at its goal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 for %3 more; raising the goal of %1 alone would add %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 for %3 more; raising the goal of %1 alone cannot get there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No suggestion: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reach %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target lowered to %1, the highest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be learned by %2; %3 chosen instead</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReachRacesModel</name>
    <message>
        <source>Race</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The experience each race would add for the same skill and target, with this plan recalculated for that race as &quot;Compare Races&quot; does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot learn %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot reach %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be worked out</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RouteChart</name>
    <message>
        <source>Chart of the route</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Experience spent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modded value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a milestone to see its skill rise along the route.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in hand</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RouteStepModel</name>
    <message>
        <source>Skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The level this row buys from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The level this row buys up to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Experience</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The experience of this row&apos;s levels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Running total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The experience from the start of the route to the end of this row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Milestone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The milestone whose levels this row buys; empty for the levels after the last milestone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How much of this row the experience to spend pays for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n level(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RouteWindow</name>
    <message>
        <source>Milestones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add selected skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move u&amp;p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps of the route</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mar&amp;k as bought</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Route</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Steps:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds the skill selected in the planner, at its modded value at goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modded value of the milestone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mi&amp;lestones:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Experience to spend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Experience to spend:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is out of reach: %2 cannot learn %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is out of reach: the goals give at most %2. &quot;Optimise Goals&quot; (Ctrl+T) can raise them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at most %1 for %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No route: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan&apos;s goals are reached: there is nothing left to buy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The route: %1 for %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the experience you have to see what it buys.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 buys no level: the first, %2 %3, costs %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 -&gt; %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 buys %2 for %3: %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the skills bought</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That is the whole route; %1 is left over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is left over; the next level, %2 %3, costs %4, %5 more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 level(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Bought %n level(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SkillExplanation</name>
    <message>
        <source>%1 ×%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2, cannot be learned)
%2 cannot learn %1: base, modded value, goal and experience stay 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; the equipment bonus %1 adds nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2, difficulty class %3, at most %4)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modded %1 = base %2 + equipment %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; an attribute gets no attribute bonus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> + attribute bonus %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal %1: %2 experience</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal %1: reached, no experience needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; the next level, %1 to %2, costs %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; %1 is the most %2 can reach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
At goal: modded %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot learn it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; the equipment bonus adds nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: difficulty class %2, at most %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. The next level costs %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. The base is at its maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. At goal: modded %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. Attribute bonus %1 from %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SkillRow</name>
    <message>
        <source>Goal Cost Total: %1</source>
        <extracomment>The label below the skill list; %1 is the total, or nothing while it is 0.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill Name        Base EQ   Mod  Goal  Goal Cost</source>
        <extracomment>Over the skill list&apos;s columns of 16, 5, 5, 5 and 7 characters: each word starts where its column starts, so keep the blanks that put it there.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>%1: base %2, equipment %3, modded %4, goal %5, cost %6</source>
        <extracomment>What a screen reader says for a row of the skill list: %1 is the skill&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal Cost Total: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Race: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. </source>
        <extracomment>Between the sentences said after a change, such as &quot;Race: Templar&quot; and the total.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <extracomment>%1 is the step&apos;s name, such as &quot;Max Goals&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redone: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Experience to Goal: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base level of %1; Enter stores it within what the race allows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the character&apos;s equipment adds to %1; Enter stores it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The base level %1 should reach; Enter stores it within what the race allows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Experience needed to raise %1 from its base level to its goal</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tarrowind_Char_Planner</name>
    <message>
        <source>Skills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One row per skill: name, base level, equipment bonus, modded value, goal level and the experience to reach the goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Race</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The character&apos;s race; choosing one resets every skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill/Stat Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill/Stat Name: the skill shown in the boxes beside it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base Skill Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base level of the selected skill; Enter stores it within what the race allows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus from Equipment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the character&apos;s equipment adds to the selected skill; Enter stores it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overal Modded Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overall Modded Value: base level, equipment bonus and the bonus from attributes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal (Base) Skill Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal Skill Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The base level the selected skill should reach; Enter stores it within what the race allows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exp to get to Goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Experience to Goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Experience needed to raise the selected skill from its base level to its goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets every skill back to its starting level, without equipment bonus or goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets every skill&apos;s base level to the most the race allows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets every skill&apos;s goal level to the most the race allows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stores the selected skill&apos;s base, equipment bonus and goal from the boxes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset Skills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max &amp;Bases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max &amp;Goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planner by the Tarrowind team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equipment bonus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a whole number from %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>race change to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarrowind Character Planner[*]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About the Planner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: modded %2 at goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> or </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press &quot;%1&quot;, the default button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 in the skill list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy or paste the whole plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift+F10 or the Menu key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the skill list&apos;s menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the menus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escape or Ctrl+W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close a window beside the planner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About the Planner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarrowind Character Planner %1

Plans the skills of one character of the game Tarrowind.

Licence: GNU General Public License, version 3 or later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The base box still holds %1, not stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The equipment box still holds %1, not stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The goal box still holds %1, not stored</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
