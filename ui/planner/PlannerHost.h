// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class Announcer;
class PlanDocument;
class QAction;
class QKeySequence;
class QMenu;
class QWidget;

// What the planner window lends the parts that work beside it (the history, the clipboard,
// "Compare Races" and any further window): the document they show and change, the window, which
// is the parent of their actions and windows and which they close with, the skill list's menu
// for their entries and the announcer for their messages. A part is attached by a function that
// takes this, such as AddCompareRacesAction, called once by the window's constructor. A part
// with a window of its own makes it a companion (CompanionWindow.h): placed on screen beside the
// planner, closed by Escape and Ctrl+W, with the planner's keys working in it.
struct PlannerHost {
    PlanDocument *document = nullptr;
    QWidget *window = nullptr;
    QMenu *menu = nullptr;
    Announcer *announcer = nullptr;

    // Adds an entry to the end of the menu, showing its keys, which work anywhere in the window.
    QAction *AddMenuEntry(const QString &text, const char *objectName,
                          const QKeySequence &keys) const;
};
