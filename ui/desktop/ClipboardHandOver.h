// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QEventLoopLocker>
#include <QMimeData>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <memory>

// What the planner puts on the clipboard, telling when another program fetches one of its text
// formats. A request for the list of formats is no fetch: a clipboard manager that polls asks
// for that first, and takes the text only afterwards.
class CopiedText : public QMimeData {
    Q_OBJECT

Q_SIGNALS:
    void fetched() const;

protected:
    QVariant retrieveData(const QString &mimeType, QMetaType type) const override;
};

// Keeps the program running after its last window has closed, until another program has
// fetched `copied`, another program owns the clipboard, or `wait` has passed; then it lets the
// program end the normal way, in which Qt still hands the clipboard to a clipboard manager where
// one runs. Without it, a manager that polls finds the planner gone before it read the plan. It
// deletes itself when it ends.
class ClipboardHandOver : public QObject {
    Q_OBJECT

public:
    // How long the program waits at most, unless a test makes it shorter.
    static constexpr std::chrono::milliseconds LongestWait{3000};

    ClipboardHandOver(const CopiedText *copied, std::chrono::milliseconds wait);

Q_SIGNALS:
    // The wait is over; the program may end.
    void ended();

private:
    void End();

    std::unique_ptr<QEventLoopLocker> m_keepRunning;
    QTimer m_timeout;
};
