// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>

class DetailBox;
struct PlannerHost;

// Undo and redo of the document's history: first in the skill list's menu and in the Edit menu,
// by key anywhere in the window. In the edit `boxes` the keys undo the box's own typing while it
// has some; while a box's text differs from the one it was filled with, its redo keys redo only
// its own typing, so that the plan's redo does not overwrite it. A step that cannot be shown is
// told in the status bar. What was undone or redone is said through the document's changed().
void AddHistoryActions(const PlannerHost &host, const QList<DetailBox *> &boxes);
