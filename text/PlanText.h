// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "plan/CharacterPlan.h"

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

// The plan as text, for the clipboard: written the way the window shows it, and read back from
// that text, from a spreadsheet's tab-separated cells or from a player's own note.
namespace PlanText {

// "Race: <race>", the column header, the 37 skill rows and the total label's text, one per line,
// joined by '\n' with none after the last. The plan must be recalculated.
QString Format(const Tarrowind_Module::CharacterPlan &plan, const QLocale &locale = QLocale());

// An HTML table: the race in a row of its own, a header row, one row per skill (name, base,
// equipment bonus, modded value, goal, goal cost) and the total in a row of its own. Numbers are
// bare digits, so that spreadsheets take them as numbers.
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

// Reads a plan, line by line. "Race: <name>" or "Race<TAB><name>" names the race; a line that
// starts with a skill's name, a blank and then numbers gives that skill's base, equipment bonus
// and goal (the 1st, 2nd and 4th of at least four whole numbers, separated by blanks or only by
// a sign); every other line is skipped. The text is refused as a whole when a race is unknown or
// named twice, a skill is named twice, a skill line's numbers cannot be read, or no skill line
// is found.
std::variant<PastedPlan, ReadError> Read(const QString &text);

} // namespace PlanText
