// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExamplePlan.h"
#include "PlannerTestSupport.h"
#include "ui/companions/route/RouteChart.h"
#include "ui/desktop/PlannerColours.h"
#include "ui/planner/Tarrowind_Char_Planner.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QUndoStack>

#include <memory>

using namespace Qt::StringLiterals;

// Milestones as added: the planner row of the skill and the value typed (-1: as added).
using Added = QList<QPair<int, int>>;

// Drives the "Route" window beside the real planner, on the README's example plan.
class RouteWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void milestones_data();
    void milestones();
    void experienceToSpend_data();
    void experienceToSpend();
    void markAsBoughtAndUndo();
    void copyAsText();
    void chartFollowsThePalette_data();
    void chartFollowsThePalette();

private:
    // Opens the window with Ctrl+Shift+R from the planner's skill list.
    QWidget *OpenRoute();
    // Adds the planner's skill in row `skill` as a milestone, then sets its value when given.
    void AddMilestone(int skill, int value = -1);
    void TypeExperience(const QString &text);
    QStringList MilestoneRow(int row) const;
    QString Summary() const { return FindControl<QLabel>(route, "lblRouteSummary")->text(); }

    std::unique_ptr<Tarrowind_Char_Planner> window;
    QWidget *route = nullptr;
};

void RouteWindowTest::init() {
    window = std::make_unique<Tarrowind_Char_Planner>();
    QVERIFY(ShowActive(window.get()));
    QVERIFY(!window->document()->Apply(u"Example"_s, ExamplePlan::SetLevels));
    route = OpenRoute();
}

void RouteWindowTest::cleanup() {
    window.reset();
}

QWidget *RouteWindowTest::OpenRoute() {
    auto *list = FindControl<QListWidget>(window.get(), "lstSkills");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    auto *opened = window->findChild<QWidget *>(u"route"_s);
    return opened && opened->isWindow() && opened->isVisible() ? opened : nullptr;
}

void RouteWindowTest::AddMilestone(int skill, int value) {
    FindControl<QListWidget>(window.get(), "lstSkills")->setCurrentRow(skill);
    QTest::mouseClick(FindControl<QPushButton>(route, "cmdAddMilestone"), Qt::LeftButton);
    if (value >= 0) {
        auto *box = FindControl<QSpinBox>(route, "spnMilestone");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, QString::number(value));
    }
}

void RouteWindowTest::TypeExperience(const QString &text) {
    auto *box = FindControl<QLineEdit>(route, "txtExperience");
    box->setFocus();
    // Pasted over the whole text, so that the box reads it in one edit.
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

QStringList RouteWindowTest::MilestoneRow(int row) const {
    auto *table = FindControl<QTableView>(route, "tblMilestones");
    return {Cell(table, row, 0).toString(), Cell(table, row, 1).toString(),
            Cell(table, row, 2).toString()};
}

// The milestones of the README's worked example, each added from the planner's selected skill:
// Sword (row 10) at its modded value at goal, then lowered, and Perception (row 16).
void RouteWindowTest::milestones_data() {
    QTest::addColumn<Added>("added");
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QString>("note");
    QTest::addColumn<int>("steps"); // rows of the steps table
    QTest::addColumn<int>("race");  // the plan's race changed to this afterwards, -1: kept

    QTest::newRow("none") << Added{} << QList<QStringList>{} << QString() << 121 << -1;
    QTest::newRow("Sword 100") << Added{{10, 100}}
                               << QList<QStringList>{{u"Sword 100"_s, u"807,542"_s, u"807,542"_s}}
                               << QString() << -1 << -1;
    QTest::newRow("then Perception at goal")
        << Added{{10, 100}, {16, -1}}
        << QList<QStringList>{{u"Sword 100"_s, u"807,542"_s, u"807,542"_s},
                              {u"Perception 66"_s, u"391,594"_s, u"1,199,136"_s}}
        << QString() << -1 << -1;
    QTest::newRow("Sword 150 out of reach")
        << Added{{10, 150}}
        << QList<QStringList>{{u"Sword 150"_s, u"out of reach"_s, u"the goals give 143"_s}}
        << u"Sword 150 is out of reach: the goals give at most 143. \"Optimise Goals\" (Ctrl+T) "
           u"can raise them."_s
        << -1 << -1;
    // One above the race's highest cannot be typed: 196 stops at 19.
    QTest::newRow("Sword above the highest")
        << Added{{10, 196}} << QList<QStringList>{{u"Sword 19"_s, u"0"_s, u"0"_s}} << QString()
        << -1 << -1;
    // A race change keeps the milestones; Harakim cannot learn Sword.
    QTest::newRow("Sword for a Harakim")
        << Added{{10, 100}}
        << QList<QStringList>{{u"Sword 100"_s, u"out of reach"_s, u"the goals give 0"_s}}
        << u"Sword 100 is out of reach: Harakim cannot learn Sword."_s << -1 << 3;
}

void RouteWindowTest::milestones() {
    QFETCH(Added, added);
    QFETCH(QList<QStringList>, rows);
    QFETCH(QString, note);
    QFETCH(int, steps);
    QFETCH(int, race);
    QVERIFY(route);
    for (const auto &[skill, value] : added) {
        AddMilestone(skill, value);
    }
    if (race >= 0) {
        QVERIFY(!window->document()->Apply(u"Race"_s, [race](CharacterPlan &plan) {
            plan.race = static_cast<Tarrowind_Module::RaceNumber>(race);
        }));
    }
    for (int i = 0; i < rows.size(); ++i) {
        QCOMPARE(MilestoneRow(i), rows.at(i));
    }
    QCOMPARE(FindControl<QLabel>(route, "lblMilestoneNote")->text(), note);
    auto *table = FindControl<QTableView>(route, "tblRoute");
    if (steps >= 0) {
        QCOMPARE(table->model()->rowCount(), steps);
    }
    QVERIFY(Summary().startsWith(race >= 0 ? u"The route: "_s
                                           : u"The route: 181 levels for 4,563,113."_s));
}

// What an amount in the box buys, in the locale's own writing, and what the box refuses without
// changing what the window shows.
void RouteWindowTest::experienceToSpend_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("summary"); // empty: refused, the summary stays as it was
    QTest::addColumn<QString>("note");

    const QString buys = u"The route: 181 levels for 4,563,113. 1,000,000 buys 124 levels for "
                         u"995,035: Braveness 10 -> 46, Sword 35 -> 69, Perception 4 -> 58. "
                         u"4,965 is left over; the next level, "_s;
    QTest::newRow("grouped") << QLocale::c() << u" 1,000,000 "_s << buys << QString();
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << u"1.000.000"_s
                            << u"The route: 181 levels for 4.563.113. 1.000.000 buys 124 levels "
                               u"for 995.035: Braveness 10 -> 46, Sword 35 -> 69, Perception 4 "
                               u"-> 58. 4.965 is left over; the next level, "_s
                            << QString();
    QTest::newRow("fraction") << QLocale::c() << u"1000.5"_s << QString()
                              << u"Experience comes in whole points: nothing changed."_s;
    QTest::newRow("negative") << QLocale::c() << u"-1000"_s << QString()
                              << u"Experience cannot be negative: nothing changed."_s;
    QTest::newRow("too large") << QLocale::c() << u"9223372036854775808"_s << QString()
                               << u"That is more experience than the planner can hold: nothing "
                                  u"changed."_s;
    QTest::newRow("no number") << QLocale::c() << u"lots"_s << QString()
                               << u"Type the experience as a whole number: nothing changed."_s;
}

void RouteWindowTest::experienceToSpend() {
    QFETCH(QLocale, locale);
    QFETCH(QString, typed);
    QFETCH(QString, summary);
    QFETCH(QString, note);
    QVERIFY(route);
    const QLocale before;
    QLocale::setDefault(locale);
    TypeExperience(u"300"_s);
    const QString shownBefore = Summary();
    const CharacterPlan plan = window->document()->plan();
    TypeExperience(typed);
    const QString shown = Summary();
    QLocale::setDefault(before);
    QCOMPARE(FindControl<QLabel>(route, "lblExperienceNote")->text(), note);
    if (summary.isEmpty()) {
        QCOMPARE(shown, shownBefore);
        QVERIFY(!FindControl<QPushButton>(route, "cmdMarkBought")->isEnabled());
        QTest::keyClick(FindControl<QLineEdit>(route, "txtExperience"), Qt::Key_Return);
    } else {
        QVERIFY2(shown.startsWith(summary), qPrintable(shown));
    }
    QVERIFY(window->document()->plan() == plan);
}

// "Mark as bought" is one step that undo takes back exactly, with the box back as it was; while
// the step is done the box holds only what was left over, so pressing again buys nothing twice.
void RouteWindowTest::markAsBoughtAndUndo() {
    QVERIFY(route);
    const CharacterPlan before = window->document()->plan();
    auto *box = FindControl<QLineEdit>(route, "txtExperience");
    auto *mark = FindControl<QPushButton>(route, "cmdMarkBought");
    TypeExperience(u"1000000"_s);
    QTest::mouseClick(mark, Qt::LeftButton);
    QUndoStack *history = window->document()->history();
    QCOMPARE(history->undoText(), u"Bought 124 levels"_s);
    const CharacterPlan &after = window->document()->plan();
    QCOMPARE(after.skills[0].Base, 46);
    QCOMPARE(after.skills[10].Base, 69);
    QCOMPARE(after.skills[16].Base, 58);
    QCOMPARE(after.skills[10].Goal, before.skills[10].Goal);
    QCOMPARE(box->text(), u"4,965"_s);
    QVERIFY(Summary().startsWith(u"The route: 57 levels for 3,568,078. 4,965 buys no level"_s));
    QVERIFY(!mark->isEnabled());
    const int steps = history->count();
    QTest::mouseClick(mark, Qt::LeftButton);
    QCOMPARE(history->count(), steps);

    window->findChild<QAction *>(u"undoAction"_s)->trigger();
    QVERIFY(window->document()->plan() == before);
    QCOMPARE(box->text(), u"1,000,000"_s);
    window->findChild<QAction *>(u"redoAction"_s)->trigger();
    QCOMPARE(window->document()->plan().skills[10].Base, 69);
    QCOMPARE(box->text(), u"4,965"_s);
    window->findChild<QAction *>(u"undoAction"_s)->trigger();
    QCOMPARE(box->text(), u"1,000,000"_s);

    // A change of the plan in the planner drops the step that could be redone; the box keeps its
    // amount.
    QTest::mouseClick(FindControl<QPushButton>(window.get(), "cmdMaxGoal"), Qt::LeftButton);
    window->findChild<QAction *>(u"undoAction"_s)->trigger();
    QCOMPARE(box->text(), u"1,000,000"_s);
    QVERIFY(window->document()->plan() == before);
}

// Ctrl+C in the steps gives the route as text for a note: the headers, then a row a line, with
// what the experience in hand pays for.
void RouteWindowTest::copyAsText() {
    QVERIFY(route);
    TypeExperience(u"1000"_s);
    auto *table = FindControl<QTableView>(route, "tblRoute");
    table->setFocus();
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 122);
    QCOMPARE(lines.at(0), u"Skill\tFrom\tTo\tExperience\tRunning total\tMilestone\tPaid"_s);
    QCOMPARE(lines.at(1), u"Perception\t4\t13\t754\t754\t\tall"_s);
    QVERIFY(lines.at(2).startsWith(u"Braveness\t10\t"_s));
    QVERIFY(lines.at(2).endsWith(u"\t\t"_s));
}

// The chart draws on the palette's base, and its lines stand out from it, on light and dark
// desktops alike.
void RouteWindowTest::chartFollowsThePalette_data() {
    QTest::addColumn<QColor>("base");
    QTest::addColumn<QColor>("text");
    QTest::newRow("light") << QColor(Qt::white) << QColor(Qt::black);
    QTest::newRow("dark") << QColor(0x23, 0x26, 0x29) << QColor(0xef, 0xf0, 0xf1);
}

void RouteWindowTest::chartFollowsThePalette() {
    QFETCH(QColor, base);
    QFETCH(QColor, text);
    QVERIFY(route);
    AddMilestone(10, 100);
    auto *chart = FindControl<RouteChart>(route, "routeChart");
    QPalette palette = chart->palette();
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Text, text);
    chart->setPalette(palette);
    const QImage drawn = chart->grab().toImage();
    QCOMPARE(drawn.pixelColor(1, 1), base);
    for (std::size_t n = 0; n < 6; ++n) {
        QVERIFY(PlannerColours::Contrast(RouteChart::LineColour(palette, n), base) >= 3.0);
    }
    // The Sword line's legend is drawn in the first line colour.
    bool found = false;
    for (int y = 0; y < drawn.height() && !found; ++y) {
        for (int x = 0; x < drawn.width() && !found; ++x) {
            found = drawn.pixelColor(x, y).rgb() == RouteChart::LineColour(palette, 0).rgb();
        }
    }
    QVERIFY(found);
}

QTEST_MAIN(RouteWindowTest)
#include "RouteWindowTest.moc"
