// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/SkillRow.h"

#include "text/NumberText.h"

#include <QCoreApplication>

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
    //: The label below the skill list; %1 is the total, or nothing while it is 0.
    return QCoreApplication::translate("SkillRow", "Goal Cost Total: %1")
        .arg(NumberText::GroupedText(total, locale));
}

QString SkillListHeaderText() {
    //: Over the skill list's columns of 16, 5, 5, 5 and 7 characters: each word starts where its
    //: column starts, so keep the blanks that put it there.
    return QCoreApplication::translate("SkillRow",
                                       "Skill Name        Base EQ   Mod  Goal  Goal Cost");
}
