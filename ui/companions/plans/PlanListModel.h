// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/shared/ResultTable.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class PlanDocument;

// The document's plans, one row each in the set's order: its name, its race and the experience
// its goals cost. The shown plan's row is in bold and its name says "(shown)", which a screen
// reader hears with every cell of the row.
class PlanListModel : public ResultModel {
    Q_OBJECT

public:
    enum Column { NameColumn, RaceColumn, TotalColumn };

    explicit PlanListModel(QObject *parent);

    // Takes the plans as the document holds them now.
    void Show(const PlanDocument &document);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QStringList WidestTexts(int column) const override;

private:
    struct Row {
        QString name;
        QString race;
        // No value where the total cannot be added up.
        std::optional<std::int32_t> total;
    };

    QString CellText(int row, int column) const override;
    // The whole name, also where the column is too narrow for it.
    QString CellToolTip(int row, int column) const override;
    bool IsBoldRow(int row) const override;

    std::vector<Row> m_rows;
    int m_shown = -1;
};
