// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/RaceComparison.h"
#include "rules/Tarrowind_Module.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>

using namespace Tarrowind_Module;

void PrintTo(const RaceCost &cost, std::ostream *out) {
    *out << RaceName(cost.race) << (cost.recalculated ? " total " : " not recalculated, total ")
         << cost.total << ", lowered " << cost.lowered << ", cannot learn " << cost.unlearnable;
}

namespace {

constexpr SkillNumber Strength = 4, Dagger = 9, Sword = 10, Warcry = 22;

// An ArchTemplar's reset plan with Sword goal 50, Strength equipment 5 and goal 40, and Warcry
// goal 20 (no other race can learn Warcry).
CharacterPlan WorkedPlan() {
    CharacterPlan plan;
    plan.race = 6;
    plan.ResetSkills();
    plan.skills[Sword].Goal = 50;
    plan.skills[Strength].EQ = 5;
    plan.skills[Strength].Goal = 40;
    plan.skills[Warcry].Goal = 20;
    plan.Recalculate();
    return plan;
}

class RaceComparisonTest : public ::testing::TestWithParam<RaceCost> {};

// Totals summed by hand from the cubic step costs, L^3 x class / 40 rounded down.
TEST_P(RaceComparisonTest, WorkedPlanForEachRace) {
    const RaceCost &expected = GetParam();
    const CharacterPlan plan = WorkedPlan();
    const CharacterPlan before = plan;
    EXPECT_EQ(CompareRaces(plan).at(static_cast<std::size_t>(expected.race)), expected);
    const CharacterPlan other = PlanForRace(plan, expected.race);
    EXPECT_EQ(other.race, expected.race);
    std::int32_t total = 0;
    other.GoalTotal(total);
    EXPECT_EQ(total, expected.total);
    EXPECT_EQ(plan, before);
}

// race, recalculated, total, lowered, cannot learn
INSTANTIATE_TEST_SUITE_P(
    Races, RaceComparisonTest,
    ::testing::Values(
        // Sword 4-50 class 3: 112,523; Strength 10-40 class 6: 90,942; Warcry 1-20 class 3: 2,699.
        RaceCost{6, true, 206164, 0, 0},
        // Sword class 5: 187,562; Strength class 10: 151,586; Warcry cannot be learned.
        RaceCost{0, true, 339148, 0, 1},
        // Strength lowered to 30, 10-30 class 14: 65,511; neither Sword nor Warcry.
        RaceCost{3, true, 65511, 1, 2}));

// Equipment that fits an ArchTemplar's Dagger, which it cannot learn (base 0), overflows once a
// race that can learn Dagger raises the base to 1.
TEST(RaceComparison, OverflowForOneRaceLeavesTheOthers) {
    CharacterPlan plan = WorkedPlan();
    plan.skills[Dagger].EQ = 32761; // 0 + 32761 + bonus 6 fits; 1 + 32761 + 6 does not
    ASSERT_NO_THROW(plan.Recalculate());
    const auto costs = CompareRaces(plan);
    for (const RaceCost &cost : costs) {
        EXPECT_EQ(cost.recalculated, RaceMax(cost.race, Dagger) == 0) << RaceName(cost.race);
    }
    EXPECT_THROW((void)PlanForRace(plan, 0), std::overflow_error);
    EXPECT_EQ(costs[6], (RaceCost{6, true, 206164, 0, 1})); // the equipment is kept, in vain
}

} // namespace
