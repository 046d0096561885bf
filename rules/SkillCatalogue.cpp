// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/SkillCatalogue.h"

#include "rules/ExpCost.h"
#include "rules/RaceTable.h"

#include <array>
#include <string_view>

namespace Tarrowind_Module {

namespace {

struct CatalogueEntry {
    std::string_view name;
    Level start;
    std::array<SkillNumber, StatSlots> stats;
};

constexpr SkillNumber None = -1;
constexpr SkillNumber Bra = 0, Wil = 1, Int = 2, Agi = 3, Str = 4;

constexpr std::array<CatalogueEntry, SkillCount> Catalogue{{
    {"Braveness", 10, {None, None, None}},
    {"Willpower", 10, {None, None, None}},
    {"Intuition", 10, {None, None, None}},
    {"Agility", 10, {None, None, None}},
    {"Strength", 10, {None, None, None}},
    {"Regenerate", 4, {Str, Str, Str}},
    {"Meditate", 4, {Wil, Wil, Int}},
    {"Rest", 1, {Agi, Agi, Agi}},
    {"Hand to Hand", 4, {Bra, Str, Agi}},
    {"Dagger", 4, {Bra, Int, Agi}},
    {"Sword", 4, {Bra, Str, Agi}},
    {"Two Handed", 4, {Str, Str, Agi}},
    {"Bartering", 1, {Bra, Wil, Int}},
    {"Concentrate", 1, {Wil, Wil, Wil}},
    {"Immunity", 1, {Bra, Str, Agi}},
    {"Lockpick", 1, {Wil, Int, Agi}},
    {"Perception", 4, {Wil, Int, Agi}},
    {"Repair", 1, {Wil, Int, Agi}},
    {"Resistance", 1, {Bra, Wil, Int}},
    {"Sense Magic", 1, {Bra, Wil, Int}},
    {"Stealth", 4, {Wil, Int, Agi}},
    {"Surround Hit", 1, {Bra, Str, Agi}},
    {"Warcry", 1, {Bra, Wil, Str}},
    {"Blast", 4, {Bra, Wil, Int}},
    {"Bless", 1, {Bra, Wil, Int}},
    {"Curse", 1, {Bra, Wil, Int}},
    {"Dispel Magic", 4, {Bra, Wil, Int}},
    {"Enhance Weapon", 1, {Bra, Wil, Int}},
    {"Ghost Companion", 4, {Bra, Wil, Int}},
    {"Guardian Angel", 1, {Bra, Wil, Int}},
    {"Heal", 1, {Bra, Wil, Int}},
    {"Identify", 1, {Bra, Wil, Int}},
    {"Light", 4, {Bra, Wil, Int}},
    {"Magic Shield", 4, {Bra, Wil, Int}},
    {"Protection", 4, {Bra, Wil, Int}},
    {"Recall", 1, {Bra, Wil, Int}},
    {"Stun", 1, {Bra, Wil, Int}},
}};

constexpr CheckedArray<Level, SkillCount> BuildStartValues() {
    CheckedArray<Level, SkillCount> table;
    for (int skill = 0; skill < SkillCount; ++skill) {
        table.at(skill) = Catalogue.at(static_cast<std::size_t>(skill)).start;
    }
    return table;
}

constexpr CheckedArray<SkillNumber, SkillCount, StatSlots> BuildStatDependencies() {
    CheckedArray<SkillNumber, SkillCount, StatSlots> table;
    for (int skill = 0; skill < SkillCount; ++skill) {
        for (int slot = 0; slot < StatSlots; ++slot) {
            table.at(skill, slot) = Catalogue.at(static_cast<std::size_t>(skill))
                                        .stats.at(static_cast<std::size_t>(slot));
        }
    }
    return table;
}

constexpr CheckedArray<Level, SkillCount> startValues = BuildStartValues();
constexpr CheckedArray<SkillNumber, SkillCount, StatSlots> statDependencies =
    BuildStatDependencies();

} // namespace

constinit const CheckedArray<Level, SkillCount> &StartValueTable = startValues;
constinit const CheckedArray<SkillNumber, SkillCount, StatSlots> &StatDependencyTable =
    statDependencies;

void InitTables() noexcept {}

std::string SkillName(SkillNumber skill) {
    if (skill < 0 || skill >= SkillCount) {
        return "Invalid";
    }
    return std::string(Catalogue.at(static_cast<std::size_t>(skill)).name);
}

Level StartValue(SkillNumber skill) {
    return StartValueTable.at(skill);
}

} // namespace Tarrowind_Module
