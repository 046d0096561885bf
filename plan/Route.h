// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "plan/CharacterPlan.h"
#include "rules/Types.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The route to the goals: the order in which to buy the plan's levels.
//
// A level to buy is one step of one skill from level L to L + 1, for every L from the skill's
// base up to its goal, at what ExpToGoal charges for that one level; together they cost the
// plan's GoalTotal. The modded value of a skill at a set of levels is the Mod column's with those
// levels in place of the bases (ModdedAtGoal with them as the goals).
//
// Each milestone in turn is reached at the least experience there is, given the levels the
// earlier ones bought; among answers of equal experience the one with the fewest skills raised,
// then the fewest levels bought, then the lowest attribute levels compared Braveness first, then
// Willpower, Intuition, Agility and Strength. A milestone above what the goals give is out of
// reach and skipped; one the levels already bought meet adds no step. Steps of equal cost go the
// skill earlier in the list first, then the lower level.
//
// PlanRoute works on a recalculated copy of the plan and throws as the optimiser does
// (plan/Optimiser.h): UnknownRace for an invalid race, std::overflow_error for a modded value
// outside 16 bits or a GoalTotal outside 32 bits, std::out_of_range for a milestone's skill
// outside 0 to 36.
namespace Tarrowind_Module {

struct Milestone {
    SkillNumber skill;
    std::int32_t modded;
};

struct RouteStep {
    SkillNumber skill;
    std::int16_t level; // the level this step reaches (bought from level - 1)
    std::int64_t cost;  // experience of this one level
    std::int64_t spent; // experience from the route's start to this step, included

    friend bool operator==(const RouteStep &, const RouteStep &) = default;
};

struct Route {
    std::vector<RouteStep> steps;           // every level to buy, each once
    std::vector<std::size_t> milestoneEnds; // one per milestone: steps [0, milestoneEnds[i]) reach
                                            // milestone i; an out-of-reach one repeats the end
                                            // before it
    std::vector<std::size_t> outOfReach;    // milestones the goals cannot give, by index

    friend bool operator==(const Route &, const Route &) = default;
};

// The milestones in turn, each at the least experience from where the previous one left off,
// buying only levels between the bases and the goals; then the remaining levels, the cheapest
// first. Within a milestone's steps, the cheapest first too.
Route PlanRoute(const CharacterPlan &plan, std::span<const Milestone> milestones);

// The plan after buying the route's first `count` steps: each skill's base raised to the highest
// level bought, goals unchanged, recalculated. A count past the last step buys them all. A base is
// never lowered. Throws as Recalculate does, the plan unchanged: UnknownRace for an invalid race,
// std::overflow_error when the new bases give a modded value outside 16 bits; std::out_of_range
// for a step whose skill lies outside 0 to 36.
CharacterPlan BuyLevels(const CharacterPlan &plan, const Route &route, std::size_t count);

} // namespace Tarrowind_Module
