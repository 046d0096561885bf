// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/desktop/AppIdentity.h"
#include "ui/desktop/PlannerLanguage.h"
#include "ui/planner/Tarrowind_Char_Planner.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarrowind Character Planner"));
    // The desktop's languages, in the user's order (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
    PlannerLanguage::InstallTranslators(app);
    // Wayland compositors take the window's icon and name from the desktop entry of this id.
    QGuiApplication::setDesktopFileName(AppIdentity::DesktopFileName());
    QApplication::setWindowIcon(AppIdentity::WindowIcon());
    Tarrowind_Char_Planner window;
    window.show();
    return QApplication::exec();
}
