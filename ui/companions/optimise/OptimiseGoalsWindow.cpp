// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/companions/optimise/OptimiseGoalsWindow.h"

#include "document/PlanDocument.h"
#include "ui/companions/optimise/CheapestPanel.h"
#include "ui/companions/optimise/ReachPanel.h"
#include "ui/desktop/PlannerAccessibility.h"
#include "ui/planner/PlannerHost.h"

#include <QAction>
#include <QVBoxLayout>

#include <chrono>

OptimiseGoalsWindow::OptimiseGoalsWindow(PlanDocument *document, QWidget *planner,
                                         Announcer *announcer)
    : CompanionWindow(document, planner), m_document(document),
      m_resultSaid(new PausedAnnouncement(announcer, std::chrono::milliseconds(600), this)),
      m_reach(new ReachPanel(document, announcer, m_resultSaid, this)),
      m_cheapest(new CheapestPanel(document, announcer, m_resultSaid, this)) {
    setObjectName(QStringLiteral("optimiseGoals"));
    setWindowTitle(tr("Optimise Goals"));
    auto *layout = new QVBoxLayout(content());
    layout->addWidget(m_reach);
    layout->addWidget(m_cheapest);
}

void OptimiseGoalsWindow::ShowPlan() {
    m_reach->ShowPlan();
    m_cheapest->ShowPlan();
}

void OptimiseGoalsWindow::Opening(bool shown) {
    if (!shown) {
        m_reach->Start(m_document->plan().selected);
        m_cheapest->ShowPlan();
        m_resultSaid->Cancel(); // opening is no change to announce
    }
}

OptimiseGoalsWindow *OptimiseGoalsWindow::Open(PlanDocument *document, QWidget *planner,
                                               Announcer *announcer) {
    return CompanionWindow::Open<OptimiseGoalsWindow>(planner, document, planner, announcer);
}

void AddOptimiseGoalsAction(const PlannerHost &host) {
    QAction *action = host.AddMenuEntry(OptimiseGoalsWindow::tr("Optimise Goals…"),
                                        "optimiseGoalsAction", Qt::CTRL | Qt::Key_T);
    QObject::connect(action, &QAction::triggered, host.window,
                     [document = host.document, planner = host.window, announcer = host.announcer] {
                         OptimiseGoalsWindow::Open(document, planner, announcer);
                     });
}
