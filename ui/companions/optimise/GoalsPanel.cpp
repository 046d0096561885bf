// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/companions/optimise/GoalsPanel.h"

#include "document/PlanDocument.h"
#include "text/FailureText.h"
#include "text/NumberText.h"
#include "ui/desktop/PlannerAccessibility.h"
#include "ui/shared/CompanionWindow.h"

#include <QLocale>
#include <QPushButton>

#include <exception>

using namespace Tarrowind_Module;

GoalsPanel::GoalsPanel(const QString &title, PlanDocument *document, Announcer *announcer,
                       PausedAnnouncement *resultSaid, QWidget *parent)
    : QGroupBox(title, parent), m_document(document), m_resultSaid(resultSaid),
      m_announcer(announcer) {}

void GoalsPanel::ApplyGoals(QPushButton *button, const QString &what,
                            const CharacterPlan &suggested, QWidget *nearby) {
    const bool focused = button->hasFocus();
    const CharacterPlan before = m_document->plan();
    // The note says what the step did, in place of what the planner would say of the change.
    if (m_announcer) {
        m_announcer->LeaveNextChange(true);
    }
    const std::exception_ptr failure =
        m_document->ApplyBeside(what, [suggested](CharacterPlan &plan) {
            for (SkillNumber s = 0; s < SkillCount; ++s) {
                plan.skills[s].Goal = suggested.skills[s].Goal;
            }
        });
    if (m_announcer) {
        m_announcer->LeaveNextChange(false);
    }
    if (failure) {
        Note(FailureText::NothingChanged(failure));
        return;
    }
    const CharacterPlan &after = m_document->plan();
    int changed = 0;
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        changed += after.skills[s].Goal != before.skills[s].Goal ? 1 : 0;
    }
    const QString total = NumberText::GroupedAmount(Total(after));
    Note(tr("%1: %Ln goal(s) changed, total %2", nullptr, changed).arg(what, total));
    if (focused && !button->isEnabled() && nearby) {
        nearby->setFocus(Qt::OtherFocusReason);
    }
}

void GoalsPanel::Note(const QString &note) {
    if (CompanionWindow *window = CompanionWindow::Of(this)) {
        window->ShowNote(note);
    }
}

std::int32_t GoalsPanel::Total(const CharacterPlan &plan) {
    std::int32_t total = 0;
    plan.GoalTotal(total);
    return total;
}
