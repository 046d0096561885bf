// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/companions/route/RouteModels.h"

#include "rules/SkillCatalogue.h"
#include "text/GameNames.h"
#include "ui/companions/route/ExperienceText.h"

using namespace Tarrowind_Module;

namespace {

QString Amount(std::int64_t amount) {
    return ExperienceText::Grouped(amount);
}

// The widest skill name, for sizing a column once.
QStringList SkillNames(const QString &suffix) {
    QStringList names;
    for (SkillNumber s = 0; s < SkillCount; ++s) {
        names << GameNames::Skill(s) + suffix;
    }
    return names;
}

// The widest amount a route can show: a plan's experience stays within 32 bits.
QString WidestAmount() {
    return Amount(2'147'483'647);
}

} // namespace

MilestoneModel::MilestoneModel(QObject *parent)
    : ResultModel({{tr("Milestone"), tr("A skill and the modded value it should reach")},
                   {tr("Adds"), tr("The experience the route spends on this milestone, after "
                                   "the milestones above it")},
                   {tr("Running total"),
                    tr("The experience from the start of the route until this milestone is "
                       "reached")}},
                  parent) {}

QString MilestoneModel::Name(SkillNumber skill, std::int32_t modded) {
    return tr("%1 %2").arg(GameNames::Skill(skill), QString::number(modded));
}

void MilestoneModel::Show(std::vector<Row> rows) {
    Replace(static_cast<int>(rows.size()), [&] { m_rows = std::move(rows); });
}

int MilestoneModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QString MilestoneModel::Text(const Row &row, int column) const {
    switch (column) {
    case MilestoneColumn:
        return Name(row.skill, row.modded);
    case AddedColumn:
        return row.reached ? Amount(row.added) : tr("out of reach");
    case TotalColumn:
        return row.reached ? Amount(row.total)
                           : tr("the goals give %1").arg(QString::number(row.goalsGive));
    default:
        return {};
    }
}

QString MilestoneModel::CellText(int row, int column) const {
    return Text(m_rows.at(static_cast<std::size_t>(row)), column);
}

QString MilestoneModel::CellToolTip(int r, int column) const {
    const Row &row = m_rows.at(static_cast<std::size_t>(r));
    if (row.reached || column == MilestoneColumn) {
        return {};
    }
    return tr("The goals give %1 at most %2; \"Optimise Goals\" can raise them.")
        .arg(GameNames::Skill(row.skill), QString::number(row.goalsGive));
}

QStringList MilestoneModel::WidestTexts(int column) const {
    switch (column) {
    case MilestoneColumn:
        return SkillNames(QStringLiteral(" 32767"));
    case AddedColumn:
        return {WidestAmount(), tr("out of reach")};
    default:
        return {WidestAmount(), tr("the goals give %1").arg(QString::number(32767))};
    }
}

RouteStepModel::RouteStepModel(QObject *parent)
    : ResultModel({{tr("Skill"), QString()},
                   {tr("From"), tr("The level this row buys from")},
                   {tr("To"), tr("The level this row buys up to")},
                   {tr("Experience"), tr("The experience of this row's levels")},
                   {tr("Running total"), tr("The experience from the start of the route to the "
                                            "end of this row")},
                   {tr("Milestone"), tr("The milestone whose levels this row buys; empty for "
                                        "the levels after the last milestone")},
                   {tr("Paid"), tr("How much of this row the experience to spend pays for")}},
                  parent) {}

void RouteStepModel::Show(std::vector<Row> rows) {
    Replace(static_cast<int>(rows.size()), [&] { m_rows = std::move(rows); });
}

int RouteStepModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QString RouteStepModel::Text(const Row &row, int column) const {
    switch (column) {
    case SkillColumn:
        return GameNames::Skill(row.skill);
    case FromColumn:
        return QString::number(row.from);
    case ToColumn:
        return QString::number(row.to);
    case ExperienceColumn:
        return Amount(row.experience);
    case TotalColumn:
        return Amount(row.total);
    case MilestoneColumn:
        return row.milestone;
    case PaidColumn:
        if (row.paidLevels <= 0) {
            return {};
        }
        return row.paidLevels >= row.to - row.from
                   ? tr("all")
                   : tr("%1 of %n level(s)", nullptr, row.to - row.from)
                         .arg(QString::number(row.paidLevels));
    default:
        return {};
    }
}

QString RouteStepModel::CellText(int row, int column) const {
    return Text(m_rows.at(static_cast<std::size_t>(row)), column);
}

bool RouteStepModel::IsBoldRow(int row) const {
    return m_rows.at(static_cast<std::size_t>(row)).paidLevels > 0;
}

QStringList RouteStepModel::WidestTexts(int column) const {
    switch (column) {
    case SkillColumn:
        return SkillNames(QString());
    case FromColumn:
    case ToColumn:
        return {QStringLiteral("-32768")};
    case MilestoneColumn:
        return SkillNames(QStringLiteral(" 32767"));
    case PaidColumn:
        return {tr("all"), tr("%1 of %n level(s)", nullptr, 9999).arg(QStringLiteral("9999"))};
    default:
        return {WidestAmount()};
    }
}
