// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/SkillExplanation.h"

#include "plan/Optimiser.h"
#include "rules/ExpCost.h"
#include "rules/RaceTable.h"
#include "rules/SkillCatalogue.h"
#include "text/GameNames.h"
#include "text/NumberText.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

#include <algorithm>
#include <utility>

using namespace Tarrowind_Module;

namespace {

// The attributes behind a skill's bonus, each named once in the order of its first place, with
// its count where it counts more than once: "Braveness, Strength ×2" to read, "Braveness,
// Strength 2 times" to hear.
enum class Counted { Shown, Spoken };

QString AttributeList(SkillNumber skill, Counted counted = Counted::Shown) {
    QList<std::pair<SkillNumber, int>> attributes;
    for (int slot = 0; slot < StatSlots; ++slot) {
        const SkillNumber attribute = StatDependencyTable.at(skill, slot);
        const auto seen = std::find_if(attributes.begin(), attributes.end(),
                                       [attribute](const auto &c) { return c.first == attribute; });
        if (seen != attributes.end()) {
            ++seen->second;
        } else {
            attributes.append({attribute, 1});
        }
    }
    QStringList names;
    for (const auto &[attribute, count] : attributes) {
        if (count == 1) {
            names << GameNames::Skill(attribute);
        } else if (counted == Counted::Shown) {
            names << QCoreApplication::translate("SkillExplanation", "%1 \u00d7%2")
                         .arg(GameNames::Skill(attribute))
                         .arg(count);
        } else {
            names << QCoreApplication::translate("SkillExplanation", "%1 %2 times")
                         .arg(GameNames::Skill(attribute))
                         .arg(count);
        }
    }
    return names.join(QLatin1String(", "));
}

} // namespace

QString SkillExplanation(const CharacterPlan &plan, SkillNumber skill, const QLocale &locale) {
    const SkillPlanEntry &entry = plan.skills.at(skill);
    const QString race = GameNames::Race(plan.race);
    const Level max = RaceMax(plan.race, skill);
    const DifficultyClass d = RaceDifficulty(plan.race, skill);
    const QString name = GameNames::Skill(skill);

    if (max == 0) {
        QString text = QCoreApplication::translate(
                           "SkillExplanation",
                           "%1 (%2, cannot be learned)\n"
                           "%2 cannot learn %1: base, modded value, goal and experience stay 0")
                           .arg(name, race);
        if (entry.EQ != 0) {
            text += QCoreApplication::translate("SkillExplanation",
                                                "; the equipment bonus %1 adds nothing")
                        .arg(entry.EQ);
        }
        return text;
    }

    QString text = QCoreApplication::translate("SkillExplanation",
                                               "%1 (%2, difficulty class %3, at most %4)\n")
                       .arg(name, race)
                       .arg(d)
                       .arg(max);
    text += QCoreApplication::translate("SkillExplanation", "Modded %1 = base %2 + equipment %3")
                .arg(entry.Mod)
                .arg(entry.Base)
                .arg(entry.EQ);
    if (skill < AttributeCount) {
        text += QCoreApplication::translate("SkillExplanation",
                                            "; an attribute gets no attribute bonus");
    } else {
        text += QCoreApplication::translate("SkillExplanation", " + attribute bonus %1 (%2)")
                    .arg(plan.StatMod(skill))
                    .arg(AttributeList(skill));
    }

    text += QLatin1Char('\n');
    if (entry.Goal > entry.Base) {
        text += QCoreApplication::translate("SkillExplanation", "Goal %1: %2 experience")
                    .arg(entry.Goal)
                    .arg(NumberText::GroupedAmount(entry.GoalCost, locale));
    } else {
        text += QCoreApplication::translate("SkillExplanation",
                                            "Goal %1: reached, no experience needed")
                    .arg(entry.Goal);
    }
    if (entry.Base < max) {
        const auto next = static_cast<Level>(entry.Base + 1);
        text +=
            QCoreApplication::translate("SkillExplanation", "; the next level, %1 to %2, costs %3")
                .arg(entry.Base)
                .arg(next)
                .arg(NumberText::GroupedAmount(ExpToGoal(entry.Base, next, d), locale));
    } else {
        text += QCoreApplication::translate("SkillExplanation", "; %1 is the most %2 can reach")
                    .arg(max)
                    .arg(race);
    }
    text += QCoreApplication::translate("SkillExplanation", "\nAt goal: modded %1")
                .arg(ModdedAtGoal(plan, skill));
    return text;
}

QString SpokenSkillExplanation(const CharacterPlan &plan, SkillNumber skill,
                               const QLocale &locale) {
    const SkillPlanEntry &entry = plan.skills.at(skill);
    const QString race = GameNames::Race(plan.race);
    const Level max = RaceMax(plan.race, skill);
    const DifficultyClass d = RaceDifficulty(plan.race, skill);

    if (max == 0) {
        QString text =
            QCoreApplication::translate("SkillExplanation", "%1 cannot learn it").arg(race);
        if (entry.EQ != 0) {
            text += QCoreApplication::translate("SkillExplanation",
                                                "; the equipment bonus adds nothing");
        }
        return text;
    }

    QString text =
        QCoreApplication::translate("SkillExplanation", "%1: difficulty class %2, at most %3")
            .arg(race)
            .arg(d)
            .arg(max);
    if (skill >= AttributeCount) {
        text += QCoreApplication::translate("SkillExplanation", ". Attribute bonus %1 from %2")
                    .arg(plan.StatMod(skill))
                    .arg(AttributeList(skill, Counted::Spoken));
    }
    if (entry.Base < max) {
        const auto next = static_cast<Level>(entry.Base + 1);
        text += QCoreApplication::translate("SkillExplanation", ". The next level costs %1")
                    .arg(NumberText::GroupedAmount(ExpToGoal(entry.Base, next, d), locale));
    } else {
        text += QCoreApplication::translate("SkillExplanation", ". The base is at its maximum");
    }
    text += QCoreApplication::translate("SkillExplanation", ". At goal: modded %1")
                .arg(ModdedAtGoal(plan, skill));
    return text;
}
