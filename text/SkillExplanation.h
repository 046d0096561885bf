// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "plan/CharacterPlan.h"

#include <QLocale>
#include <QString>

// Where the numbers of one skill's row come from, in four lines: the skill with its race's
// difficulty class and maximum; its modded value as base + equipment + attribute bonus and the
// attributes behind the bonus; what the goal costs and what the next level would; the modded
// value once the goals are reached (ModdedAtGoal). For a skill the race cannot learn, says so
// instead. Read from the plan's stored values, so it holds for a recalculated plan; experience
// is grouped with the locale's separator. Throws std::out_of_range for a race outside 0 to 7 or
// a skill outside 0 to 36.
QString SkillExplanation(const Tarrowind_Module::CharacterPlan &plan,
                         Tarrowind_Module::SkillNumber skill, const QLocale &locale = QLocale());

// What a screen reader says after a row's spoken text (SpokenText::SkillRow), which already names
// the skill and says its base, equipment, modded value, goal and cost: the race's difficulty
// class and maximum, the attribute bonus with the attributes behind it, what the next level costs
// and the modded value once the goals are reached; for a skill the race cannot learn, that it
// cannot. Throws as SkillExplanation does.
QString SpokenSkillExplanation(const Tarrowind_Module::CharacterPlan &plan,
                               Tarrowind_Module::SkillNumber skill,
                               const QLocale &locale = QLocale());
