// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/companions/optimise/GoalsPanel.h"

#include "document/PlanDocument.h"
#include "text/FailureText.h"
#include "ui/desktop/PlannerAccessibility.h"

#include <QPushButton>

#include <exception>

using namespace Tarrowind_Module;

GoalsPanel::GoalsPanel(const QString &title, PlanDocument *document, Announcer *announcer,
                       PausedAnnouncement *resultSaid, QWidget *parent)
    : QGroupBox(title, parent), m_document(document), m_resultSaid(resultSaid),
      m_announcer(announcer) {}

void GoalsPanel::ApplyGoals(QPushButton *button, const QString &what,
                            const CharacterPlan &suggested) {
    const std::exception_ptr failure = m_document->Apply(what, [suggested](CharacterPlan &plan) {
        for (SkillNumber s = 0; s < SkillCount; ++s) {
            plan.skills[s].Goal = suggested.skills[s].Goal;
        }
    });
    if (failure && m_announcer) {
        m_announcer->ShowAt(button, FailureText::NothingChanged(failure));
    }
}

std::int32_t GoalsPanel::Total(const CharacterPlan &plan) {
    std::int32_t total = 0;
    plan.GoalTotal(total);
    return total;
}
