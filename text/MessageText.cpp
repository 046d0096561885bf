// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/MessageText.h"

namespace MessageText {

namespace {

bool IsLineBreak(QChar c) {
    switch (c.unicode()) {
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case 0x0085: // next line
    case 0x2028: // line separator
    case 0x2029: // paragraph separator
        return true;
    default:
        return false;
    }
}

} // namespace

QString ShortQuote(const QString &text, qsizetype characters) {
    QString quoted;
    qsizetype taken = 0;
    qsizetype i = 0;
    while (i < text.size() && taken < characters) {
        const QChar c = text.at(i);
        if (IsLineBreak(c)) {
            quoted += QChar(0x23CE);
            // A Windows line break is one break, not two.
            i += (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') ? 2 : 1;
        } else if (c.category() == QChar::Other_Control) {
            quoted += u' ';
            ++i;
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            quoted += text.mid(i, 2);
            i += 2;
        } else {
            quoted += c;
            ++i;
        }
        ++taken;
    }
    if (i < text.size()) {
        quoted += QChar(0x2026);
    }
    return quoted;
}

QString WithoutMnemonic(QString caption) {
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&') {
            caption.remove(i, 1); // "&&" is one "&" shown
        }
    }
    return caption;
}

} // namespace MessageText
