// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPalette>

// Colours the planner draws beyond the palette's own, worked out from the palette so that they
// hold on light and dark desktops alike.
namespace PlannerColours {

// The contrast ratio of two colours as WCAG defines it: 1 for equal colours, 21 for black on
// white.
qreal Contrast(const QColor &a, const QColor &b);

// The border of a refused box: a red with at least 3:1 contrast against both the box's base and
// the window around it, or the red with the most contrast where no red has that much.
QColor RefusedBorder(const QPalette &palette);

// The least contrast of text that is read, not only seen, as WCAG asks of body text.
inline constexpr qreal ReadableContrast = 4.5;

// Text of `hue` (0 to 359) that is read against the palette's base: the hue at ReadableContrast
// or more, darker on a light base and lighter on a dark one.
QColor ReadableHue(const QPalette &palette, int hue);

// `palette` with the text of an item view readable whether its window is active or not: in both
// groups, the text at ReadableContrast or more against the base, and the selected rows' text
// against their highlight. A colour that has it already is kept; some styles (Adwaita) grey the
// text of an inactive window down to 3:1, so that a list looks disabled while a window beside it
// has the focus. The disabled group is left alone: greyed is what it means there.
QPalette ReadableItems(QPalette palette);

} // namespace PlannerColours
