// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QTest>
#include <QWidget>

// The window's control of that objectName; a test that asks for a missing one stops at once.
template <typename T> T *FindControl(const QWidget *window, const char *name) {
    T *widget = window->findChild<T *>(QLatin1String(name));
    if (!widget) {
        qFatal("no control %s", name);
    }
    return widget;
}

// Shows the window and gives it the keyboard, as a user's click on it would (on an X server
// without a window manager too).
inline bool ShowActive(QWidget *window) {
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

// What a table's model gives for one of its cells, such as the text the cell shows.
inline QVariant Cell(const QAbstractItemView *table, int row, int column,
                     int role = Qt::DisplayRole) {
    return table->model()->index(row, column).data(role);
}
