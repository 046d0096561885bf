// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SkillListItem.h"

#include "ui/SkillExplanation.h"

#include <exception>

SkillListItem::SkillListItem(const Tarrowind_Module::CharacterPlan &plan,
                             Tarrowind_Module::SkillNumber skill, const QString &text)
    : QListWidgetItem(text), m_plan(&plan), m_skill(skill) {}

QVariant SkillListItem::data(int role) const {
    if (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole) {
        try {
            return SkillExplanation(*m_plan, m_skill);
        } catch (const std::exception &) {
            return {}; // a plan without a valid race has nothing to explain
        }
    }
    return QListWidgetItem::data(role);
}
