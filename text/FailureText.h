// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <exception>

// The one way from a failure of the planner's core to what the user reads.
namespace FailureText {

// The range of every level and bonus the planner stores, as its messages name it, in the user's
// language: "-32768 to 32767".
QString LevelRangeText();

// Why the core failed, as a clause for a message: a modded value leaving LevelRangeText()
// (std::overflow_error), a race the planner does not know (UnknownRace), a level or skill the
// rules have no entry for (std::out_of_range), and for anything else a fault of the planner's
// own. Never the exception's own text, which is written for developers.
QString Reason(const std::exception_ptr &failure);

// "Nothing was changed: <Reason>."
QString NothingChanged(const std::exception_ptr &failure);

} // namespace FailureText
