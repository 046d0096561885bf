// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a plan from text written, copied or edited by hand: tolerant where the meaning is
// plain, a refusal naming the line where it is not, and never a line that looks like a skill or
// race skipped without a word.
#include "text/PlanText.h"

#include "rules/Tarrowind_Module.h"
#include "text/FailureText.h"
#include "text/GameNames.h"
#include "text/MessageText.h"

#include <QCoreApplication>
#include <QStringList>
#include <QStringView>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;
using namespace Tarrowind_Module;

namespace PlanText {

namespace {

// A line is quoted with at most this many characters and an ellipsis after them.
constexpr qsizetype ExcerptLength = 39;
// A misspelt name quoted inside the reason is cut shorter.
constexpr qsizetype NameExcerptLength = 20;

bool IsBlank(QChar c) {
    return c.isSpace(); // tabs and no-break spaces too
}

bool IsSign(QChar c) {
    return c == u'-' || c == u'+';
}

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool IsColon(QChar c) {
    return c == u':' || c == QChar(0xFF1A); // full-width colon
}

// Markdown's emphasis: *, **, _ and __.
bool IsEmphasis(QChar c) {
    return c == u'*' || c == u'_';
}

qsizetype Skip(QStringView text, qsizetype at, bool (*skipped)(QChar)) {
    while (at < text.size() && skipped(text[at])) {
        ++at;
    }
    return at;
}

// The line as it was meant: without invisible format characters (zero-width space, byte-order
// mark, soft hyphen and their kind), with typographic apostrophes as "'", and with the "|"
// between the cells of a Markdown or forum table as a tab, the cell separator of a spreadsheet.
// Blanks stay, since a tab can separate the race from its label. A list's bullet ("- ", "+ ",
// "• ", "1. ", "1) ") in front of the line is left out.
QString Cleaned(QStringView line) {
    QString cleaned;
    cleaned.reserve(line.size());
    for (QChar c : line) {
        if (c.category() == QChar::Other_Format) {
            continue;
        }
        if (c == QChar(0x2019) || c == QChar(0x2018) || c == QChar(0x02BC)) {
            c = u'\'';
        } else if (c == u'|') {
            c = u'\t';
        }
        cleaned += c;
    }
    cleaned = cleaned.trimmed();
    qsizetype bullet = 0;
    if (!cleaned.isEmpty() && (IsSign(cleaned[0]) || cleaned[0] == QChar(0x2022))) {
        bullet = 1;
    } else {
        bullet = Skip(cleaned, 0, IsDigit);
        bullet = bullet > 0 && bullet < cleaned.size() &&
                         (cleaned[bullet] == u'.' || cleaned[bullet] == u')')
                     ? bullet + 1
                     : 0;
    }
    if (bullet > 0 && bullet < cleaned.size() && IsBlank(cleaned[bullet])) {
        cleaned = cleaned.sliced(bullet).trimmed();
    }
    return cleaned;
}

// The edits (insert, delete, replace, swap two neighbours) that turn one text into the other,
// regardless of case.
qsizetype EditDistance(QStringView a, QStringView b) {
    const QString x = a.toString().toCaseFolded();
    const QString y = b.toString().toCaseFolded();
    const auto width = static_cast<std::size_t>(y.size()) + 1;
    std::vector<qsizetype> before(width), previous(width), current(width);
    for (std::size_t j = 0; j < width; ++j) {
        previous[j] = static_cast<qsizetype>(j);
    }
    for (qsizetype i = 1; i <= x.size(); ++i) {
        current[0] = i;
        for (qsizetype j = 1; j <= y.size(); ++j) {
            const auto at = static_cast<std::size_t>(j);
            const qsizetype replace = x[i - 1] == y[j - 1] ? 0 : 1;
            current[at] =
                std::min({previous[at] + 1, current[at - 1] + 1, previous[at - 1] + replace});
            if (i > 1 && j > 1 && x[i - 1] == y[j - 2] && x[i - 2] == y[j - 1]) {
                current[at] = std::min(current[at], before[at - 2] + 1);
            }
        }
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return previous.back();
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
    for (; i < text.size() && IsDigit(text[i]); ++i) {
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

bool HasDigit(QStringView text) {
    return std::any_of(text.begin(), text.end(), IsDigit);
}

// Whether a word begins like a number: a digit, or a sign and a digit.
bool IsNumberWord(QStringView word) {
    const qsizetype at = !word.isEmpty() && IsSign(word[0]) ? 1 : 0;
    return at < word.size() && IsDigit(word[at]);
}

RaceNumber RaceByName(QStringView name) {
    const QString folded = name.toString().simplified();
    for (RaceNumber race = 0; race < RaceCount; ++race) {
        if (folded.compare(GameNames::Race(race), Qt::CaseInsensitive) == 0) {
            return race;
        }
    }
    return -1;
}

ReadError ErrorAt(qsizetype line, QStringView text, const QString &reason) {
    return {line, MessageText::ShortQuote(text.toString(), ExcerptLength), reason};
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

// How close a written word or words are to a name: 0 for the name with letters added, otherwise
// the edits between them, at most two (one for a name of four letters, where ordinary words lie
// that close); nothing when they are further apart.
std::optional<qsizetype> Closeness(QStringView written, const QString &name) {
    if (written.size() > name.size() && written.startsWith(name, Qt::CaseInsensitive) &&
        std::all_of(written.begin() + name.size(), written.end(),
                    [](QChar c) { return c.isLetter(); })) {
        return 0;
    }
    const qsizetype allowed = name.size() <= 4 ? 1 : 2;
    if (std::abs(written.size() - name.size()) > allowed) {
        return std::nullopt;
    }
    const qsizetype distance = EditDistance(written, name);
    return distance <= allowed ? std::optional(distance) : std::nullopt;
}

// The name in `names` closest to `written` (Closeness), the first of equally close ones.
std::optional<qsizetype> Nearest(QStringView written, const QStringList &names) {
    std::optional<qsizetype> nearest;
    qsizetype nearestDistance = 0;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const std::optional<qsizetype> distance = Closeness(written, names[i]);
        if (distance && (!nearest || *distance < nearestDistance)) {
            nearest = i;
            nearestDistance = *distance;
        }
    }
    return nearest;
}

// Why a race name is not read: unknown, with the race it is close to where there is one.
QString UnknownRace(QStringView name) {
    const QStringList races = GameNames::Races();
    if (const std::optional<qsizetype> near = Nearest(name, races)) {
        return QCoreApplication::translate("PlanText",
                                           "the race is not one the planner knows (perhaps %1)")
            .arg(races[*near]);
    }
    return QCoreApplication::translate("PlanText", "the race is not one the planner knows");
}

// The line without blanks and emphasis around it.
QStringView Unframed(QStringView text) {
    const auto isFrame = [](QChar c) {
        return IsBlank(c) || IsEmphasis(c);
    };
    while (!text.isEmpty() && isFrame(text.front())) {
        text = text.sliced(1);
    }
    while (!text.isEmpty() && isFrame(text.back())) {
        text.chop(1);
    }
    return text;
}

enum class RaceLabel { None, One, Several };

// The word that labels a race line, in any case: "Race" and the words players write for it
// ("Class", "Rasse", "Classe"), or their plurals, which label no single race.
RaceLabel LabelOf(QStringView word) {
    for (const QStringView one : {u"race", u"class", u"rasse", u"classe"}) {
        if (word.compare(one, Qt::CaseInsensitive) == 0) {
            return RaceLabel::One;
        }
    }
    for (const QStringView several : {u"races", u"classes", u"rassen"}) {
        if (word.compare(several, Qt::CaseInsensitive) == 0) {
            return RaceLabel::Several;
        }
    }
    return RaceLabel::None;
}

// A line whose first word labels a race line (LabelOf), with or without emphasis: the race,
// when the label is followed by a colon, "=", a tab or just blanks and then the race's name;
// otherwise why not. Nothing for any other line.
std::optional<LineReading> ReadRaceLine(QStringView line) {
    qsizetype at = Skip(line, 0, IsEmphasis);
    const qsizetype wordStart = at;
    while (at < line.size() && line[at].isLetter()) {
        ++at;
    }
    const RaceLabel label = LabelOf(line.sliced(wordStart, at - wordStart));
    if (label == RaceLabel::None) {
        return std::nullopt;
    }
    if (at < line.size() && !IsBlank(line[at]) && !IsColon(line[at]) && line[at] != u'=' &&
        !IsEmphasis(line[at])) {
        return std::nullopt; // another word, such as "Race's"
    }
    at = Skip(line, at, IsEmphasis);
    const qsizetype blanks = at;
    at = Skip(line, at, IsBlank);
    const bool tab = line.sliced(blanks, at - blanks).contains(u'\t');
    const bool separator = at < line.size() && (IsColon(line[at]) || line[at] == u'=');
    const QStringView name = Unframed(line.sliced(at + (separator ? 1 : 0)));
    const RaceNumber race = RaceByName(name);
    if (race >= 0 && label == RaceLabel::One) {
        return race;
    }
    // Without a separator only a race's name, or one close to it, makes it a race line:
    // "Race Warrior", but not "Race matters".
    if (label == RaceLabel::Several ||
        (!separator && !tab && !Nearest(name.toString().simplified(), GameNames::Races()))) {
        return QCoreApplication::translate("PlanText",
                                           "the line begins like a race line but cannot be read");
    }
    return UnknownRace(name.toString().simplified());
}

// A line that holds nothing but a race's name, with or without emphasis and a colon after it:
// that race; for a name close to a race's, why it is not read. Nothing for any other line.
std::optional<LineReading> ReadRaceName(QStringView line) {
    QStringView name = Unframed(line);
    while (!name.isEmpty() && IsColon(name.back())) {
        name.chop(1);
    }
    const QString written = Unframed(name).toString().simplified();
    if (written.isEmpty() || HasDigit(written)) {
        return std::nullopt;
    }
    if (const RaceNumber race = RaceByName(written); race >= 0) {
        return race;
    }
    if (Nearest(written, GameNames::Races())) {
        return UnknownRace(written);
    }
    return std::nullopt;
}

// The skill whose name begins the line, regardless of case, followed by a blank, a colon or the
// line's end; the longest such name, so that no name can take the place of a longer one that
// starts with it. `line` has its blanks folded.
std::optional<SkillNumber> SkillAtStart(QStringView line, const QStringList &names) {
    std::optional<SkillNumber> found;
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        const QString &name = names[s];
        if (line.startsWith(name, Qt::CaseInsensitive) &&
            (line.size() == name.size() || line[name.size()] == u' ' ||
             IsColon(line[name.size()])) &&
            (!found || name.size() > names[*found].size())) {
            found = s;
        }
    }
    return found;
}

// The skill's base, equipment bonus and goal: the 1st, 2nd and 4th of four whole numbers at
// the start of `rest`, after an optional colon.
LineReading ReadSkillLevels(SkillNumber skill, QStringView rest, const QString &name) {
    qsizetype at = Skip(rest, 0, IsBlank);
    at += at < rest.size() && IsColon(rest[at]) ? 1 : 0;
    std::array<std::int16_t, 4> numbers{};
    for (std::int16_t &value : numbers) {
        at = Skip(rest, at, IsBlank);
        const std::optional<std::int16_t> read = ReadNumber(rest, at);
        if (!read) {
            return QCoreApplication::translate("PlanText", "%1 needs four whole numbers from %2")
                .arg(name, FailureText::LevelRangeText());
        }
        value = *read;
    }
    return SkillLevels{skill, numbers[0], numbers[1], numbers[3]};
}

// The words before the number `number` of `line`, without a colon after them.
QStringView WordsBefore(QStringView line, QStringView number) {
    QStringView written = line.first(number.data() - line.data()).trimmed();
    while (!written.isEmpty() && IsColon(written.back())) {
        written.chop(1);
    }
    return written.trimmed();
}

// Why a line that begins with something close to a skill's name cannot be read: the words before
// its first two numbers are close to a name (Closeness). Nothing for any other line. `line` has
// its blanks folded.
std::optional<QString> NearSkill(QStringView line, const QStringList &names) {
    const QList<QStringView> words = line.split(u' ');
    const auto number = std::find_if(words.begin(), words.end(), IsNumberWord);
    if (number == words.begin() || number == words.end() || number + 1 == words.end() ||
        !IsNumberWord(*(number + 1))) {
        return std::nullopt;
    }
    const QStringView written = WordsBefore(line, *number);
    const std::optional<qsizetype> nearest = Nearest(written, names);
    if (!nearest) {
        return std::nullopt;
    }
    return QCoreApplication::translate("PlanText",
                                       "%1 is not a skill the planner knows (perhaps %2)")
        .arg(MessageText::ShortQuote(written.toString(), NameExcerptLength), names[*nearest]);
}

// How many whole numbers a word holds: one for "12" or "-5", two for "-12345-12335", where a
// sign runs the numbers together; none for any other word.
int WholeNumbers(QStringView word) {
    int count = 0;
    qsizetype at = 0;
    while (at < word.size()) {
        at += IsSign(word[at]) ? 1 : 0;
        const qsizetype digits = Skip(word, at, IsDigit);
        if (digits == at) {
            return 0;
        }
        at = digits;
        ++count;
    }
    return count;
}

// Whether a word is a number as a locale writes it: digits with group separators or a decimal
// point, such as "3,796,879", "3.796.879" or "3'796'879".
bool IsNumberLike(QStringView word) {
    return IsNumberWord(word) && std::all_of(word.begin(), word.end(), [](QChar c) {
               return IsDigit(c) || IsSign(c) || c == u',' || c == u'.' || c == u'\'';
           });
}

// The words of a line shaped like a skill line: one to four words, then at least three whole
// numbers, then nothing but numbers (such as a grouped goal cost). Nothing for any other line,
// and for the planner's own total line, whose number the locale may write as three
// ("Goal Cost Total: 4 563 113"). `line` has its blanks folded.
std::optional<QStringView> SkillShapedWords(QStringView line) {
    const QList<QStringView> words = line.split(u' ', Qt::SkipEmptyParts);
    const auto first = std::find_if(words.begin(), words.end(), IsNumberWord);
    const auto named = first - words.begin();
    if (named < 1 || named > 4) {
        return std::nullopt;
    }
    auto after = first;
    int wholes = 0;
    for (; after != words.end() && WholeNumbers(*after) > 0; ++after) {
        wholes += WholeNumbers(*after);
    }
    if (wholes < 3 || !std::all_of(after, words.end(), IsNumberLike)) {
        return std::nullopt;
    }
    const QStringView written = WordsBefore(line, *first);
    if (written.compare(u"Goal Cost Total", Qt::CaseInsensitive) == 0) {
        return std::nullopt;
    }
    return written;
}

// The first letters of a name's words: "HtH" for "Hand to Hand"; nothing for a one-word name.
QString Initials(const QString &name) {
    const QStringList words = name.split(u' ');
    QString initials;
    for (const QString &word : words) {
        initials += word.front();
    }
    return words.size() > 1 ? initials : QString();
}

// The skill a player most likely meant by `written`: a close spelling (Closeness), otherwise
// the longest name among the words ("Long Sword"), otherwise the one name that begins with them
// ("Ghost Comp", "Enhance") or whose initials they are ("HtH"). Nothing when none fits.
std::optional<SkillNumber> MeantSkill(QStringView written, const QStringList &names) {
    if (const std::optional<qsizetype> near = Nearest(written, names)) {
        return static_cast<SkillNumber>(*near);
    }
    const QString padded = u' ' + written.toString() + u' ';
    std::optional<SkillNumber> within;
    std::optional<SkillNumber> begun;
    std::optional<SkillNumber> initialled;
    int begunCount = 0;
    int initialledCount = 0;
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        const QString &name = names[s];
        if (padded.contains(u' ' + name + u' ', Qt::CaseInsensitive) &&
            (!within || name.size() > names[*within].size())) {
            within = s;
        }
        if (written.size() >= 3 && name.startsWith(written, Qt::CaseInsensitive)) {
            begun = s;
            ++begunCount;
        }
        const QString initials = Initials(name);
        if (!initials.isEmpty() && written.compare(initials, Qt::CaseInsensitive) == 0) {
            initialled = s;
            ++initialledCount;
        }
    }
    if (within) {
        return within;
    }
    if (begunCount == 1) {
        return begun;
    }
    if (initialledCount == 1) {
        return initialled;
    }
    return std::nullopt;
}

// Why a line shaped like a skill line, whose words name no skill, cannot be read.
QString UnknownSkill(QStringView written, const QStringList &names) {
    const QString quoted = MessageText::ShortQuote(written.toString(), NameExcerptLength);
    if (const std::optional<SkillNumber> meant = MeantSkill(written, names)) {
        return QCoreApplication::translate("PlanText",
                                           "%1 is not a skill the planner knows (perhaps %2)")
            .arg(quoted, names[*meant]);
    }
    return QCoreApplication::translate("PlanText", "%1 is not a skill the planner knows")
        .arg(quoted);
}

LineReading ReadLine(QStringView line, const QStringList &names) {
    const QString cleaned = Cleaned(line);
    if (std::optional<LineReading> race = ReadRaceLine(cleaned)) {
        return *std::move(race);
    }
    if (std::optional<LineReading> race = ReadRaceName(cleaned)) {
        return *std::move(race);
    }
    // Emphasis on a skill line is only ever Markdown's: "**Sword** 4 0 10 50".
    const QString folded = QString(cleaned).remove(u'*').remove(u'_').simplified();
    if (const std::optional<SkillNumber> skill = SkillAtStart(folded, names)) {
        const QStringView rest = QStringView(folded).sliced(names[*skill].size());
        // A line about a skill without any number is a remark, not its levels.
        if (!HasDigit(rest)) {
            return {};
        }
        return ReadSkillLevels(*skill, rest, names[*skill]);
    }
    if (std::optional<QString> near = NearSkill(folded, names)) {
        return *std::move(near);
    }
    if (const std::optional<QStringView> written = SkillShapedWords(folded)) {
        return UnknownSkill(*written, names);
    }
    return {};
}

} // namespace

QString ReadError::Message() const {
    if (line == 0) {
        return QCoreApplication::translate("PlanText", "Nothing was pasted: %1.").arg(reason);
    }
    return QCoreApplication::translate("PlanText", "Nothing was pasted: %1, in line %2: \"%3\"")
        .arg(reason, QString::number(line), excerpt);
}

namespace {

// The lines [from, to) of a text as one plan; line numbers count in the whole text. Without
// `skillsRequired` a plan that names no skill is read too, every skill at its start.
std::variant<PastedPlan, ReadError> ReadLines(const QList<QStringView> &lines, qsizetype from,
                                              qsizetype to, bool skillsRequired) {
    const QStringList names = GameNames::Skills();
    PastedPlan pasted;
    std::array<bool, SkillCount> listed{};
    for (qsizetype i = from; i < to; ++i) {
        const qsizetype number = i + 1;
        const QStringView line = lines[i].trimmed();
        const LineReading reading = ReadLine(line, names);
        if (const auto *reason = std::get_if<QString>(&reading)) {
            return ErrorAt(number, line, *reason);
        }
        if (const auto *race = std::get_if<RaceNumber>(&reading)) {
            if (pasted.race) {
                return ErrorAt(
                    number, line,
                    QCoreApplication::translate("PlanText", "the race is named a second time"));
            }
            pasted.race = *race;
        } else if (const auto *levels = std::get_if<SkillLevels>(&reading)) {
            bool &seen = listed.at(static_cast<std::size_t>(levels->skill));
            if (seen) {
                return ErrorAt(number, line,
                               QCoreApplication::translate("PlanText", "%1 is named a second time")
                                   .arg(names[levels->skill]));
            }
            seen = true;
            pasted.skills.push_back(*levels);
        }
    }
    if (skillsRequired && pasted.skills.empty()) {
        return ReadError{
            0,
            {},
            QCoreApplication::translate("PlanText", "the text names no skill with its levels")};
    }
    return pasted;
}

// The name on a "Plan:" line, as written; nothing for any other line.
std::optional<QStringView> PlanLineName(QStringView line) {
    const QStringView trimmed = line.trimmed();
    const QLatin1StringView caption(PlanCaption);
    if (!trimmed.startsWith(caption, Qt::CaseInsensitive)) {
        return std::nullopt;
    }
    return trimmed.sliced(caption.size());
}

} // namespace

std::variant<PastedPlan, ReadError> Read(const QString &text) {
    const QList<QStringView> lines = SplitLines(text);
    return ReadLines(lines, 0, lines.size(), true);
}

std::optional<QString> CheckedPlanName(const QString &typed, QString &reason) {
    const QString name = typed.trimmed();
    if (name.isEmpty()) {
        reason = QCoreApplication::translate("PlanText", "a plan's name cannot be empty");
        return std::nullopt;
    }
    if (name.size() > PlanNameLength) {
        reason =
            QCoreApplication::translate("PlanText", "a plan's name can have at most %1 characters")
                .arg(PlanNameLength);
        return std::nullopt;
    }
    for (const QChar c : name) {
        switch (c.category()) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            reason = QCoreApplication::translate(
                "PlanText", "a plan's name cannot hold line breaks, tabs or invisible characters");
            return std::nullopt;
        default:
            break;
        }
    }
    return name;
}

QString UniquePlanName(const QString &wanted, const QStringList &taken) {
    if (!taken.contains(wanted)) {
        return wanted;
    }
    for (int number = 2;; ++number) {
        const QString suffix = u" (%1)"_s.arg(number);
        const QString name = wanted.left(PlanNameLength - suffix.size()).trimmed() + suffix;
        if (!taken.contains(name)) {
            return name;
        }
    }
}

std::optional<std::variant<PastedPlans, ReadError>> ReadPlans(const QString &text) {
    const QList<QStringView> lines = SplitLines(text);
    QList<qsizetype> starts;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (PlanLineName(lines[i])) {
            starts << i;
        }
    }
    if (starts.isEmpty()) {
        return std::nullopt;
    }
    // Before the first plan only remarks: a race or skill there would belong to no plan.
    const auto before = ReadLines(lines, 0, starts.first(), false);
    if (const auto *error = std::get_if<ReadError>(&before)) {
        return *error;
    }
    const PastedPlan &loose = std::get<PastedPlan>(before);
    if (loose.race || !loose.skills.empty()) {
        return ErrorAt(
            starts.first() + 1, lines[starts.first()].trimmed(),
            QCoreApplication::translate(
                "PlanText", "the text names a race or skill before its first Plan: line"));
    }
    PastedPlans pasted;
    QStringList names;
    for (qsizetype k = 0; k < starts.size(); ++k) {
        const qsizetype start = starts[k];
        const qsizetype end = k + 1 < starts.size() ? starts[k + 1] : lines.size();
        const QStringView planLine = lines[start].trimmed();
        QString reason;
        const std::optional<QString> name =
            CheckedPlanName(PlanLineName(planLine)->toString(), reason);
        if (!name) {
            return ErrorAt(start + 1, planLine, reason);
        }
        auto levels = ReadLines(lines, start + 1, end, false);
        if (const auto *error = std::get_if<ReadError>(&levels)) {
            return *error;
        }
        if (!std::get<PastedPlan>(levels).race) {
            return ErrorAt(start + 1, planLine,
                           QCoreApplication::translate("PlanText", "this plan has no race line"));
        }
        const QString unique = UniquePlanName(*name, names);
        if (unique != *name) {
            pasted.renamed << unique;
        }
        names << unique;
        pasted.plans.push_back({unique, std::get<PastedPlan>(std::move(levels)), *name});
    }
    return pasted;
}

} // namespace PlanText
