// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

class QPalette;

// Colours the planner draws beyond the palette's own, worked out from the palette so that they
// hold on light and dark desktops alike.
namespace PlannerColours {

// The contrast ratio of two colours as WCAG defines it: 1 for equal colours, 21 for black on
// white.
qreal Contrast(const QColor &a, const QColor &b);

// The border of a refused box: a red with at least 3:1 contrast against both the box's base and
// the window around it, or the red with the most contrast where no red has that much.
QColor RefusedBorder(const QPalette &palette);

} // namespace PlannerColours
