// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/PlanText.h"

#include "rules/Tarrowind_Module.h"
#include "text/GameNames.h"
#include "text/NumberText.h"
#include "text/SkillRow.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <initializer_list>

using namespace Qt::StringLiterals;
using namespace Tarrowind_Module;

namespace PlanText {

namespace {

QString HtmlRow(std::initializer_list<QString> cells, const QString &tag = u"td"_s) {
    QString row = u"<tr>"_s;
    for (const QString &cell : cells) {
        row += u'<' + tag + u'>' + cell.toHtmlEscaped() + u"</"_s + tag + u'>';
    }
    return row + u"</tr>\n"_s;
}

// A paste's note names at most this many lowered levels, and how many more there are.
constexpr qsizetype NamedLoweredLevels = 3;

// A copied line ends at its last character: the fill that lines up the window's columns is
// left out where nothing follows it.
QString WithoutTrailingBlanks(QString line) {
    while (!line.isEmpty() && line.back().isSpace()) {
        line.chop(1);
    }
    return line;
}

} // namespace

QString Format(const CharacterPlan &plan, const QLocale &locale) {
    QStringList lines;
    lines.reserve(SkillCount + 3);
    lines << QLatin1String(RaceCaption) + GameNames::Race(plan.race) << QLatin1String(Header);
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        lines << WithoutTrailingBlanks(
            SkillRowText(GameNames::Skill(s), plan.skills.at(s), locale));
    }
    std::int32_t total = 0;
    plan.GoalTotal(total);
    lines << WithoutTrailingBlanks(QLatin1String(TotalCaption) +
                                   NumberText::GroupedText(total, locale));
    return lines.join(u'\n');
}

QString FormatPlans(const std::vector<std::pair<QString, CharacterPlan>> &plans,
                    const QLocale &locale) {
    QStringList texts;
    for (const auto &[name, plan] : plans) {
        texts << QLatin1String(PlanCaption) + u' ' + name + u'\n' + Format(plan, locale);
    }
    return texts.join(u"\n\n"_s);
}

QString FormatHtml(const CharacterPlan &plan) {
    // Like RaceCaption, Header and TotalCaption, the table's words are the same in every language.
    QString html = u"<html><head><meta charset=\"utf-8\"></head><body><table>\n"_s;
    html += HtmlRow({u"Race"_s, GameNames::Race(plan.race)});
    html += HtmlRow({u"Skill Name"_s, u"Base"_s, u"EQ"_s, u"Mod"_s, u"Goal"_s, u"Goal Cost"_s},
                    u"th"_s);
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        const SkillPlanEntry &entry = plan.skills.at(s);
        html += HtmlRow({GameNames::Skill(s), QString::number(entry.Base),
                         QString::number(entry.EQ), QString::number(entry.Mod),
                         QString::number(entry.Goal), QString::number(entry.GoalCost)});
    }
    std::int32_t total = 0;
    plan.GoalTotal(total);
    html += HtmlRow({u"Goal Cost Total"_s, {}, {}, {}, {}, QString::number(total)});
    return html + u"</table></body></html>\n"_s;
}

void PastedPlan::StoreInto(CharacterPlan &plan) const {
    if (race) {
        plan.race = *race;
        plan.ResetSkills();
    }
    for (const SkillLevels &levels : skills) {
        plan.SetLevels(levels.skill, levels.Base, levels.EQ, levels.Goal);
    }
}

QStringList LoweredLevels(const PastedPlan &pasted, const CharacterPlan &plan) {
    QStringList lowered;
    const QString race = GameNames::Race(plan.race);
    for (const SkillLevels &entered : pasted.skills) {
        const SkillPlanEntry &stored = plan.skills.at(entered.skill);
        const bool base = stored.Base < entered.Base;
        const bool goal = stored.Goal < entered.Goal;
        if (!base && !goal) {
            continue;
        }
        const QString skill = GameNames::Skill(entered.skill);
        const QString enteredBase = QString::number(entered.Base);
        const QString enteredGoal = QString::number(entered.Goal);
        // Recalculation lowers a level only to the race's highest, and a base and goal lowered
        // together end at the same highest.
        const QString highest = QString::number(goal ? stored.Goal : stored.Base);
        if (RaceMax(plan.race, entered.skill) == 0) {
            lowered << (base && goal
                            ? QCoreApplication::translate(
                                  "PlanText", "%1 base %2 and goal %3 lowered to 0, since %4 "
                                              "cannot learn it")
                                  .arg(skill, enteredBase, enteredGoal, race)
                        : base
                            ? QCoreApplication::translate(
                                  "PlanText", "%1 base %2 lowered to 0, since %3 cannot learn it")
                                  .arg(skill, enteredBase, race)
                            : QCoreApplication::translate(
                                  "PlanText", "%1 goal %2 lowered to 0, since %3 cannot learn it")
                                  .arg(skill, enteredGoal, race));
        } else {
            lowered << (base && goal ? QCoreApplication::translate(
                                           "PlanText",
                                           "%1 base %2 and goal %3 lowered to %4, the highest for "
                                           "%5")
                                           .arg(skill, enteredBase, enteredGoal, highest, race)
                        : base ? QCoreApplication::translate(
                                     "PlanText", "%1 base %2 lowered to %3, the highest for %4")
                                     .arg(skill, enteredBase, highest, race)
                               : QCoreApplication::translate(
                                     "PlanText", "%1 goal %2 lowered to %3, the highest for %4")
                                     .arg(skill, enteredGoal, highest, race));
        }
    }
    return lowered;
}

QString PastedNote(const PastedPlan &pasted, const CharacterPlan &plan) {
    const QStringList lowered = LoweredLevels(pasted, plan);
    if (lowered.isEmpty()) {
        return QCoreApplication::translate("PlanText", "Plan pasted.");
    }
    const QString named = lowered.first(std::min(lowered.size(), NamedLoweredLevels)).join(u"; ");
    if (lowered.size() <= NamedLoweredLevels) {
        return QCoreApplication::translate("PlanText", "Plan pasted: %1.").arg(named);
    }
    const int count = static_cast<int>(lowered.size());
    return QCoreApplication::translate("PlanText", "Plan pasted: %1; %n skill(s) lowered in all.",
                                       nullptr, count)
        .arg(named);
}

} // namespace PlanText
