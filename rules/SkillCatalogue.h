// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/CheckedArray.h"
#include "rules/Types.h"

#include <string>

namespace Tarrowind_Module {

// Base level of every skill after a reset. Like every rules table, a constant that is readable
// before main() begins.
extern const CheckedArray<Level, SkillCount> &StartValueTable;

// For every skill the three attributes (0 to 4) whose modded values make up its attribute
// bonus; the attributes themselves have -1 in all three slots.
inline constexpr int StatSlots = 3;
extern const CheckedArray<SkillNumber, SkillCount, StatSlots> &StatDependencyTable;

// The program's start-up step for the rules. The tables are built by the compiler, so this has
// nothing left to build and does nothing; a lookup never depends on it, and calling it again,
// or not at all, changes nothing.
void InitTables() noexcept;

// The skill's name as the player sees it; "Invalid" for any number outside 0 to 36.
[[nodiscard]] std::string SkillName(SkillNumber skill);

// The start level of a skill; throws std::out_of_range outside 0 to 36.
[[nodiscard]] Level StartValue(SkillNumber skill);

} // namespace Tarrowind_Module
