// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// A window that works beside the planner, such as "Compare Races": a top-level child of the
// planner window that shows the plan without being the planner.
namespace CompanionWindow {

// Once, when the window is made. Escape and Ctrl+W close it, so does the planner's closing, and
// the planner's window-wide keys (undo, redo, Copy Plan, Paste Plan, the keys that open
// companions, and any added later) work in it as they do in the planner.
void Prepare(QWidget *window, QWidget *planner);

// Shows the window raised and active, restored if it was minimised. The first time, it takes the
// size of its content as far as the planner's screen allows, cannot be made smaller than that,
// and stands beside the planner, inside the screen's available area.
void Show(QWidget *window, const QWidget *planner);

// Where the top-left corner of a window frame of `frame` goes: `gap` to the right of the
// planner's frame if it fits there, else to its left, else as far right as it fits; never
// outside `available`, and level with the planner's top as far as the screen allows.
QPoint PlaceBeside(const QRect &planner, const QSize &frame, const QRect &available, int gap);

} // namespace CompanionWindow
