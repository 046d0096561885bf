// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#ifndef Q_MOC_RUN // moc of Qt 6.4 cannot parse <concepts>
#include "plan/CharacterPlan.h"
#endif

#include <QWidget>

#include <cstdint>
#include <functional>

class QAction;
class Announcer;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QUndoStack;

// The planner's one window: the skill list with its total, the race list, the detail boxes of
// the selected skill and the four buttons. It owns the character plan; every change to the plan
// is followed by UpdateForm, which recalculates it and redraws everything.
class Tarrowind_Char_Planner : public QWidget {
    Q_OBJECT

public:
    explicit Tarrowind_Char_Planner(QWidget *parent = nullptr);

    std::int16_t StatMod(Tarrowind_Module::SkillNumber Skillnum) const;
    void RefreshList();
    // Recalculates the plan and redraws the list, the total and the selected skill's details.
    // Throws, with the plan and the screen unchanged, when the plan cannot be recalculated.
    void UpdateForm();
    void GoalTotal(std::int32_t &total) const;

    const Tarrowind_Module::CharacterPlan &plan() const { return m_plan; }
    // The skill list's right-click menu.
    QMenu *listMenu() const { return m_listMenu; }
    // Adds an entry to that menu, showing its keys, which work anywhere in the window.
    QAction *AddListMenuAction(const QString &text, const char *objectName,
                               const QKeySequence &keys);

Q_SIGNALS:
    // After every change of the plan that the user made, once the window shows it.
    void planChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void cmdMaxBase_Click();
    void cmdMaxGoal_Click();
    void cmdReset_Click();
    void cmdUpdate_Click();
    void Form_Load();
    void cmbRace_Click();
    void lstSkills_Click();
    void ResetSkills();
    void MaxBases();
    void MaxGoals();
    void txtBase_Change();
    void txtGoal_Change();

    void CreateControls();
    void ConnectHandlers();
    void ShowLiveCost();
    void CreateHistory();
    // An undo or redo key in an edit box goes to the box's own typing while it has some, and to
    // the plan's history otherwise. True when the event is dealt with.
    bool HistoryKeyInBox(QLineEdit *box, QKeyEvent *key);
    // Shows a plan from the history as it was: the race in the race list without running its
    // handler, then UpdateForm. Never throws.
    void ShowPlan(const Tarrowind_Module::CharacterPlan &plan);
    // Runs a change of the plan, named `what` for the user, followed by UpdateForm. If either
    // fails, the plan is put back as it was and the reason is shown at `at`, or marked on
    // `markBox` if one is given. A change that leaves the plan different becomes one step of
    // the history, which undo and redo walk.
    bool ChangePlan(QWidget *at, const QString &what, const std::function<void()> &change,
                    QLineEdit *markBox = nullptr);
    void MarkInvalid(QLineEdit *box, const QString &message);
    void ClearInvalid(QLineEdit *box);
    void ShowMessageAt(QWidget *at, const QString &message);
    // The plan as text on the clipboard: "Copy Plan" and "Paste Plan" (PlanClipboard.cpp).
    void ConnectClipboard();
    void CopyPlan();
    void PastePlan();
    void AnnouncePlanChange();

    Tarrowind_Module::CharacterPlan m_plan;
    int m_rowBeforePress = -1;
    QMenu *m_listMenu = nullptr;
    QAction *m_copyPlan = nullptr;
    QAction *m_pastePlan = nullptr;
    QUndoStack *m_history = nullptr;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    Announcer *m_announcer = nullptr;
    // The plan as last announced to a screen reader.
    Tarrowind_Module::CharacterPlan m_announcedPlan;

    QLabel *Label1 = nullptr;
    QListWidget *lstSkills = nullptr;
    QComboBox *cmbRace = nullptr;
    QLabel *lblGoalTotal = nullptr;
    QFrame *Line1 = nullptr;
    QLabel *lblName = nullptr;
    QLineEdit *txtBase = nullptr;
    QLineEdit *txtEQ = nullptr;
    QLabel *lblMod = nullptr;
    QLineEdit *txtGoal = nullptr;
    QLineEdit *txtGoalCost = nullptr;
    QPushButton *cmdReset = nullptr;
    QPushButton *cmdMaxBase = nullptr;
    QPushButton *cmdMaxGoal = nullptr;
    QPushButton *cmdUpdate = nullptr;
    QLabel *Label2 = nullptr;
};
