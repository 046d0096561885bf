// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/CheckedArray.h"
#include "rules/Types.h"

#include <cstdint>

struct SkillPlanEntry {
    std::int16_t Base = 0;     // base level the character has
    std::int16_t EQ = 0;       // bonus from equipment, any value, never clamped
    std::int16_t Mod = 0;      // Base + EQ + attribute bonus
    std::int16_t Goal = 0;     // the base level the player wants to reach
    std::int32_t GoalCost = 0; // experience from Base to Goal

    friend bool operator==(const SkillPlanEntry &, const SkillPlanEntry &) = default;
};

// The one character being planned: its race, one record per skill and the skill shown in the
// detail boxes. Every operation that can fail leaves the plan exactly as it was.
struct CharacterPlan {
    Tarrowind_Module::RaceNumber race = 0;
    Tarrowind_Module::CheckedArray<SkillPlanEntry, Tarrowind_Module::SkillCount> skills{};
    Tarrowind_Module::SkillNumber selected = 0;

    // The plan as choosing `race` leaves it: every skill at its start for the race, recalculated.
    // Throws UnknownRace for an invalid race.
    [[nodiscard]] static CharacterPlan Started(Tarrowind_Module::RaceNumber race);

    // Base = start value, EQ = 0, Goal = 0 for every skill.
    void ResetSkills();
    // Base, or Goal, of every skill = the race's maximum. Throw UnknownRace for an invalid
    // race, changing nothing.
    void MaxBases();
    void MaxGoals();

    // Stores one skill's levels as the user gave them: Base, EQ and Goal, unclamped until the
    // next Recalculate. Throws std::out_of_range for a skill outside 0 to 36, changing nothing.
    void SetLevels(Tarrowind_Module::SkillNumber skill, std::int16_t base, std::int16_t eq,
                   std::int16_t goal);

    // What raising `skill` from `base` to `goal` would cost for the plan's race, for levels
    // still being typed and not stored: 0 when goal < base; otherwise ExpToGoal with the race's
    // difficulty class, which throws UnknownRace for an invalid race and std::out_of_range for a
    // skill outside 0 to 36 or a step outside levels 0 to 120.
    [[nodiscard]] Tarrowind_Module::Experience LiveCost(Tarrowind_Module::SkillNumber skill,
                                                        std::int16_t base, std::int16_t goal) const;

    // The attribute bonus of a skill: the sum of the current Mod of its three attributes,
    // divided by 5 and rounded toward negative infinity; 0 for the attributes themselves.
    [[nodiscard]] std::int16_t StatMod(Tarrowind_Module::SkillNumber Skillnum) const;

    // Clamps every level to the race's maxima, then computes every Mod and GoalCost.
    // All or nothing: on an invalid race (UnknownRace) or an overflow (std::overflow_error) it
    // throws and changes nothing.
    void Recalculate();

    // The sum of GoalCost over all skills.
    void GoalTotal(std::int32_t &total) const;

    // The same race and records; which skill is selected does not count.
    [[nodiscard]] bool SameLevels(const CharacterPlan &other) const {
        return race == other.race && skills == other.skills;
    }

    friend bool operator==(const CharacterPlan &, const CharacterPlan &) = default;
};

// The plan's records stand beside the rules they are built on.
namespace Tarrowind_Module {
using ::CharacterPlan;
using ::SkillPlanEntry;

// The modded value of a skill at its goal: Goal + EQ + the sum of Goal + EQ of its three
// attributes divided by 5, rounded toward negative infinity. For an attribute Goal + EQ; for a
// skill the race cannot learn 0 (an attribute the race cannot learn adds 0 to the sum).
// Worked out in 32 bits, so no 16-bit input overflows it. Reads the plan as it is: throws
// UnknownRace for an invalid race and std::out_of_range for a skill outside 0 to 36.
std::int32_t ModdedAtGoal(const CharacterPlan &plan, SkillNumber skill);
} // namespace Tarrowind_Module
