// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a box: any bytes, as UTF-8, UTF-16 or Latin-1 text, in one of a few locales. Every
// input gives a 16-bit level or a clean failure; a level read is the text's number rounded to
// the nearest whole one, halves to the even one; a whole number in the locale reads as itself;
// and what the planner writes into a box for a level reads back as that level. Where the
// locale groups digits with a space, any blank a user types counts as that space.
#include "FuzzCheck.h"

#include "text/NumberText.h"

#include <QLocale>
#include <QString>

#include <array>
#include <cmath>
#include <optional>

namespace {

const std::array<const char *, 8> LocaleNames{"C",     "en_US", "de_DE", "fr_FR",
                                              "sv_SE", "ar_EG", "hi_IN", "fa_IR"};

QString Decode(unsigned char encoding, const unsigned char *bytes, std::size_t size) {
    const char *chars = reinterpret_cast<const char *>(bytes);
    const auto length = static_cast<qsizetype>(size);
    switch (encoding % 3) {
    case 0:
        return QString::fromUtf8(chars, length);
    case 1:
        return QString(reinterpret_cast<const QChar *>(bytes), length / 2);
    default:
        return QString::fromLatin1(chars, length);
    }
}

// The text as the locale would print it: every blank becomes the group separator where that is
// one space character of some kind, as in the French and Swedish locales.
QString WithTypedBlanks(QString text, const QLocale &locale) {
    const QString separator = locale.groupSeparator();
    if (separator.size() == 1 && separator.front().isSpace()) {
        for (QChar &c : text) {
            if (c.isSpace()) {
                c = separator.front();
            }
        }
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size) {
    FuzzInput input(data, size);
    const char *localeName = LocaleNames[input.Byte() % LocaleNames.size()];
    const QLocale locale(QLatin1String{localeName});
    const unsigned char encoding = input.Byte();
    const QString text = Decode(encoding, input.Rest(), input.RestSize());
    const std::string shown = text.toStdString();

    const std::optional<std::int16_t> level = NumberText::ReadLevel(text, locale);
    if (!level) {
        return 0;
    }

    const QString typed = WithTypedBlanks(text.trimmed(), locale);
    bool isNumber = false;
    const double number = locale.toDouble(typed, &isNumber);
    FUZZ_CHECK(isNumber && std::isfinite(number), "'%s' in %s read as %d, but is no number",
               shown.c_str(), localeName, *level);
    const double distance = std::fabs(number - *level);
    FUZZ_CHECK(distance < 0.5 || (distance == 0.5 && *level % 2 == 0), "'%s' (%.17g) read as %d",
               shown.c_str(), number, *level);

    bool isWhole = false;
    const short whole = locale.toShort(typed, &isWhole);
    FUZZ_CHECK(!isWhole || whole == *level, "whole number '%s' = %d read as %d", shown.c_str(),
               whole, *level);

    const QString written = NumberText::PlainText(*level);
    FUZZ_CHECK(NumberText::ReadLevel(written, locale) == level, "'%s' does not read back as %d",
               written.toStdString().c_str(), *level);
    return 0;
}
