// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up probe: a bare window of the planner's size and title, the yardstick for the planner.
#include "ExposeProbe.h"

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarrowind Character Planner"));
    QWidget window;
    DressLikeThePlanner(window);
    return ShowUntilExposed(window);
}
