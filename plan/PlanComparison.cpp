// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/PlanComparison.h"

#include <algorithm>
#include <iterator>

using namespace Tarrowind_Module;

namespace {

ComparedSkill Side(const CharacterPlan &plan, SkillNumber skill) {
    const SkillPlanEntry &entry = plan.skills.at(skill);
    return {entry.Base, entry.EQ, entry.Goal, ModdedAtGoal(plan, skill), entry.GoalCost};
}

} // namespace

std::vector<SkillComparison> PlanComparison::Differing() const {
    std::vector<SkillComparison> differing;
    std::copy_if(skills.begin(), skills.end(), std::back_inserter(differing),
                 [](const SkillComparison &skill) { return skill.Differs(); });
    return differing;
}

PlanComparison ComparePlans(const CharacterPlan &first, const CharacterPlan &second) {
    PlanComparison comparison;
    comparison.firstRace = first.race;
    comparison.secondRace = second.race;
    comparison.skills.reserve(SkillCount);
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        comparison.skills.push_back({s, Side(first, s), Side(second, s)});
    }
    first.GoalTotal(comparison.firstTotal);
    second.GoalTotal(comparison.secondTotal);
    return comparison;
}

void TakeGoals(CharacterPlan &plan, const CharacterPlan &from) {
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        plan.skills.at(s).Goal = from.skills.at(s).Goal;
    }
}
