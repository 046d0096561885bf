// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QAbstractItemView;
struct PlannerHost;

// The plan as text on the clipboard: "Copy Plan" and "Paste Plan" in the menu, Ctrl+Shift+C and
// Ctrl+Shift+V anywhere in the window, and the standard copy and paste keys in `list`, beside
// which their messages are shown.
void AddClipboardActions(const PlannerHost &host, QAbstractItemView *list);
