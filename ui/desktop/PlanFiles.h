// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/planner/PlannerHost.h"

#include <QObject>
#include <QString>

#include <functional>

class PlanClipboard;

// The plans in a file the player names: "Save Plans As…" (Ctrl+Shift+S), "Save Plans" (Ctrl+S)
// and "Open Plans…" (Ctrl+O) in the Plan menu, and the questions asked before closing or opening
// would lose plans. The file holds the text of several plans in UTF-8. "Save Plans" overwrites
// the plans' file only while it holds nothing but the planner's own lines and no other program
// has changed it; otherwise it asks for a name, so that a player's own remarks are never
// overwritten. Opening replaces every plan as one step of the history, the file's name with
// them. Every refusal is said in the status bar, naming the file and the reason, and leaves the
// plans as they were. It lives as long as the window, its parent.
class PlanFiles : public QObject {
    Q_OBJECT

public:
    enum class Asking { Save, Open };
    // Asks the user for a file to save to or to open, starting at `suggested` (a file or a
    // folder; empty for the file dialog's own choice). Empty when the user cancelled.
    using FileNameAsker = std::function<QString(Asking asking, const QString &suggested)>;

    // `clipboard` copies the plans for the questions' "Copy Plans".
    PlanFiles(const PlannerHost &host, PlanClipboard *clipboard);

    // By default Qt's file dialogs, through QFileDialog's static functions.
    void SetFileNameAsker(FileNameAsker asker) { m_askFileName = std::move(asker); }

    // Where closing would lose plans (PlanDocument::WouldLosePlan), asks first: "Save and Close"
    // ("Save As and Close…" without a file), "Copy Plan and Close" ("Copy Plans and Close" while
    // plans are kept), "Close Without Saving" or "Cancel", the default. True when the window may
    // close: nothing to lose, the plans saved or copied, or the user chose to close without.
    bool MayClose();

    // As the menu entries do. True when the plans were saved.
    bool SavePlans();
    bool SavePlansAs();
    void OpenPlans();

private:
    // Saves to a name the user gives, after `why` (when not empty) has said in the status bar
    // why "Save Plans" asks for one.
    bool SaveAs(const QString &why);
    // Writes every plan to `path`, which the user named or agreed to replace.
    bool SaveTo(const QString &path);
    void Open(const QString &path);
    // The question before closing or opening over plans that would be lost; the button clicked.
    int AskBefore(bool closing);
    // The title with the file's name while the plans have one.
    void ShowFileInTitle();

    PlannerHost m_host;
    PlanClipboard *m_clipboard;
    FileNameAsker m_askFileName;
};
