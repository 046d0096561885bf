// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/companions/plans/PlanComparisonModel.h"

#include "rules/SkillCatalogue.h"
#include "text/GameNames.h"
#include "text/NumberText.h"
#include "ui/desktop/PlannerColours.h"

#include <QPalette>

#include <cstdlib>

using namespace Tarrowind_Module;

namespace {

// The five quantities of a skill, each in three columns: the first plan's, the second's and
// their difference.
enum class Group { Base, Eq, Goal, Modded, Experience };
enum class Side { First, Second, Difference };

constexpr Group GroupOf(int column) {
    return static_cast<Group>((column - 1) / 3);
}
constexpr Side SideOf(int column) {
    return static_cast<Side>((column - 1) % 3);
}

// Blue for more, orange for less: told apart also by readers who cannot tell red from green.
constexpr int MoreHue = 215;
constexpr int LessHue = 25;

// The widest values a column can show: levels and bonuses keep to 16 bits, a modded value at goal
// to five digits and experience to 32 bits.
QString WidestLevel() {
    return QString::number(-32768);
}
QString WidestModded() {
    return QString::number(-99999);
}
QString WidestExperience() {
    return NumberText::GroupedAmount(2'147'483'647);
}

PlanComparisonModel::Quantity QuantityOf(Group group) {
    using Quantity = PlanComparisonModel::Quantity;
    return group == Group::Experience ? Quantity::Experience
           : group == Group::Modded   ? Quantity::Modded
                                      : Quantity::Level;
}

std::int32_t ValueOf(const ComparedSkill &side, Group group) {
    switch (group) {
    case Group::Base:
        return side.base;
    case Group::Eq:
        return side.eq;
    case Group::Goal:
        return side.goal;
    case Group::Modded:
        return side.moddedAtGoal;
    case Group::Experience:
        return side.experience;
    }
    return 0;
}

QList<ResultModel::Column> Columns(const QString &first, const QString &second) {
    QList<ResultModel::Column> columns{{PlanComparisonModel::tr("Skill"), QString()}};
    const auto add = [&](const QString &header, const QString &differenceHeader,
                         const QString &explanation, const QString &differenceExplanation) {
        columns.append({header.arg(first), explanation.arg(first)});
        columns.append({header.arg(second), explanation.arg(second)});
        columns.append({differenceHeader, differenceExplanation.arg(second, first)});
    };
    add(PlanComparisonModel::tr("Base\n%1"), PlanComparisonModel::tr("Base\ndifference"),
        PlanComparisonModel::tr("The base level in %1"),
        PlanComparisonModel::tr("How the base in %1 differs from that in %2"));
    add(PlanComparisonModel::tr("EQ\n%1"), PlanComparisonModel::tr("EQ\ndifference"),
        PlanComparisonModel::tr("The bonus from equipment in %1"),
        PlanComparisonModel::tr("How the equipment bonus in %1 differs from that in %2"));
    add(PlanComparisonModel::tr("Goal\n%1"), PlanComparisonModel::tr("Goal\ndifference"),
        PlanComparisonModel::tr("The goal in %1"),
        PlanComparisonModel::tr("How the goal in %1 differs from that in %2"));
    add(PlanComparisonModel::tr("Mod at goal\n%1"),
        PlanComparisonModel::tr("Mod at goal\ndifference"),
        PlanComparisonModel::tr(
            "The modded value in %1 once the skill and its attributes reach their goals"),
        PlanComparisonModel::tr("How the modded value at goal in %1 differs from that in %2"));
    add(PlanComparisonModel::tr("Experience\n%1"),
        PlanComparisonModel::tr("Experience\ndifference"),
        PlanComparisonModel::tr("The experience from the base to the goal in %1"),
        PlanComparisonModel::tr("How much more or less experience %1 needs than %2"));
    return columns;
}

} // namespace

PlanComparisonModel::PlanComparisonModel(QObject *parent)
    : ResultModel(Columns(QString(), QString()), parent) {}

bool PlanComparisonModel::SetNames(const QString &first, const QString &second) {
    if (first == m_first && second == m_second) {
        return false;
    }
    m_first = first;
    m_second = second;
    SetColumns(Columns(first, second));
    if (rowCount() > 0) {
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    }
    return true;
}

void PlanComparisonModel::Show(const PlanComparison &comparison, bool allSkills) {
    std::vector<SkillComparison> skills = allSkills ? comparison.skills : comparison.Differing();
    const int rows = skills.empty() ? 0 : static_cast<int>(skills.size()) + 1;
    Replace(rows, [&] {
        m_skills = std::move(skills);
        m_firstTotal = comparison.firstTotal;
        m_secondTotal = comparison.secondTotal;
    });
}

void PlanComparisonModel::Clear() {
    Replace(0, [this] { m_skills.clear(); });
}

void PlanComparisonModel::SetPalette(const QPalette &palette) {
    m_more = PlannerColours::ReadableHue(palette, MoreHue);
    m_less = PlannerColours::ReadableHue(palette, LessHue);
    if (rowCount() > 0) {
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    }
}

int PlanComparisonModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() || m_skills.empty() ? 0 : static_cast<int>(m_skills.size()) + 1;
}

bool PlanComparisonModel::IsTotalRow(int row) const {
    return row == static_cast<int>(m_skills.size());
}

QString PlanComparisonModel::DifferenceText(Quantity quantity, const QString &name,
                                            std::int64_t difference) {
    if (difference == 0) {
        return tr("the same");
    }
    // Experience is grouped as everywhere in the planner; levels are not.
    const QString amount = quantity == Quantity::Experience
                               ? NumberText::GroupedAmount(std::llabs(difference))
                               : QString::number(std::llabs(difference));
    const bool more = difference > 0;
    switch (quantity) {
    case Quantity::Level:
        return more ? tr("%1: %2 more").arg(name, amount) : tr("%1: %2 less").arg(name, amount);
    case Quantity::Modded:
        return more ? tr("%1 has %2 more").arg(name, amount)
                    : tr("%1 has %2 less").arg(name, amount);
    case Quantity::Experience:
        return more ? tr("%1 needs %2 more").arg(name, amount)
                    : tr("%1 needs %2 less").arg(name, amount);
    }
    return {};
}

std::int64_t PlanComparisonModel::Difference(int row, int column) const {
    if (column == SkillColumn) {
        return 0;
    }
    const Group group = GroupOf(column);
    if (IsTotalRow(row)) {
        return group == Group::Experience ? std::int64_t{m_secondTotal} - m_firstTotal : 0;
    }
    const SkillComparison &skill = m_skills.at(static_cast<std::size_t>(row));
    return std::int64_t{ValueOf(skill.second, group)} - ValueOf(skill.first, group);
}

QString PlanComparisonModel::CellText(int row, int column) const {
    if (column == SkillColumn) {
        return IsTotalRow(row) ? tr("Total")
                               : GameNames::Skill(m_skills.at(static_cast<std::size_t>(row)).skill);
    }
    const Group group = GroupOf(column);
    const Side side = SideOf(column);
    if (IsTotalRow(row) && group != Group::Experience) {
        return {};
    }
    if (side == Side::Difference) {
        return DifferenceText(QuantityOf(group), m_second, Difference(row, column));
    }
    std::int32_t value = 0;
    if (IsTotalRow(row)) {
        value = side == Side::First ? m_firstTotal : m_secondTotal;
    } else {
        const SkillComparison &skill = m_skills.at(static_cast<std::size_t>(row));
        value = ValueOf(side == Side::First ? skill.first : skill.second, group);
    }
    return group == Group::Experience ? NumberText::GroupedAmount(value) : QString::number(value);
}

bool PlanComparisonModel::IsBoldRow(int row) const {
    return IsTotalRow(row);
}

QColor PlanComparisonModel::CellColour(int row, int column) const {
    if (column == SkillColumn || SideOf(column) == Side::First) {
        return {};
    }
    const std::int64_t difference = Difference(row, column);
    return difference > 0 ? m_more : difference < 0 ? m_less : QColor();
}

QStringList PlanComparisonModel::WidestTexts(int column) const {
    if (column == SkillColumn) {
        QStringList names{tr("Total")};
        for (SkillNumber s = 0; s < SkillCount; ++s) {
            names << GameNames::Skill(s);
        }
        return names;
    }
    const Group group = GroupOf(column);
    if (SideOf(column) != Side::Difference) {
        return {group == Group::Experience ? WidestExperience()
                : group == Group::Modded   ? WidestModded()
                                           : WidestLevel()};
    }
    // The widest amounts a difference can show, in digits that may be wider than others: two
    // bonuses differ by at most 16 bits, two modded values at goal by six digits.
    const std::int64_t amount = group == Group::Experience ? 2'147'483'647
                                : group == Group::Modded   ? 999'999
                                : group == Group::Eq       ? 99'999
                                                           : 999;
    const Quantity quantity = QuantityOf(group);
    return {tr("the same"), DifferenceText(quantity, m_second, amount),
            DifferenceText(quantity, m_second, -amount)};
}
