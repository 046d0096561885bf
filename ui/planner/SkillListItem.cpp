// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/planner/SkillListItem.h"

#include "document/PlanDocument.h"
#include "text/GameNames.h"
#include "text/SkillExplanation.h"
#include "text/SpokenText.h"
#include "ui/desktop/PlannerFonts.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QListWidget>
#include <QStyle>
#include <QToolTip>
#include <QtMath>

#include <algorithm>
#include <exception>

SkillListItem::SkillListItem(const Tarrowind_Module::CharacterPlan &plan,
                             Tarrowind_Module::SkillNumber skill, const QString &text)
    : QListWidgetItem(text), m_plan(&plan), m_skill(skill) {}

QVariant SkillListItem::data(int role) const {
    if (role == Qt::AccessibleTextRole) {
        return SpokenText::SkillRow(GameNames::Skill(m_skill), m_plan->skills[m_skill]);
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

namespace {

// Remembers which row's tooltip the list opened last, and where.
class RowToolTips : public QObject {
public:
    RowToolTips(QListWidget *list, const PlanDocument *document) : QObject(list), m_list(list) {
        list->viewport()->installEventFilter(this);
        connect(document, &PlanDocument::changed, this, &RowToolTips::Refresh);
    }

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::ToolTip) {
            const auto *help = static_cast<QHelpEvent *>(event);
            m_row = m_list->indexAt(help->pos()).row();
            m_at = help->globalPos();
            const QListWidgetItem *item = m_list->item(m_row);
            m_shown = item ? item->data(Qt::ToolTipRole).toString() : QString();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Refresh() {
        const QListWidgetItem *item = m_list->item(m_row);
        // Only the row's own tip, not a message shown beside the list since.
        if (!item || !QToolTip::isVisible() || QToolTip::text() != m_shown) {
            return;
        }
        m_shown = item->data(Qt::ToolTipRole).toString();
        QToolTip::showText(m_at, m_shown, m_list->viewport(), m_list->visualItemRect(item));
    }

    QListWidget *m_list;
    int m_row = -1;
    QPoint m_at;
    QString m_shown;
};

} // namespace

void FollowRowToolTips(QListWidget *list, const PlanDocument *document) {
    new RowToolTips(list, document);
}
