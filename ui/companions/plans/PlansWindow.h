// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/shared/CompanionWindow.h"

class PlanDocument;
class PlanListModel;
class PlanSetCommands;
class QPushButton;
class ResultTable;

// A window beside the planner that lists the document's plans with their races and totals, the
// shown one marked, and shows, keeps, renames and removes them through the Plan menu's commands.
// "Show", "Rename…" and "Remove" act on the table's current plan, "Keep Plan" on the shown one;
// Enter or a double click on a row shows its plan. It follows every change of the set while it is
// shown, and says what its buttons did on its note line.
class PlansWindow : public CompanionWindow {
    Q_OBJECT

public:
    PlansWindow(const PlanDocument *document, QWidget *planner, PlanSetCommands *commands);

protected:
    void ShowPlan() override;
    // Each opening starts on the shown plan.
    void Opening(bool shown) override;

private:
    // The plan of the table's current row, or -1.
    qsizetype CurrentPlan() const;
    void FollowCurrent();

    const PlanDocument *m_document;
    PlanSetCommands *m_commands;
    PlanListModel *m_plans;
    ResultTable *m_table;
    QPushButton *m_show;
    QPushButton *m_keep;
    QPushButton *m_rename;
    QPushButton *m_remove;
};
