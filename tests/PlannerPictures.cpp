// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the README's pictures of the real window into a folder: `make docs` runs it offscreen
// into docs/. QT_SCALE_FACTOR draws them at another scale.
#include "PlannerTestSupport.h"
#include "ui/Tarrowind_Char_Planner.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

bool Save(const QPixmap &picture, const QDir &folder, const QString &name) {
    const QString path = folder.filePath(name);
    if (!picture.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The window with its list's menu open over it, after "Max Goals" so that undo has a name.
QPixmap WithListMenu(Tarrowind_Char_Planner &window) {
    QTest::mouseClick(FindControl<QPushButton>(&window, "cmdMaxGoal"), Qt::LeftButton);
    QMenu *menu = window.listMenu();
    auto *list = FindControl<QListWidget>(&window, "lstSkills");
    menu->popup(list->viewport()->mapToGlobal(QPoint(120, 40)));
    (void)QTest::qWaitForWindowExposed(menu);
    QPixmap picture = window.grab();
    QPainter(&picture).drawPixmap(window.mapFromGlobal(menu->pos()), menu->grab());
    menu->close();
    return picture;
}

// The planner with a goal for Sword and "Compare Races" beside it.
QPixmap WithComparison(Tarrowind_Char_Planner &window) {
    FindControl<QListWidget>(&window, "lstSkills")->setCurrentRow(10);
    FindControl<QLineEdit>(&window, "txtGoal")->setText(u"50"_s);
    FindControl<QPushButton>(&window, "cmdUpdate")->click();
    window.findChild<QAction *>(u"compareRacesAction"_s)->trigger();
    auto *compare = FindControl<QWidget>(&window, "compareRaces");
    (void)QTest::qWaitForWindowExposed(compare);
    QApplication::setActiveWindow(nullptr); // no focus frames in the picture
    const QPixmap planner = window.grab(), comparison = compare->grab();
    QImage both(planner.width() + 16 + comparison.width(),
                std::max(planner.height(), comparison.height()), QImage::Format_RGB32);
    both.fill(window.palette().color(QPalette::Dark));
    QPainter(&both).drawPixmap(0, 0, planner);
    QPainter(&both).drawPixmap(planner.width() + 16, 0, comparison);
    compare->close();
    return QPixmap::fromImage(both);
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }
    bool saved = true;
    {
        Tarrowind_Char_Planner window;
        saved = ShowActive(&window) && Save(window.grab(), folder, u"planner.png"_s) && saved;
        saved = Save(WithListMenu(window), folder, u"undo-menu.png"_s) && saved;
    }
    {
        Tarrowind_Char_Planner window;
        saved = ShowActive(&window) &&
                Save(WithComparison(window), folder, u"compare-races.png"_s) && saved;
    }
    return saved ? 0 : 1;
}
