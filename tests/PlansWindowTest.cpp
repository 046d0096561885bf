// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlannerTestSupport.h"
#include "document/PlanDocument.h"
#include "text/GameNames.h"
#include "text/MessageText.h"
#include "text/SkillRow.h"
#include "ui/planner/Tarrowind_Char_Planner.h"
#include "ui/shared/CompanionWindow.h"
#include "ui/shared/StatusNote.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr Tarrowind_Module::SkillNumber Sword = 10;

} // namespace

// Sessions with several plans, played on the real planner through its Plan menu, the Plans
// window, the undo and redo entries and the clipboard. After every step the Plan menu and the
// Plans window, where it is open, agree with the plans the planner holds.
class PlansWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void sessions_data();
    void sessions();

private:
    QAction *action(const char *name) const { return FindControl<QAction>(window.get(), name); }
    // Plays one step; false when it could not be played.
    bool Play(const QString &step);
    // The plans as "name race goal" of Sword, the shown one marked "*", joined by " | ".
    QString Plans() const;
    // The Plan menu's entries and the Plans window, where it is open, show the plans the planner
    // holds.
    void CheckMenus() const;
    QWidget *PlansWindow() const {
        return window->findChild<QWidget *>(u"plansWindow"_s, Qt::FindDirectChildrenOnly);
    }

    std::unique_ptr<Tarrowind_Char_Planner> window;
};

void PlansWindowTest::init() {
    window = std::make_unique<Tarrowind_Char_Planner>();
    QVERIFY(ShowActive(window.get()));
}

void PlansWindowTest::cleanup() {
    window->document()->MarkAllCopied(); // closing asks nothing
    window.reset();
}

bool PlansWindowTest::Play(const QString &step) {
    const QString what = step.section(u'=', 0, 0);
    const QString argument = step.section(u'=', 1);
    if (what == u"goal"_s) { // Sword's goal, stored
        FindControl<QListWidget>(window.get(), "lstSkills")->setCurrentRow(Sword);
        FindControl<QLineEdit>(window.get(), "txtGoal")->setText(argument);
        FindControl<QPushButton>(window.get(), "cmdUpdate")->click();
    } else if (what == u"clipboard"_s) {
        QGuiApplication::clipboard()->setText(argument);
    } else if (what == u"row"_s) { // the Plans window's current row, counted from 1
        if (!PlansWindow()) {
            action("plansAction")->trigger();
        }
        auto *table = FindControl<QTableView>(PlansWindow(), "planTable");
        table->setCurrentIndex(table->model()->index(argument.toInt() - 1, 0));
    } else if (what == u"name"_s) { // typed into the rename dialog, accepted
        auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (!dialog || dialog->objectName() != u"renamePlanDialog"_s) {
            return false;
        }
        dialog->setTextValue(argument);
        dialog->accept();
    } else if (auto *entry = window->findChild<QAction *>(what)) {
        entry->trigger(); // nothing while it is disabled, as for a click
    } else if (auto *button =
                   PlansWindow() ? PlansWindow()->findChild<QPushButton *>(what) : nullptr) {
        button->click();
    } else {
        return false;
    }
    return true;
}

QString PlansWindowTest::Plans() const {
    const PlanDocument *document = window->document();
    QStringList plans;
    for (qsizetype index = 0; index < document->planCount(); ++index) {
        const Tarrowind_Module::CharacterPlan &plan = document->planAt(index);
        plans << (index == document->shownPlan() ? u"*"_s : QString()) + document->planName(index) +
                     u' ' + GameNames::Race(plan.race) + u' ' +
                     QString::number(plan.skills[Sword].Goal);
    }
    return plans.join(u" | "_s);
}

void PlansWindowTest::CheckMenus() const {
    const PlanDocument *document = window->document();
    const qsizetype count = document->planCount();
    QCOMPARE(action("keepPlanAction")->isEnabled(), count < PlanDocument::MaxPlans);
    QCOMPARE(action("pasteAsNewPlanAction")->isEnabled(), count < PlanDocument::MaxPlans);
    QCOMPARE(action("removePlanAction")->isEnabled(), count > 1);
    QCOMPARE(FindControl<QListWidget>(window.get(), "lstSkills")->item(Sword)->text(),
             SkillRowText(GameNames::Skill(Sword), document->plan().skills[Sword]));
    // Each plan's number and name as written, the shown one marked "*".
    QStringList names, inMenu, inWindow;
    for (qsizetype index = 0; index < count; ++index) {
        names << (index == document->shownPlan() ? u"*"_s : QString()) +
                     QString::number(index + 1) + u' ' + document->planName(index);
    }
    for (const QAction *entry : FindControl<QMenu>(window.get(), "showPlanMenu")->actions()) {
        inMenu << (entry->isChecked() ? u"*"_s : QString()) +
                      MessageText::WithoutMnemonic(entry->text());
    }
    QCOMPARE(inMenu, names);
    if (!PlansWindow() || !PlansWindow()->isVisible()) {
        return;
    }
    const auto *table = FindControl<QTableView>(PlansWindow(), "planTable");
    for (int row = 0; row < table->model()->rowCount(); ++row) {
        QString name = Cell(table, row, 0).toString();
        // The shown plan is in bold and says so in words.
        const bool shown =
            Cell(table, row, 0, Qt::FontRole).value<QFont>().bold() && name.endsWith(u" (shown)"_s);
        inWindow << (shown ? u"*"_s : QString()) + QString::number(row + 1) + u' ' +
                        (shown ? name.chopped(8) : name);
        QCOMPARE(Cell(table, row, 1).toString(), GameNames::Race(document->planAt(row).race));
    }
    QCOMPARE(inWindow, names);
}

void PlansWindowTest::sessions_data() {
    // Each step takes a Plan menu entry or presses a Plans window button by its name, or is
    // "goal=N" (Sword's goal stored), "clipboard=text", "row=N" (the Plans window's current row,
    // opening the window) or "name=text" (typed into the rename dialog and accepted).
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("plans"); // afterwards, as Plans() gives them
    // Afterwards on the status bar, or on the Plans window's note line where it is open.
    QTest::addColumn<QString>("note");

    const QString keep = u"keepPlanAction"_s, rename = u"renamePlanAction"_s,
                  remove = u"removePlanAction"_s, undo = u"undoAction"_s, redo = u"redoAction"_s,
                  paste = u"pastePlan"_s, pasteNew = u"pasteAsNewPlanAction"_s;
    const QString start = u"*Plan 1 ArchTemplar 4"_s, two = u"*Plan 1 ArchTemplar 4 | Plan 2 "
                                                            u"ArchTemplar 4"_s;
    const auto text = [](const QList<std::pair<QString, int>> &plans,
                         const QString &race = u"Templar"_s) -> QString {
        QStringList texts;
        for (const auto &[name, goal] : plans) {
            texts << u"Plan: %1\nRace: %2\nSword 4 0 10 %3"_s.arg(name, race).arg(goal);
        }
        return u"clipboard="_s + texts.join(u"\n\n"_s);
    };

    QTest::newRow("keep") << QStringList{u"goal=50"_s, keep}
                          << u"*Plan 1 ArchTemplar 50 | Plan 2 ArchTemplar 50"_s
                          << u"The shown plan kept as “Plan 2”; “Plan 1” stays shown."_s;
    QTest::newRow("show, the shown one kept in its place")
        << QStringList{keep, u"goal=50"_s, u"showPlan2"_s}
        << u"Plan 1 ArchTemplar 50 | *Plan 2 ArchTemplar 4"_s
        << u"“Plan 2” shown: ArchTemplar, Goal Cost Total: 0."_s;
    QTest::newRow("rename to a taken name")
        << QStringList{keep, rename, u"name=Plan 2"_s}
        << u"*Plan 2 (2) ArchTemplar 4 | Plan 2 ArchTemplar 4"_s
        << u"Another plan is named “Plan 2”: “Plan 1” renamed “Plan 2 (2)”."_s;
    QTest::newRow("a name with a tab refused")
        << QStringList{rename, u"name=a\tb"_s} << start
        << u"The plan was not renamed: a plan's name cannot hold line breaks, tabs or invisible "
           u"characters."_s;
    QTest::newRow("remove the shown one: the next is shown")
        << QStringList{keep, u"goal=50"_s, keep, u"showPlan2"_s, remove}
        << u"Plan 1 ArchTemplar 50 | *Plan 3 ArchTemplar 50"_s
        << u"“Plan 2” removed. “Plan 3” shown: ArchTemplar, Goal Cost Total: 112,523."_s;
    QTest::newRow("the last plan cannot be removed")
        << QStringList{keep, remove, remove} << u"*Plan 2 ArchTemplar 4"_s
        << u"“Plan 1” removed. “Plan 2” shown: ArchTemplar, Goal Cost Total: 0."_s;
    QStringList plans{u"*Plan 1 ArchTemplar 4"_s};
    for (int kept = 2; kept <= 8; ++kept) {
        plans << u"Plan %1 ArchTemplar 4"_s.arg(kept);
    }
    QTest::newRow("eight plans: no more kept") // the last step finds its entry disabled
        << QStringList(8, keep) << plans.join(u" | "_s)
        << u"The shown plan kept as “Plan 8”; “Plan 1” stays shown."_s;

    // Undo and redo walk plan and set steps alike, in order.
    QTest::newRow("show and a change undone, one redone")
        << QStringList{keep, u"goal=50"_s, u"showPlan2"_s, undo, undo, redo}
        << u"*Plan 1 ArchTemplar 50 | Plan 2 ArchTemplar 4"_s << QString();
    QTest::newRow("rename undone and redone") << QStringList{rename, u"name=Target"_s, undo, redo}
                                              << u"*Target ArchTemplar 4"_s << QString();
    QTest::newRow("remove of the shown one undone")
        << QStringList{keep, u"goal=50"_s, remove, undo}
        << u"*Plan 1 ArchTemplar 50 | Plan 2 ArchTemplar 4"_s << QString();
    QTest::newRow("paste of several undone in one step")
        << QStringList{keep, text({{u"A"_s, 50}, {u"B"_s, 60}}), paste, undo} << two << QString();

    QTest::newRow("paste of several")
        << QStringList{keep, text({{u"A"_s, 50}, {u"B"_s, 60}}), paste}
        << u"*A Templar 50 | Plan 2 ArchTemplar 4 | B Templar 60"_s
        << u"Plans pasted: “A” shown, “B” kept."_s;
    QTest::newRow("names taken or repeated numbered")
        << QStringList{keep, text({{u"Plan 2"_s, 50}, {u"Plan 2"_s, 60}, {u"X"_s, 70}}), paste}
        << u"*Plan 2 (2) Templar 50 | Plan 2 ArchTemplar 4 | Plan 2 (3) Templar 60 | X Templar 70"_s
        << u"Plans pasted: “Plan 2 (2)” shown, “Plan 2 (3)”, “X” kept. Renamed, as their names "
           u"were taken: “Plan 2 (2)”, “Plan 2 (3)”."_s;
    QList<std::pair<QString, int>> nine;
    for (int plan = 1; plan <= 9; ++plan) {
        nine.append({u"P%1"_s.arg(plan), 50});
    }
    QTest::newRow("nine refused as a whole")
        << QStringList{text(nine), paste} << start
        << u"Nothing was pasted: the text holds 9 plans, which would make 9, more than the 8 the "
           u"planner holds."_s;
    QTest::newRow("a plan without its race line refused")
        << QStringList{u"clipboard=Plan: A\nRace: Templar\nSword 4 0 10 50\nPlan: B\nSword 4 0 10 "
                       u"50"_s,
                       paste}
        << start << u"Nothing was pasted: this plan has no race line, in line 4: \"Plan: B\""_s;
    QTest::newRow("a goal lowered is named with its plan")
        << QStringList{text({{u"A"_s, 50}, {u"B"_s, 120}}, u"Mercenary"_s), paste}
        << u"*A Mercenary 50 | B Mercenary 60"_s
        << u"Plans pasted: “A” shown, “B” kept. Lowered: “B”: Sword goal 120 lowered to 60, the "
           u"highest for Mercenary."_s;
    QTest::newRow("paste as new, one plan")
        << QStringList{u"goal=50"_s, u"clipboard=Race: Templar\nSword 4 0 10 50"_s, pasteNew}
        << u"*Plan 1 ArchTemplar 50 | Plan 2 Templar 50"_s
        << u"Plan pasted as the new plan “Plan 2”."_s;
    QTest::newRow("paste as new, several")
        << QStringList{text({{u"Plan 1"_s, 50}, {u"B"_s, 60}}), pasteNew}
        << u"*Plan 1 ArchTemplar 4 | Plan 1 (2) Templar 50 | B Templar 60"_s
        << u"Plans pasted as new plans: “Plan 1 (2)”, “B”. Renamed, as their names were taken: "
           u"“Plan 1 (2)”."_s;
    // Every accepted name, blanks at either end trimmed, comes back through Copy Plans and a paste
    // as it was.
    QTest::newRow("names round-tripped")
        << QStringList{u"goal=50"_s,   keep,           rename, u"name=  Tom’s  build 2 & co "_s,
                       u"showPlan2"_s, u"goal=70"_s,   rename, u"name=Sword"_s,
                       keep,           u"showPlan3"_s, rename, u"name=Seyan'Du 120"_s,
                       u"copyPlans"_s, remove,         remove, paste}
        << u"*Tom’s  build 2 & co ArchTemplar 50 | Sword ArchTemplar 70 | Seyan'Du 120 "
           u"ArchTemplar 70"_s
        << u"Plans pasted: “Tom’s  build 2 & co” shown, “Sword”, “Seyan'Du 120” kept."_s;

    // The Plans window's buttons make the same changes and say them on its note line.
    QTest::newRow("window: keep and show")
        << QStringList{u"row=1"_s, u"cmdKeepPlan"_s, u"row=2"_s, u"cmdShowPlan"_s}
        << u"Plan 1 ArchTemplar 4 | *Plan 2 ArchTemplar 4"_s
        << u"“Plan 2” shown: ArchTemplar, Goal Cost Total: 0."_s;
    QTest::newRow("window: rename a kept plan to a taken name")
        << QStringList{keep, u"row=2"_s, u"cmdRenamePlan"_s, u"name=Plan 1"_s}
        << u"*Plan 1 ArchTemplar 4 | Plan 1 (2) ArchTemplar 4"_s
        << u"Another plan is named “Plan 1”: “Plan 2” renamed “Plan 1 (2)”."_s;
    QTest::newRow("window: remove a kept plan, undone")
        << QStringList{keep, u"goal=50"_s, u"row=2"_s, u"cmdRemovePlan"_s, undo}
        << u"*Plan 1 ArchTemplar 50 | Plan 2 ArchTemplar 4"_s << QString();
}

void PlansWindowTest::sessions() {
    QFETCH(QStringList, steps);
    QFETCH(QString, plans);
    QFETCH(QString, note);

    for (const QString &step : steps) {
        QVERIFY2(Play(step), qPrintable(step));
        CheckMenus();
        if (QTest::currentTestFailed()) {
            QFAIL(qPrintable(u"after "_s + step));
        }
    }
    QCOMPARE(Plans(), plans);
    auto *plansWindow = static_cast<CompanionWindow *>(PlansWindow());
    QCOMPARE(plansWindow ? plansWindow->note() : window->statusNote()->note(), note);
}

QTEST_MAIN(PlansWindowTest)
#include "PlansWindowTest.moc"
