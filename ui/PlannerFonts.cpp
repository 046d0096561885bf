// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/PlannerFonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>

namespace PlannerFonts {

namespace {

// The first family of the list that is installed, and that family alone: a family that is not
// installed sends the font look-up through fontconfig's substitutions and fallbacks, and to
// Qt's font cache fonts that list different families are different fonts, each loaded on its
// own, even where they come out as the same face. If none is installed, the style hint picks
// one.
QFont Face(const QStringList &families, QFont::StyleHint hint, int pixelSize) {
    QFont font;
    const QStringList installed = QFontDatabase::families();
    const auto found = std::find_if(families.begin(), families.end(), [&](const QString &family) {
        return installed.contains(family, Qt::CaseInsensitive);
    });
    font.setFamilies(found != families.end() ? QStringList{*found} : families);
    font.setStyleHint(hint);
    font.setPixelSize(pixelSize);
    return font;
}

constexpr QLatin1String Sans("Liberation Sans");
constexpr QLatin1String DejaVuSans("DejaVu Sans");

} // namespace

QFont FixedPitch(bool bold) {
    QFont font = Face({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                       QStringLiteral("DejaVu Sans Mono")},
                      QFont::TypeWriter, 13);
    font.setFixedPitch(true);
    font.setBold(bold);
    // Faces metric-compatible with Courier New advance 7.8 px at 13 px; spacing makes it 8.
    const qreal advance = QFontMetricsF(font).horizontalAdvance(QLatin1Char('M'));
    font.setLetterSpacing(QFont::AbsoluteSpacing, CharacterAdvance - advance);
    return font;
}

QFont SansSerif(int pixelSize) {
    return Face({QStringLiteral("MS Sans Serif"), Sans, DejaVuSans}, QFont::SansSerif, pixelSize);
}

QFont Credit() {
    return Face({QStringLiteral("Comic Sans MS"), Sans, DejaVuSans}, QFont::SansSerif, 11);
}

} // namespace PlannerFonts
