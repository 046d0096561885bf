// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

// A plan with any race, any levels and bonuses, put through any sequence of the bulk operations,
// stored values and race changes, each followed by a recalculation. After every step either the
// step succeeded and every rule of the plan holds, or it failed with the plan exactly as before.
// The plan the session ends with then goes through the goal optimisers, which may move goals
// only, keep what they must keep and never cost more, and gets a route to up to three milestones,
// which must be the one that trying every combination of levels gives.
#include "FuzzCheck.h"

#include "plan/CharacterPlan.h"
#include "plan/Optimiser.h"
#include "plan/Route.h"
#include "rules/Tarrowind_Module.h"
#include "tests/RouteRules.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>
#include <vector>

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

// Only goals differ, each within its base and maximum; `moves(s)` says which may differ at all.
template <typename Moves>
void CheckGoalsOnly(const CharacterPlan &plan, const CharacterPlan &answer, Moves moves) {
    FUZZ_CHECK(answer.race == plan.race && answer.selected == plan.selected,
               "an optimiser changed the race or the selected skill");
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        const SkillPlanEntry &was = plan.skills[s];
        const SkillPlanEntry &now = answer.skills[s];
        FUZZ_CHECK(now.Base == was.Base && now.EQ == was.EQ && now.Mod == was.Mod,
                   "skill %d: an optimiser changed Base %d EQ %d Mod %d to %d %d %d", s, was.Base,
                   was.EQ, was.Mod, now.Base, now.EQ, now.Mod);
        FUZZ_CHECK(now.Base <= now.Goal && now.Goal <= RaceTable.at(plan.race, s, RaceMaxKind),
                   "skill %d: goal %d outside %d to the maximum", s, now.Goal, now.Base);
        FUZZ_CHECK(moves(s) || now.Goal == was.Goal, "skill %d: goal %d moved to %d", s, was.Goal,
                   now.Goal);
    }
}

void OptimiseAndCheck(const CharacterPlan &plan, bool mayFall, SkillNumber skill,
                      std::int32_t target) {
    std::int32_t total = 0;
    plan.GoalTotal(total);
    const CharacterPlan cheapest = CheapestGoals(plan, mayFall);
    CheckGoalsOnly(plan, cheapest,
                   [&](SkillNumber s) { return RaceTable.at(plan.race, s, RaceMaxKind) > 0; });
    for (SkillNumber s = mayFall ? AttributeCount : 0; s < SkillCount; ++s) {
        FUZZ_CHECK(ModdedAtGoal(cheapest, s) >= ModdedAtGoal(plan, s),
                   "skill %d: modded at goal fell from %d to %d", s, ModdedAtGoal(plan, s),
                   ModdedAtGoal(cheapest, s));
    }
    std::int32_t cheaper = 0;
    cheapest.GoalTotal(cheaper);
    FUZZ_CHECK(cheaper <= total, "the cheapest goals cost %d, the plan %d", cheaper, total);

    const std::optional<CharacterPlan> reached = CheapestReach(plan, skill, target);
    FUZZ_CHECK(reached.has_value() == (target <= HighestReach(plan, skill)),
               "skill %d to %d: reached %d, highest %d", skill, target, reached.has_value(),
               HighestReach(plan, skill));
    if (reached) {
        CheckGoalsOnly(plan, *reached, [&](SkillNumber s) {
            return s == skill ||
                   (skill >= AttributeCount && (StatDependencyTable.at(skill, 0) == s ||
                                                StatDependencyTable.at(skill, 1) == s ||
                                                StatDependencyTable.at(skill, 2) == s));
        });
        FUZZ_CHECK(ModdedAtGoal(*reached, skill) >= target, "skill %d: %d short of %d", skill,
                   ModdedAtGoal(*reached, skill), target);
        for (SkillNumber s = 0; s < SkillCount; ++s) {
            FUZZ_CHECK(reached->skills[s].Goal >= plan.skills[s].Goal, "skill %d: goal lowered", s);
        }
    }
}

// The route is the one the rules give, where trying every combination of a milestone's levels
// is quick; a milestone that names no skill is refused.
void RouteAndCheck(const CharacterPlan &plan, const std::vector<Milestone> &milestones) {
    try {
        const Route route = PlanRoute(plan, milestones);
        const std::optional<Route> expected = RouteRules::Expected(plan, milestones, 20000);
        FUZZ_CHECK(!expected || route == *expected, "the route breaks a rule");
    } catch (const std::out_of_range &) {
        FUZZ_CHECK(std::any_of(milestones.begin(), milestones.end(),
                               [](const Milestone &m) { return m.skill >= SkillCount; }),
                   "a route of a recalculated plan refused its milestones");
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

    CharacterPlan last = plan;
    try {
        last.Recalculate();
    } catch (const std::exception &) {
        return 0; // the session left a plan that does not recalculate; nothing to optimise
    }
    const auto skill =
        static_cast<SkillNumber>(static_cast<unsigned short>(plan.selected) % SkillCount);
    OptimiseAndCheck(last, (plan.selected & 64) != 0, skill,
                     ModdedAtGoal(last, skill) + plan.selected % 64);

    // Milestones drawn from the bonuses the session left on the last skills: one in 38 names no
    // skill, and the targets run from well below what the goals give to just above it.
    std::vector<Milestone> milestones;
    for (int i = 0; i < ((plan.selected >> 7) & 3); ++i) {
        const auto raw = static_cast<unsigned short>(last.skills[SkillCount - 1 - i].EQ);
        const auto milestone = static_cast<SkillNumber>(raw % (SkillCount + 1));
        const std::int32_t top = milestone < SkillCount ? ModdedAtGoal(last, milestone) : 0;
        milestones.push_back({milestone, top + 2 - ((raw >> 8) & 31)});
    }
    RouteAndCheck(last, milestones);
    return 0;
}
