// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#ifndef Q_MOC_RUN // moc of Qt 6.4 cannot parse <concepts>
#include "plan/Route.h"
#endif

#include "document/PlanDocument.h"
#include "ui/shared/CompanionWindow.h"

#include <QHash>

#include <cstdint>
#include <optional>
#include <vector>

class Announcer;
class MilestoneModel;
class PausedAnnouncement;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QUndoCommand;
class ResultTable;
class RouteChart;
class RouteStepModel;
struct PlannerHost;

// A separate window beside the planner with the route to the plan's goals: the order in which to
// buy its levels, each milestone the player names reached at the least experience, and what the
// experience in hand buys. "Mark as bought" raises the bases to what that experience pays for,
// as one step of the history, and keeps in the box what is left over; while the window is open,
// undo of such a step puts back into the box what it spent, and redo takes it out again. The
// milestones live as long as the window and are no part of the plan or its history. Everything
// follows every change of the plan; a change made through the window's own controls is
// announced once the user pauses.
class RouteWindow : public CompanionWindow {
    Q_OBJECT

public:
    RouteWindow(PlanDocument *document, QWidget *planner, Announcer *announcer);

    // Shows the planner's route window, creating it on first use, and brings it forward.
    static RouteWindow *Open(PlanDocument *document, QWidget *planner, Announcer *announcer);

protected:
    void ShowPlan() override;
    void Opening(bool shown) override;

private:
    // What a "Bought" step of the history took out of the box.
    struct Bought {
        QString step;
        std::int64_t spent = 0;
        bool takenOut = true; // the box holds the amount without it
    };

    QLayout *MilestoneControls();
    QLayout *ExperienceRow();
    void AddMilestone();
    void MoveMilestone(int by);
    void RemoveMilestone();
    void MilestoneValueChanged(int value);
    void MilestoneChosen();
    void ExperienceEdited();
    void cmdMarkBought_Click();
    // Puts back into the box, or takes out again, what an undone or redone "Bought" step spent.
    void FollowHistory();
    // A step of the history as recorded when it was bought, if it still is in the history.
    Bought *BoughtStep(int index);

    // Works the route out for the plan and the milestones, then shows it.
    void ShowRoute();
    void ShowMilestones();
    // The rows, the marks, the summary and the chart for the experience in hand.
    void ShowSpending();
    void ShowChart();
    // The number of the route's first steps that the experience in hand pays for.
    std::size_t PaidSteps() const;
    QString Summary() const;
    int CurrentMilestone() const;
    void SetInHand(std::int64_t amount);

    PlanDocument *m_document;
    PausedAnnouncement *m_resultSaid;
    std::vector<Tarrowind_Module::Milestone> m_milestones;
    // The route for the plan shown; empty with m_failure set when none could be worked out.
    Tarrowind_Module::Route m_route;
    QString m_failure;
    std::int64_t m_inHand = 0;
    // The box holds text that was refused; m_inHand is the last amount it took.
    bool m_refused = false;
    QHash<const QUndoCommand *, Bought> m_bought;
    // How the plan last changed, until the history's index follows.
    PlanDocument::Move m_move = PlanDocument::Move::Change;

    MilestoneModel *m_milestoneRows;
    RouteStepModel *m_stepRows;
    ResultTable *tblMilestones;
    QSpinBox *spnMilestone;
    QPushButton *cmdAddMilestone;
    QPushButton *cmdMilestoneUp;
    QPushButton *cmdMilestoneDown;
    QPushButton *cmdRemoveMilestone;
    QLabel *lblMilestoneNote;
    RouteChart *m_chart;
    ResultTable *tblRoute;
    QLineEdit *txtExperience;
    QLabel *lblExperienceNote;
    QLabel *lblRouteSummary;
    QPushButton *cmdMarkBought;
};

// Adds "Route…" (Ctrl+Shift+R anywhere in the planner) to the planner's menu.
void AddRouteAction(const PlannerHost &host);
