// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#ifndef Q_MOC_RUN // moc of Qt 6.4 cannot parse <concepts>
#include "plan/PlanComparison.h"
#endif

#include "ui/shared/ResultTable.h"

#include <QColor>

#include <cstdint>
#include <vector>

class QPalette;

// Two plans side by side, one row per skill: the base, equipment bonus, goal, modded value at
// goal and experience in each, each followed by their difference, and a row of the totals at the
// bottom, in bold. A difference says in words which way it goes, from the second plan's side
// ("Plan 2 needs 120,000 more"), and is coloured by its direction, as are the second plan's
// values that differ from the first's.
class PlanComparisonModel : public ResultModel {
    Q_OBJECT

public:
    enum Column {
        SkillColumn,
        FirstBaseColumn,
        SecondBaseColumn,
        BaseDifferenceColumn,
        FirstEqColumn,
        SecondEqColumn,
        EqDifferenceColumn,
        FirstGoalColumn,
        SecondGoalColumn,
        GoalDifferenceColumn,
        FirstModdedColumn,
        SecondModdedColumn,
        ModdedDifferenceColumn,
        FirstExperienceColumn,
        SecondExperienceColumn,
        ExperienceDifferenceColumn,
        ColumnCount
    };

    explicit PlanComparisonModel(QObject *parent);

    // The names of the two plans, for the headers and the differences. True when they changed,
    // and with them the headers and the widest texts.
    bool SetNames(const QString &first, const QString &second);
    // The skills of `comparison` that differ, or all of them with `allSkills`, then the totals;
    // no row at all when none is shown.
    void Show(const PlanComparison &comparison, bool allSkills);
    // No rows.
    void Clear();
    // The colours of a difference upwards and downwards, worked out from `palette`.
    void SetPalette(const QPalette &palette);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QStringList WidestTexts(int column) const override;

    // "Plan 2: 3 more" for a level or bonus, "Plan 2 has 3 more" for a modded value, "Plan 2
    // needs 120,000 more" for experience; the amount is `difference` without its sign, which
    // the words give. 0 gives "the same".
    enum class Quantity { Level, Modded, Experience };
    static QString DifferenceText(Quantity quantity, const QString &name, std::int64_t difference);

private:
    QString CellText(int row, int column) const override;
    bool IsBoldRow(int row) const override;
    QColor CellColour(int row, int column) const override;
    // The second plan's value less the first's in `column`'s quantity; 0 for the skill's name.
    std::int64_t Difference(int row, int column) const;
    bool IsTotalRow(int row) const;

    QString m_first;
    QString m_second;
    std::vector<SkillComparison> m_skills;
    std::int32_t m_firstTotal = 0;
    std::int32_t m_secondTotal = 0;
    QColor m_more;
    QColor m_less;
};
