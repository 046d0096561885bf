// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/shared/DetailBox.h"

#include "ui/desktop/PlannerColours.h"

#include <QPainter>
#include <QToolTip>

namespace {

// As wide as the frame that styles draw around a line edit, so that the mark stays clear of the
// text area inside it.
constexpr int RefusedFrameWidth = 2;

} // namespace

DetailBox::DetailBox(QWidget *parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &DetailBox::ClearRefusal);
}

void DetailBox::Fill(const QString &text) {
    setText(text);
    m_filledText = text;
    ClearRefusal(); // also where the box's signals are blocked
}

void DetailBox::Refuse(const QString &reason) {
    if (!m_refused) {
        m_normalToolTip = toolTip();
        m_normalDescription = accessibleDescription();
        m_refused = true;
    }
    m_refusal = reason;
    setToolTip(reason);
    setAccessibleDescription(reason);
    update();
}

void DetailBox::ClearRefusal() {
    if (!m_refused) {
        return;
    }
    m_refused = false;
    m_refusal.clear();
    setToolTip(m_normalToolTip);
    setAccessibleDescription(m_normalDescription);
    QToolTip::hideText();
    update();
}

// Over the style's own frame, in a colour worked out from the palette at each paint, so that a
// switch between light and dark shows at once. A style sheet would draw the same border, but it
// takes the box away from the style and moves its text.
void DetailBox::paintEvent(QPaintEvent *event) {
    QLineEdit::paintEvent(event);
    if (!m_refused) {
        return;
    }
    QPainter painter(this);
    const QColor colour = PlannerColours::RefusedBorder(palette());
    const QRect box = rect();
    const int edge = RefusedFrameWidth;
    painter.fillRect(QRect(box.left(), box.top(), box.width(), edge), colour);
    painter.fillRect(QRect(box.left(), box.bottom() - edge + 1, box.width(), edge), colour);
    painter.fillRect(QRect(box.left(), box.top() + edge, edge, box.height() - 2 * edge), colour);
    painter.fillRect(QRect(box.right() - edge + 1, box.top() + edge, edge, box.height() - 2 * edge),
                     colour);
}
