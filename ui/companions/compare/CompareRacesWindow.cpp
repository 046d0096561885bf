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
    note->setFocusPolicy(Qt::StrongFocus); // a selectable label alone takes the focus by click
    auto *layout = new QVBoxLayout(content());
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
    // The plan's race is where the user's eye goes first, also after a paste or a race change;
    // the table reads the current cell out on focus.
    if (plan.race != m_selectedRace) {
        m_selectedRace = plan.race;
        m_table->setCurrentIndex(m_costs->index(plan.race, RaceCostModel::RaceColumn));
    }
}

void CompareRacesWindow::Opening(bool /*shown*/) {
    m_selectedRace = -1; // each opening starts on the plan's race
    ShowPlan();
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
