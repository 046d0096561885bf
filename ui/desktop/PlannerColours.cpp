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

} // namespace PlannerColours
