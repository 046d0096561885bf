// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SkillListItem.h"

#include "rules/SkillCatalogue.h"
#include "ui/SkillExplanation.h"
#include "ui/SpokenText.h"

#include <exception>

SkillListItem::SkillListItem(const Tarrowind_Module::CharacterPlan &plan,
                             Tarrowind_Module::SkillNumber skill, const QString &text)
    : QListWidgetItem(text), m_plan(&plan), m_skill(skill) {}

QVariant SkillListItem::data(int role) const {
    if (role == Qt::AccessibleTextRole) {
        return SpokenText::SkillRow(QString::fromStdString(Tarrowind_Module::SkillName(m_skill)),
                                    m_plan->skills[m_skill]);
    }
    if (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole) {
        try {
            return SkillExplanation(*m_plan, m_skill);
        } catch (const std::exception &) {
            return {}; // a plan without a valid race has nothing to explain
        }
    }
    return QListWidgetItem::data(role);
}
