// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "plan/CharacterPlan.h"

#include <QLocale>
#include <QString>

// What a screen reader says for what the window shows as columns and bare numbers.
namespace SpokenText {

// A skill row with the meaning of each number:
// "Sword: base 4, equipment 0, modded 10, goal 50, cost 112,523".
QString SkillRow(const QString &name, const Tarrowind_Module::SkillPlanEntry &entry,
                 const QLocale &locale = QLocale());

// "Goal Cost Total: 112,523"; a total of 0 is said, where the label shows nothing after the colon.
QString Total(std::int32_t total, const QLocale &locale = QLocale());

// What changed from `before` to `after`, said after a change of the plan: the race if it changed,
// the selected skill's row if it changed, and always the new total, as sentences in that order.
QString PlanChange(const Tarrowind_Module::CharacterPlan &before,
                   const Tarrowind_Module::CharacterPlan &after, const QLocale &locale = QLocale());

// Said before what an undo or redo changed: "Undone: Max Goals." or "Redone: Max Goals.".
enum class HistoryMove { Undone, Redone };
QString HistoryStep(HistoryMove move, const QString &step);

// The cost box's live cost of typed levels, once typing pauses: "Experience to Goal: 112,523".
QString LiveCost(std::int32_t cost, const QLocale &locale = QLocale());

// The detail boxes of the selected skill, each described with the skill it belongs to.
enum class DetailBox { Base, Equipment, Goal, Cost };
QString DetailBoxDescription(DetailBox box, const QString &skillName);

} // namespace SpokenText
