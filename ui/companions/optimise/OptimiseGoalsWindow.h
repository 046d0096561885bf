// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/shared/CompanionWindow.h"

class Announcer;
class CheapestPanel;
class PausedAnnouncement;
class PlanDocument;
class ReachPanel;
struct PlannerHost;

// A separate window beside the planner with two previews of changed goals, each with its own
// "Apply": the cheapest way to bring one skill's modded value at goal to a target, and the
// cheapest goals that keep every modded value at goal. Both follow every change of the plan and
// of their own controls at once; only "Apply" changes the plan, as one step of its history, and
// only its goals. A result the user changed through the window's own controls is announced once
// the user stops changing them.
class OptimiseGoalsWindow : public CompanionWindow {
    Q_OBJECT

public:
    OptimiseGoalsWindow(PlanDocument *document, QWidget *planner, Announcer *announcer);

    // Shows the planner's window, creating it on first use, with the selected skill chosen when
    // it was not shown yet, and brings it forward.
    static OptimiseGoalsWindow *Open(PlanDocument *document, QWidget *planner,
                                     Announcer *announcer);

protected:
    // Shows both previews for the document's plan.
    void ShowPlan() override;
    void Opening(bool shown) override;

private:
    const PlanDocument *m_document;
    // A result, said once the user has stopped changing the window's controls for a moment.
    PausedAnnouncement *m_resultSaid;
    ReachPanel *m_reach;
    CheapestPanel *m_cheapest;
};

// Adds "Optimise Goals…" (Ctrl+T anywhere in the planner) to the planner's menu.
void AddOptimiseGoalsAction(const PlannerHost &host);
