// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

// The text forms of the planner's numbers.
namespace NumberText {

// A box's text as a 16-bit level: blanks around it are ignored, a sign is allowed, and a
// fraction is rounded to the nearest whole number, halves to the even one (2.5 -> 2). Empty
// text, text that is no number in the locale and results outside -32768 to 32767 give nothing.
// Digits may be grouped with the locale's separator, or with the plain apostrophe where that is
// a typographic one, or with any kind of space where that is a space.
std::optional<std::int16_t> ReadLevel(const QString &text, const QLocale &locale = QLocale());

// `text` with the group separators as people type them put back as the locale prints them: a
// keyboard has a plain apostrophe where the locale prints a typographic one, and any kind of
// space may stand where the locale prints a space.
QString WithLocaleSeparators(QString text, const QLocale &locale = QLocale());

// For the skill rows: one space before a value of 0 or more, a minus sign before a negative one.
QString SignedText(int value);

// Digits grouped in threes with the locale's group separator; 0 gives the empty text.
QString GroupedText(std::int64_t value, const QLocale &locale = QLocale());

// The same, but 0 gives "0": for an amount read or said on its own rather than in a column.
QString GroupedAmount(std::int64_t value, const QLocale &locale = QLocale());

// For the detail boxes: the bare decimal digits, a minus sign if negative.
QString PlainText(std::int32_t value);

} // namespace NumberText
