// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/companions/optimise/GoalsPanel.h"

#include <exception>
#include <optional>

class CheapestModel;
class QCheckBox;
class QLabel;
class ResultTable;

// "The same values for less": the cheapest goals that keep every skill's modded value at goal,
// and every attribute's unless "Attributes may end lower" is ticked. It follows every change of
// the plan and of the check box at once.
class CheapestPanel : public GoalsPanel {
    Q_OBJECT

public:
    CheapestPanel(PlanDocument *document, Announcer *announcer, PausedAnnouncement *resultSaid,
                  QWidget *parent);

    void ShowPlan() override;

private:
    void cmdApplyCheapest_Click();

    // The preview as shown, for "Apply". It is worked out again only when the plan or the check
    // box changed.
    std::optional<Tarrowind_Module::CharacterPlan> m_cheapest;
    std::optional<Tarrowind_Module::CharacterPlan> m_cheapestFrom;
    bool m_cheapestMayFall = false;
    std::exception_ptr m_cheapestFailure;
    CheapestModel *m_goals;

    QLabel *lblCheapest;
    ResultTable *tblCheapest;
    QCheckBox *chkAttributesMayFall;
    QPushButton *cmdApplyCheapest;
};
