// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "text/PlanText.h"

#include <QString>
#include <QStringView>

#include <variant>

// The text of a plans file: the text of several plans, as "Save Plans" writes it, read back with
// the rules of pasting several plans.
namespace PlanText {

struct FilePlans {
    PastedPlans pasted;
    // Whether every line of the text is one the planner writes itself (IsPlannerLine). A file
    // with any other line holds remarks of a player's own.
    bool ownText = false;
};

// Whether `line` is one the planner writes into the text of several plans, blanks at its end
// aside: a blank line, a "Plan:" line, a race line, the column header, a skill row, or the total
// line with its total grouped the way any language groups it, or with none.
bool IsPlannerLine(QStringView line);

// Whether `line` gives a plan's total: "Goal Cost Total:" (in any case) followed by a whole
// number grouped the way any language groups it, or by nothing, which is a total of 0.
bool IsTotalLine(QStringView line);

// Reads a plans file's text as ReadPlans reads a pasted text of several plans. A text without
// "Plan:" lines is one plan named `loneName`, read as Read reads a pasted plan, that needs its
// own race line. Refused as a whole, naming the line, as pasting refuses it; and also when the
// last plan has no total line, since a file cut short while it was written or copied ends
// without one.
std::variant<FilePlans, ReadError> ReadPlansFile(const QString &text, const QString &loneName);

} // namespace PlanText
