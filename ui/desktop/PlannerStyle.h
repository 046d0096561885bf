// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProxyStyle>

// The application's style as it would be, with one change: a greyed menu entry can become the
// active one, so that the keyboard, and a screen reader with it, reaches it and hears it as
// unavailable. Triggering it still does nothing.
class PlannerStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Takes over `base`, as QProxyStyle does.
    explicit PlannerStyle(QStyle *base);

    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
                  const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;

    // Makes the application's style a PlannerStyle around the style it has, unless it is one
    // already. Call it before the first widget is made, as the planner window's constructor does.
    static void Install();
};
