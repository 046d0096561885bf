// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#ifndef Q_MOC_RUN // moc of Qt 6.4 cannot parse <concepts>
#include "plan/CharacterPlan.h"
#endif

// The README's example, an ArchTemplar planning Sword, shared by the tests and benchmarks that
// check or measure what the README says of it.
namespace ExamplePlan {

// Braveness goal 50, Strength equipment 5, Regenerate equipment 3, Sword base 35, equipment 8
// and goal 120, Perception goal 60; every other skill as reset. Not recalculated.
inline void SetLevels(CharacterPlan &plan) {
    plan.ResetSkills();
    plan.skills[0].Goal = 50;
    plan.skills[4].EQ = 5;
    plan.skills[5].EQ = 3;
    plan.skills[10] = {35, 8, 0, 120, 0};
    plan.skills[16].Goal = 60;
}

// The whole plan, recalculated: it costs 4,563,113.
inline CharacterPlan Recalculated() {
    CharacterPlan plan;
    plan.race = 6; // ArchTemplar
    SetLevels(plan);
    plan.Recalculate();
    return plan;
}

} // namespace ExamplePlan
