// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "plan/CharacterPlan.h"
#include "text/PlanText.h"

#include <QString>

#include <optional>
#include <variant>

// The plan code in text: copied on its own, pasted from anywhere in a chat line or a note.
namespace PlanText {

// The plan's code, "TWP1-…". The plan must be recalculated.
QString Code(const Tarrowind_Module::CharacterPlan &plan);

// The plan that a plan code in `text` gives, recalculated: nothing when the text holds no plan
// code, which is "TWP", a digit and "-" followed by base64url characters (a "-" or "_" right
// after a code is part of it). The same code may stand more than once; two different codes, or
// one that is cut short, changed, of a version the planner does not know or holding levels that
// its race cannot have, are refused, naming the line.
std::optional<std::variant<Tarrowind_Module::CharacterPlan, ReadError>>
ReadCode(const QString &text);

} // namespace PlanText
