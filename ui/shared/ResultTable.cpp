// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/shared/ResultTable.h"

#include "ui/desktop/PlannerAccessibility.h"

#include <QClipboard>
#include <QFont>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>

#include <algorithm>
#include <utility>

ResultModel::ResultModel(QList<Column> columns, QObject *parent)
    : QAbstractTableModel(parent), m_columns(std::move(columns)) {}

int ResultModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant ResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        // Hidden, the row headers still give a screen reader the row's name.
        return role == Qt::DisplayRole ? index(section, 0).data() : QVariant();
    }
    if (section < 0 || section >= m_columns.size()) {
        return {};
    }
    const Column &column = m_columns.at(section);
    switch (role) {
    case Qt::DisplayRole:
        return column.header;
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        // The tooltip for the pointer; a screen reader gets it as the header's description.
        return column.explanation.isEmpty() ? QVariant() : QVariant(column.explanation);
    default:
        return {};
    }
}

QVariant ResultModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return CellText(index.row(), index.column());
    case Qt::ToolTipRole: {
        const QString tip = CellToolTip(index.row(), index.column());
        return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    case Qt::FontRole:
        if (IsBoldRow(index.row())) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::ForegroundRole: {
        const QColor colour = CellColour(index.row(), index.column());
        return colour.isValid() ? QVariant(colour) : QVariant();
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(index.column() == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                                       : Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QString ResultModel::CellToolTip(int, int) const {
    return {};
}

bool ResultModel::IsBoldRow(int) const {
    return false;
}

QColor ResultModel::CellColour(int, int) const {
    return {};
}

void ResultModel::SetColumns(QList<Column> columns) {
    Q_ASSERT(columns.size() == m_columns.size());
    m_columns = std::move(columns);
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, static_cast<int>(m_columns.size()) - 1);
}

void ResultModel::Replace(int rows, const std::function<void()> &store) {
    const int before = rowCount();
    if (rows > before) {
        beginInsertRows(QModelIndex(), before, rows - 1);
        store();
        endInsertRows();
    } else if (rows < before) {
        beginRemoveRows(QModelIndex(), rows, before - 1);
        store();
        endRemoveRows();
    } else {
        store();
    }
    if (rows > 0) {
        Q_EMIT dataChanged(index(0, 0), index(rows - 1, columnCount() - 1));
    }
}

ResultTable::ResultTable(ResultModel *model, const char *objectName, const QString &accessibleName,
                         QWidget *parent)
    : QTableView(parent) {
    setObjectName(QLatin1String(objectName));
    setModel(model);
    setAccessibleName(accessibleName);
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table, so that the controls after it can be reached by keyboard.
    setTabKeyNavigation(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // Where the window is too small for the whole table, scroll bars reach every cell.
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    SizeColumns(model);
}

void ResultTable::SizeColumns(const ResultModel *model) {
    // As the item delegate measures a cell, in bold, which a row may be shown in.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::HasDisplay;
    option.font.setBold(true);
    option.fontMetrics = QFontMetrics(option.font);
    const int grid = showGrid() ? 1 : 0;
    for (int column = 0; column < model->columnCount(); ++column) {
        int width = horizontalHeader()->sectionSizeHint(column);
        const QStringList texts = model->WidestTexts(column);
        for (const QString &text : texts) {
            option.text = text;
            width = std::max(
                width,
                style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).width() +
                    grid);
        }
        horizontalHeader()->resizeSection(column, width);
    }
}

void ResultTable::ResizeColumns() {
    SizeColumns(static_cast<const ResultModel *>(model()));
}

void ResultTable::FitContents() {
    setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
}

void ResultTable::ShowRows(int rows) {
    horizontalHeader()->setStretchLastSection(true);
    const int frame = 2 * frameWidth();
    setMinimumSize(horizontalHeader()->length() + verticalScrollBar()->sizeHint().width() + frame,
                   horizontalHeader()->sizeHint().height() +
                       rows * verticalHeader()->defaultSectionSize() + frame);
}

QMimeData *ResultTable::MimeData() const {
    const QAbstractItemModel *table = model();
    QStringList lines;
    QString html = QStringLiteral("<table>\n<tr>");
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column) {
        const QString text =
            table->headerData(column, Qt::Horizontal).toString().replace(u'\n', u' ');
        cells << text;
        html += QStringLiteral("<th>%1</th>").arg(text.toHtmlEscaped());
    }
    lines << cells.join(QLatin1Char('\t'));
    html += QStringLiteral("</tr>\n");
    for (int row = 0; row < table->rowCount(); ++row) {
        cells.clear();
        html += QStringLiteral("<tr>");
        for (int column = 0; column < table->columnCount(); ++column) {
            const QString text = table->index(row, column).data().toString();
            cells << text;
            html += QStringLiteral("<td>%1</td>").arg(text.toHtmlEscaped());
        }
        lines << cells.join(QLatin1Char('\t'));
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</table>\n");
    auto *copied = new QMimeData;
    copied->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    copied->setHtml(html);
    return copied;
}

bool ResultTable::event(QEvent *event) {
    // The copy key belongs to the table, not to a window-wide action of the same key (the
    // planner's Copy Plan, lent to its companions).
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
        event->accept();
        return true;
    }
    return QTableView::event(event);
}

void ResultTable::keyPressEvent(QKeyEvent *event) {
    // The view's own copy would take the current cell alone.
    if (event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setMimeData(MimeData());
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void ResultTable::focusInEvent(QFocusEvent *event) {
    // Without a current cell a screen reader would hear only the table and its row count.
    if (!currentIndex().isValid() && model()->rowCount() > 0) {
        selectionModel()->setCurrentIndex(model()->index(0, 0), QItemSelectionModel::NoUpdate);
    }
    QTableView::focusInEvent(event);
    PlannerAccessibility::SayCurrentItemSoon(this);
}
