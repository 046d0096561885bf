// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/companions/plans/PlanListModel.h"

#include "document/PlanDocument.h"
#include "text/GameNames.h"
#include "text/NumberText.h"
#include "text/PlanText.h"

#include <exception>

using namespace Tarrowind_Module;

PlanListModel::PlanListModel(QObject *parent)
    : ResultModel({{tr("Plan"), QString()},
                   {tr("Race"), QString()},
                   {tr("Experience"), tr("The experience all goals of the plan cost")}},
                  parent) {}

void PlanListModel::Show(const PlanDocument &document) {
    std::vector<Row> rows;
    for (qsizetype index = 0; index < document.planCount(); ++index) {
        const CharacterPlan &plan = document.planAt(index);
        Row row{document.planName(index), GameNames::Race(plan.race), std::nullopt};
        try {
            std::int32_t total = 0;
            plan.GoalTotal(total);
            row.total = total;
        } catch (const std::exception &) {
            // Not for a plan the document holds; the cell stays empty.
        }
        rows.push_back(std::move(row));
    }
    Replace(int(rows.size()), [&] {
        m_rows = std::move(rows);
        m_shown = int(document.shownPlan());
    });
}

int PlanListModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

QString PlanListModel::CellText(int row, int column) const {
    const Row &plan = m_rows.at(std::size_t(row));
    switch (column) {
    case NameColumn:
        return row == m_shown ? tr("%1 (shown)").arg(plan.name) : plan.name;
    case RaceColumn:
        return plan.race;
    case TotalColumn:
        return plan.total ? NumberText::GroupedAmount(*plan.total) : QString();
    default:
        return {};
    }
}

QString PlanListModel::CellToolTip(int row, int column) const {
    return column == NameColumn ? CellText(row, column) : QString();
}

bool PlanListModel::IsBoldRow(int row) const {
    return row == m_shown;
}

QStringList PlanListModel::WidestTexts(int column) const {
    QStringList texts;
    switch (column) {
    case NameColumn:
        // Room for a name of half the longest; longer names show their start, whole in the
        // tooltip.
        texts << tr("%1 (shown)").arg(QString(PlanText::PlanNameLength / 2, u'M'));
        break;
    case RaceColumn:
        texts << GameNames::Races();
        break;
    default:
        texts << NumberText::GroupedAmount(999'999'999);
        break;
    }
    return texts;
}
