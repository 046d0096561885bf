// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/PlanFileText.h"

#include "rules/Tarrowind_Module.h"
#include "text/GameNames.h"

#include <QCoreApplication>
#include <QLatin1StringView>
#include <QList>

#include <algorithm>
#include <optional>
#include <utility>

using namespace Qt::StringLiterals;
using namespace Tarrowind_Module;

namespace PlanText {

namespace {

bool IsAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The lines of a text, each ended by "\r\n", "\n" or "\r", counted as pasting counts them.
QList<QStringView> Lines(QStringView text) {
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

QStringView WithoutTrailingBlanks(QStringView line) {
    qsizetype end = line.size();
    while (end > 0 && line[end - 1].isSpace()) {
        --end;
    }
    return line.first(end);
}

// A whole number in ASCII digits, optionally after a minus, in groups of three separated by one
// character that is neither a digit nor a letter (",", ".", a blank of any width, an
// apostrophe), as the languages group their numbers; or with no separator at all.
bool IsGroupedNumber(QStringView text) {
    if (text.startsWith(u'-')) {
        text = text.sliced(1);
    }
    if (text.isEmpty() || !IsAsciiDigit(text.front()) || !IsAsciiDigit(text.back())) {
        return false;
    }
    if (std::all_of(text.begin(), text.end(), IsAsciiDigit)) {
        return true;
    }
    const QList<QStringView> groups = text.split(
        text[std::find_if(text.begin(), text.end(), [](QChar c) { return !IsAsciiDigit(c); }) -
             text.begin()]);
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const QStringView group = groups[i];
        const bool sized = i == 0 ? group.size() >= 1 && group.size() <= 3 : group.size() == 3;
        if (!sized || !std::all_of(group.begin(), group.end(), IsAsciiDigit)) {
            return false;
        }
    }
    const QChar separator = text[groups.front().size()];
    return !separator.isLetter();
}

// A signed whole number in ASCII digits at `at`, after any blanks; `at` moves past it.
bool SkipSignedNumber(QStringView text, qsizetype &at) {
    while (at < text.size() && text[at].isSpace()) {
        ++at;
    }
    if (at < text.size() && text[at] == u'-') {
        ++at;
    }
    const qsizetype digits = at;
    while (at < text.size() && IsAsciiDigit(text[at])) {
        ++at;
    }
    return at > digits;
}

// A skill row as the planner writes it: the skill's name, base, equipment bonus, modded value
// and goal, then the grouped goal cost or nothing. A name wider than its column meets a
// negative base without a blank between them.
bool IsSkillRow(QStringView line) {
    for (SkillNumber skill = 0; skill < SkillCount; ++skill) {
        const QString name = GameNames::Skill(skill);
        if (!line.startsWith(name) || line.size() == name.size()) {
            continue;
        }
        qsizetype at = name.size();
        if (!line[at].isSpace() && line[at] != u'-') {
            continue;
        }
        bool numbers = true;
        for (int column = 0; column < 4 && numbers; ++column) {
            const qsizetype before = at;
            numbers = SkipSignedNumber(line, at) && (at == line.size() || line[at].isSpace()) &&
                      (column == 0 || line[before].isSpace());
        }
        if (!numbers) {
            continue;
        }
        const QStringView cost = line.sliced(at).trimmed();
        if (cost.isEmpty() || IsGroupedNumber(cost)) {
            return true;
        }
    }
    return false;
}

bool IsPlanLine(QStringView line) {
    return line.trimmed().startsWith(QLatin1StringView(PlanCaption), Qt::CaseInsensitive);
}

} // namespace

bool IsTotalLine(QStringView line) {
    const QStringView trimmed = line.trimmed();
    const QLatin1StringView caption = QLatin1StringView(TotalCaption).trimmed();
    if (!trimmed.startsWith(caption, Qt::CaseInsensitive)) {
        return false;
    }
    const QStringView total = trimmed.sliced(caption.size()).trimmed();
    return total.isEmpty() || (!total.startsWith(u'-') && IsGroupedNumber(total));
}

bool IsPlannerLine(QStringView line) {
    line = WithoutTrailingBlanks(line);
    if (line.isEmpty() || line == QLatin1StringView(Header)) {
        return true;
    }
    const QLatin1StringView plan(PlanCaption);
    if (line.startsWith(plan) && line.size() > plan.size() + 1 && line[plan.size()] == u' ') {
        return true;
    }
    const QLatin1StringView race(RaceCaption);
    if (line.startsWith(race)) {
        const QStringList races = GameNames::Races();
        return races.contains(line.sliced(race.size()));
    }
    const QLatin1StringView total = QLatin1StringView(TotalCaption).trimmed();
    if (line.startsWith(total)) {
        return line.size() == total.size() || (line[total.size()] == u' ' && IsTotalLine(line));
    }
    return IsSkillRow(line);
}

std::variant<FilePlans, ReadError> ReadPlansFile(const QString &text, const QString &loneName) {
    const QList<QStringView> lines = Lines(text);
    FilePlans file;
    file.ownText = std::all_of(lines.begin(), lines.end(), IsPlannerLine);
    if (auto several = ReadPlans(text)) {
        if (auto *error = std::get_if<ReadError>(&*several)) {
            return std::move(*error);
        }
        file.pasted = std::get<PastedPlans>(std::move(*several));
    } else {
        auto one = Read(text);
        if (auto *error = std::get_if<ReadError>(&one)) {
            return std::move(*error);
        }
        auto &levels = std::get<PastedPlan>(one);
        if (!levels.race) {
            return ReadError{
                0, {}, QCoreApplication::translate("PlanText", "this plan has no race line")};
        }
        file.pasted.plans.push_back({loneName, std::move(levels), loneName});
    }
    // The last plan's lines: from its "Plan:" line, or the whole text for a lone plan.
    const auto lastPlan = std::find_if(lines.rbegin(), lines.rend(),
                                       [](QStringView line) { return IsPlanLine(line); });
    const auto from = lastPlan == lines.rend() ? lines.begin() : lastPlan.base() - 1;
    if (std::none_of(from, lines.end(), [](QStringView line) { return IsTotalLine(line); })) {
        const QString reason =
            lastPlan == lines.rend()
                ? QCoreApplication::translate(
                      "PlanText", "the plan has no \"Goal Cost Total:\" line, so the file may have "
                                  "been cut short; pasting its text reads it all the same")
                : QCoreApplication::translate(
                      "PlanText",
                      "the last plan, from line %1, has no \"Goal Cost Total:\" line, so the file "
                      "may have been cut short; pasting its text reads it all the same")
                      .arg(from - lines.begin() + 1);
        return ReadError{0, {}, reason};
    }
    return file;
}

} // namespace PlanText
