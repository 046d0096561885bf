// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/shared/CompanionWindow.h"

#include <QString>

class Announcer;
class PausedAnnouncement;
class PlanComparisonModel;
class PlanDocument;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class ResultTable;
struct PlannerHost;

// A separate window beside the planner that compares two of the document's plans, picked by
// name: at first the plan shown and the first other one. One row per skill that differs (or
// every skill), the levels, modded value at goal and experience of both with their differences,
// the totals, and a line above that compares races and totals. "Take goals from ..." gives the
// plan shown the other's goals, where its race allows, as one step of the history. Each pick
// keeps its plan while plans are kept, renamed or removed; it follows every change of the
// document while it is shown, and a change made through its own controls is announced once the
// user pauses.
class ComparePlansWindow : public CompanionWindow {
    Q_OBJECT

public:
    ComparePlansWindow(PlanDocument *document, QWidget *planner, Announcer *announcer);

    // Shows the planner's window, creating it on first use, and brings it forward.
    static ComparePlansWindow *Open(PlanDocument *document, QWidget *planner, Announcer *announcer);

protected:
    void ShowPlan() override;
    // Each opening picks the plan shown and the first other one again.
    void Opening(bool shown) override;
    void changeEvent(QEvent *event) override;

private:
    // A plan picked in one of the two boxes: its place in the set and its name then, by which
    // it is found again after the set changed.
    struct Pick {
        qsizetype index = -1;
        QString name;
    };

    QLayout *PickRow();
    // The picks where their plans are now: by name, else by place, else the plan shown and the
    // first other one; then the boxes list the plans with the picks chosen.
    void FollowPicks();
    void Picked(Pick &pick, int index);
    // Compares the picked plans and shows the rows, the line above them and the button.
    void Compare();
    QString ComparisonLine() const;
    // The picked plan that is not the plan shown, when one of them is; -1 otherwise.
    qsizetype OtherThanShown() const;
    void cmdTakeGoals_Click();

    PlanDocument *m_document;
    Announcer *m_announcer;
    PausedAnnouncement *m_resultSaid;
    Pick m_first;
    Pick m_second;
    PlanComparisonModel *m_rows;
    QComboBox *cmbFirstPlan;
    QComboBox *cmbSecondPlan;
    QCheckBox *chkAllSkills;
    QLabel *lblComparison;
    ResultTable *tblComparison;
    QPushButton *cmdTakeGoals;
};

// Adds "Compare Plans" (Ctrl+Shift+D anywhere in the planner) to the planner's Tools menu.
void AddComparePlansAction(const PlannerHost &host);
