// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>
#include <cstddef>

class Announcer;
class PlanDocument;
class QAction;
class QKeySequence;
class QMenu;
class QWidget;
class StatusNote;

// What the planner window lends the parts that work beside it (the history, the clipboard,
// "Compare Races" and any further window): the document they show and change, the window, which
// is the parent of their actions and windows and which they close with, the skill list's menu
// and the menu bar's menus for their entries, the announcer for their messages and the status
// bar's note. A part is attached by a function that takes this, such as AddCompareRacesAction,
// called once by the window's constructor. A part with a window of its own makes it a companion
// (CompanionWindow.h): placed on screen beside the planner, closed by Escape and Ctrl+W, with the
// planner's keys working in it.
struct PlannerHost {
    // The menus of the planner's menu bar, in their order there.
    enum class BarMenu { Plan, Edit, Tools, Help };

    PlanDocument *document = nullptr;
    QWidget *window = nullptr;
    // The skill list's menu.
    QMenu *menu = nullptr;
    Announcer *announcer = nullptr;
    // Indexed by BarMenu.
    std::array<QMenu *, 4> barMenus{};
    StatusNote *note = nullptr;

    QMenu *Menu(BarMenu which) const { return barMenus[static_cast<std::size_t>(which)]; }

    // Adds an entry to the end of the skill list's menu and of the menu bar's `barMenu`, the same
    // action in both, showing its keys, which work anywhere in the window.
    QAction *AddMenuEntry(const QString &text, const char *objectName, const QKeySequence &keys,
                          BarMenu barMenu) const;
    // The same in the Tools menu, where the windows beside the planner are opened.
    QAction *AddMenuEntry(const QString &text, const char *objectName,
                          const QKeySequence &keys) const;

    // Puts `note` in the planner's status bar, where it stays until the next note or a later
    // change of the plan, and says it once.
    void ShowNote(const QString &text) const;
};
