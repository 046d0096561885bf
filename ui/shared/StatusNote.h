// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

class Announcer;

// The note in a window's status line (StatusLine): what the window last said about something the
// user did (copied, pasted, refused with its reason). A note that does not fit on one line wraps
// to the next; one that needs more than `Lines` shows its start, ended by "…", with the whole note
// as its tooltip. A screen reader reads the whole note from it, and each note is said once, in
// full, when it is shown.
class StatusNote : public QLabel {
    Q_OBJECT

public:
    // The lines a note takes at most.
    static constexpr int Lines = 3;

    // `announcer` says each note; it may be null, and then nothing is said.
    StatusNote(Announcer *announcer, QWidget *parent);

    // Shows `note` until the next note or Clear(), and says it once.
    void Show(const QString &note);
    void Clear();
    // The whole note shown now; empty when there is none.
    const QString &note() const { return m_note; }
    // Whether the note shows whole, without a tooltip to read its end.
    bool isWhole() const { return toolTip().isEmpty(); }
    // The width the first line may take, where something else stands right of it; by default
    // the label's width.
    void SetFirstLineRoom(int width);
    int firstLineRoom() const;

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
    int m_firstLineRoom = -1;
};
