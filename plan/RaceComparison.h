// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "plan/CharacterPlan.h"
#include "rules/Types.h"

#include <array>
#include <cstdint>

// What the plan would come to for one race.
struct RaceCost {
    Tarrowind_Module::RaceNumber race = 0;
    // False when the plan cannot be recalculated for this race (a modded value leaves 16 bits);
    // total is then 0 and means nothing.
    bool recalculated = false;
    std::int32_t total = 0;
    // Skills the race can learn whose stored base or goal is above its maximum, so that the
    // recalculation lowers them.
    int lowered = 0;
    // Skills the race cannot learn at all although the plan holds something for them: a base
    // or goal above the skill's start level, or an equipment bonus.
    int unlearnable = 0;

    friend bool operator==(const RaceCost &, const RaceCost &) = default;
};

// The plan's stored bases, equipment bonuses and goals with the race set to `race`, recalculated
// as the planner's own recalculation does, without a reset: what the plan would be for that race.
// Throws as the recalculation does: UnknownRace for an invalid race, std::overflow_error when a
// modded value leaves 16 bits for that race, which another race's bases (raised from 0 to 1) or
// attributes can cause in a plan that fits its own. The plan itself is left alone.
CharacterPlan PlanForRace(const CharacterPlan &plan, Tarrowind_Module::RaceNumber race);

// The plan's stored bases, equipment bonuses and goals with the race set to each race in turn,
// recalculated as the planner's own recalculation does, without a reset. One entry per race,
// in race order. The plan itself is left alone.
std::array<RaceCost, Tarrowind_Module::RaceCount> CompareRaces(const CharacterPlan &plan);
