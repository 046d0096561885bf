// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

// A label that is never shown, through which the window speaks: a screen reader says each
// message at once, where the focus is, without moving the focus. It is exposed as a
// notification whose name is the message.
class Announcer : public QLabel {
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);
    void Announce(const QString &message);
};

namespace PlannerAccessibility {

// Installs, once per process, the accessible interfaces that Qt's own fall short with on Linux:
// the Announcer as a notification; a plain line frame as a separator, not a frame; and a
// non-editable combo box as "<accessible name>: <current entry>", where Qt names such a box after
// its current entry alone and drops the name it was given. Call it before the first accessible
// interface of these widgets is asked for.
void Install();

} // namespace PlannerAccessibility
