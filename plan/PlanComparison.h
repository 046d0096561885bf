// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "plan/CharacterPlan.h"
#include "rules/Types.h"

#include <cstdint>
#include <vector>

// One plan's side of a skill compared with another plan.
struct ComparedSkill {
    std::int16_t base = 0;
    std::int16_t eq = 0;
    std::int16_t goal = 0;
    std::int32_t moddedAtGoal = 0; // ModdedAtGoal
    std::int32_t experience = 0;   // GoalCost: from the base to the goal

    friend bool operator==(const ComparedSkill &, const ComparedSkill &) = default;
};

// One skill in two plans.
struct SkillComparison {
    Tarrowind_Module::SkillNumber skill = 0;
    ComparedSkill first;
    ComparedSkill second;

    // Whether the base, equipment bonus, goal, modded value at goal or experience differ. Two
    // plans of different races can hold the same levels at different costs, and such a skill
    // differs too, so that the rows that differ account for the difference of the totals.
    bool Differs() const { return first != second; }

    friend bool operator==(const SkillComparison &, const SkillComparison &) = default;
};

// Two plans side by side: their races, every skill in skill order, and their totals.
struct PlanComparison {
    Tarrowind_Module::RaceNumber firstRace = 0;
    Tarrowind_Module::RaceNumber secondRace = 0;
    std::vector<SkillComparison> skills;
    std::int32_t firstTotal = 0;
    std::int32_t secondTotal = 0;

    // The skills that differ, in skill order.
    std::vector<SkillComparison> Differing() const;
    // The second total less the first, which 32 bits need not hold.
    std::int64_t TotalDifference() const {
        return std::int64_t{secondTotal} - std::int64_t{firstTotal};
    }
};

// Compares two recalculated plans skill by skill; the selected skills do not count. Throws
// UnknownRace for a plan of an invalid race, leaving both plans alone.
PlanComparison ComparePlans(const CharacterPlan &first, const CharacterPlan &second);

// Sets the goal of every skill of `plan` to that of `from`, keeping its race, bases and
// equipment bonuses. The plan is not recalculated: that clamps a goal to what the plan's race
// allows, and raises one below the plan's base to it.
void TakeGoals(CharacterPlan &plan, const CharacterPlan &from);
