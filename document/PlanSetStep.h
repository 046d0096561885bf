// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "document/PlanDocument.h"

#include <QUndoCommand>

#include <variant>

// The changes of the document's set of plans, each holding only what it changes, except the
// replacement of the whole set, which holds the set before and after.
struct PlanSetChange {
    // A plan added at `index` (Keep Plan, a paste into a new plan); undone by removing it.
    struct Insert {
        qsizetype index;
        PlanDocument::Entry entry;
    };
    // Another plan shown.
    struct Show {
        qsizetype before, after;
    };
    struct Rename {
        qsizetype index;
        QString before, after;
    };
    // The plan at `index` removed, and the plan shown before and after.
    struct Remove {
        qsizetype index;
        PlanDocument::Entry entry;
        qsizetype shownBefore, shownAfter;
    };
    // Every plan replaced; with `withFile`, the file too.
    struct Replace {
        PlanDocument::Set before, after;
        bool withFile = false;
        PlansFile fileBefore, fileAfter;
    };
    using Kind = std::variant<Insert, Show, Rename, Remove, Replace>;

    // Does the change, or undoes it, in `document`'s set; emits nothing.
    static void Do(PlanDocument &document, Kind &change);
    static void Undo(PlanDocument &document, Kind &change);
};

// One change of the document's set of plans in its history.
class PlanSetStep : public QUndoCommand {
public:
    PlanSetStep(PlanDocument *document, const QString &what, PlanSetChange::Kind change);

    void undo() override;
    void redo() override;

private:
    PlanDocument *m_document;
    PlanSetChange::Kind m_change;
    bool m_done = false;
};
