// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/PlanText.h"

#include "rules/Tarrowind_Module.h"
#include "text/SkillRow.h"

#include <QStringList>

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
    lines << u"Race: "_s + QString::fromStdString(RaceName(plan.race))
          << QLatin1String(SkillListHeader);
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        lines << WithoutTrailingBlanks(
            SkillRowText(QString::fromStdString(SkillName(s)), plan.skills.at(s), locale));
    }
    std::int32_t total = 0;
    plan.GoalTotal(total);
    lines << WithoutTrailingBlanks(GoalTotalText(total, locale));
    return lines.join(u'\n');
}

QString FormatHtml(const CharacterPlan &plan) {
    QString html = u"<html><head><meta charset=\"utf-8\"></head><body><table>\n"_s;
    html += HtmlRow({u"Race"_s, QString::fromStdString(RaceName(plan.race))});
    html += HtmlRow({u"Skill Name"_s, u"Base"_s, u"EQ"_s, u"Mod"_s, u"Goal"_s, u"Goal Cost"_s},
                    u"th"_s);
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        const SkillPlanEntry &entry = plan.skills.at(s);
        html += HtmlRow({QString::fromStdString(SkillName(s)), QString::number(entry.Base),
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

} // namespace PlanText
