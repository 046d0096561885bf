// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/planner/SkillListWidget.h"

#include "ui/desktop/PlannerAccessibility.h"

#include <QContextMenuEvent>
#include <QKeyEvent>

SkillListWidget::SkillListWidget(QWidget *parent) : QListWidget(parent) {}

QPoint SkillListWidget::CurrentRowMenuPoint() const {
    const QListWidgetItem *item = currentItem();
    if (!item) {
        return {};
    }
    const QRect row = visualItemRect(item);
    // Clamped to the viewport: a current row scrolled out of sight opens the menu at the edge.
    return {qBound(0, row.left(), viewport()->width() - 1),
            qBound(0, row.bottom(), viewport()->height() - 1)};
}

void SkillListWidget::RequestMenuAtCurrentRow() {
    if (QListWidgetItem *item = currentItem()) {
        scrollToItem(item);
    }
    Q_EMIT customContextMenuRequested(CurrentRowMenuPoint());
}

bool SkillListWidget::event(QEvent *event) {
    // The window system turns the Menu key into a context menu request at the list's centre.
    if (event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard) {
        RequestMenuAtCurrentRow();
        return true;
    }
    return QListWidget::event(event);
}

void SkillListWidget::keyPressEvent(QKeyEvent *event) {
    const bool shiftF10 =
        event->key() == Qt::Key_F10 &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::KeyboardModifiers(Qt::ShiftModifier);
    if (shiftF10 || event->key() == Qt::Key_Menu) {
        RequestMenuAtCurrentRow();
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void SkillListWidget::focusInEvent(QFocusEvent *event) {
    QListWidget::focusInEvent(event);
    // Qt reports the focus on the list as a whole, after this returns; the row comes after it.
    PlannerAccessibility::SayCurrentItemSoon(this);
}

void SkillListWidget::currentChanged(const QModelIndex &current, const QModelIndex &previous) {
    if (hasFocus()) {
        QListWidget::currentChanged(current, previous);
        return;
    }
    // QListView reports the new current row as focused even while the focus is elsewhere, as
    // after an undo from an edit box; its base class does the rest without that report.
    QAbstractItemView::currentChanged(current, previous);
}
