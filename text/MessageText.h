// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace MessageText {

// A user's text as a message quotes it, kept short and on one line: at most `characters`
// characters, followed by "…" when there was more, with every line break shown as "⏎" and a tab
// or other control character as a space. A character is never cut in half.
QString ShortQuote(const QString &text, qsizetype characters = 20);

// A caption as said and named in messages, without the "&" that marks its keyboard letter;
// "&&", which shows one "&", keeps one.
QString WithoutMnemonic(QString caption);

} // namespace MessageText
