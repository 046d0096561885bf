// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/Types.h"
#include "ui/shared/ResultTable.h"

#include <cstdint>
#include <vector>

// The milestones of a route, in the player's order: each with the experience it adds to the
// route and the route's running total where it is reached, or how far the goals go for one that
// is out of reach.
class MilestoneModel : public ResultModel {
    Q_OBJECT

public:
    enum Column { MilestoneColumn, AddedColumn, TotalColumn };

    struct Row {
        Tarrowind_Module::SkillNumber skill = 0;
        std::int32_t modded = 0;
        bool reached = true;
        std::int64_t added = 0;     // of a reached milestone
        std::int64_t total = 0;     // of a reached milestone
        std::int32_t goalsGive = 0; // of one out of reach: the skill's modded value at goal
    };

    explicit MilestoneModel(QObject *parent);

    void Show(std::vector<Row> rows);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QStringList WidestTexts(int column) const override;

    // "Sword 100".
    static QString Name(Tarrowind_Module::SkillNumber skill, std::int32_t modded);

private:
    QString CellText(int row, int column) const override;
    QString CellToolTip(int row, int column) const override;
    QString Text(const Row &row, int column) const;

    std::vector<Row> m_rows;
};

// The steps of a route, consecutive levels of one skill towards one milestone as one row
// ("Sword 35 -> 81"), with the experience of the row, the route's running total at its end, the
// milestone it belongs to, and how much of it the experience in hand pays for; the rows paid for
// are in bold.
class RouteStepModel : public ResultModel {
    Q_OBJECT

public:
    enum Column {
        SkillColumn,
        FromColumn,
        ToColumn,
        ExperienceColumn,
        TotalColumn,
        MilestoneColumn,
        PaidColumn
    };

    struct Row {
        Tarrowind_Module::SkillNumber skill = 0;
        std::int32_t from = 0; // the level the row starts from
        std::int32_t to = 0;   // the level the row ends at
        std::int64_t experience = 0;
        std::int64_t total = 0;
        QString milestone; // empty for the levels after the last milestone
        std::int32_t paidLevels = 0;
    };

    explicit RouteStepModel(QObject *parent);

    void Show(std::vector<Row> rows);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QStringList WidestTexts(int column) const override;

private:
    QString CellText(int row, int column) const override;
    // The rows that the experience in hand pays for are in bold.
    bool IsBoldRow(int row) const override;
    QString Text(const Row &row, int column) const;

    std::vector<Row> m_rows;
};
