// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#ifndef Q_MOC_RUN // moc of Qt 6.4 cannot parse <concepts>
#include "plan/CharacterPlan.h"
#endif

#include <QUndoCommand>

#include <functional>

class QAction;
class QKeyEvent;

// One change of the plan in the window's history: the whole plan just before the change and
// just after it, race, records and selected skill. Undo shows the one, redo the other, through
// `show`, which must not fail. The step is pushed once the window already shows the change, so
// the first redo, the one QUndoStack::push runs, does nothing.
class PlanStep : public QUndoCommand {
public:
    using ShowPlan = std::function<void(const Tarrowind_Module::CharacterPlan &)>;

    PlanStep(const QString &what, const Tarrowind_Module::CharacterPlan &before,
             const Tarrowind_Module::CharacterPlan &after, ShowPlan show);

    void undo() override;
    void redo() override;

private:
    Tarrowind_Module::CharacterPlan m_before;
    Tarrowind_Module::CharacterPlan m_after;
    ShowPlan m_show;
    bool m_shown = true;
};

// Whether a key pressed in an edit box is one of `action`'s shortcuts (undo or redo).
bool IsShortcutOf(const QAction *action, const QKeyEvent *key);
