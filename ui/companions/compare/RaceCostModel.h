// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#ifndef Q_MOC_RUN // moc of Qt 6.4 cannot parse <concepts>
#include "plan/RaceComparison.h"
#endif

#include "ui/shared/ResultTable.h"

#include <array>
#include <exception>

// The comparison of one plan across the races: one row per race in race order, with the plan's
// race marked "(current)" and in bold, the experience its goals would cost, and how many of its
// skills the race would lower or cannot learn.
class RaceCostModel : public ResultModel {
    Q_OBJECT

public:
    enum Column { RaceColumn, TotalColumn, LoweredColumn, UnlearnableColumn };

    explicit RaceCostModel(QObject *parent);

    // The comparison of a plan of race `current`; `failure`, when set, is why no race could be
    // compared, and `costs` then means nothing.
    void Show(const std::array<RaceCost, Tarrowind_Module::RaceCount> &costs,
              Tarrowind_Module::RaceNumber current, std::exception_ptr failure);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QStringList WidestTexts(int column) const override;

private:
    QString CellText(int race, int column) const override;
    // The plan's own race is in bold.
    bool IsBoldRow(int race) const override;
    QString CellToolTip(int race, int column) const override;
    QString TotalTip(int race) const;

    std::array<RaceCost, Tarrowind_Module::RaceCount> m_costs{};
    Tarrowind_Module::RaceNumber m_current = -1;
    std::exception_ptr m_failure;
};
