// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/CompareRacesWindow.h"

#include "plan/RaceComparison.h"
#include "rules/RaceTable.h"
#include "text/NumberText.h"
#include "ui/Tarrowind_Char_Planner.h"

#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QVBoxLayout>

#include <exception>

using namespace Tarrowind_Module;

namespace {

enum Column { RaceColumn, TotalColumn, LoweredColumn, UnlearnableColumn, ColumnCount };

} // namespace

CompareRacesWindow::CompareRacesWindow(Tarrowind_Char_Planner *planner)
    : QWidget(planner, Qt::Window), m_planner(planner), m_table(new QTableWidget(this)) {
    setObjectName(QStringLiteral("compareRaces"));
    setWindowTitle(tr("Compare Races"));
    // Closing the comparison never ends the program; closing the planner closes both.
    setAttribute(Qt::WA_QuitOnClose, false);

    m_table->setObjectName(QStringLiteral("raceTable"));
    m_table->setRowCount(RaceCount);
    m_table->setColumnCount(ColumnCount);
    m_table->setHorizontalHeaderLabels(
        {tr("Race"), tr("Experience"), tr("Lowered"), tr("Cannot learn")});
    m_table->horizontalHeaderItem(TotalColumn)
        ->setToolTip(tr("The experience all goals of the plan would cost for this race"));
    m_table->horizontalHeaderItem(LoweredColumn)
        ->setToolTip(tr("Skills whose base or goal is above what this race allows: "
                        "the recalculation lowers them to its maximum"));
    m_table->horizontalHeaderItem(UnlearnableColumn)
        ->setToolTip(tr("Skills this race cannot learn at all, of those that the plan raises "
                        "above their start level or gives an equipment bonus"));
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setAccessibleName(tr("Races"));
    // The columns are sized once, for the widest texts they can hold: sizing them after every
    // change of the plan would take longer than the comparison itself.
    for (RaceNumber race = 0; race < RaceCount; ++race) {
        const QString widest[ColumnCount] = {
            tr("%1 (current)").arg(QString::fromStdString(RaceName(race))),
            tr("cannot be recalculated"), QString::number(SkillCount), QString::number(SkillCount)};
        for (int column = 0; column < ColumnCount; ++column) {
            auto *item = new QTableWidgetItem(widest[column]);
            item->setTextAlignment(column == RaceColumn ? Qt::AlignLeft | Qt::AlignVCenter
                                                        : Qt::AlignRight | Qt::AlignVCenter);
            QFont font = item->font();
            font.setBold(true);
            item->setFont(font);
            m_table->setItem(race, column, item);
        }
    }
    m_table->resizeColumnsToContents();

    auto *note = new QLabel(
        tr("Each race with this plan's bases, equipment and goals, recalculated as Update does, "
           "without a reset. Lowered: skills with a base or goal above the race's maximum. Cannot "
           "learn: skills the plan raises above their start level or equips, which the race "
           "cannot learn at all."),
        this);
    note->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(note);

    connect(planner, &Tarrowind_Char_Planner::planChanged, this, [this] {
        if (isVisible()) {
            ShowPlan(m_planner->plan());
        }
    });
    planner->installEventFilter(this);
}

void CompareRacesWindow::ShowPlan(const CharacterPlan &plan) {
    std::array<RaceCost, RaceCount> costs{};
    bool compared = true;
    try {
        costs = CompareRaces(plan);
    } catch (const std::exception &) {
        compared = false; // not for a plan the planner holds; shown rather than thrown
    }
    for (RaceNumber race = 0; race < RaceCount; ++race) {
        const RaceCost &cost = costs.at(static_cast<std::size_t>(race));
        const bool current = race == plan.race;
        QString name = QString::fromStdString(RaceName(race));
        if (current) {
            name = tr("%1 (current)").arg(name);
        }
        QString total = tr("cannot be recalculated");
        QString totalTip = tr("A modded value would leave the range -32768 to 32767 for this "
                              "race");
        if (!compared) {
            total = tr("cannot be compared");
            totalTip.clear();
        } else if (cost.recalculated) {
            total = NumberText::GroupedAmount(cost.total);
            totalTip.clear();
        }
        const QString texts[ColumnCount] = {
            name, total, compared ? QString::number(cost.lowered) : QString(),
            compared ? QString::number(cost.unlearnable) : QString()};
        for (int column = 0; column < ColumnCount; ++column) {
            QTableWidgetItem *item = m_table->item(race, column);
            item->setText(texts[column]);
            QFont font = item->font();
            font.setBold(current);
            item->setFont(font);
        }
        m_table->item(race, TotalColumn)->setToolTip(totalTip);
    }
}

CompareRacesWindow *CompareRacesWindow::Open(Tarrowind_Char_Planner *planner) {
    auto *window = planner->findChild<CompareRacesWindow *>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        window = new CompareRacesWindow(planner);
        window->ShowPlan(planner->plan());
        window->adjustSize();
        // Beside the planner, not over it.
        window->move(planner->frameGeometry().topRight() + QPoint(8, 0));
    } else {
        window->ShowPlan(planner->plan());
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

bool CompareRacesWindow::eventFilter(QObject *watched, QEvent *event) {
    // The planner's own hiding is its closing; a minimised planner hides spontaneously.
    if (watched == m_planner && event->type() == QEvent::Hide && !event->spontaneous()) {
        close();
    }
    return QWidget::eventFilter(watched, event);
}

void AddCompareRacesAction(Tarrowind_Char_Planner *planner) {
    QAction *action = planner->AddListMenuAction(CompareRacesWindow::tr("Compare Races"),
                                                 "compareRacesAction", Qt::CTRL | Qt::Key_R);
    QObject::connect(action, &QAction::triggered, planner,
                     [planner] { CompareRacesWindow::Open(planner); });
}
