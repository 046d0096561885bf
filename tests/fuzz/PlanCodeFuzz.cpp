// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

// Any text as a plan code: reading never fails other than by its answer, and a code it accepts
// is exactly the code its plan is written as, the plan recalculated as it was read. An input
// whose first byte is odd gets "TWP1-" in front of the rest, so that most inputs reach the bits.
#include "FuzzCheck.h"

#include "plan/PlanCode.h"

#include <string>
#include <variant>

using namespace Tarrowind_Module;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size) {
    FuzzInput input(data, size);
    const bool prefixed = (input.Byte() & 1U) != 0;
    std::string code(reinterpret_cast<const char *>(input.Rest()), input.RestSize());
    if (prefixed) {
        code = "TWP1-" + code;
    }
    const auto read = ReadPlanCode(code);
    if (const auto *plan = std::get_if<CharacterPlan>(&read)) {
        FUZZ_CHECK(WritePlanCode(*plan) == code, "accepted %s, writes back otherwise",
                   code.c_str());
        CharacterPlan again = *plan;
        again.Recalculate();
        FUZZ_CHECK(again == *plan, "accepted %s as a plan that is not recalculated", code.c_str());
    }
    return 0;
}
