// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/ExpCost.h"

#include "rules/CheckedMath.h"

namespace Tarrowind_Module {

namespace {

// Whole numbers throughout: the largest product, 120^3 * 15, fits an Experience, and dividing a
// non-negative one by 40 drops the fraction just as flooring the quotient would.
constexpr CheckedArray<Experience, DifficultyCount, LevelCount> BuildExpCostTable() {
    CheckedArray<Experience, DifficultyCount, LevelCount> table;
    for (int d = 0; d < DifficultyCount; ++d) {
        for (int level = 0; level < LevelCount; ++level) {
            table.at(d, level) = level * level * level * d / 40;
        }
    }
    return table;
}

constexpr CheckedArray<Experience, DifficultyCount, LevelCount> expCostTable = BuildExpCostTable();

} // namespace

constinit const CheckedArray<Experience, DifficultyCount, LevelCount> &ExpCostTable = expCostTable;

Experience ExpToGoal(Level base, Level goal, DifficultyClass d) {
    if (goal < base) {
        return -1;
    }
    Experience sum = 0;
    for (int level = base; level < goal; ++level) {
        sum = CheckedAdd(sum, ExpCostTable.at(d, level));
    }
    return sum;
}

} // namespace Tarrowind_Module
