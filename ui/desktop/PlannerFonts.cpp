// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/desktop/PlannerFonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace PlannerFonts {

namespace {

// The first family of the list that is installed, and that family alone: a family that is not
// installed sends the font look-up through fontconfig's substitutions and fallbacks, and to
// Qt's font cache fonts that list different families are different fonts, each loaded on its
// own, even where they come out as the same face. If none is installed, the style hint picks
// one.
QFont Face(const QStringList &families, QFont::StyleHint hint, int pixelSize,
           const QStringList &installed = QFontDatabase::families()) {
    QFont font;
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

Advances MeasuredAdvances(const QFont &font) {
    const QFontMetricsF metrics(font);
    Advances advances;
    advances.reserve(PitchSample.size());
    for (const QChar c : PitchSample) {
        advances.append(metrics.horizontalAdvance(c));
    }
    return advances;
}

bool AdvanceAlike(const Advances &advances) {
    // Advances come in 1/64 px steps; hinting may round one glyph a step apart from the rest.
    constexpr qreal Step = 1.0 / 64;
    return !advances.isEmpty() &&
           std::all_of(advances.begin(), advances.end(), [&advances](qreal advance) {
               return std::abs(advance - advances.front()) <= Step;
           });
}

QFont FixedPitch(bool bold, const QStringList &installed, const MeasureFace &measure) {
    const QStringList chosen{QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                             QStringLiteral("DejaVu Sans Mono")};
    QList<QFont> candidates;
    for (const QString &family : chosen) {
        if (installed.contains(family, Qt::CaseInsensitive)) {
            candidates.append(Face({family}, QFont::TypeWriter, 13, installed));
        }
    }
    candidates.append(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    candidates.append(Face({QStringLiteral("monospace")}, QFont::TypeWriter, 13, installed));
    for (QFont &font : candidates) {
        font.setPixelSize(13);
        font.setBold(bold);
        font.setFixedPitch(true);
    }
    for (const QFont &candidate : candidates) {
        const Advances advances = measure(candidate);
        if (!AdvanceAlike(advances)) {
            continue;
        }
        // Faces metric-compatible with Courier New advance 7.8 px at 13 px; spacing makes it 8.
        // Any larger correction would squeeze or stretch a face never meant for these columns.
        QFont font = candidate;
        const qreal correction = CharacterAdvance - advances.front();
        if (std::abs(correction) < 1.0) {
            font.setLetterSpacing(QFont::AbsoluteSpacing, correction);
        }
        return font;
    }
    // Without any fixed-pitch face the columns cannot hold; the rows are at least legible.
    return candidates.front();
}

QFont FixedPitch(bool bold) {
    return FixedPitch(bold, QFontDatabase::families());
}

QFont SansSerif(int pixelSize) {
    return Face({QStringLiteral("MS Sans Serif"), Sans, DejaVuSans}, QFont::SansSerif, pixelSize);
}

QFont Credit() {
    return Face({QStringLiteral("Comic Sans MS"), Sans, DejaVuSans}, QFont::SansSerif, 11);
}

} // namespace PlannerFonts
