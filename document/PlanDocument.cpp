// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "document/PlanDocument.h"

#include "document/PlanStep.h"

#include <QUndoStack>

#include <utility>

using namespace Tarrowind_Module;

namespace {

// A step holds two whole plans; beyond this many steps the oldest go, which bounds the memory
// the history takes.
constexpr int HistoryLimit = 10000;

// What `work` threw, or null when it returned.
template <typename Work> std::exception_ptr Caught(Work &&work) {
    try {
        std::forward<Work>(work)();
    } catch (...) {
        return std::current_exception();
    }
    return nullptr;
}

} // namespace

PlanDocument::PlanDocument(QObject *parent) : QObject(parent), m_history(new QUndoStack(this)) {
    m_history->setUndoLimit(HistoryLimit);
}

PlanDocument::~PlanDocument() {
    // The history is a child and goes after this document; its clearing on the way would tell
    // its followers of a change in a document that is no longer there.
    m_history->blockSignals(true);
}

void PlanDocument::Open(const CharacterPlan &plan) {
    CharacterPlan opened = plan;
    opened.Recalculate();
    m_plan = opened;
    m_opened = opened;
    m_history->clear();
    Q_EMIT changed(Move::Change, QString());
    FollowWouldLose();
}

std::exception_ptr PlanDocument::Apply(const QString &what, const Change &change) {
    // What ApplyBeside tells holds for this change only, whether it is taken or thrown.
    struct Beside {
        bool &flag;
        ~Beside() { flag = false; }
    } const beside{m_changingBeside};
    return Caught([&] {
        CharacterPlan changedPlan = m_plan;
        change(changedPlan);
        changedPlan.Recalculate();
        if (changedPlan == m_plan) {
            Q_EMIT changed(Move::Change, what);
        } else {
            // Pushing the step runs its redo, which puts the changed plan in.
            m_history->push(new PlanStep(this, what, m_plan, changedPlan));
        }
    });
}

std::exception_ptr PlanDocument::ApplyBeside(const QString &what, const Change &change) {
    const RaceNumber race = m_plan.race;
    const SkillNumber selected = m_plan.selected;
    return Apply(what, [&](CharacterPlan &plan) {
        change(plan);
        // Set only once the change is made, so that it holds for this change alone; the
        // recalculation that follows keeps the race and the selected skill.
        m_changingBeside = plan.race == race && plan.selected == selected;
    });
}

// QUndoStack moves its index only once a step's undo or redo has returned, so one that throws
// leaves the history where it was.
std::exception_ptr PlanDocument::Undo() {
    return Caught([this] { m_history->undo(); });
}

std::exception_ptr PlanDocument::Redo() {
    return Caught([this] { m_history->redo(); });
}

void PlanDocument::Select(SkillNumber skill) {
    m_plan.selected = skill;
}

void PlanDocument::MarkCopied(const CharacterPlan &plan) {
    m_copied = plan;
    FollowWouldLose();
}

void PlanDocument::Restore(const CharacterPlan &plan, Move move, const QString &step) {
    const CharacterPlan shown = std::exchange(m_plan, plan);
    try {
        Q_EMIT changed(move, step);
    } catch (...) {
        m_plan = shown;
        throw;
    }
    FollowWouldLose();
}

void PlanDocument::FollowWouldLose() {
    const bool wouldLose =
        !m_plan.SameLevels(m_opened) && !(m_copied && m_plan.SameLevels(*m_copied));
    if (wouldLose != m_wouldLose) {
        m_wouldLose = wouldLose;
        Q_EMIT wouldLosePlanChanged(wouldLose);
    }
}
