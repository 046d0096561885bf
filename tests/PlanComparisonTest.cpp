// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/PlanComparison.h"
#include "rules/Tarrowind_Module.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

using namespace Tarrowind_Module;

void PrintTo(const SkillComparison &skill, std::ostream *out) {
    *out << SkillName(skill.skill);
    for (const ComparedSkill &side : {skill.first, skill.second}) {
        *out << " | base " << side.base << " eq " << side.eq << " goal " << side.goal << " modded "
             << side.moddedAtGoal << " experience " << side.experience;
    }
}

namespace {

constexpr SkillNumber Braveness = 0, Strength = 4, Regenerate = 5, HandToHand = 8, Sword = 10,
                      TwoHanded = 11, Immunity = 14, SurroundHit = 21, Warcry = 22;
constexpr RaceNumber Templar = 5, ArchTemplar = 6, SeyanDu = 7;

// A reset plan of `race`, changed by `change` and recalculated.
CharacterPlan Plan(RaceNumber race, const std::function<void(CharacterPlan &)> &change = {}) {
    CharacterPlan plan;
    plan.race = race;
    plan.ResetSkills();
    if (change) {
        change(plan);
    }
    plan.Recalculate();
    return plan;
}

struct Case {
    std::string name;
    CharacterPlan first;
    CharacterPlan second;
    std::vector<SkillComparison> differing;
    std::int32_t firstTotal = 0;
    std::int32_t secondTotal = 0;
};

void PrintTo(const Case &c, std::ostream *out) {
    *out << c.name;
}

class PlanComparisonTest : public ::testing::TestWithParam<Case> {};

TEST_P(PlanComparisonTest, SkillsThatDifferAndTotals) {
    const Case &c = GetParam();
    const PlanComparison comparison = ComparePlans(c.first, c.second);
    EXPECT_EQ(comparison.firstRace, c.first.race);
    EXPECT_EQ(comparison.secondRace, c.second.race);
    EXPECT_EQ(comparison.skills.size(), static_cast<std::size_t>(SkillCount));
    EXPECT_EQ(comparison.Differing(), c.differing);
    EXPECT_EQ(comparison.firstTotal, c.firstTotal);
    EXPECT_EQ(comparison.secondTotal, c.secondTotal);
}

// Modded values at goal worked out by hand: goal + equipment + (goal + equipment of the three
// attributes) / 5, rounded down; an ArchTemplar's reset attributes are 10 each.
INSTANTIATE_TEST_SUITE_P(
    Plans, PlanComparisonTest,
    ::testing::Values(
        Case{"a plan against itself", Plan(ArchTemplar), Plan(ArchTemplar), {}, 0, 0},
        // Sword 4 -> 50 for class 3.
        Case{"Sword goal 50",
             Plan(ArchTemplar),
             Plan(ArchTemplar, [](CharacterPlan &plan) { plan.skills[Sword].Goal = 50; }),
             {{Sword, {4, 0, 4, 10, 0}, {4, 0, 50, 56, 112523}}},
             0,
             112523},
        // Equipment on an attribute raises the modded value of every skill built on it where
        // the fifth of the attribute sum grows, though no stored level of theirs changed.
        Case{"Strength equipment 5",
             Plan(ArchTemplar),
             Plan(ArchTemplar, [](CharacterPlan &plan) { plan.skills[Strength].EQ = 5; }),
             {{Strength, {10, 0, 10, 10, 0}, {10, 5, 10, 15, 0}},
              {Regenerate, {4, 0, 4, 10, 0}, {4, 0, 4, 13, 0}},
              {HandToHand, {4, 0, 4, 10, 0}, {4, 0, 4, 11, 0}},
              {Sword, {4, 0, 4, 10, 0}, {4, 0, 4, 11, 0}},
              {TwoHanded, {4, 0, 4, 10, 0}, {4, 0, 4, 12, 0}},
              {Immunity, {1, 0, 1, 7, 0}, {1, 0, 1, 8, 0}},
              {SurroundHit, {1, 0, 1, 7, 0}, {1, 0, 1, 8, 0}},
              {Warcry, {1, 0, 1, 7, 0}, {1, 0, 1, 8, 0}}},
             0,
             0},
        // The two races share every maximum but Warcry's, which a Templar cannot learn.
        Case{"Templar and ArchTemplar",
             Plan(Templar),
             Plan(ArchTemplar),
             {{Warcry, {0, 0, 0, 0, 0}, {1, 0, 1, 7, 0}}},
             0,
             0}));

// The same levels cost a Seyan'Du more (Braveness class 12, not 10): that skill differs too, so
// that the skills that differ account for the difference of the totals.
TEST(PlanComparison, ExperienceAloneIsADifference) {
    const auto braveness20 = [](CharacterPlan &plan) {
        plan.skills[Braveness].Goal = 20;
    };
    const PlanComparison comparison =
        ComparePlans(Plan(ArchTemplar, braveness20), Plan(SeyanDu, braveness20));
    const std::vector<SkillComparison> differing = comparison.Differing();
    ASSERT_FALSE(differing.empty());
    EXPECT_EQ(differing.front(),
              (SkillComparison{Braveness, {10, 0, 20, 20, 8516}, {10, 0, 20, 20, 10218}}));
}

} // namespace
