// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/RaceTable.h"

#include <array>
#include <utility>

namespace Tarrowind_Module {

namespace {

constexpr std::array<std::string_view, RaceCount> RaceNames{
    "Mercenary",   "Warrior", "Sorceror",    "Harakim",
    "ArchHarakim", "Templar", "ArchTemplar", "Seyan'Du",
};

struct Limits {
    Level max;
    DifficultyClass difficulty;
};

// One row per skill, one column per race in the order of RaceNames.
// clang-format off
constexpr std::array<std::array<Limits, RaceCount>, SkillCount> RaceLimits{{
    {{{60, 10}, {75, 10}, {75, 10}, {60, 10}, {75, 10}, {60, 10}, {90, 10}, {90, 12}}}, // Braveness
    {{{60, 10}, {60, 10}, {105, 10}, {90, 6}, {120, 6}, {30, 14}, {30, 14}, {90, 12}}}, // Willpower
    {{{60, 10}, {60, 10}, {105, 10}, {90, 6}, {120, 6}, {30, 14}, {30, 14}, {90, 12}}}, // Intuition
    {{{60, 10}, {105, 10}, {60, 10}, {30, 14}, {30, 14}, {90, 6}, {120, 6}, {90, 12}}}, // Agility
    {{{60, 10}, {105, 10}, {60, 10}, {30, 14}, {30, 14}, {90, 6}, {120, 6}, {90, 12}}}, // Strength
    {{{60, 5}, {105, 5}, {60, 5}, {0, 0}, {0, 0}, {90, 3}, {120, 3}, {90, 6}}}, // Regenerate
    {{{15, 9}, {15, 9}, {60, 9}, {90, 3}, {90, 3}, {0, 0}, {0, 0}, {90, 6}}}, // Meditate
    {{{60, 5}, {105, 5}, {60, 5}, {90, 5}, {90, 5}, {90, 5}, {90, 5}, {90, 6}}}, // Rest
    {{{60, 5}, {105, 5}, {60, 5}, {30, 7}, {30, 7}, {90, 3}, {120, 3}, {90, 6}}}, // Hand to Hand
    {{{60, 5}, {105, 5}, {60, 5}, {60, 5}, {60, 5}, {0, 0}, {0, 0}, {90, 6}}}, // Dagger
    {{{60, 5}, {105, 5}, {60, 5}, {0, 0}, {0, 0}, {90, 3}, {120, 3}, {90, 6}}}, // Sword
    {{{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {90, 3}, {120, 3}, {90, 6}}}, // Two Handed
    {{{60, 5}, {60, 5}, {60, 5}, {60, 5}, {60, 5}, {60, 5}, {60, 5}, {90, 6}}}, // Bartering
    {{{0, 0}, {0, 0}, {105, 5}, {0, 0}, {120, 3}, {0, 0}, {0, 0}, {0, 0}}}, // Concentrate
    {{{0, 0}, {105, 5}, {0, 0}, {0, 0}, {0, 0}, {90, 3}, {120, 3}, {90, 6}}}, // Immunity
    {{{60, 5}, {105, 5}, {60, 5}, {60, 5}, {60, 5}, {30, 7}, {30, 7}, {90, 6}}}, // Lockpick
    {{{60, 5}, {60, 5}, {60, 5}, {60, 5}, {60, 5}, {60, 5}, {60, 5}, {90, 6}}}, // Perception
    {{{60, 5}, {105, 5}, {60, 5}, {60, 7}, {60, 7}, {60, 5}, {60, 5}, {90, 6}}}, // Repair
    {{{60, 5}, {105, 5}, {60, 5}, {90, 5}, {90, 5}, {90, 3}, {120, 3}, {90, 6}}}, // Resistance
    {{{60, 5}, {60, 5}, {60, 5}, {90, 5}, {90, 5}, {30, 7}, {30, 7}, {90, 6}}}, // Sense Magic
    {{{60, 5}, {60, 5}, {60, 5}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {90, 6}}}, // Stealth
    {{{0, 0}, {105, 5}, {0, 0}, {0, 0}, {0, 0}, {90, 3}, {120, 3}, {90, 6}}}, // Surround Hit
    {{{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {120, 3}, {0, 0}}}, // Warcry
    {{{0, 0}, {0, 0}, {105, 5}, {90, 3}, {120, 3}, {0, 0}, {0, 0}, {90, 6}}}, // Blast
    {{{60, 5}, {60, 5}, {105, 5}, {90, 3}, {120, 3}, {30, 7}, {30, 7}, {90, 6}}}, // Bless
    {{{60, 5}, {60, 5}, {105, 5}, {90, 3}, {120, 3}, {0, 0}, {0, 0}, {90, 6}}}, // Curse
    {{{0, 0}, {0, 0}, {0, 0}, {90, 3}, {120, 3}, {0, 0}, {0, 0}, {90, 6}}}, // Dispel Magic
    {{{60, 5}, {60, 5}, {105, 5}, {90, 3}, {120, 3}, {30, 7}, {30, 7}, {90, 6}}}, // Enhance Weapon
    {{{0, 0}, {0, 0}, {0, 0}, {90, 3}, {120, 3}, {0, 0}, {0, 0}, {90, 6}}}, // Ghost Companion
    {{{60, 5}, {60, 5}, {105, 5}, {60, 5}, {60, 5}, {60, 5}, {60, 5}, {90, 6}}}, // Guardian Angel
    {{{60, 5}, {60, 5}, {105, 5}, {90, 3}, {120, 3}, {30, 5}, {30, 5}, {90, 6}}}, // Heal
    {{{60, 5}, {60, 5}, {105, 5}, {90, 3}, {120, 3}, {30, 7}, {30, 7}, {90, 6}}}, // Identify
    {{{60, 5}, {60, 5}, {105, 5}, {90, 3}, {120, 3}, {30, 7}, {30, 7}, {90, 6}}}, // Light
    {{{0, 0}, {0, 0}, {0, 0}, {90, 3}, {120, 3}, {0, 0}, {0, 0}, {90, 6}}}, // Magic Shield
    {{{60, 5}, {60, 5}, {105, 5}, {90, 3}, {120, 3}, {30, 7}, {30, 7}, {90, 6}}}, // Protection
    {{{60, 5}, {60, 5}, {105, 5}, {90, 3}, {120, 3}, {30, 7}, {30, 7}, {90, 6}}}, // Recall
    {{{60, 5}, {60, 5}, {105, 5}, {90, 3}, {120, 3}, {0, 0}, {0, 0}, {90, 6}}}, // Stun
}};
// clang-format on

constexpr CheckedArray<Level, RaceCount, SkillCount, 2> BuildRaceTable() {
    CheckedArray<Level, RaceCount, SkillCount, 2> table;
    for (int race = 0; race < RaceCount; ++race) {
        for (int skill = 0; skill < SkillCount; ++skill) {
            const Limits &limits =
                RaceLimits.at(static_cast<std::size_t>(skill)).at(static_cast<std::size_t>(race));
            table.at(race, skill, RaceMaxKind) = limits.max;
            table.at(race, skill, RaceDifficultyKind) = limits.difficulty;
        }
    }
    return table;
}

constexpr CheckedArray<Level, RaceCount, SkillCount, 2> raceTable = BuildRaceTable();

} // namespace

constinit const CheckedArray<Level, RaceCount, SkillCount, 2> &RaceTable = raceTable;

UnknownRace::UnknownRace(RaceNumber race)
    : std::out_of_range("race " + std::to_string(race) + " is outside 0 to " +
                        std::to_string(RaceCount - 1)),
      m_race(race) {}

Level RaceMax(RaceNumber race, SkillNumber skill) {
    CheckRace(race);
    return RaceTable.at(race, skill, RaceMaxKind);
}

DifficultyClass RaceDifficulty(RaceNumber race, SkillNumber skill) {
    CheckRace(race);
    return RaceTable.at(race, skill, RaceDifficultyKind);
}

void CheckRace(RaceNumber race) {
    if (race < 0 || race >= RaceCount) {
        throw UnknownRace(race);
    }
}

std::string RaceName(RaceNumber race) {
    if (race < 0 || race >= RaceCount) {
        return "Invalid";
    }
    return std::string(RaceNames.at(static_cast<std::size_t>(race)));
}

RaceNumber RaceFromName(std::string_view name) {
    for (std::size_t race = 0; race < RaceNames.size(); ++race) {
        if (RaceNames.at(race) == name) {
            return static_cast<RaceNumber>(race);
        }
    }
    return -1;
}

} // namespace Tarrowind_Module
