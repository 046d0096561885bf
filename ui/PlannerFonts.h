// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

// Fonts of the planner window. Sizes are in pixels at 96 dpi; Qt scales them on other screens.
namespace PlannerFonts {

// Advance of one character in the header and the skill list: the header's words stand over
// the columns of the rows only if both fonts advance exactly this far.
inline constexpr qreal CharacterAdvance = 8.0;

QFont FixedPitch(bool bold);
QFont SansSerif(int pixelSize);
QFont Credit();

} // namespace PlannerFonts
