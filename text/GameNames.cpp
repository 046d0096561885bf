// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/GameNames.h"

#include "rules/RaceTable.h"
#include "rules/SkillCatalogue.h"

#include <QCoreApplication>

namespace GameNames {

QString Skill(Tarrowind_Module::SkillNumber skill) {
    return QString::fromStdString(Tarrowind_Module::SkillName(skill));
}

QString Race(Tarrowind_Module::RaceNumber race) {
    return QString::fromStdString(Tarrowind_Module::RaceName(race));
}

QString CurrentRace(Tarrowind_Module::RaceNumber race) {
    return QCoreApplication::translate("GameNames", "%1 (current)").arg(Race(race));
}

} // namespace GameNames
