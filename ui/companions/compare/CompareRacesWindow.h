// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#ifndef Q_MOC_RUN // moc of Qt 6.4 cannot parse <concepts>
#include "plan/CharacterPlan.h"
#endif

#include <QWidget>

class PlanDocument;
class QTableWidget;
struct PlannerHost;

// A separate window beside the planner: what the document's plan would cost for every race, how
// many of its skills each race would lower, and how many it cannot learn at all. It follows
// every change of the plan while it is shown and never changes the plan. It is the planner
// window's child, so it goes when the planner goes, and it closes when the planner closes.
class CompareRacesWindow : public QWidget {
    Q_OBJECT

public:
    CompareRacesWindow(const PlanDocument *document, QWidget *planner);

    // Fills the table from the plan: one row per race in race order, the plan's race marked.
    void ShowPlan(const Tarrowind_Module::CharacterPlan &plan);

    // Shows the planner's comparison window, creating it on first use, and brings it forward.
    static CompareRacesWindow *Open(const PlanDocument *document, QWidget *planner);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const PlanDocument *m_document;
    QTableWidget *m_table;
};

// Adds "Compare Races" (Ctrl+R anywhere in the planner) to the planner's menu.
void AddCompareRacesAction(const PlannerHost &host);
