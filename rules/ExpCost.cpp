// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/ExpCost.h"

#include "rules/CheckedMath.h"

#include <cmath>

namespace Tarrowind_Module {

namespace {
CheckedArray<Experience, DifficultyCount, LevelCount> expCostTable;
}

const CheckedArray<Experience, DifficultyCount, LevelCount> &ExpCostTable = expCostTable;

void InitExpTable() {
    // Class 0 and level 0 stay 0: such steps cost nothing.
    for (int d = 1; d < DifficultyCount; ++d) {
        for (int level = 1; level < LevelCount; ++level) {
            const double cube = static_cast<double>(level) * level * level;
            expCostTable.at(d, level) = static_cast<Experience>(std::floor(cube * d / 40.0));
        }
    }
}

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
