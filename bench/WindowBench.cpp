// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner window, offscreen: one whole UpdateForm, undo and redo of a change, one keystroke
// in the goal box with its live cost, and the refresh of "Compare Races", "Compare Plans",
// "Optimise Goals" and "Route" after a change of the plan. All run on a shown window, as in the
// program.
#include "rules/Tarrowind_Module.h"
#include "tests/ExamplePlan.h"
#include "ui/companions/compare/CompareRacesWindow.h"
#include "ui/companions/optimise/OptimiseGoalsWindow.h"
#include "ui/companions/plans/ComparePlansWindow.h"
#include "ui/companions/route/RouteWindow.h"
#include "ui/desktop/PlannerAccessibility.h"
#include "ui/planner/Tarrowind_Char_Planner.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QUndoStack>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <ctime>
#include <random>
#include <vector>

#include <malloc.h>

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

// The windows beside the planner that a change also refills.
enum class Beside { Nothing, CompareRaces, ComparePlans };

// A change that rewrites the text of every row the race can learn: "Max Goals" and "Reset
// Skills" in turn, each the button's handler and the UpdateForm it ends with.
void ToggleBulkButtons(benchmark::State &state, Beside beside) {
    PlannerWindow planner;
    PlanDocument *document = planner.window.document();
    if (beside == Beside::CompareRaces) {
        CompareRacesWindow::Open(document, &planner.window);
    } else if (beside == Beside::ComparePlans) {
        // Against the plan with every goal at its maximum, all 37 skills shown.
        if (document->KeepPlan(document->NewPlanName())) {
            state.SkipWithError("no plan kept");
            return;
        }
        QWidget *compare = ComparePlansWindow::Open(document, &planner.window, nullptr);
        compare->findChild<QCheckBox *>(QStringLiteral("chkAllSkills"))->setChecked(true);
    }
    QApplication::processEvents();
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
    ToggleBulkButtons(state, Beside::Nothing);
}
BENCHMARK(BM_UpdateFormEveryRowChanged);

// The same with the "Compare Races" window open: every change also recalculates the plan for
// the eight races and refills its table.
void BM_UpdateFormEveryRowChangedComparing(benchmark::State &state) {
    ToggleBulkButtons(state, Beside::CompareRaces);
}
BENCHMARK(BM_UpdateFormEveryRowChangedComparing);

// The same with "Compare Plans" open on the plan shown and a kept one: every change also
// compares the two and refills the 38 rows of its table.
void BM_UpdateFormEveryRowChangedComparingPlans(benchmark::State &state) {
    ToggleBulkButtons(state, Beside::ComparePlans);
}
BENCHMARK(BM_UpdateFormEveryRowChangedComparingPlans);

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

// "Optimise Goals" open beside the planner, on Sword with the highest target it can reach.
OptimiseGoalsWindow *OpenOptimiser(PlannerWindow &planner) {
    auto *optimise = OptimiseGoalsWindow::Open(planner.window.document(), &planner.window,
                                               planner.window.findChild<Announcer *>());
    auto *skill = optimise->findChild<QComboBox *>(QStringLiteral("cmbTargetSkill"));
    skill->setCurrentIndex(skill->findText(QStringLiteral("Sword")));
    auto *target = optimise->findChild<QSpinBox *>(QStringLiteral("spnTarget"));
    target->setValue(target->maximum());
    QApplication::processEvents();
    return optimise;
}

// Each run stores Sword's goal of the README's example plan as 119 and as 120 in turn, each a
// change that the planner and every open window show.
void StoreSwordGoalsInTurn(benchmark::State &state, PlanDocument *document) {
    std::int16_t goal = 119;
    for (auto _ : state) {
        (void)document->Apply(
            QStringLiteral("Goal"),
            [goal](Tarrowind_Module::CharacterPlan &plan) { plan.skills[10].Goal = goal; });
        goal = goal == 119 ? 120 : 119;
    }
    QApplication::processEvents();
}

// A change of the README's example plan with "Optimise Goals" open: Sword's goal stored as 119
// and as 120 in turn, each shown by the planner and by both parts of the window.
void BM_OptimiseGoalsAfterAChange(benchmark::State &state) {
    PlannerWindow planner;
    PlanDocument *document = planner.window.document();
    (void)document->Apply(QStringLiteral("Example"), ExamplePlan::SetLevels);
    OpenOptimiser(planner);
    StoreSwordGoalsInTurn(state, document);
}
BENCHMARK(BM_OptimiseGoalsAfterAChange)->Unit(benchmark::kMillisecond);

double ThreadCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// 200 seeded random plans opened in turn: the planner's and the open window's refresh after
// each; the worst and the median of them, in CPU time of the window's thread (as the core's
// figures) and in wall time.
void MeasureRandomPlans(benchmark::State &state, PlanDocument *document) {
    std::vector<double> milliseconds, wallMilliseconds;
    for (auto _ : state) {
        milliseconds.clear();
        wallMilliseconds.clear();
        std::mt19937 random(2026);
        auto pick = [&random](int from, int to) {
            return static_cast<std::int16_t>(std::uniform_int_distribution<int>(from, to)(random));
        };
        for (int i = 0; i < 200; ++i) {
            Tarrowind_Module::CharacterPlan plan;
            plan.race = pick(0, Tarrowind_Module::RaceCount - 1);
            plan.ResetSkills();
            for (Tarrowind_Module::SkillNumber s = 0; s < Tarrowind_Module::SkillCount; ++s) {
                SkillPlanEntry &entry = plan.skills[s];
                const auto max = Tarrowind_Module::RaceMax(plan.race, s);
                entry.Goal = pick(std::min(entry.Base, max), max);
                entry.EQ = pick(-5, 15);
            }
            plan.selected = 10;
            const auto wallStart = std::chrono::steady_clock::now();
            const double start = ThreadCpuMilliseconds();
            document->Open(plan);
            milliseconds.push_back(ThreadCpuMilliseconds() - start);
            wallMilliseconds.push_back(std::chrono::duration<double, std::milli>(
                                           std::chrono::steady_clock::now() - wallStart)
                                           .count());
        }
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::sort(wallMilliseconds.begin(), wallMilliseconds.end());
    state.counters["worst_ms"] = milliseconds.back();
    state.counters["median_ms"] = milliseconds[milliseconds.size() / 2];
    state.counters["worst_wall_ms"] = wallMilliseconds.back();
    QApplication::processEvents();
}

// The same with "Optimise Goals" open; the argument is the check box "Attributes may end lower".
void BM_OptimiseGoalsRandomPlans(benchmark::State &state) {
    PlannerWindow planner;
    PlanDocument *document = planner.window.document();
    OpenOptimiser(planner)
        ->findChild<QCheckBox *>(QStringLiteral("chkAttributesMayFall"))
        ->setChecked(state.range(0) != 0);
    MeasureRandomPlans(state, document);
}
BENCHMARK(BM_OptimiseGoalsRandomPlans)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// "Route" open beside the planner with three milestones (Sword 100, Perception at its value at
// goal and Braveness 40) and 1,000,000 experience to spend.
// Whether it shows what the amount buys, with the three milestones.
bool OpenRoute(PlannerWindow &planner) {
    PlanDocument *document = planner.window.document();
    auto *route =
        RouteWindow::Open(document, &planner.window, planner.window.findChild<Announcer *>());
    auto *add = route->findChild<QPushButton *>(QStringLiteral("cmdAddMilestone"));
    auto *value = route->findChild<QSpinBox *>(QStringLiteral("spnMilestone"));
    for (const auto &[skill, modded] : {std::pair{10, 100}, std::pair{16, -1}, std::pair{0, 40}}) {
        document->Select(static_cast<Tarrowind_Module::SkillNumber>(skill));
        add->click();
        if (modded >= 0) {
            value->setValue(modded);
        }
    }
    auto *box = route->findChild<QLineEdit *>(QStringLiteral("txtExperience"));
    QGuiApplication::clipboard()->setText(QStringLiteral("1000000"));
    box->selectAll();
    box->paste(); // an edit of the user's, as typing is
    QApplication::processEvents();
    return route->findChild<QAbstractItemView *>(QStringLiteral("tblMilestones"))
                   ->model()
                   ->rowCount() == 3 &&
           route->findChild<QLabel *>(QStringLiteral("lblRouteSummary"))
               ->text()
               .contains(QStringLiteral("1,000,000 buys"));
}

// A change of the README's example plan with "Route" open: Sword's goal stored as 119 and as
// 120 in turn, each shown by the planner and by the route: the route worked out again, its
// milestones, rows, summary and chart.
void BM_RouteAfterAChange(benchmark::State &state) {
    PlannerWindow planner;
    PlanDocument *document = planner.window.document();
    (void)document->Apply(QStringLiteral("Example"), ExamplePlan::SetLevels);
    if (!OpenRoute(planner)) {
        state.SkipWithError("the route does not show what 1,000,000 buys");
    }
    StoreSwordGoalsInTurn(state, document);
}
BENCHMARK(BM_RouteAfterAChange)->Unit(benchmark::kMillisecond);

// The 200 seeded random plans with "Route" open, its milestones as above.
void BM_RouteRandomPlans(benchmark::State &state) {
    PlannerWindow planner;
    (void)planner.window.document()->Apply(QStringLiteral("Example"), ExamplePlan::SetLevels);
    if (!OpenRoute(planner)) {
        state.SkipWithError("the route does not show what 1,000,000 buys");
    }
    MeasureRandomPlans(state, planner.window.document());
}
BENCHMARK(BM_RouteRandomPlans)->Iterations(1)->Unit(benchmark::kMillisecond);

// The heap the undo history of one document takes after 10,000 steps, as glibc counts the bytes in
// use: changes of the shown plan with one plan, the same with eight plans, and steps of the set
// cycling Keep Plan, Rename, Show and Remove with seven or eight plans.
enum class HistoryKind { OnePlan, EightPlans, SetSteps };

void BM_HistoryMemory(benchmark::State &state, HistoryKind kind) {
    for (auto _ : state) {
        PlanDocument document;
        CharacterPlan start;
        start.race = 6;
        start.ResetSkills();
        document.Open(start);
        const qsizetype plans = kind == HistoryKind::OnePlan      ? 1
                                : kind == HistoryKind::EightPlans ? 8
                                                                  : 7;
        while (document.planCount() < plans) {
            (void)document.KeepPlan(document.NewPlanName());
        }
        document.history()->clear();
        const std::size_t before = mallinfo2().uordblks;
        for (int step = 0; step < 10'000; ++step) {
            if (kind != HistoryKind::SetSteps) {
                (void)document.Apply(QStringLiteral("step"), [step](CharacterPlan &plan) {
                    plan.skills[10].Goal = static_cast<std::int16_t>(50 + step % 2);
                });
                continue;
            }
            switch (step % 4) {
            case 0:
                (void)document.KeepPlan(document.NewPlanName());
                break;
            case 1:
                (void)document.RenamePlan(7, QStringLiteral("Kept %1").arg(step));
                break;
            case 2:
                (void)document.ShowPlan(step % 8 == 2 ? 7 : 0);
                break;
            default:
                (void)document.RemovePlan(7);
                break;
            }
        }
        if (document.history()->count() != 10'000) {
            state.SkipWithError("a step was refused");
        }
        state.counters["MiB"] = double(mallinfo2().uordblks - before) / (1024.0 * 1024.0);
    }
}
BENCHMARK_CAPTURE(BM_HistoryMemory, one_plan, HistoryKind::OnePlan)->Iterations(1);
BENCHMARK_CAPTURE(BM_HistoryMemory, eight_plans, HistoryKind::EightPlans)->Iterations(1);
BENCHMARK_CAPTURE(BM_HistoryMemory, set_steps, HistoryKind::SetSteps)->Iterations(1);

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
