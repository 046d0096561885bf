// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#ifndef Q_MOC_RUN // moc of Qt 6.4 cannot parse <concepts>
#include "plan/CharacterPlan.h"
#endif

#include <QLabel>

#include <chrono>

class PlanDocument;
class QAbstractItemView;
class QTimer;

// A label that is never shown, through which the window speaks: a screen reader says each
// message at once, where the focus is, without moving the focus. It is exposed as a
// notification whose name is the message.
class Announcer : public QLabel {
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);
    void Announce(const QString &message);
    // Shows the message beside `at` and says it at once, with the focus left where it is.
    void ShowAt(QWidget *at, const QString &message);
    // Shows the message at `globalPos`, for `at`, and says it at once.
    void ShowAt(QWidget *at, const QPoint &globalPos, const QString &message);
    // From now on says what each change of the document's plan changed, from the plan as it is
    // now, which counts as said. A change that leaves the race and every skill as they were is not
    // said. An undo or redo first says which step it took, also when only the selected row
    // changed.
    void Follow(const PlanDocument *document);
    // With `leave`, the next change of the document's plan is said by the part that makes it, in
    // its own words, and Follow only counts it as said; false takes that back, for a change that
    // was refused.
    void LeaveNextChange(bool leave) { m_leaveNextChange = leave; }

private:
    Tarrowind_Module::CharacterPlan m_said;
    bool m_leaveNextChange = false;
};

// Says a message once the user pauses: each Later() replaces the waiting message and starts the
// wait again, so of a run of changes only the last is said, and none drowns the user's typing.
class PausedAnnouncement : public QObject {
public:
    // `announcer` may be null: then nothing is ever said.
    PausedAnnouncement(Announcer *announcer, std::chrono::milliseconds pause, QObject *parent);
    void Later(const QString &message);
    // Nothing waits any more.
    void Cancel();

private:
    Announcer *m_announcer;
    QTimer *m_wait;
    QString m_message;
};

namespace PlannerAccessibility {

// Installs, once per process, the accessible interfaces that Qt's own fall short with on Linux:
// the Announcer as a notification; a plain line frame as a separator, not a frame; and a
// non-editable combo box as "<accessible name>: <current entry>", where Qt names such a box after
// its current entry alone and drops the name it was given. Call it before the first accessible
// interface of these widgets is asked for.
void Install();

// Tells a screen reader that the view's current item has the focus, as when the user moves to it.
// Nothing without a current item or while no screen reader listens.
void SayCurrentItem(QAbstractItemView *view);
// The same once the events of the moment have been handled, if the view still has the focus:
// called from a focus-in, it comes after Qt's report of the focus on the view as a whole.
void SayCurrentItemSoon(QAbstractItemView *view);

} // namespace PlannerAccessibility
