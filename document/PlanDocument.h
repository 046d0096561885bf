// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#ifndef Q_MOC_RUN // moc of Qt 6.4 cannot parse <concepts>
#include "plan/CharacterPlan.h"
#endif
#include "document/PlanFile.h"

#include <QLocale>
#include <QObject>
#include <QString>

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QUndoStack;

// A plan of the document with its name, as the text of several plans names it.
struct NamedPlan {
    QString name;
    Tarrowind_Module::CharacterPlan plan;

    friend bool operator==(const NamedPlan &, const NamedPlan &) = default;
};

// The file the plans were last saved to or opened from.
struct PlansFile {
    QString path; // empty: the plans have no file
    // The plans' names, order, races and levels as they were then.
    std::vector<NamedPlan> saved;
    // The file as it was then, when it held nothing but what the planner writes; no value when it
    // held remarks of a player's own, which "Save Plans" must not overwrite.
    std::optional<PlanFile::Stamp> ownText;
};

// The character plans that the planner's windows show and change, with their history of changes.
// It holds one to MaxPlans named plans: the one shown, which the planner's controls change, and
// the others kept beside it. Every plan it holds has been recalculated. It changes only through
// Apply, Select, the set's own changes (KeepPlan, ShowPlan, RenamePlan, RemovePlan, AddPlan,
// PastePlans, OpenPlans), undo and redo; windows follow it through changed(). One ordered history
// holds both kinds of step. It also knows the plans last copied out of it and the file they were
// last saved to, and so whether closing would lose a plan.
class PlanDocument : public QObject {
    Q_OBJECT

public:
    using Change = std::function<void(Tarrowind_Module::CharacterPlan &)>;

    // How the plan that changed() shows came about: a change, or a step of the history taken
    // back or done again.
    enum class Move { Change, Undo, Redo };
    Q_ENUM(Move)

    static constexpr qsizetype MaxPlans = 8;

    explicit PlanDocument(QObject *parent = nullptr);
    ~PlanDocument() override;

    // The plan shown. The reference stays valid as long as the document, whichever plan is shown
    // and however the set changes, so that a view may hold it.
    const Tarrowind_Module::CharacterPlan &plan() const;
    // The steps that undo and redo walk, each named after its change ("Max Goals", "Keep Plan").
    QUndoStack *history() const { return m_history; }

    // Starts over with `plan`, recalculated, as the one plan, named NewPlanName()'s "Plan 1", with
    // no file and an empty history, then emits changed(). Throws, keeping the document as it was,
    // when `plan` cannot be recalculated.
    void Open(const Tarrowind_Module::CharacterPlan &plan);

    // Runs `change` on a copy of the shown plan and recalculates the copy. When both succeed the
    // copy becomes the shown plan, one step named `what` goes into the history if the plan is
    // now different, and changed() is emitted either way. When either throws, the plans and the
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

    // The set of plans. Indexes count from 0 in the set's order; planAt(shownPlan()) is plan().
    qsizetype planCount() const { return qsizetype(m_plans.size()); }
    qsizetype shownPlan() const { return m_shown; }
    const QString &planName(qsizetype index) const;
    const Tarrowind_Module::CharacterPlan &planAt(qsizetype index) const;
    // Every plan with its name, in the set's order.
    std::vector<NamedPlan> plans() const;
    // Every plan as the text of several plans (PlanText::FormatPlans), in the set's order.
    QString FormatPlans(const QLocale &locale = QLocale()) const;
    // "Plan 1", "Plan 2", ...: the first such name (in the user's language) no plan has.
    QString NewPlanName() const;

    // The set's own changes. Each is one step of the history, named after it ("Keep Plan"), and
    // is followed by changed(). Each refuses, with the set and the history as they were, a name
    // that is not a CheckedPlanName or that another plan has (std::invalid_argument), more than
    // MaxPlans plans (std::length_error), an index outside the set (std::out_of_range) and
    // removing the last plan (std::logic_error); what was thrown is returned as by Apply.
    //
    // Keeps a copy of the shown plan as a new plan named `name`, after the others; the shown plan
    // stays shown. The copy would be lost at closing as its plan would.
    [[nodiscard]] std::exception_ptr KeepPlan(const QString &name);
    // Shows the plan at `index`; the plan shown until then stays in its place.
    [[nodiscard]] std::exception_ptr ShowPlan(qsizetype index);
    [[nodiscard]] std::exception_ptr RenamePlan(qsizetype index, const QString &name);
    // Removes the plan at `index`. When it is the plan shown, the next one is shown, or the one
    // before it when it was the last.
    [[nodiscard]] std::exception_ptr RemovePlan(qsizetype index);
    // Adds `plan`, recalculated, after the others, as a pasted plan: its starting point is the
    // plan as added. The shown plan stays shown. The step is named `what`.
    [[nodiscard]] std::exception_ptr AddPlan(const QString &what, const NamedPlan &plan);
    // Adds every plan of `added`, recalculated, after the others, as pasted plans; the shown plan
    // stays shown. One step, named `what`, which holds the set before and after.
    [[nodiscard]] std::exception_ptr AddPlans(const QString &what,
                                              const std::vector<NamedPlan> &added);
    // A paste of several plans: the first replaces the shown plan, its name included, and the
    // others are added after the set's plans, all recalculated, as pasted plans. One step,
    // named `what`, which holds the set before and after.
    [[nodiscard]] std::exception_ptr PastePlans(const QString &what,
                                                const std::vector<NamedPlan> &pasted);
    // Replaces every plan with `plans`, recalculated, shows the first and names `file` as the
    // plans' file: one step named `what`, which undo takes back with the file named before.
    // Unlike Open it keeps the history.
    [[nodiscard]] std::exception_ptr
    OpenPlans(const QString &what, const std::vector<NamedPlan> &plans, const PlansFile &file);

    // The plans' file; its path is empty when they have none.
    const PlansFile &file() const { return m_file; }
    // Records that every plan was just saved to `path`, which now holds nothing but the
    // planner's text and is as `stamp` says. Not a step of the history.
    void MarkSaved(const QString &path, const PlanFile::Stamp &stamp);

    // Records that the shown plan, `plan`, was copied out of the document, to the clipboard.
    void MarkCopied(const Tarrowind_Module::CharacterPlan &plan);
    // Records that every plan was copied out of the document at once, as one text.
    void MarkAllCopied();

    // Whether closing now would lose a plan. While the plans have a file, whether the plans'
    // names, order, races and levels differ from those last saved to or opened from it. Without
    // a file, whether any plan WouldLose.
    bool WouldLosePlan() const { return m_wouldLose; }
    // Without a file: whether the plan at `index` would be lost at closing, its race and levels
    // differing from those last copied and from its starting point: the start plan for the plan
    // Open started with, the plan as pasted for a pasted plan, and for a plan that KeepPlan made,
    // the starting point and last copy of the plan it was kept from. The selected skill is no
    // part of any of them.
    bool WouldLose(qsizetype index) const;
    // How many plans WouldLose.
    qsizetype LostPlanCount() const;

Q_SIGNALS:
    // The plans are as the last change, undo or redo left them; show them again. Emitted after
    // every change the document took, of the shown plan or of the set, also one that left the
    // plans as they were (an Update that stores what the plan already holds shows the stored
    // values all the same). `step` names the step changed, undone or redone ("Max Goals"); it is
    // empty for Open. Receivers must not throw.
    void changed(PlanDocument::Move move, const QString &step);
    // WouldLosePlan() has a new answer, after a change, undo, redo, copy or save.
    void wouldLosePlanChanged(bool wouldLose);
    // file() has a new path, after OpenPlans, its undo and redo, or MarkSaved.
    void fileChanged();

private:
    friend class PlanStep;
    friend class PlanSetStep;
    friend struct PlanSetChange;

    // A plan of the set with what tells whether closing would lose it.
    struct Entry {
        NamedPlan named;
        // Race and levels that closing does not lose: its starting points, shared with the plans
        // kept from it, and its last copy.
        std::vector<std::shared_ptr<const Tarrowind_Module::CharacterPlan>> origins;
        std::shared_ptr<const Tarrowind_Module::CharacterPlan> copied;
    };
    // The whole set, as a paste of several plans and opening a file change it.
    struct Set {
        std::vector<Entry> plans;
        qsizetype shown = 0;
    };

    // Puts a plan of the history back as the plan at `index`, then emits changed().
    void Restore(qsizetype index, const Tarrowind_Module::CharacterPlan &plan, Move move,
                 const QString &step);
    // Emits changed() for a set step done or undone, and fileChanged() when the path changed.
    void TellSetChanged(Move move, const QString &step, const QString &pathBefore);
    // The name checked as a plan's name that no plan but the one at `except` has; throws
    // std::invalid_argument otherwise.
    QString FreeName(const QString &name, qsizetype except = -1) const;
    // Throws std::invalid_argument unless every name is a checked plan's name, once in `plans`.
    static void CheckNames(const std::vector<Entry> &plans);
    void CheckIndex(qsizetype index) const;
    // A pasted or opened plan, recalculated, that is its own starting point.
    static Entry Pasted(const NamedPlan &plan);
    // Works WouldLosePlan() out again and tells when the answer changed.
    void FollowWouldLose();

    // Copies the shown plan into m_shownPlan, after every change of the shown plan or of the set.
    void FollowShown();

    std::vector<Entry> m_plans;
    qsizetype m_shown = 0;
    // The shown plan, also held in its entry, at one address for the document's life.
    Tarrowind_Module::CharacterPlan m_shownPlan;
    PlansFile m_file;
    bool m_wouldLose = false;
    bool m_changingBeside = false;
    QUndoStack *m_history;
};
