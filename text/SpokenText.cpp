// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/SpokenText.h"

#include "rules/Tarrowind_Module.h"
#include "text/NumberText.h"
#include "text/SkillRow.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace SpokenText {

QString SkillRow(const QString &name, const Tarrowind_Module::SkillPlanEntry &entry,
                 const QLocale &locale) {
    return u"%1: base %2, equipment %3, modded %4, goal %5, cost %6"_s.arg(
        name, QString::number(entry.Base), QString::number(entry.EQ), QString::number(entry.Mod),
        QString::number(entry.Goal), NumberText::GroupedAmount(entry.GoalCost, locale));
}

QString Total(std::int32_t total, const QLocale &locale) {
    return QLatin1String(GoalTotalCaption) + NumberText::GroupedAmount(total, locale);
}

QString PlanChange(const Tarrowind_Module::CharacterPlan &before,
                   const Tarrowind_Module::CharacterPlan &after, const QLocale &locale) {
    using namespace Tarrowind_Module;
    QStringList sentences;
    if (after.race != before.race) {
        sentences << u"Race: "_s + QString::fromStdString(RaceName(after.race));
    }
    const SkillNumber s = after.selected;
    if (s >= 0 && s < SkillCount &&
        (after.race != before.race || s != before.selected ||
         !(after.skills[s] == before.skills[s]))) {
        sentences << SkillRow(QString::fromStdString(SkillName(s)), after.skills[s], locale);
    }
    std::int32_t total = 0;
    after.GoalTotal(total);
    sentences << Total(total, locale);
    return sentences.join(u". "_s);
}

QString HistoryStep(HistoryMove move, const QString &step) {
    return (move == HistoryMove::Undone ? u"Undone: %1."_s : u"Redone: %1."_s).arg(step);
}

QString LiveCost(std::int32_t cost, const QLocale &locale) {
    return u"Experience to Goal: "_s + NumberText::GroupedAmount(cost, locale);
}

QString DetailBoxDescription(DetailBox box, const QString &skillName) {
    switch (box) {
    case DetailBox::Base:
        return u"Base level of %1; Enter stores it within what the race allows"_s.arg(skillName);
    case DetailBox::Equipment:
        return u"What the character's equipment adds to %1; Enter stores it"_s.arg(skillName);
    case DetailBox::Goal:
        return u"The base level %1 should reach; Enter stores it within what the race allows"_s.arg(
            skillName);
    case DetailBox::Cost:
        return u"Experience needed to raise %1 from its base level to its goal"_s.arg(skillName);
    }
    return {};
}

} // namespace SpokenText
