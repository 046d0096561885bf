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

QStringList Skills() {
    QStringList names;
    for (Tarrowind_Module::SkillNumber s = 0; s < Tarrowind_Module::SkillCount; ++s) {
        names << Skill(s);
    }
    return names;
}

QStringList Races() {
    QStringList names;
    for (Tarrowind_Module::RaceNumber race = 0; race < Tarrowind_Module::RaceCount; ++race) {
        names << Race(race);
    }
    return names;
}

QString CurrentRace(Tarrowind_Module::RaceNumber race) {
    return QCoreApplication::translate("GameNames", "%1 (current)").arg(Race(race));
}

} // namespace GameNames
