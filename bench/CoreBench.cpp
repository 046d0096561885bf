// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules and the plan without a window: the experience sums, one whole recalculation, the
// comparison of a plan across the races, the goal optimisers and the route to the goals.
#include "plan/CharacterPlan.h"
#include "plan/Optimiser.h"
#include "plan/RaceComparison.h"
#include "plan/Route.h"
#include "rules/Tarrowind_Module.h"
#include "tests/ExamplePlan.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <ctime>
#include <random>
#include <vector>

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

// The optimisers are measured call by call, in the thread's CPU time so that other processes on
// the machine do not count, and reported as the worst and the median call.
double CpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

void ReportCalls(benchmark::State &state, std::vector<double> &milliseconds) {
    std::sort(milliseconds.begin(), milliseconds.end());
    state.counters["worst_ms"] = milliseconds.back();
    state.counters["median_ms"] = milliseconds[milliseconds.size() / 2];
    state.counters["calls"] = static_cast<double>(milliseconds.size());
}

// A plan as a player might make one: the start bases, every goal somewhere between its base and
// the race's maximum, small equipment bonuses.
CharacterPlan RandomPlan(std::mt19937 &random) {
    auto pick = [&random](int from, int to) {
        return static_cast<std::int16_t>(std::uniform_int_distribution<int>(from, to)(random));
    };
    CharacterPlan plan;
    plan.race = pick(0, RaceCount - 1);
    plan.ResetSkills();
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        SkillPlanEntry &entry = plan.skills[s];
        const Level max = RaceMax(plan.race, s);
        entry.Goal = pick(std::min(entry.Base, max), max);
        entry.EQ = pick(-5, 15);
    }
    plan.Recalculate();
    return plan;
}

// Every skill of every race, from the reset plan (goals at the start levels, so the attributes
// have their widest ranges), to every target from one above its value to the highest it can
// reach: the worst of these is the worst single target.
void BM_CheapestReachEveryTarget(benchmark::State &state) {
    std::vector<double> milliseconds;
    for (auto _ : state) {
        milliseconds.clear();
        for (RaceNumber race = 0; race < RaceCount; ++race) {
            CharacterPlan plan;
            plan.race = race;
            plan.ResetSkills();
            plan.Recalculate();
            for (SkillNumber s = 0; s < SkillCount; ++s) {
                const std::int32_t highest = HighestReach(plan, s);
                for (std::int32_t target = ModdedAtGoal(plan, s) + 1; target <= highest; ++target) {
                    const double start = CpuMilliseconds();
                    benchmark::DoNotOptimize(CheapestReach(plan, s, target));
                    milliseconds.push_back(CpuMilliseconds() - start);
                }
            }
        }
    }
    ReportCalls(state, milliseconds);
}
BENCHMARK(BM_CheapestReachEveryTarget)->Iterations(1)->Unit(benchmark::kMillisecond);

// 1,000 seeded random plans, each made cheapest once; the argument is the check box "Attributes
// may end lower".
void BM_CheapestGoalsRandomPlans(benchmark::State &state) {
    const bool mayFall = state.range(0) != 0;
    std::vector<double> milliseconds;
    for (auto _ : state) {
        milliseconds.clear();
        std::mt19937 random(2026);
        for (int i = 0; i < 1000; ++i) {
            const CharacterPlan plan = RandomPlan(random);
            const double start = CpuMilliseconds();
            benchmark::DoNotOptimize(CheapestGoals(plan, mayFall));
            milliseconds.push_back(CpuMilliseconds() - start);
        }
    }
    ReportCalls(state, milliseconds);
}
BENCHMARK(BM_CheapestGoalsRandomPlans)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The README's example plan, the one a user meets first.
void BM_CheapestGoalsExamplePlan(benchmark::State &state) {
    const CharacterPlan plan = ExamplePlan::Recalculated();
    const bool mayFall = state.range(0) != 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CheapestGoals(plan, mayFall));
    }
}
BENCHMARK(BM_CheapestGoalsExamplePlan)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The route of 1,000 seeded random plans, each to three milestones: skills other than the
// attributes, so that each milestone is a search, each to a value between one above its modded
// value now and the most its goals give.
void BM_PlanRouteRandomPlans(benchmark::State &state) {
    std::vector<double> milliseconds;
    for (auto _ : state) {
        milliseconds.clear();
        std::mt19937 random(2026);
        for (int i = 0; i < 1000; ++i) {
            const CharacterPlan plan = RandomPlan(random);
            std::array<Milestone, 3> milestones{};
            for (Milestone &milestone : milestones) {
                milestone.skill = static_cast<SkillNumber>(
                    std::uniform_int_distribution<int>(AttributeCount, SkillCount - 1)(random));
                const std::int32_t top = ModdedAtGoal(plan, milestone.skill);
                const std::int32_t now = plan.skills[milestone.skill].Mod;
                milestone.modded = std::uniform_int_distribution<std::int32_t>(
                    std::min(now + 1, top), top)(random);
            }
            const double start = CpuMilliseconds();
            benchmark::DoNotOptimize(PlanRoute(plan, milestones));
            milliseconds.push_back(CpuMilliseconds() - start);
        }
    }
    ReportCalls(state, milliseconds);
}
BENCHMARK(BM_PlanRouteRandomPlans)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
