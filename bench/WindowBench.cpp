// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner window, offscreen: one whole UpdateForm, undo and redo of a change, and one
// keystroke in the goal box with its live cost. Both run on a shown window, as in the program.
#include "rules/Tarrowind_Module.h"
#include "ui/CompareRacesWindow.h"
#include "ui/Tarrowind_Char_Planner.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

// A window as the user has it after some work: every goal at its maximum, so that all 37 rows
// carry a grouped cost, and a skill in the middle of the list selected.
struct PlannerWindow {
    Tarrowind_Char_Planner window;
    QListWidget *list = window.findChild<QListWidget *>(QStringLiteral("lstSkills"));
    QLineEdit *base = window.findChild<QLineEdit *>(QStringLiteral("txtBase"));
    QLineEdit *goal = window.findChild<QLineEdit *>(QStringLiteral("txtGoal"));
    QLineEdit *cost = window.findChild<QLineEdit *>(QStringLiteral("txtGoalCost"));

    PlannerWindow() {
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
        QTest::mouseClick(window.findChild<QWidget *>(QStringLiteral("cmdMaxGoal")),
                          Qt::LeftButton);
        list->setCurrentRow(20);
        QApplication::processEvents();
    }
};

// What the planner shows after every change of the plan, which the document has recalculated:
// 37 rows, the total, the race, reselection and the detail boxes. Painting follows later, from
// the event loop.
void BM_UpdateForm(benchmark::State &state) {
    PlannerWindow planner;
    for (auto _ : state) {
        planner.window.UpdateForm();
    }
    QApplication::processEvents();
}
BENCHMARK(BM_UpdateForm);

// A change that rewrites the text of every row the race can learn: "Max Goals" and "Reset
// Skills" in turn, each the button's handler and the UpdateForm it ends with.
void ToggleBulkButtons(benchmark::State &state, bool compareRaces) {
    PlannerWindow planner;
    if (compareRaces) {
        CompareRacesWindow::Open(planner.window.document(), &planner.window);
        QApplication::processEvents();
    }
    auto *maxGoals = planner.window.findChild<QPushButton *>(QStringLiteral("cmdMaxGoal"));
    auto *reset = planner.window.findChild<QPushButton *>(QStringLiteral("cmdReset"));
    bool raised = true;
    for (auto _ : state) {
        (raised ? reset : maxGoals)->click();
        raised = !raised;
    }
    QApplication::processEvents();
}

void BM_UpdateFormEveryRowChanged(benchmark::State &state) {
    ToggleBulkButtons(state, false);
}
BENCHMARK(BM_UpdateFormEveryRowChanged);

// The same with the "Compare Races" window open: every change also recalculates the plan for
// the eight races and refills its table.
void BM_UpdateFormEveryRowChangedComparing(benchmark::State &state) {
    ToggleBulkButtons(state, true);
}
BENCHMARK(BM_UpdateFormEveryRowChangedComparing);

// The same with the repaint that the event loop then runs, for comparison with a frame.
void BM_UpdateFormAndRepaint(benchmark::State &state) {
    PlannerWindow planner;
    for (auto _ : state) {
        planner.window.UpdateForm();
        planner.window.repaint();
    }
}
BENCHMARK(BM_UpdateFormAndRepaint);

// Undo and redo of "Max Goals", each the whole plan put back and shown as UpdateForm shows it.
void BM_UndoRedo(benchmark::State &state) {
    PlannerWindow planner;
    auto *undo = planner.window.findChild<QAction *>(QStringLiteral("undoAction"));
    auto *redo = planner.window.findChild<QAction *>(QStringLiteral("redoAction"));
    for (auto _ : state) {
        undo->trigger();
        redo->trigger();
    }
    if (!undo->isEnabled() || redo->isEnabled()) {
        state.SkipWithError("there was no step to undo");
    }
    QApplication::processEvents();
}
BENCHMARK(BM_UndoRedo);

// One key pressed and released in the goal box: the box's edit, the live cost of the new text
// and the cost box's new text. Alternates typing a digit and erasing it, so every keystroke
// costs a goal of 50 or of 5 from base 1.
void BM_Keystroke(benchmark::State &state) {
    PlannerWindow planner;
    planner.base->setText(QStringLiteral("1"));
    planner.goal->setFocus();
    planner.goal->setText(QStringLiteral("5"));
    planner.goal->end(false);
    bool typed = false;
    for (auto _ : state) {
        if (typed) {
            QTest::keyClick(planner.goal, Qt::Key_Backspace);
        } else {
            QTest::keyClick(planner.goal, Qt::Key_0);
        }
        typed = !typed;
    }
    const Tarrowind_Module::CharacterPlan &plan = planner.window.document()->plan();
    const auto goal = static_cast<Tarrowind_Module::Level>(planner.goal->text().toInt());
    const auto expected = Tarrowind_Module::ExpToGoal(
        1, goal, Tarrowind_Module::RaceDifficulty(plan.race, plan.selected));
    if (planner.cost->text() != QString::number(expected)) {
        state.SkipWithError("the live cost was not shown");
    }
    QApplication::processEvents();
}
BENCHMARK(BM_Keystroke);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
