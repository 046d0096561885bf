// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/desktop/PlannerStyle.h"

#include <QApplication>

PlannerStyle::PlannerStyle(QStyle *base) : QProxyStyle(base) {}

int PlannerStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                            QStyleHintReturn *returnData) const {
    if (hint == SH_Menu_AllowActiveAndDisabled) {
        return 1;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void PlannerStyle::Install() {
    QStyle *current = QApplication::style();
    if (qobject_cast<PlannerStyle *>(current)) {
        return;
    }
    // Wrapping the style the application already made keeps the desktop's own style, and makes
    // no second one. The proxy takes it over, so setStyle does not delete it.
    QApplication::setStyle(new PlannerStyle(current));
}
