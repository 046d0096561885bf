// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/shared/StatusLine.h"

#include "ui/shared/StatusNote.h"

#include <QEvent>
#include <QLabel>

namespace {

// Between the note's first line and the permanent part; beside both; above and below both.
constexpr int Gap = 6;
constexpr int SideMargin = 6;
constexpr int Margin = 3;

} // namespace

StatusLine::StatusLine(Announcer *announcer, QWidget *parent)
    : QStatusBar(parent), m_note(new StatusNote(announcer, this)), m_permanent(new QLabel(this)) {
    // Both stand where Place() puts them, not in the status bar's own row of widgets, which
    // would give the note only the width the permanent part leaves.
    setSizeGripEnabled(false);
    m_permanent->setTextFormat(Qt::PlainText);
    m_permanent->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Place();
}

void StatusLine::SetPermanentText(const QString &text) {
    if (m_permanent->text() != text) {
        m_permanent->setText(text);
        Place();
    }
}

void StatusLine::changeEvent(QEvent *event) {
    QStatusBar::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        Place();
    }
}

void StatusLine::resizeEvent(QResizeEvent *event) {
    QStatusBar::resizeEvent(event);
    Place();
}

void StatusLine::Place() {
    setFixedHeight(2 * Margin + m_note->minimumSizeHint().height());
    const QRect area = rect().adjusted(SideMargin, Margin, -SideMargin, -Margin);
    const QSize permanent = m_permanent->sizeHint();
    m_permanent->setGeometry(area.right() + 1 - permanent.width(), area.top(), permanent.width(),
                             permanent.height());
    m_note->setGeometry(area);
    m_note->SetFirstLineRoom(area.width() - permanent.width() - Gap);
}
