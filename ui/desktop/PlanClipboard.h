// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#ifndef Q_MOC_RUN // moc of Qt 6.4 cannot parse <concepts>
#include "text/PlanText.h"
#endif
#include "ui/desktop/ClipboardHandOver.h"
#include "ui/planner/PlannerHost.h"

#include <QObject>

#include <chrono>
#include <variant>

class QAbstractItemView;

// The plan as text on the clipboard: "Copy Plan", "Copy Plans" and "Paste Plan" in the skill
// list's menu and the Edit menu, Ctrl+Shift+C and Ctrl+Shift+V anywhere in the window, and the
// standard copy and paste keys in `list`. No menu asks the clipboard anything when it opens, since
// an owner that does not answer would hold the menu up: "Paste Plan" can always be chosen, and the
// clipboard is read only to paste. What each copy and paste did, or why it did nothing, is noted in
// the status bar. A text of several plans, each after its "Plan:" line, pastes as several plans:
// the first in place of the shown one, under its own name, the others kept beside it, in one
// step. Each copy is recorded in the document, which then knows whether closing the window would
// lose the plan. It lives as long as the window, its parent.
class PlanClipboard : public QObject {
    Q_OBJECT

public:
    PlanClipboard(const PlannerHost &host, QAbstractItemView *list);

    // What copied text becomes once the planner has closed, as far as the desktop tells: kept by
    // a clipboard manager, or lasting only while another program holds it; for a question that
    // offers to copy the plans before closing.
    static QString KeepsCopyNote();
    // Copies what closing would lose: the plan shown, as "Copy Plan" does, while it is the only
    // plan, else every plan as one text of several plans. What is on the clipboard now, or null
    // when nothing could be copied, which the status bar then says.
    const CopiedText *CopyEveryPlan();
    // Keeps the program going after the window has closed, until another program has fetched
    // `copied` (ClipboardHandOver).
    void HandOver(const CopiedText *copied);

    // How long the program goes on after "Copy Plan and Close" for another program to fetch
    // the plan (ClipboardHandOver).
    void SetHandOverWait(std::chrono::milliseconds wait) { m_handOverWait = wait; }

    // Pastes the clipboard's text into new plans beside the others, the shown plan left as it
    // is: a text of several plans becomes as many new plans under their names, any other text
    // one new plan named NewPlanName(), made from the shown plan as Paste Plan would change it.
    // Refused as a whole where the plans would not fit.
    void PasteAsNewPlan();

private:
    void CopyPlan();
    // Every plan with its name, as one text of several plans; what is on the clipboard now, or
    // null when the plans could not be written.
    const CopiedText *CopyPlans();
    // The plan code alone, as text, for a chat line.
    void CopyPlanCode();
    void PasteCode(const std::variant<Tarrowind_Module::CharacterPlan, PlanText::ReadError> &code);
    // Puts the plan on the clipboard; what is there now, or null when the plan could not be
    // written.
    const CopiedText *Copy();
    void PastePlan();
    // A text of several plans, read: with `asNew` every plan is added beside the others, else
    // the first replaces the shown plan and the others are added.
    void PastePlans(const std::variant<PlanText::PastedPlans, PlanText::ReadError> &read,
                    bool asNew);
    // `plan` added as a new plan, NewPlanName(); `lowered` are the levels its race lowered.
    void PasteNewPlan(const Tarrowind_Module::CharacterPlan &plan, const QStringList &lowered);

    PlannerHost m_host;
    std::chrono::milliseconds m_handOverWait = ClipboardHandOver::LongestWait;
};
