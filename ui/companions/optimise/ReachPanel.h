// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/companions/optimise/GoalsPanel.h"

#include <optional>

class QComboBox;
class QLabel;
class QLayout;
class ReachModel;
class ReachRacesModel;
class ResultTable;
class TargetBox;

// "Reach a value": the cheapest goals that bring one skill's modded value at goal to a target,
// what raising that skill's goal alone would cost, and what each race would add for the same.
// It follows every change of the plan and of its skill and target at once.
class ReachPanel : public GoalsPanel {
    Q_OBJECT

public:
    ReachPanel(PlanDocument *document, Announcer *announcer, PausedAnnouncement *resultSaid,
               QWidget *parent);

    // A skill chosen in the panel stays chosen while the race can learn it; when it cannot, the
    // note line says which skill was chosen instead.
    void ShowPlan() override;
    // Shows the preview for `skill`, where the race can learn it, from one above its value at
    // goal.
    void Start(Tarrowind_Module::SkillNumber skill);

private:
    QLayout *ChoiceRow();
    void FillSkills();
    void ChooseSkill(Tarrowind_Module::SkillNumber skill);
    // The target's range for the chosen skill, and the target one above its value at goal.
    void StartTarget();
    void TargetSkillChanged();
    void ShowReach();
    void ShowReachRaces(Tarrowind_Module::SkillNumber skill, std::int32_t target);
    void cmdApplyReach_Click();
    Tarrowind_Module::SkillNumber TargetSkill() const;

    // The preview as shown, for "Apply".
    std::optional<Tarrowind_Module::CharacterPlan> m_reach;
    Tarrowind_Module::RaceNumber m_skillsRace = -1;
    ReachModel *m_suggested;
    ReachRacesModel *m_races;

    QComboBox *cmbTargetSkill;
    TargetBox *spnTarget;
    QLabel *lblHighest;
    ResultTable *tblReach;
    QLabel *lblOwnGoal;
    ResultTable *tblReachRaces;
    QPushButton *cmdApplyReach;
};
