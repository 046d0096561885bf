// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

// A plan with any race, any levels and bonuses, put through any sequence of the bulk operations,
// stored values and race changes, each followed by a recalculation. After every step either the
// step succeeded and every rule of the plan holds, or it failed with the plan exactly as before.
#include "FuzzCheck.h"

#include "plan/CharacterPlan.h"
#include "rules/Tarrowind_Module.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>

using namespace Tarrowind_Module;

namespace {

bool Fits16(std::int64_t value) {
    return value >= std::numeric_limits<std::int16_t>::min() &&
           value <= std::numeric_limits<std::int16_t>::max();
}

std::int64_t FloorDiv5(std::int64_t sum) {
    return sum / 5 - (sum % 5 < 0 ? 1 : 0);
}

std::int64_t CostFromRule(std::int64_t base, std::int64_t goal, std::int64_t d) {
    std::int64_t cost = 0;
    for (std::int64_t level = base; level < goal; ++level) {
        cost += level * level * level * d / 40;
    }
    return cost;
}

// What a recalculation must produce, worked out in 64 bits: nothing when a 16-bit sum would
// leave its range.
std::optional<CharacterPlan> ExpectedRecalculation(const CharacterPlan &plan) {
    CharacterPlan next = plan;
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        SkillPlanEntry &entry = next.skills[s];
        const Level max = RaceTable.at(plan.race, s, RaceMaxKind);
        const Level base = max == 0 ? 0 : std::clamp<Level>(entry.Base, 1, max);
        entry.Goal = std::max<Level>(std::min(entry.Goal, max), base);
        entry.Base = base;
    }
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        SkillPlanEntry &entry = next.skills[s];
        const std::int64_t levels = std::int64_t{entry.Base} + entry.EQ;
        std::int64_t bonus = 0;
        if (StatDependencyTable.at(s, 0) != -1) {
            std::int64_t sum = 0;
            for (int slot = 0; slot < StatSlots; ++slot) {
                sum += next.skills[StatDependencyTable.at(s, slot)].Mod;
                if (!Fits16(sum)) {
                    return std::nullopt;
                }
            }
            bonus = FloorDiv5(sum);
        }
        if (!Fits16(levels) || !Fits16(levels + bonus)) {
            return std::nullopt;
        }
        const Level max = RaceTable.at(plan.race, s, RaceMaxKind);
        entry.Mod = max == 0 ? Level{0} : static_cast<Level>(levels + bonus);
        entry.GoalCost = static_cast<Experience>(
            CostFromRule(entry.Base, entry.Goal, RaceTable.at(plan.race, s, RaceDifficultyKind)));
    }
    return next;
}

bool ValidRace(RaceNumber race) {
    return race >= 0 && race < RaceCount;
}

void RecalculateAndCheck(CharacterPlan &plan) {
    const CharacterPlan before = plan;
    const std::optional<CharacterPlan> expected =
        ValidRace(plan.race) ? ExpectedRecalculation(plan) : std::nullopt;
    try {
        plan.Recalculate();
    } catch (const std::overflow_error &) {
        FUZZ_CHECK(ValidRace(plan.race) && !expected, "race %d: unexpected overflow", plan.race);
        FUZZ_CHECK(plan == before, "a failed recalculation changed the plan");
        return;
    } catch (const std::out_of_range &) {
        FUZZ_CHECK(!ValidRace(plan.race), "race %d: unexpected index error", plan.race);
        FUZZ_CHECK(plan == before, "a failed recalculation changed the plan");
        return;
    }
    FUZZ_CHECK(expected.has_value(), "race %d: recalculation succeeded past an overflow",
               plan.race);
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        const SkillPlanEntry &got = plan.skills[s];
        const SkillPlanEntry &want = expected->skills[s];
        FUZZ_CHECK(got == want,
                   "race %d skill %d: got Base %d EQ %d Mod %d Goal %d GoalCost %d, expected Base "
                   "%d EQ %d Mod %d Goal %d GoalCost %d",
                   plan.race, s, got.Base, got.EQ, got.Mod, got.Goal, got.GoalCost, want.Base,
                   want.EQ, want.Mod, want.Goal, want.GoalCost);
    }
    FUZZ_CHECK(plan.race == before.race && plan.selected == before.selected,
               "recalculation changed the race or the selected skill");

    std::int64_t sum = 0;
    for (const SkillPlanEntry &entry : plan.skills) {
        sum += entry.GoalCost;
    }
    std::int32_t total = -1;
    plan.GoalTotal(total);
    FUZZ_CHECK(total == sum, "GoalTotal %d, sum of the costs %lld", total,
               static_cast<long long>(sum));
}

// A bulk operation either does its work or, for a race it cannot use, throws and changes nothing.
template <typename Operation> void BulkAndCheck(CharacterPlan &plan, Operation operation) {
    const CharacterPlan before = plan;
    try {
        operation(plan);
    } catch (const std::out_of_range &) {
        FUZZ_CHECK(!ValidRace(plan.race), "race %d: unexpected index error", plan.race);
        FUZZ_CHECK(plan == before, "a failed bulk operation changed the plan");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size) {
    FuzzInput input(data, size);
    CharacterPlan plan;
    plan.race = input.Int16();
    plan.selected = input.Int16();
    for (SkillPlanEntry &entry : plan.skills) {
        entry.Base = input.Int16();
        entry.EQ = input.Int16();
        entry.Goal = input.Int16();
    }
    RecalculateAndCheck(plan);

    // Then a session: each step is one change of the plan, followed by a recalculation.
    while (input.RestSize() > 0) {
        switch (input.Byte() % 5) {
        case 0: {
            SkillPlanEntry &entry = plan.skills[input.Byte() % SkillCount];
            entry.Base = input.Int16();
            entry.EQ = input.Int16();
            entry.Goal = input.Int16();
            break;
        }
        case 1:
            plan.ResetSkills();
            break;
        case 2:
            BulkAndCheck(plan, [](CharacterPlan &p) { p.MaxBases(); });
            break;
        case 3:
            BulkAndCheck(plan, [](CharacterPlan &p) { p.MaxGoals(); });
            break;
        default:
            plan.race = input.Int16();
            plan.ResetSkills();
            break;
        }
        RecalculateAndCheck(plan);
    }
    return 0;
}
