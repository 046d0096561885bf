// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/planner/PlannerHistory.h"

#include "document/PlanDocument.h"
#include "text/FailureText.h"
#include "ui/planner/PlannerHost.h"
#include "ui/shared/DetailBox.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QUndoStack>

namespace {

// Whether a key pressed in an edit box is one of `action`'s shortcuts.
bool IsShortcutOf(const QAction *action, const QKeyEvent *key) {
    // As QKeyEvent::matches does: the keypad and group switch make no other key.
    const QKeySequence pressed(
        QKeyCombination(key->modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier),
                        static_cast<Qt::Key>(key->key())));
    return action->shortcuts().contains(pressed);
}

// An undo or redo key in an edit box goes to the box's own typing while it has some, and to the
// document's history otherwise. Redo of the plan would refill the box, so while the box holds
// typing that was not stored, its redo keys redo only the box's own typing, or nothing.
class BoxHistoryKeys : public QObject {
    Q_OBJECT

public:
    BoxHistoryKeys(QObject *parent, QAction *undo, QAction *redo)
        : QObject(parent), m_undo(undo), m_redo(redo) {}

    bool eventFilter(QObject *watched, QEvent *event) override {
        auto *box = qobject_cast<DetailBox *>(watched);
        if (!box ||
            (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)) {
            return QObject::eventFilter(watched, event);
        }
        auto *key = static_cast<QKeyEvent *>(event);
        const bool undo = IsShortcutOf(m_undo, key);
        if (!undo && !IsShortcutOf(m_redo, key)) {
            return QObject::eventFilter(watched, event);
        }
        // A line edit claims its undo and redo keys even with nothing of its own to undo, and
        // would keep them from the window. setText, as every refill of the boxes does, clears
        // the box's own history, so what is left there is typing that was not stored.
        const bool boxHasIt =
            undo ? box->isUndoAvailable() : box->isRedoAvailable() || box->HoldsUnstoredTyping();
        if (key->type() == QEvent::ShortcutOverride) {
            key->setAccepted(boxHasIt); // ignored, it triggers the window's action
            return true;
        }
        // The box's own keys and those it does not know itself, such as Ctrl+Y.
        if (boxHasIt && undo) {
            box->undo();
        } else if (boxHasIt && box->isRedoAvailable()) {
            box->redo();
        }
        return true;
    }

private:
    QAction *m_undo;
    QAction *m_redo;
};

QList<QKeySequence> RedoKeys() {
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Redo);
#ifndef Q_OS_MACOS
    // Ctrl+Y redoes on Windows, and in many programs on Linux too.
    const QKeySequence ctrlY(Qt::CTRL | Qt::Key_Y);
    if (!keys.contains(ctrlY)) {
        keys.append(ctrlY);
    }
#endif
    return keys;
}

} // namespace

void AddHistoryActions(const PlannerHost &host, const QList<DetailBox *> &boxes) {
    QUndoStack *history = host.document->history();
    // "Undo Max Goals", "Redo race change to Templar"; plain "Undo" when there is none. The
    // actions step through the document rather than the stack, so that a step that cannot be
    // shown is told to the user.
    QAction *undo = history->createUndoAction(
        host.window, QCoreApplication::translate("PlannerHistory", "&Undo"));
    undo->setObjectName(QStringLiteral("undoAction"));
    undo->setShortcuts(QKeySequence::Undo);
    QAction *redo = history->createRedoAction(
        host.window, QCoreApplication::translate("PlannerHistory", "&Redo"));
    redo->setObjectName(QStringLiteral("redoAction"));
    redo->setShortcuts(RedoKeys());
    for (QAction *action : {undo, redo}) {
        QObject::disconnect(action, &QAction::triggered, history, nullptr);
        QObject::connect(action, &QAction::triggered, host.window, [host, isUndo = action == undo] {
            const std::exception_ptr failure =
                isUndo ? host.document->Undo() : host.document->Redo();
            if (failure) {
                host.ShowNote(FailureText::NothingChanged(failure));
            }
        });
    }

    // First in the menu, whatever else is added there, and on the window, so that the keys work
    // wherever the focus is.
    QAction *first = host.menu->actions().value(0);
    host.menu->insertAction(first, undo);
    host.menu->insertAction(first, redo);
    host.menu->insertSeparator(first);
    if (QMenu *edit = host.Menu(PlannerHost::BarMenu::Edit)) {
        QAction *firstInEdit = edit->actions().value(0);
        edit->insertAction(firstInEdit, undo);
        edit->insertAction(firstInEdit, redo);
        edit->insertSeparator(firstInEdit);
    }
    host.window->addAction(undo);
    host.window->addAction(redo);

    auto *keys = new BoxHistoryKeys(host.window, undo, redo);
    for (DetailBox *box : boxes) {
        box->installEventFilter(keys);
    }
}

#include "PlannerHistory.moc"
