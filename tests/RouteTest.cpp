// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/Route.h"
#include "ExamplePlan.h"
#include "RouteRules.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>

using namespace Tarrowind_Module;

namespace {

// Small random plans, every goal a few levels above its base so that every combination can be
// tried; in every other plan the attributes share their levels and bonus, so that raising one
// costs what raising another does and the tie-breaks decide.
TEST(RouteTest, MatchesExhaustiveSearch) {
    std::mt19937 random(24);
    auto pick = [&random](int from, int to) {
        return static_cast<std::int16_t>(std::uniform_int_distribution<int>(from, to)(random));
    };
    for (int round = 0; round < 300; ++round) {
        CharacterPlan plan;
        plan.race = pick(0, RaceCount - 1);
        for (SkillNumber s = 0; s < SkillCount; ++s) {
            const Level base = pick(1, round % 3 ? std::max<Level>(RaceMax(plan.race, s), 1) : 4);
            plan.skills[s] = {base, pick(-6, 9), 0, static_cast<Level>(base + pick(0, 10)), 0};
            plan.skills[s] =
                round % 2 && s > 0 && s < AttributeCount ? plan.skills[0] : plan.skills[s];
        }
        plan.Recalculate();
        std::vector<Milestone> milestones(random() % 4);
        for (Milestone &m : milestones) {
            m.skill = static_cast<SkillNumber>(random() % SkillCount);
            m.modded = pick(plan.skills[m.skill].Mod - 1, ModdedAtGoal(plan, m.skill) + 1);
        }
        SCOPED_TRACE(testing::Message() << RaceName(plan.race) << " round " << round);
        const Route route = PlanRoute(plan, milestones);
        EXPECT_TRUE(route == RouteRules::Expected(plan, milestones, LONG_MAX));
        std::int32_t total = -1;
        plan.GoalTotal(total);
        EXPECT_EQ(route.steps.empty() ? 0 : route.steps.back().spent, total);
    }
}

// The README's plan, 181 levels for 4,563,113: the experience at each milestone, those out of
// reach, and what an amount of experience buys from the start: levels, their cost, and the bases of
// Braveness, Sword and Perception after them.
struct Worked {
    std::vector<Milestone> milestones;
    std::int64_t inHand;
    const char *expected;
};

class RouteWorkedExampleTest : public ::testing::TestWithParam<Worked> {};

TEST_P(RouteWorkedExampleTest, GivesTheKnownFigures) {
    const CharacterPlan plan = ExamplePlan::Recalculated();
    const Route route = PlanRoute(plan, GetParam().milestones);
    ASSERT_EQ(route.steps.size(), 181U);
    EXPECT_EQ(route.steps.back().spent, 4563113);
    std::string got = "at milestones";
    for (std::size_t end : route.milestoneEnds) {
        got += ' ' + std::to_string(end ? route.steps[end - 1].spent : 0);
    }
    got += "; out of reach";
    for (std::size_t i : route.outOfReach) {
        got += ' ' + std::to_string(i);
    }
    std::size_t fits = 0;
    while (fits < route.steps.size() && route.steps[fits].spent <= GetParam().inHand) {
        ++fits;
    }
    const CharacterPlan bought = BuyLevels(plan, route, fits);
    got += "; " + std::to_string(fits) + " for " +
           std::to_string(fits ? route.steps[fits - 1].spent : 0) + ":";
    for (int s : {0, 10, 16}) {
        got += ' ' + std::to_string(bought.skills[s].Base);
    }
    EXPECT_EQ(got, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Route, RouteWorkedExampleTest,
    ::testing::Values(Worked{{}, 1000000, "at milestones; out of reach; 124 for 995035: 46 69 58"},
                      Worked{{{10, 100}, {16, 66}},
                             1199136,
                             "at milestones 807542 1199136; out of reach; 122 for "
                             "1199136: 30 81 60"},
                      Worked{
                          {{10, 143}}, 0, "at milestones 4171519; out of reach; 0 for 0: 10 35 4"},
                      Worked{{{10, 40}, {10, 144}, {10, 150}},
                             1000000,
                             "at milestones 0 0 0; out of reach 1 2; 124 for 995035: 46 "
                             "69 58"}));

} // namespace
