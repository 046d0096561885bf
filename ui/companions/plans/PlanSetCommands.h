// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/planner/PlannerHost.h"

#include <QObject>
#include <QString>

#include <functional>

class PlanClipboard;
class QAction;
class QActionGroup;
class QMenu;
class QWidget;

// The changes of the document's set of plans, as the Plan menu and the "Plans" window offer
// them: keep the shown plan as a new one, show another, rename, remove, paste into a new plan,
// and the "Plans" window itself. Each change returns the note that says what it did, or why it
// did nothing, for the window it was made from to show; that note is also what a screen reader
// hears of the change. The Plan menu's entries follow the set: "Keep Plan" and "Paste as New
// Plan" only while another plan fits, "Remove Plan" only while there is more than one, and "Show
// Plan" lists every plan, the shown one checked. It lives as long as the planner window, its
// parent.
class PlanSetCommands : public QObject {
    Q_OBJECT

public:
    // Adds the entries to the end of the Plan menu; "Paste as New Plan" pastes through
    // `clipboard`.
    PlanSetCommands(const PlannerHost &host, PlanClipboard *clipboard);

    // Keeps a copy of the shown plan as NewPlanName(), after the others.
    QString Keep();
    // Shows the plan at `index`, keeping the shown one in its place.
    QString Show(qsizetype index);
    // Renames the plan at `index` to `typed`, checked as a plan's name; a name another plan has
    // gets " (2)", " (3)", ... and the note says so.
    QString Rename(qsizetype index, const QString &typed);
    // Removes the plan at `index`; when it was shown, the next one is shown.
    QString Remove(qsizetype index);

    // Asks for a new name of the plan at `index` in a dialog over `over`, filled with its name;
    // once the user accepts, renames it and gives `noted` the note. Nothing when cancelled.
    void AskRename(qsizetype index, QWidget *over, std::function<void(const QString &)> noted);

    // The plan's name as notes and the Show Plan menu quote it.
    static QString Quoted(const QString &name);

private:
    // Enables the entries for the set as it is and lists its plans in the Show Plan menu.
    void FollowSet();
    // Runs one change of the set, said by its note alone: the plan it shows is in the note.
    std::exception_ptr Change(const std::function<std::exception_ptr()> &change);
    // "“Plan 2” shown: Templar, Goal Cost Total: 112,523."
    QString ShownNote() const;
    static QString NoSuchPlan();

    PlannerHost m_host;
    QAction *m_keep;
    QMenu *m_showMenu;
    QActionGroup *m_shown;
    QAction *m_rename;
    QAction *m_remove;
    QAction *m_pasteAsNew;
};
