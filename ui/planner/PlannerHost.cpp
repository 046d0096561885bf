// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/planner/PlannerHost.h"

#include "ui/shared/StatusNote.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

QAction *PlannerHost::AddMenuEntry(const QString &text, const char *objectName,
                                   const QKeySequence &keys, BarMenu barMenu) const {
    auto *action = new QAction(text, window);
    action->setObjectName(QLatin1String(objectName));
    action->setShortcut(keys);
    action->setShortcutVisibleInContextMenu(true);
    menu->addAction(action);
    if (QMenu *bar = Menu(barMenu)) {
        bar->addAction(action);
    }
    window->addAction(action);
    return action;
}

QAction *PlannerHost::AddMenuEntry(const QString &text, const char *objectName,
                                   const QKeySequence &keys) const {
    return AddMenuEntry(text, objectName, keys, BarMenu::Tools);
}

void PlannerHost::ShowNote(const QString &text) const {
    if (note) {
        note->Show(text);
    }
}
