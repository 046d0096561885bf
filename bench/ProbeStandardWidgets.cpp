// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up probe: the planner's sixteen controls as plain Qt widgets with the default font, in
// the same places and with similar texts, between a menu bar of the same four menus and a status
// bar, and none of the planner's own code: the part of the start-up that any window with these
// controls has.
#include "ExposeProbe.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarrowind Character Planner"));
    QWidget window;
    window.setWindowTitle(QStringLiteral("Tarrowind Character Planner"));
    auto *area = new QWidget;
    area->setFixedSize(426, 360);
    auto *menuBar = new QMenuBar;
    for (const char *title : {"&Plan", "&Edit", "&Tools", "&Help"}) {
        QMenu *menu = menuBar->addMenu(QLatin1String(title));
        for (int entry = 0; entry < 4; ++entry) {
            menu->addAction(QStringLiteral("Entry %1").arg(entry));
        }
    }
    auto *statusBar = new QStatusBar;
    statusBar->setSizeGripEnabled(false);
    statusBar->addWidget(new QLabel, 1);
    statusBar->addPermanentWidget(new QLabel(QStringLiteral("Braveness: modded 10 at goal")));
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setMenuBar(menuBar);
    layout->addWidget(area);
    layout->addWidget(statusBar);
    auto place = [area](QWidget *widget, int x, int y, int width, int height) {
        widget->setParent(area);
        widget->setGeometry(x, y, width, height);
    };
    place(new QLabel(QStringLiteral("Skill Name        Base EQ   Mod  Goal  Goal Cost")), 8, 8, 401,
          17);
    auto *list = new QListWidget;
    for (int row = 0; row < 37; ++row) {
        list->addItem(QStringLiteral("Skill %1          10   0    10   10   ").arg(row));
    }
    place(list, 8, 32, 409, 180);
    auto *races = new QComboBox;
    for (int race = 0; race < 8; ++race) {
        races->addItem(QStringLiteral("Race %1").arg(race));
    }
    place(races, 32, 224, 161, 21);
    place(new QLabel(QStringLiteral("Goal Cost Total: ")), 224, 224, 177, 25);
    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    place(line, 24, 256, 368, 1);
    place(new QLabel(QStringLiteral("Braveness")), 32, 264, 97, 17);
    place(new QLineEdit(QStringLiteral("10")), 136, 264, 33, 21);
    place(new QLineEdit(QStringLiteral("0")), 176, 264, 33, 21);
    place(new QLabel(QStringLiteral("10")), 216, 264, 33, 17);
    place(new QLineEdit(QStringLiteral("10")), 256, 264, 33, 21);
    place(new QLineEdit(QStringLiteral("0")), 296, 264, 73, 21);
    int x = 32;
    for (const char *text : {"Reset Skills", "Max Bases", "Max Goals", "Update"}) {
        place(new QPushButton(QLatin1String(text)), x, 296, 73, 33);
        x += x == 192 ? 96 : 80;
    }
    place(new QLabel(QStringLiteral("Planner by the Tarrowind team")), 232, 336, 185, 17);
    return ShowUntilExposed(window);
}
