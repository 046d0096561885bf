// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStatusBar>

class Announcer;
class QLabel;
class StatusNote;

// A window's status bar: its note, over the whole width and StatusNote::Lines lines high, and a
// permanent part at the right end of the first line, beside the note's first line. The note gets
// all the width a status bar can give, so that a long refusal still reads whole.
class StatusLine : public QStatusBar {
    Q_OBJECT

public:
    // `announcer` says each note (StatusNote); it may be null.
    StatusLine(Announcer *announcer, QWidget *parent);

    StatusNote *note() const { return m_note; }
    QLabel *permanent() const { return m_permanent; }
    void SetPermanentText(const QString &text);

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Height for the note's lines; the permanent part at the top right, the note under it all.
    void Place();

    StatusNote *m_note;
    QLabel *m_permanent;
};
