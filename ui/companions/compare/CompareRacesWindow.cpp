// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/companions/compare/CompareRacesWindow.h"

#include "document/PlanDocument.h"
#include "plan/RaceComparison.h"
#include "rules/RaceTable.h"
#include "text/FailureText.h"
#include "text/NumberText.h"
#include "ui/desktop/PlannerAccessibility.h"
#include "ui/planner/PlannerHost.h"
#include "ui/shared/CompanionWindow.h"

#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QTableWidget>
#include <QVBoxLayout>

#include <exception>
#include <utility>

using namespace Tarrowind_Module;

namespace {

enum Column { RaceColumn, TotalColumn, LoweredColumn, UnlearnableColumn, ColumnCount };

// The table's columns, their headers and how it looks; no rows yet.
QTableWidget *RaceTableWidget(QWidget *window) {
    auto *table = new QTableWidget(window);
    table->setObjectName(QStringLiteral("raceTable"));
    table->setRowCount(RaceCount);
    table->setColumnCount(ColumnCount);
    table->setHorizontalHeaderLabels(
        {CompareRacesWindow::tr("Race"), CompareRacesWindow::tr("Experience"),
         CompareRacesWindow::tr("Lowered"), CompareRacesWindow::tr("Cannot learn")});
    const std::pair<Column, QString> explanations[] = {
        {TotalColumn,
         CompareRacesWindow::tr("The experience all goals of the plan would cost for this race")},
        {LoweredColumn,
         CompareRacesWindow::tr("Skills whose base or goal is above what this race allows: "
                                "the recalculation lowers them to its maximum")},
        {UnlearnableColumn,
         CompareRacesWindow::tr("Skills this race cannot learn at all, of those that the plan "
                                "raises above their start level or gives an equipment bonus")}};
    for (const auto &[column, explanation] : explanations) {
        // The tooltip for the pointer; a screen reader gets it as the column header's description.
        QTableWidgetItem *header = table->horizontalHeaderItem(column);
        header->setToolTip(explanation);
        header->setData(Qt::AccessibleDescriptionRole, explanation);
    }
    // Hidden, the row headers still give a screen reader the race of a row.
    QStringList races;
    for (RaceNumber race = 0; race < RaceCount; ++race) {
        races << QString::fromStdString(RaceName(race));
    }
    table->setVerticalHeaderLabels(races);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table->verticalHeader()->setDefaultSectionSize(window->fontMetrics().height() + 6);
    // Where the screen is too small for the whole table, scroll bars reach every cell.
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    table->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    table->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    table->setAccessibleName(CompareRacesWindow::tr("Races"));
    return table;
}

// One item per cell, and the columns sized once, for the widest texts they can hold: sizing them
// after every change of the plan would take longer than the comparison itself.
void FillWithWidestTexts(QTableWidget *table) {
    for (RaceNumber race = 0; race < RaceCount; ++race) {
        const QString widest[ColumnCount] = {
            CompareRacesWindow::tr("%1 (current)").arg(QString::fromStdString(RaceName(race))),
            CompareRacesWindow::tr("cannot be recalculated"), QString::number(SkillCount),
            QString::number(SkillCount)};
        for (int column = 0; column < ColumnCount; ++column) {
            auto *item = new QTableWidgetItem(widest[column]);
            item->setTextAlignment(column == RaceColumn ? Qt::AlignLeft | Qt::AlignVCenter
                                                        : Qt::AlignRight | Qt::AlignVCenter);
            QFont font = item->font();
            font.setBold(true);
            item->setFont(font);
            table->setItem(race, column, item);
        }
    }
    table->resizeColumnsToContents();
}

// The whole table with its headers: tab-separated lines, and an HTML table.
QMimeData *TableMimeData(const QTableWidget *table) {
    QStringList lines;
    QString html = QStringLiteral("<table>\n<tr>");
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column) {
        const QString text = table->horizontalHeaderItem(column)->text();
        cells << text;
        html += QStringLiteral("<th>%1</th>").arg(text.toHtmlEscaped());
    }
    lines << cells.join(QLatin1Char('\t'));
    html += QStringLiteral("</tr>\n");
    for (int row = 0; row < table->rowCount(); ++row) {
        cells.clear();
        html += QStringLiteral("<tr>");
        for (int column = 0; column < table->columnCount(); ++column) {
            const QString text = table->item(row, column)->text();
            cells << text;
            html += QStringLiteral("<td>%1</td>").arg(text.toHtmlEscaped());
        }
        lines << cells.join(QLatin1Char('\t'));
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</table>\n");
    auto *data = new QMimeData;
    data->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    data->setHtml(html);
    return data;
}

} // namespace

CompareRacesWindow::CompareRacesWindow(const PlanDocument *document, QWidget *planner)
    : QWidget(planner, Qt::Window), m_document(document), m_table(RaceTableWidget(this)) {
    setObjectName(QStringLiteral("compareRaces"));
    setWindowTitle(tr("Compare Races"));
    // Closing the comparison never ends the program; closing the planner closes both.
    setAttribute(Qt::WA_QuitOnClose, false);
    FillWithWidestTexts(m_table);

    auto *note = new QLabel(
        tr("Each race with this plan's bases, equipment and goals, recalculated as Update does, "
           "without a reset. Lowered: skills with a base or goal above the race's maximum. Cannot "
           "learn: skills the plan raises above their start level or equips, which the race "
           "cannot learn at all."),
        this);
    note->setObjectName(QStringLiteral("compareNote"));
    note->setWordWrap(true);
    // Tab reaches the explanation, so a screen reader can read it.
    note->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(note);

    connect(document, &PlanDocument::changed, this, [this] {
        if (isVisible()) {
            ShowPlan(m_document->plan());
        }
    });
    // The table's own copy key would copy the current cell alone; entering the window, or the
    // table, says the current cell.
    m_table->installEventFilter(this);
    CompanionWindow::Prepare(this, planner);
}

void CompareRacesWindow::ShowPlan(const CharacterPlan &plan) {
    std::array<RaceCost, RaceCount> costs{};
    std::exception_ptr failure;
    try {
        costs = CompareRaces(plan);
    } catch (...) {
        failure = std::current_exception(); // not for a plan the document holds; shown, not thrown
    }
    for (RaceNumber race = 0; race < RaceCount; ++race) {
        const RaceCost &cost = costs.at(static_cast<std::size_t>(race));
        const bool current = race == plan.race;
        QString name = QString::fromStdString(RaceName(race));
        if (current) {
            name = tr("%1 (current)").arg(name);
        }
        QString total = tr("cannot be recalculated");
        QString totalTip = tr("A modded value would leave the range %1 for this race")
                               .arg(FailureText::LevelRange);
        if (failure) {
            total = tr("cannot be compared");
            totalTip = tr("No race can be compared: %1.").arg(FailureText::Reason(failure));
        } else if (cost.recalculated) {
            total = NumberText::GroupedAmount(cost.total);
            totalTip.clear();
        }
        const QString texts[ColumnCount] = {
            name, total, failure ? QString() : QString::number(cost.lowered),
            failure ? QString() : QString::number(cost.unlearnable)};
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

CompareRacesWindow *CompareRacesWindow::Open(const PlanDocument *document, QWidget *planner) {
    auto *window = planner->findChild<CompareRacesWindow *>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        window = new CompareRacesWindow(document, planner);
    }
    window->ShowPlan(document->plan());
    // The plan's race is where the user's eye goes first; the table reads it out on focus.
    window->m_table->setCurrentCell(document->plan().race, RaceColumn);
    CompanionWindow::Show(window, planner);
    return window;
}

bool CompareRacesWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_table &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
        static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
        event->accept();
        if (event->type() == QEvent::KeyPress) {
            QGuiApplication::clipboard()->setMimeData(TableMimeData(m_table));
        }
        return true;
    }
    if (watched == m_table && event->type() == QEvent::FocusIn) {
        PlannerAccessibility::SayCurrentItemSoon(m_table);
    }
    return QWidget::eventFilter(watched, event);
}

void AddCompareRacesAction(const PlannerHost &host) {
    QAction *action = host.AddMenuEntry(CompareRacesWindow::tr("Compare Races"),
                                        "compareRacesAction", Qt::CTRL | Qt::Key_R);
    QObject::connect(action, &QAction::triggered, host.window,
                     [document = host.document, planner = host.window] {
                         CompareRacesWindow::Open(document, planner);
                     });
}
