// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A line that begins with a skill's name, in any spelling the reader accepts, and holds digits
// is read or refused, never skipped. The bytes choose the skill, each letter's case, invisible
// characters after letters, the blanks between words, what follows the name and the rest.
#include "FuzzCheck.h"

#include "rules/Tarrowind_Module.h"
#include "text/PlanText.h"

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
