// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/SkillRow.h"

#include "text/NumberText.h"

QString SkillRowText(const QString &name, const Tarrowind_Module::SkillPlanEntry &entry,
                     const QLocale &locale) {
    using NumberText::SignedText;
    // leftJustified pads to the width and, without truncation, never cuts a longer text.
    return name.leftJustified(16) + SignedText(entry.Base).leftJustified(5) +
           SignedText(entry.EQ).leftJustified(5) + SignedText(entry.Mod).leftJustified(5) +
           SignedText(entry.Goal).leftJustified(7) +
           NumberText::GroupedText(entry.GoalCost, locale);
}

QString GoalTotalText(std::int32_t total, const QLocale &locale) {
    return QLatin1String(GoalTotalCaption) + NumberText::GroupedText(total, locale);
}
