// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "plan/CharacterPlan.h"
#include "rules/CheckedArray.h"
#include "rules/Types.h"

#include <cstddef>
#include <cstdint>
#include <optional>

// The two searches behind Optimiser.h, for the plan library and its tests only: the rest of the
// program asks Optimiser.h, which checks and recalculates the plan first. Here the plan must
// already be recalculated, and the answers follow the contracts and tie-breaks of Optimiser.h.
namespace Tarrowind_Module::OptimiserSearch {

// The most skill groups the goal search holds. Skills whose bonus counts the same attributes the
// same number of times form one group; the catalogue's skills fall into fewer than this.
inline constexpr std::size_t MaxGroups = 16;

// The nodes that CheapestGoals lets the first bounded attempt of its search visit.
inline constexpr long DefaultNodeBudget = 2000;

// A level for every skill, by skill number.
using SkillLevels = CheckedArray<Level, SkillCount>;

// The one-target search with bounds of its own: the cheapest levels of `skill` and of its
// attributes, each between its entry in `low` and in `high`, at which the skill's modded value
// (ModdedAtGoal with those levels as the goals) is at least `target`; every other skill stays at
// `low`. Experience counts from `low`, and ties follow Optimiser.h with the levels in `low` in
// place of the plan's own goals: the fewest skills raised, then the fewest levels raised, then
// the lowest attribute levels, Braveness first. `low` itself when it reaches the target already;
// nullopt when not even `high` does. Reads the plan's race and equipment bonuses only; the race
// must be valid, and every low must lie between 0 and its high, every high at most the race's
// maximum.
std::optional<SkillLevels> CheapestReachLevels(const CharacterPlan &plan, SkillNumber skill,
                                               std::int32_t target, const SkillLevels &low,
                                               const SkillLevels &high);

// CheapestReach for a skill that is not an attribute and a target that the plan does not reach
// but HighestReach does; nullopt when no goals reach it after all.
std::optional<CharacterPlan> CheapestReachSearch(const CharacterPlan &start, SkillNumber skill,
                                                 std::int32_t target);

// CheapestGoals. The first bounded attempt may visit firstNodeBudget nodes (a negative budget
// counts as 0), the next twice as many; the last attempt has no budget, so the answer is the same
// whatever the budget. Throws std::length_error, before any search and changing nothing, when the
// skills the race can learn fall into more than MaxGroups groups: a fault of the skill catalogue,
// never of a plan.
CharacterPlan CheapestGoalsSearch(const CharacterPlan &start, bool attributesMayFall,
                                  long firstNodeBudget);

} // namespace Tarrowind_Module::OptimiserSearch
