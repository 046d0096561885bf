<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en">
<context>
    <name>ComparePlansWindow</name>
    <message numerus="yes">
        <source>Goals from %1: %n goal(s) changed, total %2</source>
        <translation>
            <numerusform>Goals from %1: %n goal changed, total %2</numerusform>
            <numerusform>Goals from %1: %n goals changed, total %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GoalsPanel</name>
    <message numerus="yes">
        <source>%1: %Ln goal(s) changed, total %2</source>
        <translation>
            <numerusform>%1: %Ln goal changed, total %2</numerusform>
            <numerusform>%1: %Ln goals changed, total %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlanClipboard</name>
    <message numerus="yes">
        <source>Plan copied: %n skill(s).</source>
        <translation>
            <numerusform>Plan copied: %n skill.</numerusform>
            <numerusform>Plan copied: %n skills.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing was pasted: the text holds %n plan(s), which would make %1, more than the %2 the planner holds.</source>
        <translation>
            <numerusform>Nothing was pasted: the text holds %n plan, which would make %1, more than the %2 the planner holds.</numerusform>
            <numerusform>Nothing was pasted: the text holds %n plans, which would make %1, more than the %2 the planner holds.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlanFiles</name>
    <message numerus="yes">
        <source>%n plans were saved to %1.</source>
        <translation>
            <numerusform>%n plan was saved to %1.</numerusform>
            <numerusform>%n plans were saved to %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %1: %n plans.</source>
        <translation>
            <numerusform>Opened %1: %n plan.</numerusform>
            <numerusform>Opened %1: %n plans.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n plans have not been saved or copied since their last change.</source>
        <translation>
            <numerusform>%n plan has not been saved or copied since its last change.</numerusform>
            <numerusform>%n plans have not been saved or copied since their last change.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlanText</name>
    <message numerus="yes">
        <source>Plan pasted: %1; %n skill(s) lowered in all.</source>
        <translation>
            <numerusform>Plan pasted: %1; %n skill lowered in all.</numerusform>
            <numerusform>Plan pasted: %1; %n skills lowered in all.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RouteStepModel</name>
    <message numerus="yes">
        <source>%1 of %n level(s)</source>
        <translation>
            <numerusform>%1 of %n level</numerusform>
            <numerusform>%1 of %n levels</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RouteWindow</name>
    <message numerus="yes">
        <source>%1 level(s)</source>
        <translation>
            <numerusform>%1 level</numerusform>
            <numerusform>%1 levels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Bought %n level(s)</source>
        <translation>
            <numerusform>Bought %n level</numerusform>
            <numerusform>Bought %n levels</numerusform>
        </translation>
    </message>
</context>
</TS>
