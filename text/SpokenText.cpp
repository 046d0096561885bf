// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/SpokenText.h"

#include "rules/Tarrowind_Module.h"
#include "text/GameNames.h"
#include "text/NumberText.h"

#include <QCoreApplication>
#include <QStringList>

namespace SpokenText {

QString SkillRow(const QString &name, const Tarrowind_Module::SkillPlanEntry &entry,
                 const QLocale &locale) {
    //: What a screen reader says for a row of the skill list: %1 is the skill's name.
    return QCoreApplication::translate("SpokenText",
                                       "%1: base %2, equipment %3, modded %4, goal %5, cost %6")
        .arg(name, QString::number(entry.Base), QString::number(entry.EQ),
             QString::number(entry.Mod), QString::number(entry.Goal),
             NumberText::GroupedAmount(entry.GoalCost, locale));
}

QString Total(std::int32_t total, const QLocale &locale) {
    return QCoreApplication::translate("SpokenText", "Goal Cost Total: %1")
        .arg(NumberText::GroupedAmount(total, locale));
}

QString PlanChange(const Tarrowind_Module::CharacterPlan &before,
                   const Tarrowind_Module::CharacterPlan &after, const QLocale &locale) {
    using namespace Tarrowind_Module;
    QStringList sentences;
    if (after.race != before.race) {
        sentences << QCoreApplication::translate("SpokenText", "Race: %1")
                         .arg(GameNames::Race(after.race));
    }
    const SkillNumber s = after.selected;
    if (s >= 0 && s < SkillCount &&
        (after.race != before.race || s != before.selected ||
         !(after.skills[s] == before.skills[s]))) {
        sentences << SkillRow(GameNames::Skill(s), after.skills[s], locale);
    }
    std::int32_t total = 0;
    after.GoalTotal(total);
    sentences << Total(total, locale);
    //: Between the sentences said after a change, such as "Race: Templar" and the total.
    return sentences.join(QCoreApplication::translate("SpokenText", ". "));
}

QString HistoryStep(HistoryMove move, const QString &step) {
    //: %1 is the step's name, such as "Max Goals".
    return (move == HistoryMove::Undone ? QCoreApplication::translate("SpokenText", "Undone: %1.")
                                        : QCoreApplication::translate("SpokenText", "Redone: %1."))
        .arg(step);
}

QString LiveCost(std::int32_t cost, const QLocale &locale) {
    return QCoreApplication::translate("SpokenText", "Experience to Goal: %1")
        .arg(NumberText::GroupedAmount(cost, locale));
}

QString DetailBoxDescription(DetailBox box, const QString &skillName) {
    switch (box) {
    case DetailBox::Base:
        return QCoreApplication::translate(
                   "SpokenText", "Base level of %1; Enter stores it within what the race allows")
            .arg(skillName);
    case DetailBox::Equipment:
        return QCoreApplication::translate(
                   "SpokenText", "What the character's equipment adds to %1; Enter stores it")
            .arg(skillName);
    case DetailBox::Goal:
        return QCoreApplication::translate(
                   "SpokenText",
                   "The base level %1 should reach; Enter stores it within what the race allows")
            .arg(skillName);
    case DetailBox::Cost:
        return QCoreApplication::translate(
                   "SpokenText", "Experience needed to raise %1 from its base level to its goal")
            .arg(skillName);
    }
    return {};
}

} // namespace SpokenText
