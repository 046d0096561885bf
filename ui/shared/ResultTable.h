// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>
#include <QTableView>

#include <functional>

class QMimeData;

// One result shown in a ResultTable: its columns with their headers and explanations, and each
// row's first cell as the row's header, which a screen reader says with every cell of the row.
// The first column is the row's name; the others hold numbers, right-aligned.
class ResultModel : public QAbstractTableModel {
public:
    struct Column {
        QString header;
        // Said by a screen reader with the column's cells, and the header's tooltip; may be empty.
        QString explanation;
    };

    ResultModel(QList<Column> columns, QObject *parent);

    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The texts that may be the widest the column ever shows, from which the table sizes the
    // column once; nothing shown later in it is wider than the widest of them, bold or not.
    virtual QStringList WidestTexts(int column) const = 0;

    // Each cell's text, tooltip, font and alignment: the row's name to the left, numbers to the
    // right, from the three functions below.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const final;

protected:
    // The text of a cell in a row the model holds.
    virtual QString CellText(int row, int column) const = 0;
    // What the pointer resting on a cell shows; nothing unless a model says more.
    virtual QString CellToolTip(int row, int column) const;
    // Whether a row stands out in bold; none unless a model says so.
    virtual bool IsBoldRow(int row) const;
    // The colour of a cell's text; an invalid colour, the palette's own, unless a model says
    // more. Colour only repeats what the text says, for a reader who cannot tell it apart.
    virtual QColor CellColour(int row, int column) const;
    // New headers and explanations, as many columns as before, for the views to show.
    void SetColumns(QList<Column> columns);
    // Calls `store`, which replaces what the model holds by `rows` rows, and tells the views
    // that every cell may have changed. Rows are added or taken at the end, not the model reset,
    // so that the views keep their selection and their current cell where it still is.
    void Replace(int rows, const std::function<void()> &store);

private:
    QList<Column> m_columns;
};

// A read-only table of one result: whole rows selected, column headers, the row headers hidden
// but read by a screen reader, and Ctrl+C copying the whole table as tab-separated text and as
// HTML. Tab and Shift+Tab move on to the window's next or previous control, the arrow keys
// between cells. Whenever the table takes the focus, a screen reader hears its current cell with
// the cell's headers; a table with rows but no current cell makes its first cell current for
// that, without selecting it. Its columns are sized once, when it is made, for their headers and
// for the widest texts the model says they can hold; never again, so a change of the plan costs
// no measuring.
class ResultTable : public QTableView {
    Q_OBJECT

public:
    ResultTable(ResultModel *model, const char *objectName, const QString &accessibleName,
                QWidget *parent);

    // The table's size hint fits every row and column, for a table whose rows are fixed.
    void FitContents();
    // The table is at least `rows` rows high and as wide as its columns, and its last column
    // takes any width left over, for a table whose rows come and go.
    void ShowRows(int rows);
    // The whole table with its headers: tab-separated lines, and an HTML table; a header of two
    // lines is one line there.
    QMimeData *MimeData() const;
    // Sizes the columns again, for a model whose headers or widest texts changed (a header that
    // names something the user renamed); a change of what the cells show needs none.
    void ResizeColumns();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void SizeColumns(const ResultModel *model);
};
