// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "plan/CharacterPlan.h"

#include <QListWidgetItem>

class PlanDocument;
class QListWidget;

// A row of the skill list. A screen reader reads it with the meaning of each number (SpokenText)
// while the row shows them as columns; its tooltip explains its numbers (SkillExplanation), and
// its accessible description says the part of that which the spoken row does not. These texts are
// worked out from the plan when asked for, so they always match the stored plan and cost nothing
// while the list is redrawn. The plan must outlive the item.
class SkillListItem : public QListWidgetItem {
public:
    SkillListItem(const Tarrowind_Module::CharacterPlan &plan, Tarrowind_Module::SkillNumber skill,
                  const QString &text);

    QVariant data(int role) const override;

private:
    const Tarrowind_Module::CharacterPlan *m_plan;
    Tarrowind_Module::SkillNumber m_skill;
};

// A row's tooltip that is open while the plan changes, by undo, redo or a key, is rewritten from
// the changed plan: it always describes the plan the row shows.
void FollowRowToolTips(QListWidget *list, const PlanDocument *document);
