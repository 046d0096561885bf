// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the README's pictures of the real window into a folder: `make docs` runs it offscreen
// into docs/. QT_SCALE_FACTOR draws them at another scale.
#include "PlannerTestSupport.h"
#include "document/PlanDocument.h"
#include "ui/desktop/PlannerLanguage.h"
#include "ui/planner/Tarrowind_Char_Planner.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <utility>

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

// The planner and one of its windows beside it, drawn with no window active, so that no focus
// frame shows; the window closes afterwards.
QPixmap SideBySide(Tarrowind_Char_Planner &window, QWidget *beside) {
    (void)QTest::qWaitForWindowExposed(beside);
    QApplication::setActiveWindow(nullptr);
    const QPixmap planner = window.grab(), other = beside->grab();
    QImage both(planner.width() + 16 + other.width(), std::max(planner.height(), other.height()),
                QImage::Format_RGB32);
    both.fill(window.palette().color(QPalette::Dark));
    QPainter(&both).drawPixmap(0, 0, planner);
    QPainter(&both).drawPixmap(planner.width() + 16, 0, other);
    beside->close();
    return QPixmap::fromImage(both);
}

// The planner with a goal for Sword and "Compare Races" beside it.
QPixmap WithComparison(Tarrowind_Char_Planner &window) {
    FindControl<QListWidget>(&window, "lstSkills")->setCurrentRow(10);
    FindControl<QLineEdit>(&window, "txtGoal")->setText(u"50"_s);
    FindControl<QPushButton>(&window, "cmdUpdate")->click();
    window.findChild<QAction *>(u"compareRacesAction"_s)->trigger();
    return SideBySide(window, FindControl<QWidget>(&window, "compareRaces"));
}

// Pastes the README's example plan into the planner.
void PasteExample(Tarrowind_Char_Planner &window) {
    const QString example = u"Race: ArchTemplar\n"
                            u"Braveness 10 0 10 50\n"
                            u"Strength 10 5 15 10\n"
                            u"Regenerate 4 3 16 4\n"
                            u"Sword 35 8 50 120\n"
                            u"Perception 4 0 10 60"_s;
    QGuiApplication::clipboard()->setText(example);
    window.findChild<QAction *>(u"pastePlan"_s)->trigger();
}

// The README's example plan with "Optimise Goals" beside it, bringing Sword to 169.
QPixmap WithOptimiser(Tarrowind_Char_Planner &window) {
    PasteExample(window);
    FindControl<QListWidget>(&window, "lstSkills")->setCurrentRow(10);
    window.findChild<QAction *>(u"optimiseGoalsAction"_s)->trigger();
    auto *optimise = FindControl<QWidget>(&window, "optimiseGoals");
    FindControl<QSpinBox>(optimise, "spnTarget")->setValue(169);
    return SideBySide(window, optimise);
}

// The README's example plan with "Route" beside it: "Sword" modded 100, then "Perception" at its
// value at goal, and 1,000,000 experience to spend.
QPixmap WithRoute(Tarrowind_Char_Planner &window) {
    PasteExample(window);
    auto *list = FindControl<QListWidget>(&window, "lstSkills");
    list->setCurrentRow(10);
    window.findChild<QAction *>(u"routeAction"_s)->trigger();
    auto *route = FindControl<QWidget>(&window, "route");
    auto *add = FindControl<QPushButton>(route, "cmdAddMilestone");
    add->click();
    FindControl<QSpinBox>(route, "spnMilestone")->setValue(100);
    list->setCurrentRow(16);
    add->click();
    auto *box = FindControl<QLineEdit>(route, "txtExperience");
    QGuiApplication::clipboard()->setText(u"1,000,000"_s);
    box->selectAll();
    box->paste();
    return SideBySide(window, route);
}

// The README's example plan kept as "Target", and the plan shown, "Cheaper", with lower goals
// for Sword and Perception, compared in "Compare Plans" beside the planner.
QPixmap WithPlanComparison(Tarrowind_Char_Planner &window) {
    PasteExample(window);
    PlanDocument *document = window.document();
    (void)document->KeepPlan(u"Target"_s);
    (void)document->RenamePlan(document->shownPlan(), u"Cheaper"_s);
    auto *list = FindControl<QListWidget>(&window, "lstSkills");
    auto *goal = FindControl<QLineEdit>(&window, "txtGoal");
    auto *update = FindControl<QPushButton>(&window, "cmdUpdate");
    for (const auto &[row, level] : {std::pair{10, 100}, std::pair{16, 40}}) {
        list->setCurrentRow(row);
        goal->setText(QString::number(level));
        update->click();
    }
    list->setCurrentRow(10);
    window.findChild<QAction *>(u"comparePlansAction"_s)->trigger();
    // As on a screen wide enough for the whole table.
    auto *compare = FindControl<QWidget>(&window, "comparePlans");
    compare->resize(compare->sizeHint());
    return SideBySide(window, compare);
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
    // The pictures in English, whatever the desktop's language; the German ones at the end.
    PlannerLanguage::InstallTranslators(app, {u"en"_s});
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
    {
        Tarrowind_Char_Planner window;
        saved = ShowActive(&window) &&
                Save(WithOptimiser(window), folder, u"optimise-goals.png"_s) && saved;
    }
    {
        Tarrowind_Char_Planner window;
        saved = ShowActive(&window) && Save(WithRoute(window), folder, u"route.png"_s) && saved;
    }
    {
        Tarrowind_Char_Planner window;
        saved = ShowActive(&window) &&
                Save(WithPlanComparison(window), folder, u"compare-plans.png"_s) && saved;
    }
    PlannerLanguage::InstallTranslators(app, {u"de"_s});
    {
        Tarrowind_Char_Planner window;
        saved = ShowActive(&window) && Save(window.grab(), folder, u"planner-de.png"_s) && saved;
    }
    {
        Tarrowind_Char_Planner window;
        saved = ShowActive(&window) &&
                Save(WithOptimiser(window), folder, u"optimise-goals-de.png"_s) && saved;
    }
    return saved ? 0 : 1;
}
