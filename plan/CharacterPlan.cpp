// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/CharacterPlan.h"

#include "rules/CheckedMath.h"
#include "rules/ExpCost.h"
#include "rules/RaceTable.h"
#include "rules/SkillCatalogue.h"

#include <cmath>

using namespace Tarrowind_Module;

CharacterPlan CharacterPlan::Started(RaceNumber race) {
    CharacterPlan start;
    start.race = race;
    start.ResetSkills();
    start.Recalculate();
    return start;
}

void CharacterPlan::ResetSkills() {
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        SkillPlanEntry &entry = skills.at(s);
        entry.Base = StartValue(s);
        entry.EQ = 0;
        entry.Goal = 0;
    }
}

void CharacterPlan::MaxBases() {
    CheckRace(race);
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        skills.at(s).Base = RaceMax(race, s);
    }
}

void CharacterPlan::MaxGoals() {
    CheckRace(race);
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        skills.at(s).Goal = RaceMax(race, s);
    }
}

void CharacterPlan::SetLevels(SkillNumber skill, std::int16_t base, std::int16_t eq,
                              std::int16_t goal) {
    SkillPlanEntry &entry = skills.at(skill);
    entry.Base = base;
    entry.EQ = eq;
    entry.Goal = goal;
}

Experience CharacterPlan::LiveCost(SkillNumber skill, std::int16_t base, std::int16_t goal) const {
    if (goal < base) {
        return 0;
    }
    return ExpToGoal(base, goal, RaceDifficulty(race, skill));
}

std::int16_t CharacterPlan::StatMod(SkillNumber Skillnum) const {
    const SkillNumber a = StatDependencyTable.at(Skillnum, 0);
    const SkillNumber b = StatDependencyTable.at(Skillnum, 1);
    const SkillNumber c = StatDependencyTable.at(Skillnum, 2);
    if (a + b + c == -3) {
        return 0;
    }
    const std::int16_t sum =
        CheckedAdd(CheckedAdd(skills.at(a).Mod, skills.at(b).Mod), skills.at(c).Mod);
    return static_cast<std::int16_t>(std::floor(sum / 5.0));
}

void CharacterPlan::Recalculate() {
    CheckRace(race);
    // Work on a copy so that a failure part-way leaves this plan untouched.
    CharacterPlan next = *this;

    for (SkillNumber s = 0; s < SkillCount; ++s) {
        SkillPlanEntry &entry = next.skills.at(s);
        const Level max = RaceMax(race, s);
        if (entry.Base < 1) {
            entry.Base = 1;
        }
        if (entry.Base > max) {
            entry.Base = max;
        }
        if (entry.Goal > max) {
            entry.Goal = max;
        }
        if (entry.Goal < entry.Base) {
            entry.Goal = entry.Base;
        }
    }

    // Attributes are skills 0 to 4, so their Mod is fresh before any later skill's bonus reads it.
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        SkillPlanEntry &entry = next.skills.at(s);
        entry.Mod = CheckedAdd(CheckedAdd(entry.Base, entry.EQ), next.StatMod(s));
        entry.GoalCost = ExpToGoal(entry.Base, entry.Goal, RaceDifficulty(race, s));
        if (RaceMax(race, s) == 0) {
            entry.Mod = 0;
        }
    }

    skills = next.skills;
}

void CharacterPlan::GoalTotal(std::int32_t &total) const {
    std::int32_t sum = 0;
    for (const SkillPlanEntry &entry : skills) {
        sum = CheckedAdd(sum, entry.GoalCost);
    }
    total = sum;
}

std::int32_t Tarrowind_Module::ModdedAtGoal(const CharacterPlan &plan, SkillNumber skill) {
    if (RaceMax(plan.race, skill) == 0) {
        return 0;
    }
    // An attribute the race cannot learn adds nothing, whatever its goal and bonus.
    auto value = [&plan](SkillNumber s) -> std::int64_t {
        const SkillPlanEntry &entry = plan.skills.at(s);
        return RaceMax(plan.race, s) == 0 ? 0 : std::int64_t{entry.Goal} + entry.EQ;
    };
    std::int64_t modded = value(skill);
    if (skill >= AttributeCount) {
        std::int64_t sum = 0;
        for (int slot = 0; slot < StatSlots; ++slot) {
            sum += value(StatDependencyTable.at(skill, slot));
        }
        // Rounded toward negative infinity, as the attribute bonus is.
        modded += sum / 5 - (sum % 5 < 0 ? 1 : 0);
    }
    return static_cast<std::int32_t>(modded);
}
