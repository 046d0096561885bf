// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A line that begins with a skill's name, in any spelling the reader accepts, and holds digits
// is read or refused, never skipped as a remark. The bytes choose the skill, the case of each
// letter, invisible characters between letters, the blanks between words and after the name, an
// optional colon, and the rest of the line.
#include "FuzzCheck.h"

#include "rules/Tarrowind_Module.h"
#include "text/PlanText.h"

#include <QString>

#include <algorithm>
#include <array>
#include <string>
#include <variant>

inline void CheckSkillLineNeverSkipped(const unsigned char *data, std::size_t size) {
    using namespace Tarrowind_Module;
    constexpr std::array<char16_t, 4> Invisible{0x200B, 0xFEFF, 0x00AD, 0x2060};
    constexpr std::array<char16_t, 3> Blanks{u' ', u'\t', 0x00A0};
    constexpr std::array<const char16_t *, 5> AfterName{u" ", u":", u" : ", u"\t", u"\uFF1A "};

    FuzzInput input(data, size);
    const auto skill = static_cast<SkillNumber>(input.Byte() % SkillCount);
    QString line;
    for (const char c : SkillName(skill)) {
        const unsigned choice = input.Byte();
        if (c == ' ') {
            for (unsigned n = 0; n <= choice % 3; ++n) {
                line += QChar(Blanks[(choice / 3 + n) % Blanks.size()]);
            }
            continue;
        }
        const QChar letter = QLatin1Char(c);
        line += (choice & 1) != 0 ? letter.toUpper() : letter.toLower();
        if ((choice & 2) != 0) {
            line += QChar(Invisible[(choice >> 2) % Invisible.size()]);
        }
    }
    line += QString::fromUtf16(AfterName[input.Byte() % AfterName.size()]);
    QString rest = QString::fromUtf8(reinterpret_cast<const char *>(input.Rest()),
                                     static_cast<qsizetype>(input.RestSize()));
    rest.replace(u'\n', u' ').replace(u'\r', u' ');
    line += rest;
    if (!std::any_of(rest.begin(), rest.end(), [](QChar c) { return c >= u'0' && c <= u'9'; })) {
        line += u'7';
    }

    const auto read = PlanText::Read(line);
    const std::string text = line.toStdString();
    if (const auto *error = std::get_if<PlanText::ReadError>(&read)) {
        FUZZ_CHECK(error->line == 1, "skill line skipped: %s", text.c_str());
        return;
    }
    const auto &skills = std::get<PlanText::PastedPlan>(read).skills;
    FUZZ_CHECK(skills.size() == 1 && skills.front().skill == skill, "wrong skill read from: %s",
               text.c_str());
}
