// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QListWidget>

// The skill list as a keyboard and a screen reader meet it. Shift+F10 and the Menu key ask for
// the context menu at the current row, through customContextMenuRequested with a point in the
// viewport, as a right click does. Getting the focus reads the current row; a change of the
// current row is reported as a move of the focus only while the list has the focus.
class SkillListWidget : public QListWidget {
    Q_OBJECT

public:
    explicit SkillListWidget(QWidget *parent = nullptr);

    // Where the menu of the current row opens, in viewport coordinates: below the row's start,
    // or the viewport's top left when there is no current row.
    QPoint CurrentRowMenuPoint() const;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    void RequestMenuAtCurrentRow();
};
