// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <QWindow>

// A plain window with the planner's title and fixed size, for the probes that stand in for it.
inline void DressLikeThePlanner(QWidget &window) {
    window.setWindowTitle(QStringLiteral("Tarrowind Character Planner"));
    window.setFixedSize(426, 360);
}

// Shows the window and ends the program once it is exposed and its first frame is painted: the
// quit is queued behind the paint that the expose sets off.
inline int ShowUntilExposed(QWidget &window) {
    struct ExposeWatch : QObject {
        bool eventFilter(QObject *watched, QEvent *event) override {
            if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
                QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
            }
            return QObject::eventFilter(watched, event);
        }
    } watch;
    window.winId(); // creates the native window, so the watch is in place before the expose
    window.windowHandle()->installEventFilter(&watch);
    window.show();
    return QApplication::exec();
}
