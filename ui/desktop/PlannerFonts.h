// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QStringList>

// Fonts of the planner window. Sizes are in pixels at 96 dpi; Qt scales them on other screens.
namespace PlannerFonts {

// Advance of one character in the header and the skill list: the header's words stand over
// the columns of the rows only if both fonts advance exactly this far.
inline constexpr qreal CharacterAdvance = 8.0;

// The header's and the list's face: the first of the chosen families that is installed and
// resolves to a fixed-pitch face, else the system's fixed font, else the desktop's generic
// monospace face. A fixed-pitch face is spaced to advance CharacterAdvance when it is that close
// already; a face that is not fixed-pitch keeps its own spacing. `installed` are the families
// the system has.
QFont FixedPitch(bool bold, const QStringList &installed);
QFont FixedPitch(bool bold);
QFont SansSerif(int pixelSize);
QFont Credit();

} // namespace PlannerFonts
