// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/companions/compare/CompareRacesWindow.h"

#include "document/PlanDocument.h"
#include "plan/RaceComparison.h"
#include "ui/companions/compare/RaceCostModel.h"
#include "ui/planner/PlannerHost.h"
#include "ui/shared/ResultTable.h"

#include <QAction>
#include <QLabel>
#include <QVBoxLayout>

#include <exception>

using namespace Tarrowind_Module;

CompareRacesWindow::CompareRacesWindow(const PlanDocument *document, QWidget *planner)
    : CompanionWindow(document, planner), m_document(document), m_costs(new RaceCostModel(this)),
      m_table(new ResultTable(m_costs, "raceTable", tr("Races"), this)) {
    setObjectName(QStringLiteral("compareRaces"));
    setWindowTitle(tr("Compare Races"));
    m_table->FitContents();
    // The plan's race is where the user's eye goes first; the table reads it out on focus.
    m_table->SayCurrentCellOnEntry();

    auto *note = new QLabel(
        tr("Each race with this plan's bases, equipment and goals, recalculated as Update does, "
           "without a reset. Lowered: skills with a base or goal above the race's maximum. Cannot "
           "learn: skills the plan raises above their start level or equips, which the race "
           "cannot learn at all."),
        this);
    note->setObjectName(QStringLiteral("compareNote"));
    note->setWordWrap(true);
    // Tab reaches the explanation, so a screen reader can read it.
    note->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(note);
}

void CompareRacesWindow::ShowPlan() {
    const CharacterPlan &plan = m_document->plan();
    std::array<RaceCost, RaceCount> costs{};
    std::exception_ptr failure;
    try {
        costs = CompareRaces(plan);
    } catch (...) {
        failure = std::current_exception(); // not for a plan the document holds; shown, not thrown
    }
    m_costs->Show(costs, plan.race, failure);
}

void CompareRacesWindow::Opening(bool /*shown*/) {
    ShowPlan();
    m_table->setCurrentIndex(m_costs->index(m_document->plan().race, RaceCostModel::RaceColumn));
}

CompareRacesWindow *CompareRacesWindow::Open(const PlanDocument *document, QWidget *planner) {
    return CompanionWindow::Open<CompareRacesWindow>(planner, document, planner);
}

void AddCompareRacesAction(const PlannerHost &host) {
    QAction *action = host.AddMenuEntry(CompareRacesWindow::tr("Compare Races"),
                                        "compareRacesAction", Qt::CTRL | Qt::Key_R);
    QObject::connect(action, &QAction::triggered, host.window,
                     [document = host.document, planner = host.window] {
                         CompareRacesWindow::Open(document, planner);
                     });
}
