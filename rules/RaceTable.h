// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/CheckedArray.h"
#include "rules/Types.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace Tarrowind_Module {

// Per race and skill: kind 0 is the maximum level (RaceMaxTable), kind 1 the difficulty class
// (RaceDifficultyTable). A maximum of 0 means the race cannot learn the skill. A constant,
// readable before main() begins.
inline constexpr int RaceMaxKind = 0;
inline constexpr int RaceDifficultyKind = 1;
extern const CheckedArray<Level, RaceCount, SkillCount, 2> &RaceTable;

// A race number outside 0 to 7: the one fault that callers report as a race the planner does not
// know. It is a std::out_of_range, so code that catches any index out of range still catches it.
class UnknownRace : public std::out_of_range {
public:
    explicit UnknownRace(RaceNumber race);

    [[nodiscard]] RaceNumber race() const noexcept { return m_race; }

private:
    RaceNumber m_race;
};

// Throw UnknownRace for a race outside 0 to 7, std::out_of_range for a skill outside 0 to 36.
[[nodiscard]] Level RaceMax(RaceNumber race, SkillNumber skill);
[[nodiscard]] DifficultyClass RaceDifficulty(RaceNumber race, SkillNumber skill);

// Throws UnknownRace unless 0 <= race <= 7.
void CheckRace(RaceNumber race);

// The race's name as listed for the player; "Invalid" outside 0 to 7.
[[nodiscard]] std::string RaceName(RaceNumber race);

// The race whose name equals the text exactly (case-sensitive), or -1.
[[nodiscard]] RaceNumber RaceFromName(std::string_view name);

} // namespace Tarrowind_Module
