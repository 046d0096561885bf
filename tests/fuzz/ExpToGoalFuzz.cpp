// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

// ExpToGoal with any three 16-bit values: it answers -1 for a goal below the base, 0 for equal
// levels, otherwise the sum of the table steps base..goal-1, and fails with std::out_of_range,
// and nothing else, exactly when one of those steps lies outside the table.
#include "FuzzCheck.h"

#include "rules/Tarrowind_Module.h"

#include <cstdint>
#include <stdexcept>

using namespace Tarrowind_Module;

namespace {

// The cost of one level step, from the cubic rule itself rather than from the table.
std::int64_t StepCost(std::int64_t level, std::int64_t d) {
    return level * level * level * d / 40;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size) {
    FuzzInput input(data, size);
    const Level base = input.Int16();
    const Level goal = input.Int16();
    const DifficultyClass d = input.Int16();

    bool inTable = true;
    std::int64_t expected = 0;
    if (goal < base) {
        expected = -1;
    } else if (goal > base) {
        inTable = d >= 0 && d < DifficultyCount && base >= 0 && goal - 1 < LevelCount;
        for (std::int64_t level = base; inTable && level < goal; ++level) {
            expected += StepCost(level, d);
        }
    }

    try {
        const Experience cost = ExpToGoal(base, goal, d);
        FUZZ_CHECK(inTable, "ExpToGoal(%d, %d, %d) = %d but steps lie outside the table", base,
                   goal, d, cost);
        FUZZ_CHECK(cost == expected, "ExpToGoal(%d, %d, %d) = %d, expected %lld", base, goal, d,
                   cost, static_cast<long long>(expected));
    } catch (const std::out_of_range &) {
        FUZZ_CHECK(!inTable, "ExpToGoal(%d, %d, %d) failed although every step is in the table",
                   base, goal, d);
    }
    return 0;
}
