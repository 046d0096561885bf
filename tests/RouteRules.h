// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "plan/Route.h"
#include "rules/Tarrowind_Module.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <tuple>
#include <vector>

// The route a plan should get, worked out by trying every combination of levels: for the route
// test and the plan fuzz target alike.
namespace RouteRules {
using namespace Tarrowind_Module;
using Levels = CheckedArray<Level, SkillCount>;

inline std::int32_t ModdedAt(CharacterPlan plan, const Levels &levels, SkillNumber skill) {
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        plan.skills[s].Goal = levels[s];
    }
    return ModdedAtGoal(plan, skill);
}

// Every combination of levels of the milestone's skill and its attributes from `low` up to
// `high`: the one that reaches it at the least experience, then with the fewest skills and levels
// raised, then the lowest attributes, Braveness first. nullopt past `most` combinations.
inline std::optional<Levels> Cheapest(const CharacterPlan &plan, const Milestone &m,
                                      const Levels &low, const Levels &high, long most) {
    std::vector<SkillNumber> moving;
    for (int slot = -1; slot < (m.skill < AttributeCount ? 0 : StatSlots); ++slot) {
        const SkillNumber s = slot < 0 ? m.skill : StatDependencyTable.at(m.skill, slot);
        if (std::find(moving.begin(), moving.end(), s) == moving.end()) {
            moving.push_back(s);
            most /= high[s] - low[s] + 1;
        }
    }
    using Rank = std::tuple<std::int64_t, int, int, std::array<Level, AttributeCount>>;
    std::optional<std::pair<Rank, Levels>> best;
    for (Levels trial = low; most > 0;) {
        Rank rank{};
        for (SkillNumber s : moving) {
            std::get<0>(rank) += ExpToGoal(low[s], trial[s], RaceDifficulty(plan.race, s));
            std::get<1>(rank) += trial[s] > low[s] ? 1 : 0;
            std::get<2>(rank) += trial[s] - low[s];
        }
        std::copy_n(trial.begin(), AttributeCount, std::get<3>(rank).begin());
        if (ModdedAt(plan, trial, m.skill) >= m.modded && (!best || rank < best->first)) {
            best = {rank, trial};
        }
        std::size_t i = 0; // on to the next combination, as an odometer counts
        for (; i < moving.size() && trial[moving[i]] == high[moving[i]]; ++i) {
            trial[moving[i]] = low[moving[i]];
        }
        if (i == moving.size()) {
            break;
        }
        ++trial[moving[i]];
    }
    return most > 0 && best ? std::optional(best->second) : std::nullopt;
}

// The route of a recalculated plan: each milestone's levels as Cheapest gives them, bought the
// cheapest first, the skill earlier in the list first, then the lower level; then the rest.
// nullopt when a milestone has more than `most` combinations to try.
inline std::optional<Route> Expected(const CharacterPlan &plan,
                                     std::span<const Milestone> milestones, long most) {
    Levels levels{};
    Levels goals{};
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        levels[s] = plan.skills[s].Base;
        goals[s] = plan.skills[s].Goal;
    }
    Route expected;
    auto buy = [&](const Levels &to) {
        const std::size_t first = expected.steps.size();
        for (SkillNumber s = 0; s < SkillCount; ++s) {
            for (Level l = levels[s]; l < to[s]; ++l) {
                expected.steps.push_back({s, static_cast<Level>(l + 1),
                                          ExpToGoal(l, l + 1, RaceDifficulty(plan.race, s)), 0});
            }
        }
        auto part = std::span(expected.steps).subspan(first);
        std::sort(part.begin(), part.end(), [](const RouteStep &x, const RouteStep &y) {
            return std::tie(x.cost, x.skill, x.level) < std::tie(y.cost, y.skill, y.level);
        });
        for (std::size_t i = first; i < expected.steps.size(); ++i) {
            expected.steps[i].spent =
                expected.steps[i].cost + (i ? expected.steps[i - 1].spent : 0);
        }
        levels = to;
    };
    for (std::size_t i = 0; i < milestones.size(); ++i) {
        const Milestone &m = milestones[i];
        if (m.modded > ModdedAtGoal(plan, m.skill)) {
            expected.outOfReach.push_back(i);
        } else if (const std::optional<Levels> want = Cheapest(plan, m, levels, goals, most)) {
            buy(*want);
        } else {
            return std::nullopt;
        }
        expected.milestoneEnds.push_back(expected.steps.size());
    }
    buy(goals);
    return expected;
}

} // namespace RouteRules
