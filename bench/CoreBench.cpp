// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules and the plan without a window: the experience sums, one whole recalculation and the
// comparison of a plan across the races.
#include "plan/CharacterPlan.h"
#include "plan/RaceComparison.h"
#include "rules/Tarrowind_Module.h"

#include <benchmark/benchmark.h>

using namespace Tarrowind_Module;

namespace {

// Every base and goal from 0 to 121 with base <= goal, for one difficulty class: 7503 sums,
// from single steps to the whole table row.
void BM_ExpToGoalWholeLevelRange(benchmark::State &state) {
    const auto d = static_cast<DifficultyClass>(state.range(0));
    for (auto _ : state) {
        Experience sum = 0;
        for (Level base = 0; base < LevelCount + 1; ++base) {
            for (Level goal = base; goal < LevelCount + 1; ++goal) {
                sum += ExpToGoal(base, goal, d) & 1;
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * (LevelCount + 1) * (LevelCount + 2) / 2);
}
BENCHMARK(BM_ExpToGoalWholeLevelRange)->Arg(6);

// The longest single sum: class 15 from level 0 to 121, 121 steps.
void BM_ExpToGoalLongestSum(benchmark::State &state) {
    for (auto _ : state) {
        Level base = 0, goal = LevelCount;
        benchmark::DoNotOptimize(base);
        benchmark::DoNotOptimize(goal);
        benchmark::DoNotOptimize(ExpToGoal(base, goal, 15));
    }
}
BENCHMARK(BM_ExpToGoalLongestSum);

// A full plan: Seyan'Du with every base 1 and every goal at its maximum, so that every one of
// the 37 skills sums its whole range, plus equipment bonuses on the attributes.
void BM_RecalculateFullPlan(benchmark::State &state) {
    CharacterPlan plan;
    plan.race = 7;
    plan.ResetSkills();
    plan.MaxGoals();
    for (SkillNumber s = 0; s < AttributeCount; ++s) {
        plan.skills[s].EQ = static_cast<std::int16_t>(5 * s - 7);
    }
    for (auto _ : state) {
        for (SkillPlanEntry &entry : plan.skills) {
            entry.Base = 1;
        }
        plan.Recalculate();
        benchmark::DoNotOptimize(plan);
    }
}
BENCHMARK(BM_RecalculateFullPlan);

// What the "Compare Races" window works out after every change of the plan: the same full plan
// recalculated for each of the eight races, with the skills each would lower or cannot learn.
void BM_CompareRacesFullPlan(benchmark::State &state) {
    CharacterPlan plan;
    plan.race = 7;
    plan.ResetSkills();
    plan.MaxGoals();
    for (SkillPlanEntry &entry : plan.skills) {
        entry.Base = 1;
    }
    plan.Recalculate();
    for (auto _ : state) {
        benchmark::DoNotOptimize(CompareRaces(plan));
    }
}
BENCHMARK(BM_CompareRacesFullPlan);

} // namespace
