// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/CharacterPlan.h"
#include "rules/Tarrowind_Module.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace Tarrowind_Module;

namespace {

constexpr SkillNumber Braveness = 0, Willpower = 1, Intuition = 2, Agility = 3, Strength = 4;
constexpr SkillNumber Regenerate = 5, Rest = 7, Dagger = 9, Sword = 10, TwoHanded = 11;
constexpr SkillNumber Concentrate = 13, Warcry = 22;

class CharacterPlanTest : public ::testing::Test {
protected:
    // A freshly reset and recalculated plan, as the planner shows it after choosing a race.
    static CharacterPlan ResetPlan(RaceNumber race) {
        CharacterPlan plan;
        plan.race = race;
        plan.ResetSkills();
        plan.Recalculate();
        return plan;
    }

    static std::int32_t Total(const CharacterPlan &plan) {
        std::int32_t total = -1;
        plan.GoalTotal(total);
        return total;
    }
};

TEST_F(CharacterPlanTest, StartsZeroed) {
    const CharacterPlan plan;
    EXPECT_EQ(plan.race, 0);
    EXPECT_EQ(plan.selected, 0);
    for (const SkillPlanEntry &entry : plan.skills) {
        EXPECT_EQ(entry, SkillPlanEntry{});
    }
}

TEST_F(CharacterPlanTest, WorkedResetPlanOfArchTemplar) {
    const CharacterPlan plan = ResetPlan(6);
    for (SkillNumber s = Braveness; s <= Strength; ++s) {
        EXPECT_EQ(plan.skills[s].Base, 10);
        EXPECT_EQ(plan.skills[s].Goal, 10);
        EXPECT_EQ(plan.skills[s].Mod, 10);
    }
    EXPECT_EQ(plan.skills[Regenerate].Base, 4);
    EXPECT_EQ(plan.skills[Regenerate].Mod, 10);
    EXPECT_EQ(plan.skills[Rest].Base, 1);
    EXPECT_EQ(plan.skills[Rest].Mod, 7);
    EXPECT_EQ(plan.skills[Sword].Base, 4);
    EXPECT_EQ(plan.skills[Sword].Mod, 10);
    EXPECT_EQ(plan.skills[Concentrate], (SkillPlanEntry{0, 0, 0, 0, 0}));
    for (const SkillPlanEntry &entry : plan.skills) {
        EXPECT_EQ(entry.GoalCost, 0);
    }
    EXPECT_EQ(Total(plan), 0);
}

TEST_F(CharacterPlanTest, GoalsAndEquipmentFeedCostsAndModdedValues) {
    CharacterPlan plan = ResetPlan(6);
    plan.skills[Sword].Goal = 50;
    plan.Recalculate();
    EXPECT_EQ(plan.skills[Sword].GoalCost, 112523);
    EXPECT_EQ(Total(plan), 112523);

    plan.skills[Strength].EQ = 5;
    plan.Recalculate();
    EXPECT_EQ(plan.skills[Strength].Mod, 15);
    EXPECT_EQ(plan.skills[Sword].Mod, 11);
    EXPECT_EQ(plan.skills[Regenerate].Mod, 13);
}

TEST_F(CharacterPlanTest, NegativeAttributeSumsRoundTowardNegativeInfinity) {
    CharacterPlan plan = ResetPlan(6);
    plan.skills[Braveness].EQ = -10;
    plan.skills[Agility].EQ = -10;
    plan.skills[Strength].EQ = -11;
    plan.Recalculate();
    EXPECT_EQ(plan.skills[Braveness].Mod, 0);
    EXPECT_EQ(plan.skills[Agility].Mod, 0);
    EXPECT_EQ(plan.skills[Strength].Mod, -1);
    EXPECT_EQ(plan.skills[Sword].Mod, 3); // 4 + floor(-1 / 5)
    EXPECT_EQ(plan.StatMod(Sword), -1);

    plan.skills[Strength].EQ = -14; // Strength Mod -4: Regenerate's sum is -12
    plan.Recalculate();
    EXPECT_EQ(plan.StatMod(Regenerate), -3);
    EXPECT_EQ(plan.StatMod(Strength), 0);     // an attribute has no bonus of its own
    EXPECT_EQ(plan.skills[Strength].Mod, -4); // attribute Mod is just Base + EQ
}

TEST_F(CharacterPlanTest, MaxGoalsAndMaxBasesOfArchTemplar) {
    CharacterPlan goals = ResetPlan(6);
    goals.MaxGoals();
    goals.Recalculate();
    EXPECT_EQ(Total(goals), 53880807);
    EXPECT_EQ(goals.skills[Strength].GoalCost, ExpToGoal(10, 120, 6));
    EXPECT_EQ(goals.skills[Strength].Base, 10); // the bases are kept

    CharacterPlan bases = ResetPlan(6);
    bases.MaxBases();
    bases.Recalculate();
    EXPECT_EQ(bases.skills[Sword].Base, 120);
    EXPECT_EQ(bases.skills[Sword].Goal, 120);
    EXPECT_EQ(bases.skills[Sword].Mod, 186);
    EXPECT_EQ(Total(bases), 0);
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        EXPECT_EQ(bases.skills[s].Base, RaceMax(6, s)) << SkillName(s);
        EXPECT_EQ(bases.skills[s].Goal, bases.skills[s].Base) << SkillName(s);
    }
}

TEST_F(CharacterPlanTest, HighestTotalIsSeyanDuFromOneToEveryMaximum) {
    CharacterPlan plan;
    plan.race = 7;
    for (SkillPlanEntry &entry : plan.skills) {
        entry.Base = 1;
    }
    plan.MaxGoals();
    plan.Recalculate();
    EXPECT_EQ(Total(plan), 96238755);
}

TEST_F(CharacterPlanTest, ClampingKeepsEveryLevelWithinTheRace) {
    CharacterPlan plan = ResetPlan(6);
    plan.skills[Dagger].Base = 5; // ArchTemplar cannot learn Dagger
    plan.skills[Dagger].Goal = 90;
    plan.skills[Dagger].EQ = 7;
    plan.skills[Sword].Base = 0;       // raised to 1
    plan.skills[Sword].Goal = 500;     // lowered to 120
    plan.skills[Willpower].Base = -40; // raised to 1
    plan.skills[Willpower].Goal = 31;  // lowered to 30
    plan.skills[Rest].Base = 50;
    plan.skills[Rest].Goal = 20; // below the base: raised to it, costing nothing
    plan.skills[Strength].Base = 32767;
    plan.Recalculate();

    EXPECT_EQ(plan.skills[Dagger], (SkillPlanEntry{0, 7, 0, 0, 0}));
    EXPECT_EQ(plan.skills[Sword].Base, 1);
    EXPECT_EQ(plan.skills[Sword].Goal, 120);
    EXPECT_EQ(plan.skills[Sword].GoalCost, ExpToGoal(1, 120, 3));
    EXPECT_EQ(plan.skills[Willpower].Base, 1);
    EXPECT_EQ(plan.skills[Willpower].Goal, 30);
    EXPECT_EQ(plan.skills[Rest].Goal, 50);
    EXPECT_EQ(plan.skills[Rest].GoalCost, 0);
    EXPECT_EQ(plan.skills[Strength].Base, 120);

    for (SkillNumber s = 0; s < SkillCount; ++s) {
        const SkillPlanEntry &e = plan.skills[s];
        const Level max = RaceMax(6, s);
        EXPECT_LE(e.Base, e.Goal) << SkillName(s);
        EXPECT_LE(e.Goal, max) << SkillName(s);
        EXPECT_GE(e.Base, max > 0 ? 1 : 0) << SkillName(s);
    }
}

TEST_F(CharacterPlanTest, UnlearnableSkillsStayAtZeroForEveryRace) {
    for (RaceNumber race = 0; race < RaceCount; ++race) {
        CharacterPlan plan = ResetPlan(race);
        plan.MaxGoals();
        for (SkillPlanEntry &entry : plan.skills) {
            entry.EQ = 3;
        }
        plan.Recalculate();
        for (SkillNumber s = 0; s < SkillCount; ++s) {
            if (RaceMax(race, s) == 0) {
                const SkillPlanEntry &e = plan.skills[s];
                EXPECT_EQ(e.Base, 0);
                EXPECT_EQ(e.Goal, 0);
                EXPECT_EQ(e.Mod, 0);
                EXPECT_EQ(e.GoalCost, 0);
            }
        }
    }
    EXPECT_EQ(ResetPlan(0).skills[TwoHanded].Base, 0);
    EXPECT_GT(ResetPlan(6).skills[Warcry].Base, 0);
}

TEST_F(CharacterPlanTest, BulkOperationsTouchOnlyTheirFields) {
    CharacterPlan plan = ResetPlan(6);
    plan.selected = 12;
    plan.skills[Sword].EQ = 9;
    plan.skills[Sword].Goal = 40;
    plan.Recalculate();

    CharacterPlan maxBases = plan;
    maxBases.MaxBases();
    EXPECT_EQ(maxBases.skills[Sword].EQ, 9);
    EXPECT_EQ(maxBases.skills[Sword].Goal, 40); // raised to the base only by a recalculation
    EXPECT_EQ(maxBases.skills[Sword].Mod, plan.skills[Sword].Mod);
    EXPECT_EQ(maxBases.selected, 12);

    CharacterPlan maxGoals = plan;
    maxGoals.MaxGoals();
    EXPECT_EQ(maxGoals.skills[Sword].Base, 4);
    EXPECT_EQ(maxGoals.skills[Sword].EQ, 9);
    EXPECT_EQ(maxGoals.skills[Sword].Goal, 120);

    CharacterPlan reset = plan;
    reset.ResetSkills();
    EXPECT_EQ(reset.skills[Sword].EQ, 0);
    EXPECT_EQ(reset.skills[Sword].Goal, 0);
    EXPECT_EQ(reset.skills[Sword].GoalCost, plan.skills[Sword].GoalCost); // until recalculated
    EXPECT_EQ(reset.race, 6);
    EXPECT_EQ(reset.selected, 12);
}

TEST_F(CharacterPlanTest, OverflowingSumsFailAndLeaveThePlanAsItWas) {
    const CharacterPlan start = ResetPlan(6);

    CharacterPlan equipment = start;
    equipment.skills[Sword].EQ = 32767; // Base + EQ leaves 16 bits
    const CharacterPlan beforeEquipment = equipment;
    EXPECT_THROW(equipment.Recalculate(), std::overflow_error);
    EXPECT_EQ(equipment, beforeEquipment);

    CharacterPlan attributes = start;
    attributes.skills[Strength].EQ = 20000; // Regenerate adds Strength's Mod three times
    const CharacterPlan beforeAttributes = attributes;
    EXPECT_THROW(attributes.Recalculate(), std::overflow_error);
    EXPECT_EQ(attributes, beforeAttributes);

    CharacterPlan negative = start;
    negative.skills[Agility].EQ = -32768; // Base 10 + EQ fits; the attribute sum does not
    EXPECT_THROW(negative.Recalculate(), std::overflow_error);

    CharacterPlan fits = start;
    fits.skills[Strength].EQ = 10000; // Regenerate sums 30030: just inside
    EXPECT_NO_THROW(fits.Recalculate());
    EXPECT_EQ(fits.skills[Regenerate].Mod, 4 + 30030 / 5);
}

TEST_F(CharacterPlanTest, InvalidRaceFailsAndChangesNothing) {
    CharacterPlan plan = ResetPlan(6);
    plan.skills[Sword].Goal = 77;
    plan.race = -1;
    const CharacterPlan before = plan;
    EXPECT_THROW(plan.Recalculate(), UnknownRace);
    EXPECT_THROW(plan.MaxBases(), UnknownRace);
    EXPECT_THROW(plan.MaxGoals(), UnknownRace);
    EXPECT_EQ(plan, before);

    plan.race = 8;
    EXPECT_THROW(plan.Recalculate(), UnknownRace);
    EXPECT_THROW(static_cast<void>(plan.StatMod(37)), std::out_of_range);
}

TEST_F(CharacterPlanTest, RecalculatingTwiceChangesNothing) {
    for (RaceNumber race = 0; race < RaceCount; ++race) {
        CharacterPlan plan = ResetPlan(race);
        plan.MaxGoals();
        plan.skills[Intuition].EQ = -25;
        plan.Recalculate();
        const CharacterPlan once = plan;
        plan.Recalculate();
        EXPECT_EQ(plan, once) << RaceName(race);
    }
}

} // namespace
