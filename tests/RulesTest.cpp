// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Tarrowind_Module.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <set>
#include <stdexcept>
#include <tuple>

using namespace Tarrowind_Module;

namespace {

class RulesTest : public ::testing::Test {};

// ---- checked storage and arithmetic ----

TEST(CheckedArrayTest, EveryIndexIsTestedAgainstItsOwnDimension) {
    CheckedArray<int, 2, 3> table;
    table.at(1, 2) = 7;
    EXPECT_EQ(table.at(1, 2), 7);
    // (0, 3) and (1, -1) would be (1, 0) and (0, 2) if only the flat offset were tested.
    EXPECT_THROW(static_cast<void>(table.at(0, 3)), std::out_of_range);
    EXPECT_THROW(static_cast<void>(table.at(1, -1)), std::out_of_range);
    EXPECT_THROW(static_cast<void>(table.at(2, 0)), std::out_of_range);
    EXPECT_THROW(static_cast<void>(table.at(-1, 0)), std::out_of_range);
    EXPECT_THROW(static_cast<void>(table.at(std::numeric_limits<std::size_t>::max(), 0)),
                 std::out_of_range);
}

TEST(CheckedArrayTest, OneIndexTablesTestSubscriptsToo) {
    CheckedArray<int, 4> row;
    row[3] = 1;
    EXPECT_EQ(row.at(3), 1);
    EXPECT_THROW(static_cast<void>(row[4]), std::out_of_range);
    EXPECT_THROW(static_cast<void>(row[-1]), std::out_of_range);
}

TEST(CheckedAddTest, SumsThatLeaveTheWidthThrowInsteadOfWrapping) {
    EXPECT_EQ(CheckedAdd<std::int16_t>(32000, 767), 32767);
    EXPECT_EQ(CheckedAdd<std::int16_t>(-32000, -768), -32768);
    EXPECT_THROW(static_cast<void>(CheckedAdd<std::int16_t>(32767, 1)), std::overflow_error);
    EXPECT_THROW(static_cast<void>(CheckedAdd<std::int16_t>(-32768, -1)), std::overflow_error);
    EXPECT_EQ(CheckedAdd<std::int32_t>(2147483000, 647), 2147483647);
    EXPECT_THROW(static_cast<void>(CheckedAdd<std::int32_t>(2147483647, 1)), std::overflow_error);
}

// ---- skill catalogue ----

TEST_F(RulesTest, SkillNamesCoverExactlyTheCatalogue) {
    EXPECT_EQ(SkillName(0), "Braveness");
    EXPECT_EQ(SkillName(4), "Strength");
    EXPECT_EQ(SkillName(36), "Stun");
    for (SkillNumber outside :
         {SkillNumber{37}, SkillNumber{-1}, SkillNumber{-32768}, SkillNumber{32767}}) {
        EXPECT_EQ(SkillName(outside), "Invalid") << outside;
    }
}

TEST_F(RulesTest, SkillNamesAreDistinctAndLeaveASpaceInTheirColumn) {
    std::set<std::string> names;
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        const std::string name = SkillName(s);
        EXPECT_LE(name.size(), 15u) << name;
        EXPECT_NE(name, "Invalid");
        names.insert(name);
    }
    EXPECT_EQ(names.size(), static_cast<std::size_t>(SkillCount));
}

TEST_F(RulesTest, StartValues) {
    for (SkillNumber s = 0; s < AttributeCount; ++s) {
        EXPECT_EQ(StartValue(s), 10) << SkillName(s);
    }
    EXPECT_EQ(StartValue(5), 4);  // Regenerate
    EXPECT_EQ(StartValue(7), 1);  // Rest
    EXPECT_EQ(StartValue(28), 4); // Ghost Companion
    EXPECT_EQ(StartValue(36), 1); // Stun
    for (SkillNumber s = AttributeCount; s < SkillCount; ++s) {
        EXPECT_TRUE(StartValue(s) == 1 || StartValue(s) == 4) << SkillName(s);
    }
    EXPECT_THROW(static_cast<void>(StartValue(37)), std::out_of_range);
    EXPECT_THROW(static_cast<void>(StartValue(-1)), std::out_of_range);
}

TEST_F(RulesTest, OnlyTheAttributesDependOnNoAttribute) {
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        const int sum = StatDependencyTable.at(s, 0) + StatDependencyTable.at(s, 1) +
                        StatDependencyTable.at(s, 2);
        if (s < AttributeCount) {
            EXPECT_EQ(sum, -3) << SkillName(s);
        } else {
            EXPECT_GE(sum, 3) << SkillName(s);
            for (int slot = 0; slot < StatSlots; ++slot) {
                EXPECT_GE(StatDependencyTable.at(s, slot), 0);
                EXPECT_LT(StatDependencyTable.at(s, slot), AttributeCount);
            }
        }
    }
    EXPECT_THROW(static_cast<void>(StatDependencyTable.at(37, 0)), std::out_of_range);
    EXPECT_THROW(static_cast<void>(StatDependencyTable.at(5, 3)), std::out_of_range);
}

TEST_F(RulesTest, SingleAttributeSkills) {
    const std::tuple<SkillNumber, SkillNumber> cases[] = {{5, 4}, {7, 3}, {13, 1}};
    for (auto [skill, attribute] : cases) {
        for (int slot = 0; slot < StatSlots; ++slot) {
            EXPECT_EQ(StatDependencyTable.at(skill, slot), attribute) << SkillName(skill);
        }
    }
}

// ---- race table ----

TEST_F(RulesTest, RaceTableInvariants) {
    const std::set<int> maxima{0, 15, 30, 60, 75, 90, 105, 120};
    const std::set<int> classes{0, 3, 5, 6, 7, 9, 10, 12, 14};
    for (RaceNumber race = 0; race < RaceCount; ++race) {
        for (SkillNumber s = 0; s < SkillCount; ++s) {
            const int max = RaceMax(race, s);
            const int d = RaceDifficulty(race, s);
            EXPECT_TRUE(maxima.contains(max)) << RaceName(race) << ' ' << SkillName(s);
            EXPECT_TRUE(classes.contains(d)) << RaceName(race) << ' ' << SkillName(s);
            EXPECT_EQ(max == 0, d == 0) << RaceName(race) << ' ' << SkillName(s);
            if (s < AttributeCount) {
                EXPECT_GT(max, 0) << RaceName(race) << ' ' << SkillName(s);
            }
        }
    }
}

TEST_F(RulesTest, RaceTableSpecialCases) {
    for (RaceNumber race = 0; race < RaceCount; ++race) {
        EXPECT_EQ(RaceMax(race, 22) > 0, race == 6) << "Warcry, " << RaceName(race);
        EXPECT_EQ(RaceMax(race, 13) > 0, race == 2 || race == 4) << "Concentrate";
        EXPECT_EQ(RaceMax(race, 6) == 15, race == 0 || race == 1) << "Meditate";
    }
    EXPECT_EQ(RaceMax(6, 22), 120);
    EXPECT_EQ(RaceMax(2, 13), 105);
    EXPECT_EQ(RaceDifficulty(2, 13), 5);
    EXPECT_EQ(RaceMax(4, 13), 120);
    EXPECT_EQ(RaceDifficulty(4, 13), 3);
    EXPECT_EQ(RaceDifficulty(0, 6), 9);
    EXPECT_EQ(RaceDifficulty(2, 6), 9);
    EXPECT_EQ(RaceMax(2, 6), 60);
    EXPECT_EQ(RaceMax(0, 11), 0);
    EXPECT_EQ(RaceDifficulty(0, 11), 0);

    for (SkillNumber s = 0; s < SkillCount; ++s) {
        if (s == 13 || s == 22) {
            EXPECT_EQ(RaceMax(7, s), 0) << SkillName(s);
        } else {
            EXPECT_EQ(RaceMax(7, s), 90) << SkillName(s);
            EXPECT_EQ(RaceDifficulty(7, s), s < AttributeCount ? 12 : 6) << SkillName(s);
        }
    }
}

TEST_F(RulesTest, RaceLookupsTestBothIndices) {
    // A bad race is reported as an unknown race; a bad skill only as out of range.
    EXPECT_THROW(static_cast<void>(static_cast<void>(RaceMax(-1, 0))), UnknownRace);
    EXPECT_THROW(static_cast<void>(static_cast<void>(RaceDifficulty(-1, 36))), UnknownRace);
    EXPECT_THROW(static_cast<void>(static_cast<void>(RaceMax(8, 0))), UnknownRace);
    EXPECT_THROW(CheckRace(-1), UnknownRace);
    EXPECT_THROW(CheckRace(8), UnknownRace);
    const auto onlyOutOfRange = [](auto lookup) {
        try {
            static_cast<void>(lookup());
        } catch (const UnknownRace &) {
            return false;
        } catch (const std::out_of_range &) {
            return true;
        }
        return false;
    };
    EXPECT_TRUE(onlyOutOfRange([] { return RaceMax(0, 37); }));
    EXPECT_TRUE(onlyOutOfRange([] { return RaceDifficulty(1, -1); }));
    EXPECT_NO_THROW(CheckRace(7));
}

TEST_F(RulesTest, RaceNamesMapBothWays) {
    for (RaceNumber race = 0; race < RaceCount; ++race) {
        EXPECT_EQ(RaceFromName(RaceName(race)), race);
    }
    EXPECT_EQ(RaceName(6), "ArchTemplar");
    EXPECT_EQ(RaceName(2), "Sorceror");
    EXPECT_EQ(RaceFromName("Seyan'Du"), 7);
    EXPECT_EQ(RaceFromName("archtemplar"), -1);
    EXPECT_EQ(RaceFromName("Templar "), -1);
    EXPECT_EQ(RaceFromName(""), -1);
    EXPECT_EQ(RaceName(8), "Invalid");
}

// ---- experience cost ----

TEST_F(RulesTest, ExpCostTableSpotValues) {
    EXPECT_EQ(ExpCostTable.at(15, 120), 648000);
    EXPECT_EQ(ExpCostTable.at(1, 75), 10546); // dropped, not rounded
    EXPECT_EQ(ExpCostTable.at(7, 119), 294902);
    EXPECT_EQ(ExpCostTable.at(12, 5), 37);
    EXPECT_EQ(ExpCostTable.at(14, 2), 2);
    EXPECT_EQ(ExpCostTable.at(3, 3), 2);
    for (int d = 0; d < DifficultyCount; ++d) {
        EXPECT_EQ(ExpCostTable.at(d, 0), 0);
        EXPECT_EQ(ExpCostTable.at(d, 1), 0);
    }
    for (int level = 0; level < LevelCount; ++level) {
        EXPECT_EQ(ExpCostTable.at(0, level), 0);
    }
    EXPECT_THROW(static_cast<void>(ExpCostTable.at(16, 0)), std::out_of_range);
    EXPECT_THROW(static_cast<void>(ExpCostTable.at(0, 121)), std::out_of_range);
}

// The table is worked out in whole numbers; the cost is defined as floor(L^3 * d / 40.0) in
// floating point. Both must agree on every entry, read here with no start-up step run first.
TEST_F(RulesTest, ExpCostTableAgreesWithTheFloatingPointFormulaEverywhere) {
    for (int d = 0; d < DifficultyCount; ++d) {
        for (int level = 0; level < LevelCount; ++level) {
            const double cube = static_cast<double>(level) * level * level;
            const auto expected = static_cast<Experience>(std::floor(cube * d / 40.0));
            ASSERT_EQ(ExpCostTable.at(d, level), expected) << "class " << d << ", level " << level;
        }
    }
}

struct ExpCase {
    Level base;
    Level goal;
    DifficultyClass d;
    Experience expected;

    friend void PrintTo(const ExpCase &c, std::ostream *os) {
        *os << "ExpToGoal(" << c.base << ", " << c.goal << ", " << c.d << ") = " << c.expected;
    }
};

class ExpToGoalTest : public RulesTest, public ::testing::WithParamInterface<ExpCase> {};

TEST_P(ExpToGoalTest, Costs) {
    const ExpCase &c = GetParam();
    EXPECT_EQ(ExpToGoal(c.base, c.goal, c.d), c.expected);
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, ExpToGoalTest,
                         ::testing::Values(ExpCase{10, 11, 10, 250}, ExpCase{10, 20, 5, 4257},
                                           ExpCase{1, 4, 3, 2}, ExpCase{1, 120, 10, 12744870},
                                           ExpCase{1, 120, 6, 7646886},
                                           ExpCase{0, 121, 15, 19765320}, ExpCase{5, 30, 0, 0},
                                           ExpCase{120, 121, 15, 648000}, ExpCase{0, 1, 15, 0}));

INSTANTIATE_TEST_SUITE_P(EqualLevelsCostNothingForAnyClass, ExpToGoalTest,
                         ::testing::Values(ExpCase{7, 7, 0, 0}, ExpCase{7, 7, -1, 0},
                                           ExpCase{7, 7, 16, 0}, ExpCase{500, 500, 10, 0},
                                           ExpCase{-3, -3, 10, 0},
                                           ExpCase{32767, 32767, -32768, 0}));

INSTANTIATE_TEST_SUITE_P(GoalBelowBaseIsMinusOne, ExpToGoalTest,
                         ::testing::Values(ExpCase{11, 10, 10, -1}, ExpCase{11, 10, 99, -1},
                                           ExpCase{0, -1, -5, -1}, ExpCase{200, 150, 10, -1}));

TEST_F(RulesTest, OneLevelStepsFromLevelOneAreFree) {
    for (DifficultyClass d = 0; d < DifficultyCount; ++d) {
        EXPECT_EQ(ExpToGoal(1, 2, d), 0) << d;
    }
}

TEST_F(RulesTest, ExpToGoalAddsEveryStepButTheGoalLevel) {
    // Splitting a climb at any level gives the same total as climbing at once.
    for (Level middle = 1; middle <= 120; ++middle) {
        EXPECT_EQ(ExpToGoal(1, middle, 7) + ExpToGoal(middle, 121, 7), ExpToGoal(1, 121, 7));
    }
    EXPECT_EQ(ExpToGoal(119, 120, 10), ExpCostTable.at(10, 119));
}

TEST_F(RulesTest, ExpToGoalRefusesLevelsOutsideTheTable) {
    EXPECT_THROW(static_cast<void>(ExpToGoal(100, 150, 10)), std::out_of_range);
    EXPECT_THROW(static_cast<void>(ExpToGoal(-1, 5, 10)), std::out_of_range);
    EXPECT_THROW(static_cast<void>(ExpToGoal(1, 122, 10)), std::out_of_range);
    EXPECT_THROW(static_cast<void>(ExpToGoal(1, 5, 16)), std::out_of_range);
    EXPECT_THROW(static_cast<void>(ExpToGoal(1, 5, -1)), std::out_of_range);
    EXPECT_THROW(static_cast<void>(ExpToGoal(-32768, 32767, 1)), std::out_of_range);
}

} // namespace
