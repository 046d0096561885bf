// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "document/PlanSetStep.h"

#include <utility>

namespace {

template <typename... Visitors> struct Overloaded : Visitors... { using Visitors::operator()...; };
template <typename... Visitors> Overloaded(Visitors...) -> Overloaded<Visitors...>;

} // namespace

void PlanSetChange::Do(PlanDocument &document, Kind &change) {
    auto &plans = document.m_plans;
    std::visit(
        Overloaded{
            [&](Insert &insert) { plans.insert(plans.begin() + insert.index, insert.entry); },
            [&](Show &show) { document.m_shown = show.after; },
            [&](Rename &rename) { plans[std::size_t(rename.index)].named.name = rename.after; },
            [&](Remove &remove) {
                plans.erase(plans.begin() + remove.index);
                document.m_shown = remove.shownAfter;
            },
            [&](Replace &replace) {
                plans = replace.after.plans;
                document.m_shown = replace.after.shown;
                if (replace.withFile) {
                    document.m_file = replace.fileAfter;
                }
            },
        },
        change);
    document.FollowShown();
}

void PlanSetChange::Undo(PlanDocument &document, Kind &change) {
    auto &plans = document.m_plans;
    std::visit(
        Overloaded{
            [&](Insert &insert) { plans.erase(plans.begin() + insert.index); },
            [&](Show &show) { document.m_shown = show.before; },
            [&](Rename &rename) { plans[std::size_t(rename.index)].named.name = rename.before; },
            [&](Remove &remove) {
                plans.insert(plans.begin() + remove.index, remove.entry);
                document.m_shown = remove.shownBefore;
            },
            [&](Replace &replace) {
                plans = replace.before.plans;
                document.m_shown = replace.before.shown;
                if (replace.withFile) {
                    document.m_file = replace.fileBefore;
                }
            },
        },
        change);
    document.FollowShown();
}

PlanSetStep::PlanSetStep(PlanDocument *document, const QString &what, PlanSetChange::Kind change)
    : QUndoCommand(what), m_document(document), m_change(std::move(change)) {}

// A follower that throws leaves the set as it was before the step, and QUndoStack, which moves
// its index only once undo or redo returned, leaves the history where it was.
void PlanSetStep::undo() {
    const QString path = m_document->m_file.path;
    PlanSetChange::Undo(*m_document, m_change);
    try {
        m_document->TellSetChanged(PlanDocument::Move::Undo, text(), path);
    } catch (...) {
        PlanSetChange::Do(*m_document, m_change);
        throw;
    }
}

void PlanSetStep::redo() {
    const QString path = m_document->m_file.path;
    PlanSetChange::Do(*m_document, m_change);
    try {
        m_document->TellSetChanged(m_done ? PlanDocument::Move::Redo : PlanDocument::Move::Change,
                                   text(), path);
    } catch (...) {
        PlanSetChange::Undo(*m_document, m_change);
        throw;
    }
    m_done = true;
}
