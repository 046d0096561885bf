// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExamplePlan.h"
#include "PlannerTestSupport.h"
#include "document/PlanDocument.h"
#include "ui/planner/Tarrowind_Char_Planner.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QUndoStack>

#include <memory>
#include <utility>

using namespace Qt::StringLiterals;

// Drives "Compare Plans" beside the real planner, on the README's example plan (Sword goal 120,
// 4,563,113 in all), kept as "Plan 2" where a row keeps it.
class ComparePlansWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void differences_data();
    void differences();
    void takeGoalsAndUndo();
    void picksFollowTheSet();

private:
    // Opens the window through its entry in the planner's menus.
    QWidget *OpenCompare();
    // Stores `goal` for Sword through the planner's boxes.
    void StoreSwordGoal(int goal);
    void KeepPlan();
    // The cells of a row, joined by "|".
    QString Row(int row) const;
    QString Line() const { return FindControl<QLabel>(compare, "lblComparison")->text(); }

    std::unique_ptr<Tarrowind_Char_Planner> window;
    QWidget *compare = nullptr;
};

void ComparePlansWindowTest::init() {
    window = std::make_unique<Tarrowind_Char_Planner>();
    QVERIFY(ShowActive(window.get()));
    QVERIFY(!window->document()->Apply(u"Example"_s, ExamplePlan::SetLevels));
}

void ComparePlansWindowTest::cleanup() {
    window.reset();
    compare = nullptr;
}

QWidget *ComparePlansWindowTest::OpenCompare() {
    window->findChild<QAction *>(u"comparePlansAction"_s)->trigger();
    auto *opened = window->findChild<QWidget *>(u"comparePlans"_s);
    return opened && opened->isWindow() && opened->isVisible() ? opened : nullptr;
}

void ComparePlansWindowTest::StoreSwordGoal(int goal) {
    FindControl<QListWidget>(window.get(), "lstSkills")->setCurrentRow(10);
    FindControl<QLineEdit>(window.get(), "txtGoal")->setText(QString::number(goal));
    QTest::mouseClick(FindControl<QPushButton>(window.get(), "cmdUpdate"), Qt::LeftButton);
}

void ComparePlansWindowTest::KeepPlan() {
    PlanDocument *document = window->document();
    QVERIFY(!document->KeepPlan(document->NewPlanName()));
}

QString ComparePlansWindowTest::Row(int row) const {
    auto *table = FindControl<QTableView>(compare, "tblComparison");
    QStringList cells;
    for (int column = 0; column < table->model()->columnCount(); ++column) {
        cells << Cell(table, row, column).toString();
    }
    return cells.join(u'|');
}

// Plan 1, shown, against Plan 2, kept: the rows that differ in full, the line above them and
// whether the shown plan may take the other's goals.
void ComparePlansWindowTest::differences_data() {
    QTest::addColumn<bool>("keep");
    QTest::addColumn<int>("goal");   // Sword's goal stored after keeping; -1: none
    QTest::addColumn<int>("first");  // the plan picked first, -1: as the window picks
    QTest::addColumn<int>("second"); // the same for the second
    QTest::addColumn<bool>("allSkills");
    QTest::addColumn<QStringList>("rows"); // the first rows, their cells joined by "|"
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("takeGoals");

    const QString example = u"Plan 2: ArchTemplar, 4,563,113"_s;
    const QString sword = u"Sword|35|35|the same|8|8|the same|80|120|Plan 2: 40 more|103|143|"
                          u"Plan 2 has 40 more|722,347|3,796,879|Plan 2 needs 3,074,532 more"_s;
    const QString total = u"Total|||||||||||||1,488,581|4,563,113|Plan 2 needs 3,074,532 more"_s;
    QTest::newRow("one plan") << false << -1 << -1 << -1 << false << QStringList() << 0
                              << u"Plan 1 is the only plan: there is nothing kept to compare it "
                                 u"with. \"Keep Plan\" in the Plan menu keeps a copy of it."_s
                              << false;
    QTest::newRow("Sword goal 80 after keeping")
        << true << 80 << -1 << -1 << false << QStringList{sword, total} << 2
        << u"Plan 1: ArchTemplar, 1,488,581 · "_s + example + u" · Plan 2 needs 3,074,532 more"_s
        << true;
    // Plan 1 has less, from its side; the shown plan is the second, and may take Plan 2's goals.
    QTest::newRow("the other way round")
        << true << 80 << 1 << 0 << false
        << QStringList{u"Sword|35|35|the same|8|8|the same|120|80|Plan 1: 40 less|143|103|Plan 1 "
                       u"has 40 less|3,796,879|722,347|Plan 1 needs 3,074,532 less"_s}
        << 2 << example + u" · Plan 1: ArchTemplar, 1,488,581 · Plan 1 needs 3,074,532 less"_s
        << true;
    // Rows that do not differ say so, in every difference.
    QTest::newRow("all skills")
        << true << 80 << -1 << -1 << true
        << QStringList{u"Braveness|10|10|the same|0|0|the same|50|50|the same|50|50|the same|"
                       u"374,640|374,640|the same"_s}
        << 38
        << u"Plan 1: ArchTemplar, 1,488,581 · "_s + example + u" · Plan 2 needs 3,074,532 more"_s
        << true;
    // Neither is the plan shown: there is no plan to take goals into.
    QTest::newRow("Plan 2 with itself")
        << true << 80 << 1 << 1 << false << QStringList() << 0
        << u"Plan 2: ArchTemplar, 4,563,113 · "_s + example +
               u" · both need the same experience · a plan compared with itself"_s
        << false;
}

void ComparePlansWindowTest::differences() {
    QFETCH(bool, keep);
    QFETCH(int, goal);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(bool, allSkills);
    QFETCH(QStringList, rows);
    QFETCH(int, count);
    QFETCH(QString, line);
    QFETCH(bool, takeGoals);
    if (keep) {
        KeepPlan();
    }
    if (goal >= 0) {
        StoreSwordGoal(goal);
    }
    compare = OpenCompare();
    QVERIFY(compare);
    for (const auto &[name, pick] : {std::pair{"cmbFirstPlan", first}, {"cmbSecondPlan", second}}) {
        if (pick >= 0) {
            auto *box = FindControl<QComboBox>(compare, name);
            box->setCurrentIndex(pick);
            Q_EMIT box->activated(pick);
        }
    }
    FindControl<QCheckBox>(compare, "chkAllSkills")->setChecked(allSkills);
    auto *table = FindControl<QTableView>(compare, "tblComparison");
    QCOMPARE(table->model()->rowCount(), count);
    for (int i = 0; i < rows.size(); ++i) {
        QCOMPARE(Row(i), rows.at(i));
    }
    QCOMPARE(Line(), line);
    QCOMPARE(FindControl<QPushButton>(compare, "cmdTakeGoals")->isEnabled(), takeGoals);
    // The direction is coloured as well as said: more in blue, less in orange, the same in the
    // table's own colour.
    for (int row = 0; row < count; ++row) {
        for (int column = 3; column < 16; column += 3) {
            const QString text = Cell(table, row, column).toString();
            const QVariant colour = Cell(table, row, column, Qt::ForegroundRole);
            QCOMPARE(colour.isValid(), !text.isEmpty() && text != u"the same"_s);
            const int hue = colour.value<QColor>().hue();
            QVERIFY(!colour.isValid() ||
                    (text.endsWith(u" more"_s) ? hue > 180 && hue < 250 : hue >= 0 && hue < 60));
        }
    }
}

// The shown plan, a Templar's reset, takes the kept ArchTemplar's goals where its race allows:
// one step, keeping its bases, equipment and what is typed in the planner and not stored, and
// naming the goal its race lowered; undo takes the step back whole.
void ComparePlansWindowTest::takeGoalsAndUndo() {
    KeepPlan();
    auto *race = FindControl<QComboBox>(window.get(), "cmbRace");
    race->setCurrentIndex(5);
    Q_EMIT race->activated(5);
    PlanDocument *document = window->document();
    const CharacterPlan before = document->plan();
    FindControl<QListWidget>(window.get(), "lstSkills")->setCurrentRow(0);
    auto *eq = FindControl<QLineEdit>(window.get(), "txtEQ");
    eq->setText(u"7"_s);

    compare = OpenCompare();
    QVERIFY(compare);
    auto *take = FindControl<QPushButton>(compare, "cmdTakeGoals");
    QCOMPARE(take->text(), u"&Take goals from Plan 2"_s);
    QTest::mouseClick(take, Qt::LeftButton);
    const CharacterPlan &after = document->plan();
    QCOMPARE(document->history()->undoText(), u"Goals from Plan 2"_s);
    CharacterPlan expected = before; // Braveness, Sword (lowered) and Perception
    expected.skills[0].Goal = 50;
    expected.skills[10].Goal = 90;
    expected.skills[16].Goal = 60;
    expected.Recalculate();
    QVERIFY(after == expected);
    QCOMPARE(eq->text(), u"7"_s);
    QCOMPARE(compare->findChild<QLabel *>(u"lblNote"_s)->text(),
             u"Goals from Plan 2: 3 goals changed, total 1,969,194; Sword goal 120 lowered to 90, "
             u"the highest for Templar."_s);
    QVERIFY(Line().startsWith(u"Plan 1: Templar, 1,969,194 · "_s));

    QTest::keyClick(take, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(document->plan() == before);
    QVERIFY(Line().startsWith(u"Plan 1: Templar, 0 · "_s));
    window->findChild<QAction *>(u"redoAction"_s)->trigger();
    QCOMPARE(document->plan().skills[10].Goal, 90);
}

// A pick stays on its plan while others are kept or removed and while it is renamed.
void ComparePlansWindowTest::picksFollowTheSet() {
    KeepPlan();
    StoreSwordGoal(80);
    KeepPlan(); // Plan 3, Sword goal 80
    StoreSwordGoal(60);
    KeepPlan(); // Plan 4, Sword goal 60
    compare = OpenCompare();
    QVERIFY(compare);
    auto *second = FindControl<QComboBox>(compare, "cmbSecondPlan");
    QCOMPARE(second->currentText(), u"Plan 2"_s);
    second->setCurrentIndex(2);
    Q_EMIT second->activated(2);
    PlanDocument *document = window->document();
    QVERIFY(!document->RemovePlan(1)); // Plan 3 moves to where Plan 2 was
    QCOMPARE(second->currentText(), u"Plan 3"_s);
    QVERIFY(!document->RenamePlan(1, u"Target"_s));
    QCOMPARE(second->currentText(), u"Target"_s);
    QCOMPARE(FindControl<QPushButton>(compare, "cmdTakeGoals")->text(),
             u"&Take goals from Target"_s);
    QCOMPARE(Line(),
             u"Plan 1: ArchTemplar, 974,638 · Target: ArchTemplar, 1,488,581 · Target needs "
             u"513,943 more"_s);
}

QTEST_MAIN(ComparePlansWindowTest)
#include "ComparePlansWindowTest.moc"
