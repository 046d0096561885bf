// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/Types.h"

#include <QString>
#include <QStringList>

// The game's names of its skills and races, as every window shows them. They stay as the game
// spells them in every language, so they never go through a translation.
namespace GameNames {

// "Sword"; "Invalid" for a number outside 0 to 36.
QString Skill(Tarrowind_Module::SkillNumber skill);

// "Templar"; "Invalid" for a number outside 0 to 7.
QString Race(Tarrowind_Module::RaceNumber race);

// Every skill's name, in the list's order.
QStringList Skills();

// Every race's name, in the race list's order.
QStringList Races();

// The race as a table of races marks the plan's own: "Templar (current)".
QString CurrentRace(Tarrowind_Module::RaceNumber race);

} // namespace GameNames
