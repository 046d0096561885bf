// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/CheckedArray.h"
#include "rules/Types.h"

namespace Tarrowind_Module {

// Entry (d, L): the experience to raise a skill of difficulty class d from level L to L + 1,
// that is L^3 * d / 40 with the fraction dropped. A constant, readable before main() begins.
extern const CheckedArray<Experience, DifficultyCount, LevelCount> &ExpCostTable;

// The experience to raise a skill of class d from base to goal: -1 when goal < base, 0 when
// they are equal (whatever the class), otherwise the sum of the steps base..goal-1. A step
// outside class 0 to 15 or level 0 to 120 throws std::out_of_range.
[[nodiscard]] Experience ExpToGoal(Level base, Level goal, DifficultyClass d);

} // namespace Tarrowind_Module
