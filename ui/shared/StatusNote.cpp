// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/shared/StatusNote.h"

#include "ui/desktop/PlannerAccessibility.h"

#include <QEvent>
#include <QFontMetrics>
#include <QTextLayout>

#include <algorithm>

StatusNote::StatusNote(Announcer *announcer, QWidget *parent)
    : QLabel(parent), m_announcer(announcer) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The lines are broken here, where the end of a long note is known; the label only draws them.
    setWordWrap(false);
    setFocusPolicy(Qt::NoFocus);
}

void StatusNote::Show(const QString &note) {
    m_note = note;
    Fit();
    if (m_announcer) {
        m_announcer->Announce(note);
    }
}

void StatusNote::Clear() {
    m_note.clear();
    Fit();
}

void StatusNote::SetFirstLineRoom(int width) {
    if (width != m_firstLineRoom) {
        m_firstLineRoom = width;
        Fit();
    }
}

int StatusNote::firstLineRoom() const {
    const int width = contentsRect().width();
    return m_firstLineRoom < 0 ? width : std::min(m_firstLineRoom, width);
}

QSize StatusNote::sizeHint() const {
    return minimumSizeHint();
}

QSize StatusNote::minimumSizeHint() const {
    const QMargins margins = contentsMargins();
    return {margins.left() + margins.right(),
            margins.top() + margins.bottom() + Lines * QFontMetrics(font()).lineSpacing()};
}

void StatusNote::changeEvent(QEvent *event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        updateGeometry();
        Fit();
    }
}

void StatusNote::resizeEvent(QResizeEvent *event) {
    QLabel::resizeEvent(event);
    Fit();
}

void StatusNote::Fit() {
    const int width = contentsRect().width();
    QString shown = m_note;
    bool shortened = false;
    if (width > 0 && !m_note.isEmpty()) {
        QTextLayout layout(m_note, font());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        QStringList lines;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(lines.isEmpty() ? std::max(firstLineRoom(), 1) : width);
            if (lines.size() == Lines - 1) {
                // The last line takes the rest, shortened at its end where it is too long.
                const QString rest = m_note.mid(line.textStart());
                lines << QFontMetrics(font()).elidedText(rest, Qt::ElideRight, width);
                shortened = lines.last() != rest;
                break;
            }
            lines << m_note.mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
        shown = lines.join(u'\n');
    }
    setText(shown);
    setToolTip(shortened ? m_note : QString());
    setAccessibleName(m_note);
}
