// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/desktop/PlannerColours.h"

#include <QPalette>

#include <algorithm>
#include <cmath>

namespace PlannerColours {

namespace {

qreal Channel(float value) {
    return value <= 0.04045f ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

qreal Luminance(const QColor &colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * Channel(rgb.redF()) + 0.7152 * Channel(rgb.greenF()) +
           0.0722 * Channel(rgb.blueF());
}

constexpr qreal SelectedContrast = ReadableContrast + 1.0;

bool IsDark(const QColor &colour) {
    return Luminance(colour) < 0.18;
}

// `colour` moved in lightness, towards black on a light `against` and towards white on a dark
// one, until it reaches `wanted` contrast with `against`; the first step that does, or black or
// white at the end.
QColor Distinct(const QColor &colour, const QColor &against, qreal wanted) {
    const QColor hsl = colour.toHsl();
    const bool lighter = IsDark(against);
    for (int step = 0; step <= 100; ++step) {
        const float shift = 0.01f * float(step);
        const float lightness = lighter ? std::min(1.0f, hsl.lightnessF() + shift)
                                        : std::max(0.0f, hsl.lightnessF() - shift);
        const QColor moved = QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), lightness);
        if (Contrast(moved, against) >= wanted) {
            return moved;
        }
    }
    return lighter ? QColor(Qt::white) : QColor(Qt::black);
}

} // namespace

qreal Contrast(const QColor &a, const QColor &b) {
    const qreal la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor RefusedBorder(const QPalette &palette) {
    const QColor base = palette.color(QPalette::Base);
    const QColor window = palette.color(QPalette::Window);
    const auto worst = [&](const QColor &colour) {
        return std::min(Contrast(colour, base), Contrast(colour, window));
    };
    // From the usual red towards black on a light desktop, towards white on a dark one.
    const bool dark = Luminance(base) + Luminance(window) < 0.36;
    QColor best = QColor::fromHslF(0.0f, 0.65f, 0.47f);
    for (int step = 0; step <= 45; ++step) {
        const float lightness = dark ? 0.47f + 0.01f * float(step) : 0.47f - 0.01f * float(step);
        const QColor red = QColor::fromHslF(0.0f, 0.65f, lightness);
        if (worst(red) > worst(best)) {
            best = red;
        }
        if (worst(red) >= 3.0) {
            return red;
        }
    }
    return best;
}

QColor ReadableHue(const QPalette &palette, int hue) {
    const QColor base = palette.color(QPalette::Base);
    return Distinct(QColor::fromHsl(hue, 200, IsDark(base) ? 160 : 110), base, ReadableContrast);
}

QPalette ReadableItems(QPalette palette) {
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor base = palette.color(group, QPalette::Base);
        const QColor text = palette.color(group, QPalette::Text);
        if (Contrast(text, base) < ReadableContrast) {
            // The active window's text where it reads well, as the style meant it; else moved.
            const QColor active = palette.color(QPalette::Active, QPalette::Text);
            palette.setColor(group, QPalette::Text,
                             Contrast(active, base) >= ReadableContrast
                                 ? active
                                 : Distinct(text, base, ReadableContrast));
        }
        const QColor highlight = palette.color(group, QPalette::Highlight);
        const QColor selected = palette.color(group, QPalette::HighlightedText);
        if (Contrast(selected, highlight) < ReadableContrast) {
            // The highlight keeps its hue and moves away from the selected text, so that a
            // selected row still looks selected in the desktop's colour. Styles shade a selected
            // row (Fusion draws it as a gradient lighter than the highlight), so the highlight
            // moves a margin further than the contrast asks.
            palette.setColor(group, QPalette::Highlight,
                             Distinct(highlight, selected, SelectedContrast));
        }
    }
    return palette;
}

} // namespace PlannerColours
