// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <variant>

// The experience a player has in hand, as typed into the route's box and as shown there.
namespace ExperienceText {

// Why a typed amount was refused.
enum class Refusal { NotANumber, NotWhole, Negative, TooLarge };

// The box's text as an amount: blanks around it are ignored, digits may be grouped with the
// locale's separator (or with the plain apostrophe where that is a typographic one, or with any
// kind of space where that is a space), and empty text is 0. A fraction, a negative amount and
// one beyond 64 bits are refused, as is text that is no number in the locale.
std::variant<std::int64_t, Refusal> Read(const QString &text, const QLocale &locale = QLocale());

// The refusal as a sentence for the note beside the box.
QString RefusalText(Refusal refusal);

// Digits grouped in threes with the locale's group separator, "0" for 0.
QString Grouped(std::int64_t amount, const QLocale &locale = QLocale());

} // namespace ExperienceText
