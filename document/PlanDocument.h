// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#ifndef Q_MOC_RUN // moc of Qt 6.4 cannot parse <concepts>
#include "plan/CharacterPlan.h"
#endif

#include <QObject>

#include <exception>
#include <functional>
#include <optional>

class QUndoStack;

// The character plan that the planner's windows show and change, with its history of changes.
// Every plan it holds has been recalculated. It changes only through Apply, Select, undo and
// redo; windows follow it through changed(). It also knows the plan last copied out of it, and
// so whether closing would lose the plan.
class PlanDocument : public QObject {
    Q_OBJECT

public:
    using Change = std::function<void(Tarrowind_Module::CharacterPlan &)>;

    // How the plan that changed() shows came about: a change (Open or Apply), or a step of the
    // history taken back or done again.
    enum class Move { Change, Undo, Redo };
    Q_ENUM(Move)

    explicit PlanDocument(QObject *parent = nullptr);
    ~PlanDocument() override;

    const Tarrowind_Module::CharacterPlan &plan() const { return m_plan; }
    // The plan as Open left it, recalculated: the plan the user started from.
    const Tarrowind_Module::CharacterPlan &openedPlan() const { return m_opened; }
    // The steps that undo and redo walk, each named after its change ("Max Goals").
    QUndoStack *history() const { return m_history; }

    // Starts over with `plan`, recalculated, and an empty history, then emits changed(). Throws,
    // keeping the document as it was, when `plan` cannot be recalculated.
    void Open(const Tarrowind_Module::CharacterPlan &plan);

    // Runs `change` on a copy of the plan and recalculates the copy. When both succeed the copy
    // becomes the plan, one step named `what` goes into the history if the plan is now
    // different, and changed() is emitted either way. When either throws, the plan and the
    // history stay exactly as they were and what was thrown is returned, for the window to put
    // into words; a null pointer means the change was taken.
    [[nodiscard]] std::exception_ptr Apply(const QString &what, const Change &change);
    // As Apply, for a change made in a window beside the planner that changes levels of the plan
    // the planner shows and leaves its race and its selected skill: while changed() reports it,
    // changedBeside() is true, and the planner keeps what the user typed there and did not store.
    [[nodiscard]] std::exception_ptr ApplyBeside(const QString &what, const Change &change);
    // Whether the change changed() reports right now came from ApplyBeside and left the race and
    // the selected skill as they were. False for every other change, and for every undo and redo.
    bool changedBeside() const { return m_changingBeside; }

    // One step back, or forward again, through the history, followed by changed(); nothing when
    // there is no such step. What was thrown is returned as by Apply.
    [[nodiscard]] std::exception_ptr Undo();
    [[nodiscard]] std::exception_ptr Redo();

    // Makes `skill` the one whose details are shown. Choosing a skill is no change of the plan:
    // no step and no changed().
    void Select(Tarrowind_Module::SkillNumber skill);

    // Records that `plan` was copied out of the document, to the clipboard: closing on it loses
    // nothing.
    void MarkCopied(const Tarrowind_Module::CharacterPlan &plan);
    // Whether closing now would lose the plan: its race and levels differ from those it was
    // opened with and from those last copied. The selected skill is no part of either.
    bool WouldLosePlan() const { return m_wouldLose; }

Q_SIGNALS:
    // The plan is as the last change, undo or redo left it; show it again. Emitted after every
    // change the document took, also one that left the plan as it was (an Update that stores
    // what the plan already holds shows the stored values all the same). `step` names the step
    // changed, undone or redone ("Max Goals"); it is empty for Open. Receivers must not throw.
    void changed(PlanDocument::Move move, const QString &step);
    // WouldLosePlan() has a new answer, after a change, undo, redo or copy.
    void wouldLosePlanChanged(bool wouldLose);

private:
    friend class PlanStep;
    // Puts a plan of the history back, then emits changed().
    void Restore(const Tarrowind_Module::CharacterPlan &plan, Move move, const QString &step);
    // Works WouldLosePlan() out again and tells when the answer changed.
    void FollowWouldLose();

    Tarrowind_Module::CharacterPlan m_plan;
    Tarrowind_Module::CharacterPlan m_opened;
    std::optional<Tarrowind_Module::CharacterPlan> m_copied;
    bool m_wouldLose = false;
    bool m_changingBeside = false;
    QUndoStack *m_history;
};
