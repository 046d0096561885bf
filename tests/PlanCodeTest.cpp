// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/PlanCode.h"
#include "ExamplePlan.h"
#include "rules/Tarrowind_Module.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

using namespace Tarrowind_Module;

namespace {

constexpr RaceNumber ArchTemplar = 6;

// A plan of `race` with random levels and bonuses (the whole 16-bit range of bonuses, its ends
// more often than chance would give them), recalculated; another draw where it cannot be.
CharacterPlan RandomPlan(std::mt19937 &random, RaceNumber race) {
    for (;;) {
        CharacterPlan plan = CharacterPlan::Started(race);
        std::uniform_int_distribution<int> level(0, 130), eq(-32768, 32767), pick(0, 9);
        for (SkillPlanEntry &entry : plan.skills) {
            switch (pick(random)) {
            case 0:
                break; // as the race starts it
            case 1:
                entry.EQ = pick(random) < 5 ? -32768 : 32767;
                break;
            default:
                entry.Base = static_cast<std::int16_t>(level(random));
                entry.Goal = static_cast<std::int16_t>(level(random));
                entry.EQ =
                    static_cast<std::int16_t>(pick(random) < 5 ? eq(random) / 1000 : eq(random));
            }
        }
        try {
            plan.Recalculate();
            return plan;
        } catch (const std::overflow_error &) {
        }
    }
}

bool SameLevels(const CharacterPlan &a, const CharacterPlan &b) {
    if (a.race != b.race) {
        return false;
    }
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        const SkillPlanEntry &x = a.skills[s], &y = b.skills[s];
        if (x.Base != y.Base || x.EQ != y.EQ || x.Goal != y.Goal) {
            return false;
        }
    }
    return true;
}

// A code written here bit by bit, as a program of somebody else's would from the layout the
// header documents, so that the reader is tried on codes its own writer never makes.
std::string Forge(RaceNumber race,
                  const std::vector<std::pair<SkillNumber, SkillPlanEntry>> &skills,
                  int lengthAdjust = 0) {
    std::vector<int> bits;
    const auto put = [&bits](std::uint32_t value, int count) {
        for (int bit = count - 1; bit >= 0; --bit) {
            bits.push_back(static_cast<int>((value >> bit) & 1U));
        }
    };
    put(static_cast<std::uint32_t>(race), 3);
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        bool flagged = false;
        for (const auto &skill : skills) {
            flagged = flagged || skill.first == s;
        }
        put(flagged ? 1 : 0, 1);
    }
    for (const auto &[skill, entry] : skills) {
        put(static_cast<std::uint32_t>(entry.Base), 7);
        put(static_cast<std::uint32_t>(entry.Goal), 7);
        put(static_cast<std::uint16_t>(entry.EQ), 16);
    }
    const int characters = static_cast<int>((bits.size() + 40 + 5) / 6);
    put(static_cast<std::uint32_t>(characters + lengthAdjust), 8);
    std::uint32_t crc = 0xFFFFFFFFU; // bit by bit, reflected, polynomial 0x04C11DB7
    for (std::size_t start = 0; start < bits.size(); start += 8) {
        std::uint32_t byte = 0;
        for (std::size_t bit = start; bit < start + 8; ++bit) {
            byte = (byte << 1) | (bit < bits.size() ? static_cast<std::uint32_t>(bits[bit]) : 0U);
        }
        crc ^= byte;
        for (int k = 0; k < 8; ++k) {
            crc = (crc >> 1) ^ ((crc & 1U) != 0 ? 0xEDB88320U : 0U);
        }
    }
    put(crc ^ 0xFFFFFFFFU, 32);
    const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
    std::string code = "TWP1-";
    for (std::size_t start = 0; start < bits.size(); start += 6) {
        int index = 0;
        for (std::size_t bit = start; bit < start + 6; ++bit) {
            index = index * 2 + (bit < bits.size() ? bits[bit] : 0);
        }
        code += alphabet[static_cast<std::size_t>(index)];
    }
    return code;
}

} // namespace

// Every race, bonuses over the whole 16-bit range: what is written reads back as the same race
// and levels, and never longer than the layout allows for its number of changed skills.
TEST(PlanCode, RoundTripOfRandomPlans) {
    std::mt19937 random(20261209);
    for (RaceNumber race = 0; race < RaceCount; ++race) {
        for (int draw = 0; draw < 150; ++draw) {
            CharacterPlan plan = RandomPlan(random, race);
            plan.selected = 12;
            const std::string code = WritePlanCode(plan);
            const auto read = ReadPlanCode(code);
            ASSERT_TRUE(std::holds_alternative<CharacterPlan>(read)) << code;
            const CharacterPlan &back = std::get<CharacterPlan>(read);
            EXPECT_TRUE(SameLevels(back, plan)) << code;
            EXPECT_EQ(back, [&] {
                CharacterPlan selectedFirst = plan;
                selectedFirst.selected = 0;
                return selectedFirst;
            }()) << code;
            const CharacterPlan start = CharacterPlan::Started(race);
            std::size_t changed = 0;
            for (SkillNumber s = 0; s < SkillCount; ++s) {
                const SkillPlanEntry &now = plan.skills[s], &then = start.skills[s];
                changed +=
                    now.Base == then.Base && now.EQ == then.EQ && now.Goal == then.Goal ? 0 : 1;
            }
            EXPECT_EQ(code.size(), 5 + (40 + 30 * changed + 40 + 5) / 6) << code;
        }
    }
}

// The sizes the layout promises, at extreme values; a plan as the race starts it is shortest.
TEST(PlanCode, Lengths) {
    CharacterPlan twenty = CharacterPlan::Started(ArchTemplar);
    for (SkillNumber s = 0, changed = 0; s < SkillCount && changed < 20; ++s) {
        if (RaceMax(ArchTemplar, s) > 0) {
            twenty.skills[s].Base = RaceMax(ArchTemplar, s);
            twenty.skills[s].Goal = RaceMax(ArchTemplar, s);
            twenty.skills[s].EQ = s < 5 ? -10000 : 32000; // as far as the modded values allow
            ++changed;
        }
    }
    twenty.Recalculate();
    EXPECT_LE(WritePlanCode(twenty).size(), 119U);

    CharacterPlan all = CharacterPlan::Started(ArchTemplar);
    for (SkillPlanEntry &entry : all.skills) {
        entry.EQ = -1;
    }
    all.Recalculate();
    EXPECT_EQ(WritePlanCode(all).size(), 204U);
    EXPECT_EQ(WritePlanCode(CharacterPlan::Started(0)).size(), 5U + 14U);
    // Version 1 as the README gives it: a code once shared reads the same plan in every later
    // version of the planner.
    EXPECT_EQ(WritePlanCode(ExamplePlan::Recalculated()),
              "TWP1-0YQQAAAUyAAAUKAAUIEAANH4AAgI8AAAnJ_ffAw");
}

TEST(PlanCode, ForeignWriterIsRead) {
    SkillPlanEntry sword;
    sword.Base = 35;
    sword.EQ = 8;
    sword.Goal = 120;
    const auto read = ReadPlanCode(Forge(ArchTemplar, {{10, sword}}));
    ASSERT_TRUE(std::holds_alternative<CharacterPlan>(read));
    CharacterPlan expected = CharacterPlan::Started(ArchTemplar);
    expected.skills[10].Base = 35;
    expected.skills[10].EQ = 8;
    expected.skills[10].Goal = 120;
    EXPECT_TRUE(SameLevels(std::get<CharacterPlan>(read), expected));
}

struct Refusal {
    const char *name;
    std::string code;
    PlanCodeError error;
};

void PrintTo(const Refusal &refusal, std::ostream *out) {
    *out << refusal.name << ": " << refusal.code;
}

class PlanCodeRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(PlanCodeRefusal, IsRefusedWithItsReason) {
    const auto read = ReadPlanCode(GetParam().code);
    ASSERT_TRUE(std::holds_alternative<PlanCodeError>(read));
    EXPECT_EQ(std::get<PlanCodeError>(read), GetParam().error);
}

std::vector<Refusal> Refusals() {
    CharacterPlan plan = CharacterPlan::Started(ArchTemplar);
    plan.skills[10] = {35, 8, 0, 120, 0};
    plan.skills[0].Goal = 50;
    plan.Recalculate();
    const std::string good = WritePlanCode(plan);
    std::string lastChanged = good;
    lastChanged.back() = lastChanged.back() == 'A' ? 'B' : 'A';
    std::string middleChanged = good;
    middleChanged[12] = middleChanged[12] == 'z' ? 'y' : 'z';
    SkillPlanEntry tooHigh; // Sword above ArchTemplar's 120
    tooHigh.Base = 121;
    tooHigh.Goal = 121;
    SkillPlanEntry atStart = CharacterPlan::Started(ArchTemplar).skills[10];
    SkillPlanEntry unlearnable; // Dagger, which an ArchTemplar cannot learn, at 5
    unlearnable.Base = 5;
    unlearnable.Goal = 5;
    return {
        {"the last character changed", lastChanged, PlanCodeError::Damaged},
        {"a character in the middle changed", middleChanged, PlanCodeError::Damaged},
        {"one character cut", good.substr(0, good.size() - 1), PlanCodeError::CutShort},
        {"cut in half", good.substr(0, good.size() / 2), PlanCodeError::CutShort},
        {"nothing after the prefix", "TWP1-", PlanCodeError::CutShort},
        {"a character added", good + "A", PlanCodeError::Damaged},
        {"version 2", "TWP2" + good.substr(4), PlanCodeError::UnknownVersion},
        {"version 0", "TWP0-" + good.substr(5), PlanCodeError::UnknownVersion},
        {"no version", "TWP-" + good.substr(5), PlanCodeError::NotACode},
        {"lower case prefix", "twp1-" + good.substr(5), PlanCodeError::NotACode},
        {"a blank inside", good.substr(0, 10) + " " + good.substr(10), PlanCodeError::NotACode},
        {"standard base64's plus", good.substr(0, 10) + "+" + good.substr(11),
         PlanCodeError::NotACode},
        {"a level above the race's", Forge(ArchTemplar, {{10, tooHigh}}),
         PlanCodeError::ImpossibleLevels},
        {"a skill the race cannot learn", Forge(ArchTemplar, {{9, unlearnable}}),
         PlanCodeError::ImpossibleLevels},
        {"a skill flagged but at its start", Forge(ArchTemplar, {{10, atStart}}),
         PlanCodeError::Damaged},
        {"a length one too many", Forge(ArchTemplar, {{0, plan.skills[0]}}, 1),
         PlanCodeError::CutShort},
        {"a length one too few", Forge(ArchTemplar, {{0, plan.skills[0]}}, -1),
         PlanCodeError::Damaged},
    };
}

INSTANTIATE_TEST_SUITE_P(Codes, PlanCodeRefusal, ::testing::ValuesIn(Refusals()),
                         [](const auto &param) {
                             std::string name;
                             for (const char c : std::string(param.param.name)) {
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

TEST(PlanCode, WritingRefusesAPlanThatIsNotRecalculated) {
    CharacterPlan plan = CharacterPlan::Started(ArchTemplar);
    plan.skills[10].Base = 121;
    EXPECT_THROW((void)WritePlanCode(plan), std::invalid_argument);
    plan.race = 8;
    EXPECT_THROW((void)WritePlanCode(plan), std::invalid_argument);
}
