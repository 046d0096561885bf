// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/NumberText.h"

#include <cmath>
#include <limits>

namespace NumberText {

QString WithLocaleSeparators(QString text, const QLocale &locale) {
    const QString separator = locale.groupSeparator();
    if (separator.size() != 1) {
        return text;
    }
    const QChar printed = separator.front();
    if (printed == QChar(0x2019)) {
        text.replace(QLatin1Char('\''), printed);
    } else if (printed.isSpace()) {
        for (QChar &c : text) {
            if (c.isSpace()) {
                c = printed;
            }
        }
    }
    return text;
}

std::optional<std::int16_t> ReadLevel(const QString &text, const QLocale &locale) {
    const QString trimmed = WithLocaleSeparators(text.trimmed(), locale);
    if (trimmed.isEmpty()) {
        return std::nullopt;
    }
    bool ok = false;
    const double value = locale.toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    // nearbyint rounds in the current rounding mode, which is to nearest, ties to even.
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

QString SignedText(int value) {
    const QString digits = QString::number(value);
    return value >= 0 ? QLatin1Char(' ') + digits : digits;
}

QString GroupedText(std::int64_t value, const QLocale &locale) {
    if (value == 0) {
        return {};
    }
    // The C locale leaves out group separators by default, so group by hand. The magnitude is
    // taken unsigned, which holds that of the lowest value too.
    const QString digits =
        QString::number(value < 0 ? -static_cast<quint64>(value) : static_cast<quint64>(value));
    const QString separator = locale.groupSeparator();
    QString grouped;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += separator;
        }
        grouped += digits.at(i);
    }
    return value < 0 ? QLatin1Char('-') + grouped : grouped;
}

QString GroupedAmount(std::int64_t value, const QLocale &locale) {
    return value == 0 ? QStringLiteral("0") : GroupedText(value, locale);
}

QString PlainText(std::int32_t value) {
    return QString::number(value);
}

} // namespace NumberText
