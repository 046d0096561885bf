// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/companions/optimise/GoalModels.h"

#include "plan/Optimiser.h"
#include "text/GameNames.h"
#include "text/NumberText.h"

#include <utility>

using namespace Tarrowind_Module;

namespace {

QString Amount(std::int32_t value) {
    return NumberText::GroupedAmount(value);
}

std::int32_t Total(const CharacterPlan &plan) {
    std::int32_t total = 0;
    plan.GoalTotal(total);
    return total;
}

} // namespace

ReachModel::ReachModel(QObject *parent)
    : ResultModel({{tr("Skill"), QString()},
                   {tr("Goal now"), QString()},
                   {tr("Suggested goal"), QString()},
                   {tr("Experience added"), QString()}},
                  parent) {}

void ReachModel::Show(const CharacterPlan &plan, const CharacterPlan *reached) {
    std::vector<Row> rows;
    if (reached) {
        for (SkillNumber s = 0; s < SkillCount; ++s) {
            const SkillPlanEntry &before = plan.skills[s];
            const SkillPlanEntry &after = reached->skills[s];
            if (after.Goal != before.Goal) {
                rows.push_back({s, before.Goal, after.Goal, after.GoalCost - before.GoalCost});
            }
        }
    }
    const std::int32_t added = reached ? Total(*reached) - Total(plan) : 0;
    const int count = reached ? static_cast<int>(rows.size()) + 1 : 0;
    Replace(count, [&] {
        m_rows = std::move(rows);
        m_suggested = reached != nullptr;
        m_totalAdded = added;
    });
}

int ReachModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() || !m_suggested ? 0 : static_cast<int>(m_rows.size()) + 1;
}

QString ReachModel::CellText(int r, int column) const {
    if (r == static_cast<int>(m_rows.size())) {
        switch (column) {
        case 0:
            return tr("Total");
        case 3:
            return Amount(m_totalAdded);
        default:
            return QString();
        }
    }
    const Row &row = m_rows.at(static_cast<std::size_t>(r));
    switch (column) {
    case 0:
        return GameNames::Skill(row.skill);
    case 1:
        return Amount(row.goalNow);
    case 2:
        return Amount(row.goalAfter);
    default:
        return Amount(row.added);
    }
}

QStringList ReachModel::WidestTexts(int column) const {
    return column == 0 ? GameNames::Skills() << tr("Total") : QStringList{Amount(88'888'888)};
}

ReachRacesModel::ReachRacesModel(QObject *parent)
    : ResultModel({{tr("Race"), QString()},
                   {tr("Added"),
                    tr("The experience each race would add for the same skill and target, with "
                       "this plan recalculated for that race as \"Compare Races\" does")}},
                  parent) {}

void ReachRacesModel::Show(std::vector<RaceReach> races, RaceNumber current, SkillNumber skill,
                           std::int32_t target) {
    Replace(static_cast<int>(races.size()), [&] {
        m_races = std::move(races);
        m_current = current;
        m_skill = skill;
        m_target = target;
    });
}

int ReachRacesModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_races.size());
}

QString ReachRacesModel::Added(const RaceReach &reach) const {
    switch (reach.kind) {
    case RaceReach::Kind::Added:
        return Amount(reach.added);
    case RaceReach::Kind::CannotLearn:
        return tr("cannot learn %1").arg(GameNames::Skill(m_skill));
    case RaceReach::Kind::CannotReach:
        return tr("cannot reach %1").arg(Amount(m_target));
    default:
        return tr("cannot be worked out");
    }
}

QString ReachRacesModel::CellText(int r, int column) const {
    const auto race = static_cast<RaceNumber>(r);
    if (column == 0) {
        return race == m_current ? GameNames::CurrentRace(race) : GameNames::Race(race);
    }
    return Added(m_races.at(static_cast<std::size_t>(r)));
}

QString ReachRacesModel::CellToolTip(int r, int column) const {
    return column == 1 ? m_races.at(static_cast<std::size_t>(r)).reason : QString();
}

QStringList ReachRacesModel::WidestTexts(int column) const {
    QStringList texts;
    if (column == 0) {
        for (RaceNumber race = 0; race < RaceCount; ++race) {
            texts << GameNames::CurrentRace(race);
        }
        return texts;
    }
    texts << Amount(88'888'888) << tr("cannot be worked out")
          << tr("cannot reach %1").arg(Amount(88'888));
    for (const QString &skill : GameNames::Skills()) {
        texts << tr("cannot learn %1").arg(skill);
    }
    return texts;
}

CheapestModel::CheapestModel(QObject *parent)
    : ResultModel({{tr("Skill"), QString()},
                   {tr("Goal now"), QString()},
                   {tr("Suggested goal"), QString()},
                   {tr("Modded at goal now"), QString()},
                   {tr("Modded at goal after"), QString()}},
                  parent) {}

void CheapestModel::Show(const CharacterPlan &plan, const CharacterPlan *cheapest) {
    std::vector<Row> rows;
    for (SkillNumber s = 0; cheapest && s < SkillCount; ++s) {
        const SkillPlanEntry &before = plan.skills[s];
        const SkillPlanEntry &after = cheapest->skills[s];
        if (after.Goal != before.Goal) {
            rows.push_back(
                {s, before.Goal, after.Goal, ModdedAtGoal(plan, s), ModdedAtGoal(*cheapest, s)});
        }
    }
    Replace(static_cast<int>(rows.size()), [&] { m_rows = std::move(rows); });
}

int CheapestModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QString CheapestModel::CellText(int r, int column) const {
    const Row &row = m_rows.at(static_cast<std::size_t>(r));
    switch (column) {
    case 0:
        return GameNames::Skill(row.skill);
    case 1:
        return Amount(row.goalNow);
    case 2:
        return Amount(row.goalAfter);
    case 3:
        return Amount(row.moddedNow);
    default:
        return Amount(row.moddedAfter);
    }
}

QStringList CheapestModel::WidestTexts(int column) const {
    return column == 0 ? GameNames::Skills() : QStringList{Amount(88'888)};
}
