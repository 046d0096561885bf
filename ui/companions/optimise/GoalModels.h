// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#ifndef Q_MOC_RUN // moc of Qt 6.4 cannot parse <concepts>
#include "plan/CharacterPlan.h"
#endif

#include "ui/shared/ResultTable.h"

#include <cstdint>
#include <vector>

// The goals a suggestion changes to reach a value: one row per changed goal, with the
// experience it adds, and a last row with the total added. No rows without a suggestion.
class ReachModel : public ResultModel {
    Q_OBJECT

public:
    explicit ReachModel(QObject *parent);

    // `reached` is `plan` with some goals raised, or null for no suggestion.
    void Show(const CharacterPlan &plan, const CharacterPlan *reached);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QStringList WidestTexts(int column) const override;

private:
    QString CellText(int row, int column) const override;
    struct Row {
        Tarrowind_Module::SkillNumber skill;
        std::int32_t goalNow, goalAfter, added;
    };
    std::vector<Row> m_rows;
    // With a suggestion, the rows end in its total.
    bool m_suggested = false;
    std::int32_t m_totalAdded = 0;
};

// What each race would add for the same skill and target, the plan recalculated for that race:
// one row per race in race order, the plan's race marked. No rows when nothing could be worked
// out for any race.
class ReachRacesModel : public ResultModel {
    Q_OBJECT

public:
    struct RaceReach {
        enum class Kind { Added, CannotLearn, CannotReach, Failed };
        Kind kind = Kind::Failed;
        std::int32_t added = 0;
        // For a race that failed: why.
        QString reason;
    };

    explicit ReachRacesModel(QObject *parent);

    // One entry per race, for `skill` brought to `target` in a plan of race `current`; none
    // for no races at all.
    void Show(std::vector<RaceReach> races, Tarrowind_Module::RaceNumber current,
              Tarrowind_Module::SkillNumber skill, std::int32_t target);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QStringList WidestTexts(int column) const override;

private:
    QString CellText(int race, int column) const override;
    QString CellToolTip(int race, int column) const override;
    QString Added(const RaceReach &reach) const;

    std::vector<RaceReach> m_races;
    Tarrowind_Module::RaceNumber m_current = -1;
    Tarrowind_Module::SkillNumber m_skill = 0;
    std::int32_t m_target = 0;
};

// The cheapest goals for the same values: one row per changed goal, with each skill's modded
// value at goal before and after. No rows when the plan is already the cheapest.
class CheapestModel : public ResultModel {
    Q_OBJECT

public:
    explicit CheapestModel(QObject *parent);

    // `cheapest` is `plan` with the cheapest goals, or null for no rows. Throws what
    // ModdedAtGoal throws, showing what it showed before.
    void Show(const CharacterPlan &plan, const CharacterPlan *cheapest);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QStringList WidestTexts(int column) const override;

private:
    QString CellText(int row, int column) const override;
    struct Row {
        Tarrowind_Module::SkillNumber skill;
        std::int32_t goalNow, goalAfter, moddedNow, moddedAfter;
    };
    std::vector<Row> m_rows;
};
