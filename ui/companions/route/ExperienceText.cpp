// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/companions/route/ExperienceText.h"

#include "text/NumberText.h"

#include <QCoreApplication>

#include <cmath>

namespace ExperienceText {

std::variant<std::int64_t, Refusal> Read(const QString &text, const QLocale &locale) {
    const QString trimmed = NumberText::WithLocaleSeparators(text.trimmed(), locale);
    if (trimmed.isEmpty()) {
        return std::int64_t{0};
    }
    bool ok = false;
    const qlonglong whole = locale.toLongLong(trimmed, &ok);
    if (ok) {
        return whole < 0 ? std::variant<std::int64_t, Refusal>(Refusal::Negative)
                         : std::variant<std::int64_t, Refusal>(std::int64_t{whole});
    }
    // Not a 64-bit whole number: a fraction, a number too large for 64 bits, or no number at all.
    const double value = locale.toDouble(trimmed, &ok);
    if (!ok || std::isnan(value)) {
        return Refusal::NotANumber;
    }
    if (value < 0) {
        return Refusal::Negative;
    }
    if (std::isinf(value) || value >= 9223372036854775808.0) {
        return Refusal::TooLarge;
    }
    if (value != std::floor(value)) {
        return Refusal::NotWhole;
    }
    return static_cast<std::int64_t>(value); // a whole number in exponent form, "1e6"
}

QString RefusalText(Refusal refusal) {
    switch (refusal) {
    case Refusal::NotWhole:
        return QCoreApplication::translate("ExperienceText",
                                           "Experience comes in whole points: nothing changed.");
    case Refusal::Negative:
        return QCoreApplication::translate("ExperienceText",
                                           "Experience cannot be negative: nothing changed.");
    case Refusal::TooLarge:
        return QCoreApplication::translate("ExperienceText",
                                           "That is more experience than the planner can hold: "
                                           "nothing changed.");
    case Refusal::NotANumber:
    default:
        return QCoreApplication::translate("ExperienceText",
                                           "Type the experience as a whole number: nothing "
                                           "changed.");
    }
}

QString Grouped(std::int64_t amount, const QLocale &locale) {
    return NumberText::GroupedAmount(amount, locale);
}

} // namespace ExperienceText
