// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's history of plan changes: undo and redo by key and by the skill list's menu.
#include "ui/PlanStep.h"
#include "ui/Tarrowind_Char_Planner.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSignalBlocker>
#include <QUndoStack>

#include <exception>

using namespace Tarrowind_Module;

namespace {

// A step holds two whole plans; beyond this many steps the oldest go, which bounds the memory
// the history takes.
constexpr int HistoryLimit = 10000;

} // namespace

void Tarrowind_Char_Planner::CreateHistory() {
    m_history = new QUndoStack(this);
    m_history->setUndoLimit(HistoryLimit);

    // "Undo Max Goals", "Redo race change to Templar"; plain "Undo" when there is none.
    m_undoAction = m_history->createUndoAction(this, tr("Undo"));
    m_undoAction->setObjectName(QStringLiteral("undoAction"));
    m_undoAction->setShortcuts(QKeySequence::Undo);
    m_redoAction = m_history->createRedoAction(this, tr("Redo"));
    m_redoAction->setObjectName(QStringLiteral("redoAction"));
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
#ifndef Q_OS_MACOS
    // Ctrl+Y redoes on Windows, and in many programs on Linux too.
    const QKeySequence ctrlY(Qt::CTRL | Qt::Key_Y);
    if (!redoKeys.contains(ctrlY)) {
        redoKeys.append(ctrlY);
    }
#endif
    m_redoAction->setShortcuts(redoKeys);

    // First in the list's menu, whatever else is added there, and on the window, so that the
    // keys work wherever the focus is.
    QAction *first = m_listMenu->actions().value(0);
    m_listMenu->insertAction(first, m_undoAction);
    m_listMenu->insertAction(first, m_redoAction);
    m_listMenu->insertSeparator(first);
    addAction(m_undoAction);
    addAction(m_redoAction);

    for (QLineEdit *box : {txtBase, txtEQ, txtGoal}) {
        box->installEventFilter(this);
    }
}

void Tarrowind_Char_Planner::ShowPlan(const CharacterPlan &plan) {
    const CharacterPlan shown = m_plan;
    m_plan = plan;
    try {
        UpdateForm();
    } catch (const std::exception &error) {
        // Every plan in the history has been recalculated and shown before, so this is not
        // expected; should it happen, the window keeps the plan it shows.
        m_plan = shown;
        ShowMessageAt(lstSkills,
                      tr("Nothing was changed: %1.").arg(QString::fromUtf8(error.what())));
        return;
    }
    {
        // Showing the plan's race is no choice of race: nothing may be reset.
        const QSignalBlocker blocker(cmbRace);
        cmbRace->setCurrentIndex(m_plan.race);
    }
    Q_EMIT planChanged();
}

bool Tarrowind_Char_Planner::HistoryKeyInBox(QLineEdit *box, QKeyEvent *key) {
    const bool undo = IsShortcutOf(m_undoAction, key);
    if (!undo && !IsShortcutOf(m_redoAction, key)) {
        return false;
    }
    // A line edit claims its undo and redo keys even with nothing of its own to undo, and would
    // keep them from the window. setText, as every refill of the boxes does, clears the box's
    // own history, so what is left there is typing that was not stored.
    const bool boxHasIt = undo ? box->isUndoAvailable() : box->isRedoAvailable();
    if (key->type() == QEvent::ShortcutOverride) {
        key->setAccepted(boxHasIt); // ignored, it triggers the window's action
        return true;
    }
    // The box's own keys and those it does not know itself, such as Ctrl+Y.
    if (boxHasIt && undo) {
        box->undo();
    } else if (boxHasIt) {
        box->redo();
    }
    return true;
}
