// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QList>
#include <QStringList>
#include <QStringView>

#include <functional>

// Fonts of the planner window. Sizes are in pixels at 96 dpi; Qt scales them on other screens.
namespace PlannerFonts {

// Advance of one character in the header and the skill list: the header's words stand over
// the columns of the rows only if both fonts advance exactly this far.
inline constexpr qreal CharacterAdvance = 8.0;

// How far each character of PitchSample advances in a face, in pixels.
using Advances = QList<qreal>;
// The characters that decide whether a face is fixed-pitch: digits, capitals, lower case and the
// blank.
inline constexpr QStringView PitchSample =
    u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz ";
// The advances of a face as it is drawn (QFontMetricsF).
Advances MeasuredAdvances(const QFont &font);
using MeasureFace = std::function<Advances(const QFont &)>;

// Whether the characters all advance alike, to well below a pixel; false without any. This, not
// the face's own word (QFontInfo::fixedPitch), makes a face fixed-pitch: fontconfig's entries of
// some fixed-pitch faces, "Noto Sans Mono" among them, say nothing of their spacing.
bool AdvanceAlike(const Advances &advances);

// The header's and the list's face: the first of the chosen families that is installed and
// measures fixed-pitch, else the system's fixed font, else the desktop's generic monospace face.
// A fixed-pitch face is spaced to advance CharacterAdvance when it is that close already; a face
// that is not fixed-pitch keeps its own spacing. `installed` are the families the system has;
// `measure` tells how each candidate is drawn.
QFont FixedPitch(bool bold, const QStringList &installed,
                 const MeasureFace &measure = MeasuredAdvances);
QFont FixedPitch(bool bold);
QFont SansSerif(int pixelSize);
QFont Credit();

} // namespace PlannerFonts
