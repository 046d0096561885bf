// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

class Announcer;

// The note in a window's status bar: what the window last said about something the user did
// (copied, pasted, refused with its reason). A note that does not fit on one line wraps to a
// second; one that needs more shows its start, ended by "…", with the whole note as its tooltip
// and as what a screen reader reads of it. Each note is said once, in full, when it is shown. A
// companion window's own status line can be one of these too.
class StatusNote : public QLabel {
    Q_OBJECT

public:
    // The lines a note takes at most; the note is always that high.
    static constexpr int Lines = 2;

    // `announcer` says each note; it may be null, and then nothing is said.
    StatusNote(Announcer *announcer, QWidget *parent);

    // Shows `note` until the next note or Clear(), and says it once.
    void Show(const QString &note);
    void Clear();
    // The whole note shown now; empty when there is none.
    const QString &note() const { return m_note; }
    // Whether the note shows whole, without a tooltip to read its end.
    bool isWhole() const { return toolTip().isEmpty(); }

    // It takes the width its status bar leaves it, whatever the note.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Breaks the note into lines of the label's width, and ends the last one that fits early.
    void Fit();

    Announcer *m_announcer;
    QString m_note;
};
