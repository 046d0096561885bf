// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/PlanText.h"

#include "rules/Tarrowind_Module.h"
#include "text/FailureText.h"
#include "text/MessageText.h"
#include "text/SkillRow.h"

#include <QCoreApplication>
#include <QStringList>
#include <QStringView>

#include <array>
#include <initializer_list>
#include <utility>

using namespace Qt::StringLiterals;
using namespace Tarrowind_Module;

namespace PlanText {

namespace {

// A line is quoted with at most this many characters and an ellipsis after them.
constexpr qsizetype ExcerptLength = 39;

QString Translate(const char *text) {
    return QCoreApplication::translate("PlanText", text);
}

QString HtmlRow(std::initializer_list<QString> cells, const QString &tag = u"td"_s) {
    QString row = u"<tr>"_s;
    for (const QString &cell : cells) {
        row += u'<' + tag + u'>' + cell.toHtmlEscaped() + u"</"_s + tag + u'>';
    }
    return row + u"</tr>\n"_s;
}

bool IsBlank(QChar c) {
    return c.isSpace(); // tabs and no-break spaces too
}

bool IsSign(QChar c) {
    return c == u'-' || c == u'+';
}

// An optionally signed whole number from -32768 to 32767 at `at`, in ASCII digits, ending at a
// blank, a sign or the end of the text. On success `at` moves past it.
std::optional<std::int16_t> ReadNumber(QStringView text, qsizetype &at) {
    qsizetype i = at;
    const bool negative = i < text.size() && text[i] == u'-';
    if (i < text.size() && IsSign(text[i])) {
        ++i;
    }
    const qsizetype firstDigit = i;
    std::int32_t magnitude = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        magnitude = magnitude * 10 + (text[i].unicode() - u'0');
        if (magnitude > 32768) {
            return std::nullopt;
        }
    }
    if (i == firstDigit || (i < text.size() && !IsBlank(text[i]) && !IsSign(text[i]))) {
        return std::nullopt;
    }
    const std::int32_t value = negative ? -magnitude : magnitude;
    if (value > 32767) {
        return std::nullopt;
    }
    at = i;
    return static_cast<std::int16_t>(value);
}

// The skill whose name starts the line and is followed by a blank or the line's end; the longest
// such name, so that no name can take the place of a longer one that starts with it.
std::optional<SkillNumber> SkillAtStart(QStringView line, const QStringList &names) {
    std::optional<SkillNumber> found;
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        const QString &name = names[s];
        if (line.startsWith(name) && (line.size() == name.size() || IsBlank(line[name.size()])) &&
            (!found || name.size() > names[*found].size())) {
            found = s;
        }
    }
    return found;
}

bool HasDigit(QStringView text) {
    for (QChar c : text) {
        if (c >= u'0' && c <= u'9') {
            return true;
        }
    }
    return false;
}

ReadError ErrorAt(qsizetype line, QStringView text, const QString &reason) {
    return {line, MessageText::ShortQuote(text.toString(), ExcerptLength), reason};
}

QStringList SkillNames() {
    QStringList names;
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        names << QString::fromStdString(SkillName(s));
    }
    return names;
}

// The lines of a text, ended by "\r\n", "\n" or "\r", whichever system the text comes from;
// "\r\n" is one line end.
QList<QStringView> SplitLines(QStringView text) {
    QList<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' || text[i] == u'\r') {
            lines << text.sliced(start, i - start);
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    lines << text.sliced(start);
    return lines;
}

// What one line says: nothing (a remark), a race, a skill's levels, or why it cannot be read.
using LineReading = std::variant<std::monostate, RaceNumber, SkillLevels, QString>;

// "Race:<name>" or "Race<TAB><name>", blanks around the name ignored.
std::optional<LineReading> ReadRaceLine(QStringView line) {
    if (!line.startsWith(u"Race") || line.size() <= 4 || (line[4] != u':' && line[4] != u'\t')) {
        return std::nullopt;
    }
    const RaceNumber race = RaceFromName(line.sliced(5).trimmed().toString().toStdString());
    if (race < 0) {
        return Translate("the race is not one the planner knows");
    }
    return race;
}

// The skill's base, equipment bonus and goal: the 1st, 2nd and 4th of four whole numbers at
// the start of `rest`.
LineReading ReadSkillLevels(SkillNumber skill, QStringView rest, const QString &name) {
    std::array<std::int16_t, 4> numbers{};
    qsizetype at = 0;
    for (std::int16_t &value : numbers) {
        while (at < rest.size() && IsBlank(rest[at])) {
            ++at;
        }
        const std::optional<std::int16_t> read = ReadNumber(rest, at);
        if (!read) {
            return Translate("%1 needs four whole numbers from %2")
                .arg(name, FailureText::LevelRange);
        }
        value = *read;
    }
    return SkillLevels{skill, numbers[0], numbers[1], numbers[3]};
}

LineReading ReadLine(QStringView line, const QStringList &names) {
    if (std::optional<LineReading> race = ReadRaceLine(line)) {
        return *std::move(race);
    }
    const std::optional<SkillNumber> skill = SkillAtStart(line, names);
    if (!skill) {
        return {};
    }
    const QStringView rest = line.sliced(names[*skill].size());
    // A line about a skill without any number is a remark, not its levels.
    if (!HasDigit(rest)) {
        return {};
    }
    return ReadSkillLevels(*skill, rest, names[*skill]);
}

} // namespace

QString Format(const CharacterPlan &plan, const QLocale &locale) {
    QStringList lines;
    lines.reserve(SkillCount + 3);
    lines << u"Race: "_s + QString::fromStdString(RaceName(plan.race))
          << QLatin1String(SkillListHeader);
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        lines << SkillRowText(QString::fromStdString(SkillName(s)), plan.skills.at(s), locale);
    }
    std::int32_t total = 0;
    plan.GoalTotal(total);
    lines << GoalTotalText(total, locale);
    return lines.join(u'\n');
}

QString FormatHtml(const CharacterPlan &plan) {
    QString html = u"<html><head><meta charset=\"utf-8\"></head><body><table>\n"_s;
    html += HtmlRow({u"Race"_s, QString::fromStdString(RaceName(plan.race))});
    html += HtmlRow({u"Skill Name"_s, u"Base"_s, u"EQ"_s, u"Mod"_s, u"Goal"_s, u"Goal Cost"_s},
                    u"th"_s);
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        const SkillPlanEntry &entry = plan.skills.at(s);
        html += HtmlRow({QString::fromStdString(SkillName(s)), QString::number(entry.Base),
                         QString::number(entry.EQ), QString::number(entry.Mod),
                         QString::number(entry.Goal), QString::number(entry.GoalCost)});
    }
    std::int32_t total = 0;
    plan.GoalTotal(total);
    html += HtmlRow({u"Goal Cost Total"_s, {}, {}, {}, {}, QString::number(total)});
    return html + u"</table></body></html>\n"_s;
}

void PastedPlan::StoreInto(CharacterPlan &plan) const {
    if (race) {
        plan.race = *race;
        plan.ResetSkills();
    }
    for (const SkillLevels &levels : skills) {
        plan.SetLevels(levels.skill, levels.Base, levels.EQ, levels.Goal);
    }
}

QString ReadError::Message() const {
    if (line == 0) {
        return Translate("Nothing was pasted: %1.").arg(reason);
    }
    return Translate("Nothing was pasted: %1, in line %2: \"%3\"")
        .arg(reason, QString::number(line), excerpt);
}

std::variant<PastedPlan, ReadError> Read(const QString &text) {
    const QStringList names = SkillNames();
    PastedPlan pasted;
    std::array<bool, SkillCount> listed{};
    const QList<QStringView> lines = SplitLines(text);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const qsizetype number = i + 1;
        const QStringView line = lines[i].trimmed();
        const LineReading reading = ReadLine(line, names);
        if (const auto *reason = std::get_if<QString>(&reading)) {
            return ErrorAt(number, line, *reason);
        }
        if (const auto *race = std::get_if<RaceNumber>(&reading)) {
            if (pasted.race) {
                return ErrorAt(number, line, Translate("the race is named a second time"));
            }
            pasted.race = *race;
        } else if (const auto *levels = std::get_if<SkillLevels>(&reading)) {
            bool &seen = listed.at(static_cast<std::size_t>(levels->skill));
            if (seen) {
                return ErrorAt(number, line,
                               Translate("%1 is named a second time").arg(names[levels->skill]));
            }
            seen = true;
            pasted.skills.push_back(*levels);
        }
    }
    if (pasted.skills.empty()) {
        return ReadError{0, {}, Translate("the text names no skill with its levels")};
    }
    return pasted;
}

} // namespace PlanText
