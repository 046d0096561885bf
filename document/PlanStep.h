// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#ifndef Q_MOC_RUN // moc of Qt 6.4 cannot parse <concepts>
#include "plan/CharacterPlan.h"
#endif

#include <QUndoCommand>

class PlanDocument;

// One change of a plan in the document's history: which plan of the set, and the whole plan just
// before the change and just after it, race, records and selected skill, both recalculated. Redo,
// the first time when the step is pushed, puts the one into the document, undo the other. The
// document tells its followers which of the three it was.
class PlanStep : public QUndoCommand {
public:
    PlanStep(PlanDocument *document, const QString &what, qsizetype index,
             const Tarrowind_Module::CharacterPlan &before,
             const Tarrowind_Module::CharacterPlan &after);

    void undo() override;
    void redo() override;

private:
    PlanDocument *m_document;
    qsizetype m_index;
    Tarrowind_Module::CharacterPlan m_before;
    Tarrowind_Module::CharacterPlan m_after;
    // Whether the step has been done once: its first redo is the change itself.
    bool m_done = false;
};
