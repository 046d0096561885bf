// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "plan/CharacterPlan.h"
#include "rules/Types.h"

#include <cstdint>
#include <optional>

// Goal optimisation: the same modded values at goal for the least experience.
//
// CheapestReach, OwnGoalReachCost and CheapestGoals take a plan that Recalculate accepts and work
// on a recalculated copy of it; a plan it cannot recalculate throws as Recalculate does
// (UnknownRace for an invalid race, std::overflow_error for a modded value outside 16 bits).
// HighestReach reads the plan as it is and throws UnknownRace for an invalid race; so does
// ModdedAtGoal (plan/CharacterPlan.h), the value the optimisers keep or reach.
// A skill outside 0 to 36 throws std::out_of_range everywhere. The optimisers change goals only:
// never a base, an equipment bonus, the race or the selected skill, and every goal stays between
// its base and the race's maximum, so the plans they return are recalculated and never throw on a
// further Recalculate. Experience here is the plan's GoalTotal.
//
// Where several answers cost the same experience, the one returned has, in this order:
//   1. the fewest goals that differ from the plan's own,
//   2. the least sum of the distances between each goal and the plan's own goal,
//   3. the lowest attribute goals, compared Braveness first, then Willpower, Intuition,
//      Agility and Strength.
// So a plan that cannot be made cheaper comes back exactly as it was.
namespace Tarrowind_Module {

// The least added experience that makes ModdedAtGoal(skill) >= target, raising only the goals
// of that skill and of its attributes (of an attribute: only its own goal), never lowering one.
// The plan comes back unchanged when it already reaches target; nullopt when even every one of
// those goals at the race's maximum cannot reach it.
std::optional<CharacterPlan> CheapestReach(const CharacterPlan &plan, SkillNumber skill,
                                           std::int32_t target);

// The highest ModdedAtGoal(skill) that CheapestReach can reach: that skill and its attributes
// at the race's maximum goals. Never below the current ModdedAtGoal; 0 for a skill the race
// cannot learn.
std::int32_t HighestReach(const CharacterPlan &plan, SkillNumber skill);

// The experience that raising the skill's own goal alone adds to reach target: 0 when the plan
// already reaches it, nullopt when even the race's maximum goal for the skill cannot.
std::optional<std::int32_t> OwnGoalReachCost(const CharacterPlan &plan, SkillNumber skill,
                                             std::int32_t target);

// Every goal free between base and maximum; every skill the race can learn keeps at least its
// ModdedAtGoal, the five attributes too unless attributesMayFall; the least total experience.
// The goals of skills the race cannot learn are left as they are.
// Throws std::length_error, changing nothing, should the skill catalogue ever group the skills
// into more sets of attributes than the search holds: a fault of the program, never of a plan.
CharacterPlan CheapestGoals(const CharacterPlan &plan, bool attributesMayFall);

} // namespace Tarrowind_Module
