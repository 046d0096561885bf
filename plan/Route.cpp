// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

// The route keeps one level per skill, the levels bought so far, starting at the bases. Each
// milestone is the optimiser's one-target reach search with those levels as its lower bounds and
// the goals as its upper ones; what it raises becomes that milestone's steps.
#include "plan/Route.h"

#include "plan/OptimiserSearch.h"
#include "rules/ExpCost.h"
#include "rules/RaceTable.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace Tarrowind_Module {

namespace {

using OptimiserSearch::SkillLevels;

// Appends the levels from `from` up to `to` of every skill, the cheapest first, with the running
// total carried on from the steps already there.
void AppendSteps(const CharacterPlan &plan, const SkillLevels &from, const SkillLevels &to,
                 std::vector<RouteStep> &steps) {
    const std::size_t first = steps.size();
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        const DifficultyClass d = RaceDifficulty(plan.race, s);
        for (int level = from.at(s); level < to.at(s); ++level) {
            steps.push_back(
                {s, static_cast<std::int16_t>(level + 1), ExpCostTable.at(d, level), 0});
        }
    }
    // A skill's levels never cost less as they rise, so this keeps each skill's levels in order.
    std::sort(steps.begin() + static_cast<std::ptrdiff_t>(first), steps.end(),
              [](const RouteStep &x, const RouteStep &y) {
                  if (x.cost != y.cost) {
                      return x.cost < y.cost;
                  }
                  return x.skill != y.skill ? x.skill < y.skill : x.level < y.level;
              });
    std::int64_t spent = first == 0 ? 0 : steps[first - 1].spent;
    for (std::size_t i = first; i < steps.size(); ++i) {
        spent += steps[i].cost;
        steps[i].spent = spent;
    }
}

} // namespace

Route PlanRoute(const CharacterPlan &plan, std::span<const Milestone> milestones) {
    for (const Milestone &milestone : milestones) {
        if (milestone.skill < 0 || milestone.skill >= SkillCount) {
            throw std::out_of_range("a milestone names no skill");
        }
    }
    CharacterPlan start = plan;
    start.Recalculate();
    std::int32_t total = 0;
    start.GoalTotal(total); // throws when the plan's experience leaves 32 bits

    SkillLevels bought{};
    SkillLevels goals{};
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        bought.at(s) = start.skills.at(s).Base;
        goals.at(s) = start.skills.at(s).Goal;
    }

    Route route;
    for (std::size_t i = 0; i < milestones.size(); ++i) {
        const std::optional<SkillLevels> reached = OptimiserSearch::CheapestReachLevels(
            start, milestones[i].skill, milestones[i].modded, bought, goals);
        if (!reached) {
            route.outOfReach.push_back(i);
        } else {
            AppendSteps(start, bought, *reached, route.steps);
            bought = *reached;
        }
        route.milestoneEnds.push_back(route.steps.size());
    }
    AppendSteps(start, bought, goals, route.steps);
    return route;
}

CharacterPlan BuyLevels(const CharacterPlan &plan, const Route &route, std::size_t count) {
    CharacterPlan next = plan;
    const std::size_t end = std::min(count, route.steps.size());
    for (std::size_t i = 0; i < end; ++i) {
        const RouteStep &step = route.steps[i];
        std::int16_t &base = next.skills.at(step.skill).Base;
        base = std::max(base, step.level);
    }
    next.Recalculate();
    return next;
}

} // namespace Tarrowind_Module
