// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#ifndef Q_MOC_RUN // moc of Qt 6.4 cannot parse <concepts>
#include "plan/CharacterPlan.h"
#endif

#include <QWidget>

#include <exception>
#include <optional>

class Announcer;
class PausedAnnouncement;
class PlanDocument;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
struct PlannerHost;

// A separate window beside the planner with two previews of changed goals, each with its own
// "Apply": the cheapest way to bring one skill's modded value at goal to a target, and the
// cheapest goals that keep every modded value at goal. Both follow every change of the plan and
// of their own controls at once; only "Apply" changes the plan, as one step of its history, and
// only its goals. A result the user changed through the window's own controls is announced once
// the user stops changing them. It is the planner window's child and closes with it.
class OptimiseGoalsWindow : public QWidget {
    Q_OBJECT

public:
    OptimiseGoalsWindow(PlanDocument *document, QWidget *planner, Announcer *announcer);

    // Shows both previews for the document's plan; a skill chosen in the window stays chosen
    // while the race can learn it.
    void ShowPlan();

    // Shows the planner's window, creating it on first use, with the selected skill chosen when
    // it was not shown yet, and brings it forward.
    static OptimiseGoalsWindow *Open(PlanDocument *document, QWidget *planner,
                                     Announcer *announcer);

private:
    void FillSkills();
    void ChooseSkill(Tarrowind_Module::SkillNumber skill);
    // The target's range for the chosen skill, and the target one above its value at goal.
    void StartTarget();
    void TargetSkillChanged();
    void ShowReach();
    void ShowReachRaces(Tarrowind_Module::SkillNumber skill, std::int32_t target);
    void ShowCheapest();
    void cmdApplyReach_Click();
    void cmdApplyCheapest_Click();
    void ApplyGoals(QPushButton *button, const QString &what,
                    const Tarrowind_Module::CharacterPlan &suggested);
    Tarrowind_Module::SkillNumber TargetSkill() const;

    PlanDocument *m_document;
    Announcer *m_announcer;
    // A result, said once the user has stopped changing the window's controls for a moment.
    PausedAnnouncement *m_resultSaid;

    // The previews as shown, for "Apply".
    std::optional<Tarrowind_Module::CharacterPlan> m_reach;
    std::optional<Tarrowind_Module::CharacterPlan> m_cheapest;
    // The cheapest goals are worked out again only when the plan or the check box changed.
    std::optional<Tarrowind_Module::CharacterPlan> m_cheapestFrom;
    bool m_cheapestMayFall = false;
    std::exception_ptr m_cheapestFailure;
    Tarrowind_Module::RaceNumber m_skillsRace = -1;

    QComboBox *cmbTargetSkill;
    QSpinBox *spnTarget;
    QLabel *lblHighest;
    QTableWidget *tblReach;
    QLabel *lblOwnGoal;
    QTableWidget *tblReachRaces;
    QPushButton *cmdApplyReach;
    QLabel *lblCheapest;
    QTableWidget *tblCheapest;
    QCheckBox *chkAttributesMayFall;
    QPushButton *cmdApplyCheapest;
};

// Adds "Optimise Goals…" (Ctrl+T anywhere in the planner) to the planner's menu.
void AddOptimiseGoalsAction(const PlannerHost &host);
