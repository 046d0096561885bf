// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "document/PlanStep.h"

#include "document/PlanDocument.h"

PlanStep::PlanStep(PlanDocument *document, const QString &what, qsizetype index,
                   const Tarrowind_Module::CharacterPlan &before,
                   const Tarrowind_Module::CharacterPlan &after)
    : QUndoCommand(what), m_document(document), m_index(index), m_before(before), m_after(after) {}

void PlanStep::undo() {
    m_document->Restore(m_index, m_before, PlanDocument::Move::Undo, text());
}

void PlanStep::redo() {
    m_document->Restore(m_index, m_after,
                        m_done ? PlanDocument::Move::Redo : PlanDocument::Move::Change, text());
    m_done = true;
}
