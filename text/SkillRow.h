// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "plan/CharacterPlan.h"

#include <QLocale>
#include <QString>

#include <cstdint>

// One line of the skill list: name, base, equipment bonus, modded value and goal in columns of
// 16, 5, 5, 5 and 7 characters, then the grouped goal cost. A text wider than its column is
// written whole and pushes the rest of the row to the right.
QString SkillRowText(const QString &name, const Tarrowind_Module::SkillPlanEntry &entry,
                     const QLocale &locale = QLocale());

// The total label in the user's language: "Goal Cost Total: " and the grouped total. The plan as
// text has a caption of its own (PlanText::TotalCaption), which stays the same in every language.
QString GoalTotalText(std::int32_t total, const QLocale &locale = QLocale());

// The header over those columns in the user's language, each word starting over its column:
// "Skill Name        Base EQ   Mod  Goal  Goal Cost". The plan as text has one of its own
// (PlanText::Header).
QString SkillListHeaderText();
