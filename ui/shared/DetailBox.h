// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

// An edit box that shows one stored value of the plan, such as the selected skill's goal. It
// knows the text it was last filled with, so that typing which was not stored can be told from
// the stored value, and whether its text was refused and why. A refused box keeps the reason as
// its tooltip and accessible description and is drawn with a frame in the refusal colour, inside
// which the text stands as readable as ever; the next change of its text, typed or filled, takes
// the refusal away and brings back the tooltip and description it had before.
class DetailBox : public QLineEdit {
    Q_OBJECT

public:
    explicit DetailBox(QWidget *parent = nullptr);

    // Shows `text`, a stored value, as the text the box was filled with, and takes any refusal
    // away, also while the box's signals are blocked.
    void Fill(const QString &text);
    // The text the box was last filled with; empty before the first fill.
    const QString &filledText() const { return m_filledText; }
    // Whether the box holds typing that was not stored: its text differs from the one it was
    // filled with.
    bool HoldsUnstoredTyping() const { return text() != m_filledText; }

    // Marks the text as refused for `reason`, which becomes the tooltip and description. Refused
    // again, the box keeps the tooltip and description it had before the first refusal.
    void Refuse(const QString &reason);
    void ClearRefusal();
    bool isRefused() const { return m_refused; }
    // Empty unless refused.
    const QString &refusal() const { return m_refusal; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_filledText;
    bool m_refused = false;
    QString m_refusal;
    QString m_normalToolTip;
    QString m_normalDescription;
};
