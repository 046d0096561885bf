// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/PlanStep.h"

#include <QAction>
#include <QKeyEvent>

#include <utility>

PlanStep::PlanStep(const QString &what, const Tarrowind_Module::CharacterPlan &before,
                   const Tarrowind_Module::CharacterPlan &after, ShowPlan show)
    : QUndoCommand(what), m_before(before), m_after(after), m_show(std::move(show)) {}

void PlanStep::undo() {
    m_show(m_before);
    m_shown = false;
}

void PlanStep::redo() {
    if (!m_shown) {
        m_show(m_after);
        m_shown = true;
    }
}

bool IsShortcutOf(const QAction *action, const QKeyEvent *key) {
    // As QKeyEvent::matches does: the keypad and group switch make no other key.
    const QKeySequence pressed(
        QKeyCombination(key->modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier),
                        static_cast<Qt::Key>(key->key())));
    return action->shortcuts().contains(pressed);
}
