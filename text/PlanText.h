// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "plan/CharacterPlan.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

// The plan as text, for the clipboard: written the way the window shows it, and read back from
// that text, from a spreadsheet's tab-separated cells or from a player's own note.
namespace PlanText {

// The plan as text's own words, the same in every language, so that a plan copied in one
// language is read in any other. The window shows its own, translated captions in their place.
inline constexpr char RaceCaption[] = "Race: ";
inline constexpr char Header[] = "Skill Name        Base EQ   Mod  Goal  Goal Cost";
inline constexpr char TotalCaption[] = "Goal Cost Total: ";

// RaceCaption and the race, the Header, the 37 skill rows and TotalCaption with the grouped total
// (as the window shows them in English), one per line, joined by '\n' with none after the last, and
// no blanks at the end of a line. The plan must be recalculated.
QString Format(const Tarrowind_Module::CharacterPlan &plan, const QLocale &locale = QLocale());

// An HTML table: the race in a row of its own, a header row, one row per skill (name, base,
// equipment bonus, modded value, goal, goal cost) and the total in a row of its own, its words
// the same in every language. Numbers are bare digits, so that spreadsheets take them as numbers.
QString FormatHtml(const Tarrowind_Module::CharacterPlan &plan);

struct SkillLevels {
    Tarrowind_Module::SkillNumber skill = 0;
    std::int16_t Base = 0;
    std::int16_t EQ = 0;
    std::int16_t Goal = 0;

    friend bool operator==(const SkillLevels &, const SkillLevels &) = default;
};

// What a text gives: a race if it names one, and the levels of at least one skill, each skill
// at most once, in the order of the text.
struct PastedPlan {
    std::optional<Tarrowind_Module::RaceNumber> race;
    std::vector<SkillLevels> skills;

    // With a race: that race and every skill reset to its start, as choosing the race does.
    // Then each listed skill's base, equipment bonus and goal, as "Update" stores them. The
    // plan is not recalculated.
    void StoreInto(Tarrowind_Module::CharacterPlan &plan) const;
};

// Why a text cannot be pasted: the line (counted from 1; 0 for the text as a whole), that line
// cut to about 40 characters, and the reason.
struct ReadError {
    qsizetype line = 0;
    QString excerpt;
    QString reason;

    // One line for the user: what is wrong, then where.
    QString Message() const;
};

// Reads a plan, line by line, as written, copied or edited by hand. Names match regardless of
// case, of runs of blanks, of invisible format characters and of the kind of apostrophe; the "|"
// between the cells of a Markdown or forum table separates like a tab, and a list's bullet in
// front of a line ("- ", "1. ") is left out.
// - A race line is "Race", "Class", "Rasse" or "Classe" (in any case), then a colon (also
//   full-width), "=", a tab or blanks, then the race's name; or a race's name alone. Markdown
//   emphasis around either part is ignored.
// - A skill line starts with a skill's name, an optional colon and numbers; Markdown emphasis is
//   ignored. The 1st, 2nd and 4th of at least four whole numbers, separated by blanks or only by
//   a sign, are its base, equipment bonus and goal.
// - Every other line is a remark and skipped, unless it looks meant as a race or a skill: a line
//   whose first word is one of the race line's labels or their plurals ("Races", "Classes",
//   "Rassen"); a line that is a race's name misspelt; a line whose words before the first two
//   numbers are a skill's name with letters added or one or two edits from it; and a line shaped
//   like a skill line (one to four words, then at least three whole numbers, then nothing but
//   numbers), except the total line "Goal Cost Total", are refused, with the name meant where
//   one is plain.
// The text is refused as a whole, naming the line, when a race is unknown or named twice, a
// skill is named twice, a skill line's numbers cannot be read, a line looks meant as a race or
// skill but is neither, or no skill line is found.
std::variant<PastedPlan, ReadError> Read(const QString &text);

// The words that start the line naming each plan of a text of several plans, the same in every
// language, like "Race:".
inline constexpr char PlanCaption[] = "Plan:";
// The most characters a plan's name has.
inline constexpr qsizetype PlanNameLength = 40;

// A plan's name as kept: `typed` without blanks at either end. Nothing, with `reason` set, when
// that is empty, longer than PlanNameLength or holds a control, format or line-separator
// character, none of which would come back the same through the clipboard.
std::optional<QString> CheckedPlanName(const QString &typed, QString &reason);

// `wanted` where none of `taken` is, else "wanted (2)", "wanted (3)", ..., the first that is
// free, shortened before the number where it would be too long.
QString UniquePlanName(const QString &wanted, const QStringList &taken);

// Several plans in one text: each plan's text preceded by a line "Plan: NAME".
QString FormatPlans(const std::vector<std::pair<QString, Tarrowind_Module::CharacterPlan>> &plans,
                    const QLocale &locale = QLocale());

struct PastedNamedPlan {
    QString name;
    PastedPlan levels;
    // The name as the text gives it, before a repeat within the text made it unique.
    QString written;
};

struct PastedPlans {
    std::vector<PastedNamedPlan> plans;
    // The names that a name repeated in the text made unique ("Plan 1 (2)").
    QStringList renamed;
};

// A text of several plans: nothing when no line begins with "Plan:" (any case), which comes
// before every other reading of a line; then the rest of the line is the plan's name and the
// lines up to the next "Plan:" line are that plan, read as Read reads a plan, but each needs its
// own race line and a skill it does not name stays at its start for the race. Lines before the
// first plan must be remarks. A name repeated in the text is made unique. Refused as a whole, as
// Read refuses, naming the line.
std::optional<std::variant<PastedPlans, ReadError>> ReadPlans(const QString &text);

// The levels of the pasted skills that the race's limits lowered once `plan`, into which
// `pasted` was stored, was recalculated, one entry per skill in the order of the text: "Sword
// goal 120 lowered to 90, the highest for Templar".
QStringList LoweredLevels(const PastedPlan &pasted, const Tarrowind_Module::CharacterPlan &plan);

// The note after a paste: "Plan pasted.", followed by the first few of the LoweredLevels.
QString PastedNote(const PastedPlan &pasted, const Tarrowind_Module::CharacterPlan &plan);

} // namespace PlanText
