// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/companions/compare/RaceCostModel.h"

#include "rules/SkillCatalogue.h"
#include "text/FailureText.h"
#include "text/GameNames.h"
#include "text/NumberText.h"

using namespace Tarrowind_Module;

RaceCostModel::RaceCostModel(QObject *parent)
    : ResultModel(
          {{tr("Race"), QString()},
           {tr("Experience"), tr("The experience all goals of the plan would cost for this race")},
           {tr("Lowered"), tr("Skills whose base or goal is above what this race allows: "
                              "the recalculation lowers them to its maximum")},
           {tr("Cannot learn"),
            tr("Skills this race cannot learn at all, of those that the plan raises above "
               "their start level or gives an equipment bonus")}},
          parent) {}

void RaceCostModel::Show(const std::array<RaceCost, RaceCount> &costs, RaceNumber current,
                         std::exception_ptr failure) {
    Replace(RaceCount, [&] {
        m_costs = costs;
        m_current = current;
        m_failure = std::move(failure);
    });
}

int RaceCostModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : RaceCount;
}

QString RaceCostModel::CellText(int race, int column) const {
    const RaceCost &cost = m_costs.at(static_cast<std::size_t>(race));
    switch (column) {
    case RaceColumn:
        return race == m_current ? GameNames::CurrentRace(static_cast<RaceNumber>(race))
                                 : GameNames::Race(static_cast<RaceNumber>(race));
    case TotalColumn:
        if (m_failure) {
            return tr("cannot be compared");
        }
        return cost.recalculated ? NumberText::GroupedAmount(cost.total)
                                 : tr("cannot be recalculated");
    case LoweredColumn:
        return m_failure ? QString() : QString::number(cost.lowered);
    case UnlearnableColumn:
        return m_failure ? QString() : QString::number(cost.unlearnable);
    default:
        return {};
    }
}

QString RaceCostModel::TotalTip(int race) const {
    if (m_failure) {
        return tr("No race can be compared: %1.").arg(FailureText::Reason(m_failure));
    }
    if (!m_costs.at(static_cast<std::size_t>(race)).recalculated) {
        return tr("A modded value would leave the range %1 for this race")
            .arg(FailureText::LevelRangeText());
    }
    return {};
}

bool RaceCostModel::IsBoldRow(int race) const {
    return race == m_current;
}

QString RaceCostModel::CellToolTip(int race, int column) const {
    return column == TotalColumn ? TotalTip(race) : QString();
}

QStringList RaceCostModel::WidestTexts(int column) const {
    QStringList texts;
    switch (column) {
    case RaceColumn:
        for (RaceNumber race = 0; race < RaceCount; ++race) {
            texts << GameNames::CurrentRace(race);
        }
        break;
    case TotalColumn:
        texts << tr("cannot be recalculated") << tr("cannot be compared");
        break;
    default:
        texts << QString::number(SkillCount);
        break;
    }
    return texts;
}
