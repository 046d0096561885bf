// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/Optimiser.h"
#include "ExamplePlan.h"
#include "plan/OptimiserSearch.h"
#include "rules/Tarrowind_Module.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <optional>
#include <ostream>
#include <random>
#include <tuple>

using namespace Tarrowind_Module;

namespace {

constexpr SkillNumber Sword = 10;

std::int32_t Total(const CharacterPlan &plan) {
    std::int32_t total = -1;
    plan.GoalTotal(total);
    return total;
}

// Experience, goals changed, distance from the plan's own goals: compared in this order.
using Rank = std::tuple<std::int64_t, int, int>;

Rank RankOf(std::int64_t exp, Level goal, Level own) {
    return {exp, goal != own ? 1 : 0, goal > own ? goal - own : own - goal};
}

Rank operator+(const Rank &x, const Rank &y) {
    return {std::get<0>(x) + std::get<0>(y), std::get<1>(x) + std::get<1>(y),
            std::get<2>(x) + std::get<2>(y)};
}

// Every combination of attribute goals in [low, high]; for each, every goal of every other
// skill in [low, high]. Ties go to the first met: attribute goals counting up, Braveness first.
struct Oracle {
    const CharacterPlan &plan;
    CheckedArray<Level, SkillCount> low{};
    CheckedArray<Level, SkillCount> high{};
    CheckedArray<std::int32_t, SkillCount> kept{}; // the least ModdedAtGoal of each skill
    std::optional<Rank> best;
    CharacterPlan trial;
    CharacterPlan result;

    explicit Oracle(const CharacterPlan &p) : plan(p), trial(p), result(p) {}

    void Search(std::size_t a = 0) {
        if (a == AttributeCount) {
            return Finish();
        }
        for (Level g = low[a]; g <= high[a]; ++g) {
            trial.skills[a].Goal = g;
            Search(a + 1);
        }
    }

    // Per skill, by its modded value less its goal: the best rank and goal, if any.
    std::map<std::pair<SkillNumber, std::int32_t>, std::optional<std::pair<Rank, Level>>> known;

    std::optional<std::pair<Rank, Level>> BestGoal(SkillNumber s) {
        const SkillPlanEntry &own = plan.skills[s];
        std::optional<std::pair<Rank, Level>> least;
        const Level from = s < AttributeCount ? trial.skills[s].Goal : low[s];
        const Level to = s < AttributeCount ? trial.skills[s].Goal : high[s];
        for (Level g = from; g <= to; ++g) {
            trial.skills[s].Goal = g;
            const Rank r =
                RankOf(ExpToGoal(own.Base, g, RaceDifficulty(plan.race, s)), g, own.Goal);
            if (ModdedAtGoal(trial, s) >= kept[s] && (!least || r < least->first)) {
                least = {r, g};
            }
        }
        trial.skills[s].Goal = from;
        return least;
    }

    void Finish() {
        CharacterPlan answer = trial;
        Rank rank{};
        for (SkillNumber s = 0; s < SkillCount; ++s) {
            const std::pair key{s, ModdedAtGoal(trial, s) - trial.skills[s].Goal};
            auto found = known.find(key);
            if (found == known.end() || s < AttributeCount) {
                found = known.insert_or_assign(key, BestGoal(s)).first;
            }
            if (!found->second) {
                return;
            }
            rank = rank + found->second->first;
            answer.skills[s].Goal = found->second->second;
        }
        if (!best || rank < *best) {
            best = rank;
            result = answer;
            result.Recalculate();
        }
    }
};

// A plan of the given race whose attribute goals can move only a few levels, so the oracle can
// try them all; skills anywhere between 1 and their maximum. Attributes may carry equipment down
// to -60, so that an attribute sum falls below zero, where a fifth of it must round down.
CharacterPlan RandomPlan(RaceNumber race, std::mt19937 &random) {
    auto pick = [&random](int from, int to) {
        return static_cast<Level>(std::uniform_int_distribution<int>(from, to)(random));
    };
    CharacterPlan plan;
    plan.race = race;
    plan.ResetSkills();
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        const Level max = RaceMax(race, s);
        SkillPlanEntry &entry = plan.skills[s];
        entry.Base = s < AttributeCount ? pick(max - 3, max) : pick(1, std::max<Level>(max, 1));
        entry.Goal = pick(entry.Base, std::max(entry.Base, max));
        entry.EQ = s < AttributeCount ? pick(-60, 9) : pick(-6, 9);
    }
    plan.selected = pick(0, SkillCount - 1);
    plan.Recalculate();
    return plan;
}

// CheapestGoals as the program asks it, or its search on a node budget smaller than one path to a
// leaf: every first attempt stops and starts again, and some second ones too, so the unbudgeted
// last attempt must keep the answer exact.
struct Budget {
    const char *name;
    std::optional<long> firstNodeBudget; // nullopt: CheapestGoals itself
};

void PrintTo(const Budget &row, std::ostream *out) {
    *out << row.name;
}

class CheapestGoalsOracleTest : public ::testing::TestWithParam<Budget> {};

TEST_P(CheapestGoalsOracleTest, MatchesExhaustiveSearch) {
    const std::optional<long> budget = GetParam().firstNodeBudget;
    std::mt19937 random(16);
    for (int round = 0; round < 40; ++round) {
        for (RaceNumber race = 0; race < RaceCount; ++race) {
            const CharacterPlan plan = RandomPlan(race, random);
            for (bool mayFall : {false, true}) {
                SCOPED_TRACE(testing::Message() << RaceName(race) << " round " << round
                                                << (mayFall ? " attributes free" : ""));
                Oracle oracle(plan);
                for (SkillNumber s = 0; s < SkillCount; ++s) {
                    const bool free = mayFall || s >= AttributeCount;
                    oracle.low[s] = free ? plan.skills[s].Base : plan.skills[s].Goal;
                    oracle.high[s] = RaceMax(race, s);
                    oracle.kept[s] =
                        s < AttributeCount && mayFall ? INT32_MIN : ModdedAtGoal(plan, s);
                }
                oracle.Search();
                const CharacterPlan cheapest =
                    budget ? OptimiserSearch::CheapestGoalsSearch(plan, mayFall, *budget)
                           : CheapestGoals(plan, mayFall);
                EXPECT_EQ(cheapest, oracle.result);
                if (Total(oracle.result) == Total(plan)) {
                    EXPECT_EQ(cheapest, plan);
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Optimiser, CheapestGoalsOracleTest,
                         ::testing::Values(Budget{"AsAsked", std::nullopt},
                                           Budget{"RestartedOnATinyBudget", 3}),
                         [](const ::testing::TestParamInfo<Budget> &row) {
                             return std::string(row.param.name);
                         });

TEST(OptimiserTest, CheapestReachMatchesExhaustiveSearch) {
    std::mt19937 random(61);
    for (int round = 0; round < 40; ++round) {
        for (RaceNumber race = 0; race < RaceCount; ++race) {
            const CharacterPlan plan = RandomPlan(race, random);
            const auto skill = static_cast<SkillNumber>(random() % SkillCount);
            const std::int32_t now = ModdedAtGoal(plan, skill);
            const std::int32_t highest = HighestReach(plan, skill);
            const std::int32_t target =
                std::uniform_int_distribution<std::int32_t>(now - 1, highest + 1)(random);
            SCOPED_TRACE(testing::Message() << RaceName(race) << " " << SkillName(skill) << " to "
                                            << target << " of at most " << highest);
            // Only the skill and its attributes move, and only upward.
            Oracle oracle(plan);
            for (SkillNumber s = 0; s < SkillCount; ++s) {
                oracle.low[s] = oracle.high[s] = plan.skills[s].Goal;
                oracle.kept[s] = INT32_MIN;
            }
            oracle.high[skill] = RaceMax(race, skill);
            oracle.kept[skill] = target;
            for (int slot = 0; slot < StatSlots && skill >= AttributeCount; ++slot) {
                const SkillNumber a = StatDependencyTable.at(skill, slot);
                oracle.high[a] = RaceMax(race, a);
            }
            oracle.Search();
            const std::optional<CharacterPlan> reached = CheapestReach(plan, skill, target);
            ASSERT_EQ(reached.has_value(), oracle.best.has_value());
            EXPECT_EQ(target <= highest, reached.has_value());
            if (reached) {
                EXPECT_EQ(*reached, oracle.result);
                if (target <= now) {
                    EXPECT_EQ(*reached, plan);
                }
            }

            // The skill's own goal alone.
            Oracle alone(plan);
            alone.low = alone.high = oracle.low;
            alone.high[skill] = oracle.high[skill];
            alone.kept = oracle.kept;
            alone.Search();
            const std::optional<std::int32_t> own = OwnGoalReachCost(plan, skill, target);
            ASSERT_EQ(own.has_value(), alone.best.has_value());
            if (own) {
                EXPECT_EQ(*own, Total(alone.result) - Total(plan));
            }
        }
    }
}

CharacterPlan MaxGoalsPlan() {
    CharacterPlan plan;
    plan.race = 6;
    plan.ResetSkills();
    plan.MaxGoals();
    plan.Recalculate();
    return plan;
}

enum class Ask { AttributesKept, AttributesFree, Reach, OwnGoalAlone };

struct Worked {
    const char *name;
    CharacterPlan (*plan)();
    Ask ask;
    std::int32_t target;               // Reach and OwnGoalAlone: Sword at least this
    std::optional<std::int32_t> total; // nullopt: refused
};

void PrintTo(const Worked &row, std::ostream *out) {
    *out << row.name;
}

class WorkedExampleTest : public ::testing::TestWithParam<Worked> {};

TEST_P(WorkedExampleTest, GivesTheKnownTotal) {
    const Worked &row = GetParam();
    const CharacterPlan plan = row.plan();
    std::optional<CharacterPlan> answer;
    std::optional<std::int32_t> total;
    switch (row.ask) {
    case Ask::AttributesKept:
    case Ask::AttributesFree:
        answer = CheapestGoals(plan, row.ask == Ask::AttributesFree);
        break;
    case Ask::Reach:
        EXPECT_EQ(HighestReach(plan, Sword), 195);
        answer = CheapestReach(plan, Sword, row.target);
        break;
    case Ask::OwnGoalAlone:
        if (const std::optional<std::int32_t> added = OwnGoalReachCost(plan, Sword, row.target)) {
            total = Total(plan) + *added;
        }
        break;
    }
    if (answer) {
        total = Total(*answer);
        if (total == Total(plan)) {
            EXPECT_EQ(*answer, plan);
        }
    }
    EXPECT_EQ(total, row.total);
}

INSTANTIATE_TEST_SUITE_P(
    Optimiser, WorkedExampleTest,
    ::testing::Values(
        Worked{"ReadmeKept", ExamplePlan::Recalculated, Ask::AttributesKept, 0, 3130683},
        Worked{"ReadmeFree", ExamplePlan::Recalculated, Ask::AttributesFree, 0, 3078226},
        Worked{"SwordTo169", ExamplePlan::Recalculated, Ask::Reach, 169, 4563113 + 2157072},
        Worked{"SwordAlreadyAt143", ExamplePlan::Recalculated, Ask::Reach, 143, 4563113},
        Worked{"SwordPastHighest", ExamplePlan::Recalculated, Ask::Reach, 196, std::nullopt},
        Worked{"SwordAloneTo169", ExamplePlan::Recalculated, Ask::OwnGoalAlone, 169, std::nullopt},
        Worked{"SwordAloneAt143", ExamplePlan::Recalculated, Ask::OwnGoalAlone, 143, 4563113},
        Worked{"MaxGoalsKept", MaxGoalsPlan, Ask::AttributesKept, 0, 53880807},
        Worked{"MaxGoalsFree", MaxGoalsPlan, Ask::AttributesFree, 0, 53880807}),
    [](const ::testing::TestParamInfo<Worked> &row) { return std::string(row.param.name); });

} // namespace
