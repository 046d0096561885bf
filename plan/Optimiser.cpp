// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

// The optimiser's questions on a recalculated copy of the plan. The searches that answer the two
// hard ones, and why their answers are exact, are in OptimiserSearch.cpp.
#include "plan/Optimiser.h"

#include "plan/OptimiserSearch.h"
#include "rules/ExpCost.h"
#include "rules/RaceTable.h"
#include "rules/SkillCatalogue.h"

#include <algorithm>

namespace Tarrowind_Module {

namespace {

CharacterPlan Recalculated(const CharacterPlan &plan) {
    CharacterPlan copy = plan;
    copy.Recalculate();
    return copy;
}

bool IsAttribute(SkillNumber skill) {
    return skill >= 0 && skill < AttributeCount;
}

} // namespace

std::int32_t HighestReach(const CharacterPlan &plan, SkillNumber skill) {
    CharacterPlan top = plan;
    top.skills.at(skill).Goal = RaceMax(plan.race, skill);
    if (!IsAttribute(skill)) {
        for (int slot = 0; slot < StatSlots; ++slot) {
            const SkillNumber a = StatDependencyTable.at(skill, slot);
            top.skills.at(a).Goal = RaceMax(plan.race, a);
        }
    }
    return std::max(ModdedAtGoal(top, skill), ModdedAtGoal(plan, skill));
}

std::optional<std::int32_t> OwnGoalReachCost(const CharacterPlan &plan, SkillNumber skill,
                                             std::int32_t target) {
    const CharacterPlan start = Recalculated(plan);
    const std::int32_t now = ModdedAtGoal(start, skill);
    if (now >= target) {
        return 0;
    }
    const SkillPlanEntry &entry = start.skills.at(skill);
    const Level max = RaceMax(start.race, skill);
    const std::int64_t need = std::int64_t{entry.Goal} + target - now;
    if (max == 0 || need > max) {
        return std::nullopt;
    }
    const DifficultyClass d = RaceDifficulty(start.race, skill);
    return ExpToGoal(entry.Goal, static_cast<Level>(need), d);
}

std::optional<CharacterPlan> CheapestReach(const CharacterPlan &plan, SkillNumber skill,
                                           std::int32_t target) {
    CharacterPlan result = Recalculated(plan);
    if (ModdedAtGoal(result, skill) >= target) {
        return result;
    }
    if (HighestReach(result, skill) < target) {
        return std::nullopt;
    }
    if (IsAttribute(skill)) {
        SkillPlanEntry &entry = result.skills.at(skill);
        entry.Goal = static_cast<Level>(std::int64_t{target} - entry.EQ);
        result.Recalculate();
        return result;
    }
    return OptimiserSearch::CheapestReachSearch(result, skill, target);
}

CharacterPlan CheapestGoals(const CharacterPlan &plan, bool attributesMayFall) {
    return OptimiserSearch::CheapestGoalsSearch(Recalculated(plan), attributesMayFall,
                                                OptimiserSearch::DefaultNodeBudget);
}

} // namespace Tarrowind_Module
