// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

// What the desktop's clipboard can tell beyond Qt's own interface. On X11 it asks the X server;
// elsewhere it answers from what the platform is known to do, or not at all.
namespace DesktopClipboard {

enum class KeepsCopy { Yes, No, Unknown };

// Whether text the planner put on the clipboard outlasts the planner: on X11 only where a
// clipboard manager runs, to which Qt hands the clipboard when the program ends; on Windows and
// macOS always; with the test platforms, whose clipboard lives in the process, never.
KeepsCopy ClipboardKeepsCopy();

// Whether some program owns the clipboard, so that an empty list of formats means that the owner
// did not answer rather than that there is nothing; no value where the platform cannot say.
std::optional<bool> ClipboardHasOwner();

} // namespace DesktopClipboard
