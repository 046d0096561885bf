// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>

class DetailBox;
class QWidget;
struct PlannerHost;

// Undo and redo of the document's history: first in the menu, by key anywhere in the window.
// In the edit `boxes` the keys undo the box's own typing while it has some; while a box's text
// differs from the one it was filled with, its redo keys redo only its own typing, so that the
// plan's redo does not overwrite it. A step that cannot be shown is reported at `messageAt`.
// What was undone or redone is said through the document's changed().
void AddHistoryActions(const PlannerHost &host, QWidget *messageAt,
                       const QList<DetailBox *> &boxes);
