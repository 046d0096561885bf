// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#ifndef Q_MOC_RUN // moc of Qt 6.4 cannot parse <concepts>
#include "plan/CharacterPlan.h"
#endif

#include <QGroupBox>

#include <cstdint>

class Announcer;
class PausedAnnouncement;
class PlanDocument;
class QPushButton;

// A part of "Optimise Goals": a preview of changed goals for the document's plan with its own
// "Apply", which stores the preview's goals, and nothing else of it, as one step of the plan's
// history.
class GoalsPanel : public QGroupBox {
    Q_OBJECT

public:
    // Shows the preview for the document's plan.
    virtual void ShowPlan() = 0;

protected:
    // `resultSaid` says a result the user changed through the panel's controls once the user
    // stops changing them; `announcer` may be null.
    GoalsPanel(const QString &title, PlanDocument *document, Announcer *announcer,
               PausedAnnouncement *resultSaid, QWidget *parent);

    // Stores the goals of `suggested` as the step `what`, and says on the window's note line
    // what that changed ("Cheapest goals: 6 goals changed, total 3,130,683"), or why nothing
    // changed. The focus, if `button` had it and the step leaves it greyed, goes to `nearby`.
    void ApplyGoals(QPushButton *button, const QString &what,
                    const Tarrowind_Module::CharacterPlan &suggested, QWidget *nearby);
    // Says `note` on the window's note line.
    void Note(const QString &note);

    static std::int32_t Total(const Tarrowind_Module::CharacterPlan &plan);

    PlanDocument *m_document;
    PausedAnnouncement *m_resultSaid;

private:
    Announcer *m_announcer;
};
