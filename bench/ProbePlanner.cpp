// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up probe: the planner as its program starts it, ending once the window is on screen.
#include "ExposeProbe.h"

#include "ui/desktop/PlannerLanguage.h"
#include "ui/planner/Tarrowind_Char_Planner.h"

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarrowind Character Planner"));
    PlannerLanguage::InstallTranslators(app);
    Tarrowind_Char_Planner window;
    return ShowUntilExposed(window);
}
