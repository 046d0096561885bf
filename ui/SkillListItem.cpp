// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SkillListItem.h"

#include "rules/SkillCatalogue.h"
#include "text/SkillExplanation.h"
#include "text/SpokenText.h"
#include "ui/PlannerFonts.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QListWidget>
#include <QStyle>
#include <QtMath>

#include <algorithm>
#include <exception>

SkillListItem::SkillListItem(const Tarrowind_Module::CharacterPlan &plan,
                             Tarrowind_Module::SkillNumber skill, const QString &text)
    : QListWidgetItem(text), m_plan(&plan), m_skill(skill) {}

QVariant SkillListItem::data(int role) const {
    if (role == Qt::AccessibleTextRole) {
        return SpokenText::SkillRow(QString::fromStdString(Tarrowind_Module::SkillName(m_skill)),
                                    m_plan->skills[m_skill]);
    }
    if (role == Qt::SizeHintRole && listWidget()) {
        // The list measures every row for its horizontal extent. In its fixed-pitch font a row is
        // as wide as its characters, which spares shaping all 37 rows before the first paint; one
        // cell more leaves room for a group separator that a fallback face draws wider.
        const QListWidget *list = listWidget();
        const int margin =
            list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
        // A face that could not be spaced to the usual advance keeps its own.
        const qreal advance =
            std::max(PlannerFonts::CharacterAdvance,
                     QFontMetricsF(list->font()).horizontalAdvance(QLatin1Char('M')));
        const auto width = qCeil(advance * qreal(text().size() + 1));
        return QSize(width + 2 * margin, QFontMetrics(list->font()).height());
    }
    if (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole) {
        try {
            // Spoken after the row's own text, so it leaves out what that already says.
            return role == Qt::ToolTipRole ? SkillExplanation(*m_plan, m_skill)
                                           : SpokenSkillExplanation(*m_plan, m_skill);
        } catch (const std::exception &) {
            return {}; // a plan without a valid race has nothing to explain
        }
    }
    return QListWidgetItem::data(role);
}
