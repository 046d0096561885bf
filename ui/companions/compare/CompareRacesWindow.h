// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/Types.h"

#include "ui/shared/CompanionWindow.h"

class PlanDocument;
class RaceCostModel;
class ResultTable;
struct PlannerHost;

// A separate window beside the planner: what the document's plan would cost for every race, how
// many of its skills each race would lower, and how many it cannot learn at all. It follows
// every change of the plan while it is shown and never changes the plan.
class CompareRacesWindow : public CompanionWindow {
    Q_OBJECT

public:
    CompareRacesWindow(const PlanDocument *document, QWidget *planner);

    // Shows the planner's comparison window, creating it on first use, on the plan's race, and
    // brings it forward.
    static CompareRacesWindow *Open(const PlanDocument *document, QWidget *planner);

protected:
    // Fills the table from the plan: one row per race in race order, the plan's race marked.
    void ShowPlan() override;
    void Opening(bool shown) override;

private:
    const PlanDocument *m_document;
    RaceCostModel *m_costs;
    ResultTable *m_table;
    // The race whose row was last made current: the plan's race, unless it could not be.
    Tarrowind_Module::RaceNumber m_selectedRace = -1;
};

// Adds "Compare Races" (Ctrl+R anywhere in the planner) to the planner's menu.
void AddCompareRacesAction(const PlannerHost &host);
