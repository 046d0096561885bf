// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A line that begins with a skill's name, in any spelling the reader accepts, and holds digits
// is read or refused, never skipped. The bytes choose the skill, each letter's case, invisible
// characters after letters, the blanks between words, what follows the name and the rest.
#include "FuzzCheck.h"

#include "rules/Tarrowind_Module.h"
#include "text/PlanText.h"

#include <QString>
#include <QStringList>

#include <array>
#include <string>
#include <variant>

inline void CheckSkillLineNeverSkipped(const unsigned char *data, std::size_t size) {
    FuzzInput input(data, size);
    const auto skill =
        static_cast<Tarrowind_Module::SkillNumber>(input.Byte() % Tarrowind_Module::SkillCount);
    QString line;
    for (const char c : Tarrowind_Module::SkillName(skill)) {
        const unsigned choice = input.Byte();
        const QChar letter = QLatin1Char(c);
        line += c == ' '            ? QString(choice % 4 + 1, QChar(u" \t\u00A0"[choice % 3]))
                : (choice & 1) != 0 ? QString(letter.toUpper())
                                    : QString(letter.toLower());
        if (c != ' ' && (choice & 2) != 0) {
            line += QChar(u"\u200B\uFEFF\u00AD\u2060"[(choice >> 2) % 4]);
        }
    }
    line += QString::fromUtf16(std::array{u" ", u":", u" : ", u"\t", u"\uFF1A "}[input.Byte() % 5]);
    line += QString::fromUtf8(reinterpret_cast<const char *>(input.Rest()),
                              static_cast<qsizetype>(input.RestSize()))
                .replace(u'\n', u' ')
                .replace(u'\r', u' ') +
            u'7';

    const auto read = PlanText::Read(line);
    const std::string text = line.toStdString();
    if (const auto *error = std::get_if<PlanText::ReadError>(&read)) {
        FUZZ_CHECK(error->line == 1, "skill line skipped: %s", text.c_str());
        return;
    }
    const auto &skills = std::get<PlanText::PastedPlan>(read).skills;
    FUZZ_CHECK(skills.size() == 1 && skills.front().skill == skill, "another skill read: %s",
               text.c_str());
}

// A line shaped like a skill line, whatever its words, is read or refused, never skipped: one to
// four words, three to six whole numbers, then numbers grouped as a locale writes a goal cost,
// each followed by blanks, a tab or "|", the row perhaps begun by "|" as a table's. The total
// line ("Goal Cost Total: 4 563 113") is the one such line that is a remark.
inline void CheckSkillShapedLineNeverSkipped(const unsigned char *data, std::size_t size) {
    FuzzInput input(data, size);
    const auto separator = [&input] {
        return QString::fromUtf16(std::array{u" ", u"\t", u" | ", u"|", u" \t "}[input.Byte() % 5]);
    };
    QString line = (input.Byte() & 1) != 0 ? QStringLiteral("| ") : QString();
    QStringList words(input.Byte() % 4 + 1);
    for (QString &word : words) {
        for (unsigned letters = input.Byte() % 8 + 1; word.size() < letters;) {
            const unsigned c = input.Byte();
            word += c % 27 == 26 ? QChar(u'\'') : QChar((c & 0x80 ? u'A' : u'a') + c % 27);
        }
    }
    line += words.join(u' ') + separator();
    for (unsigned count = input.Byte() % 4 + 3; count > 0; --count) {
        line += QString::number(input.Int16()) + separator();
    }
    for (unsigned groups = input.Byte() % 3; groups > 0; --groups) {
        const QChar group = u",.'\u202F \u00A0"[input.Byte() % 6];
        line += u'3' + group + QStringLiteral("796") + group + QStringLiteral("879") + separator();
    }
    if (words.join(u' ').compare(QStringLiteral("Goal Cost Total"), Qt::CaseInsensitive) == 0) {
        return;
    }
    const auto read = PlanText::Read(line);
    const auto *error = std::get_if<PlanText::ReadError>(&read);
    const auto *pasted = std::get_if<PlanText::PastedPlan>(&read);
    FUZZ_CHECK(error ? error->line == 1 : !pasted->race && pasted->skills.size() == 1,
               "skill-shaped line skipped or misread: %s", line.toStdString().c_str());
}
