// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "plan/CharacterPlan.h"

#include <string>
#include <string_view>
#include <variant>

// The plan code: a plan in a few dozen characters for a chat line, "TWP1-" and base64url without
// padding. Version 1 holds, as bits from the first character's highest on:
//   race            3 bits
//   changed flags   37 bits, one per skill in skill order: 1 where the skill's base, equipment
//                   bonus or goal differ from what choosing the race gives it
//   each changed skill, in skill order: base 7 bits, goal 7 bits, equipment bonus 16 bits
//                   (two's complement)
//   length          8 bits: the number of characters after "TWP1-"
//   check sum       32 bits: CRC-32 (as zlib's) of the bits before it, packed into bytes from the
//                   highest bit on, the last byte filled with zero bits
// and zero bits up to the last character. A plan with 20 changed skills takes at most 119
// characters; one with all 37 changed, 204. The selected skill is no part of a plan code.
namespace Tarrowind_Module {

inline constexpr std::string_view PlanCodePrefix = "TWP";

// The plan's code. The plan must be one that Recalculate leaves as it is, as every plan the
// planner shows: otherwise std::invalid_argument, or what Recalculate throws.
std::string WritePlanCode(const CharacterPlan &plan);

enum class PlanCodeError {
    NotACode,        // not "TWP", a version digit, "-" and base64url characters
    UnknownVersion,  // a version other than 1
    CutShort,        // fewer characters than the code says it has
    Damaged,         // a check sum that does not match, or more characters than it says
    ImpossibleLevels // levels that no recalculated plan of the race holds
};

// The plan a code gives, recalculated, with the first skill selected. A code is accepted only
// when writing that plan gives the same characters, so one plan has exactly one code.
std::variant<CharacterPlan, PlanCodeError> ReadPlanCode(std::string_view code);

} // namespace Tarrowind_Module
