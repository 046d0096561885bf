// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/RaceComparison.h"

#include "rules/RaceTable.h"
#include "rules/SkillCatalogue.h"

#include <stdexcept>

using namespace Tarrowind_Module;

CharacterPlan PlanForRace(const CharacterPlan &plan, RaceNumber race) {
    CharacterPlan other = plan;
    other.race = race;
    other.Recalculate();
    return other;
}

std::array<RaceCost, RaceCount> CompareRaces(const CharacterPlan &plan) {
    std::array<RaceCost, RaceCount> costs{};
    for (RaceNumber race = 0; race < RaceCount; ++race) {
        RaceCost &cost = costs.at(static_cast<std::size_t>(race));
        cost.race = race;
        for (SkillNumber s = 0; s < SkillCount; ++s) {
            const SkillPlanEntry &entry = plan.skills[s];
            const Level max = RaceMax(race, s);
            if (max == 0) {
                const Level start = StartValue(s);
                if (entry.Base > start || entry.Goal > start || entry.EQ != 0) {
                    ++cost.unlearnable;
                }
            } else if (entry.Base > max || entry.Goal > max) {
                ++cost.lowered;
            }
        }

        try {
            PlanForRace(plan, race).GoalTotal(cost.total);
            cost.recalculated = true;
        } catch (const std::overflow_error &) {
            // Another race can raise a base (from 0 to 1) or its attributes differently, so a
            // plan that fits its own race may not fit this one.
            cost.recalculated = false;
        }
    }
    return costs;
}
