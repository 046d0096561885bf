// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#ifndef Q_MOC_RUN // moc of Qt 6.4 cannot parse <concepts>
#include "document/PlanDocument.h"
#endif

#include <QWidget>

#include <array>
#include <cstdint>

class Announcer;
class DetailBox;
class PausedAnnouncement;
class PlanClipboard;
class PlanFiles;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class SkillListWidget;
class StatusLine;
class StatusNote;

// The planner's window: the skill list with its total, the race list, the detail boxes of the
// selected skill and the four buttons in its client area, the menu bar above them and the status
// bar below. It shows its plan document and changes it through the document; the parts beside it
// (history, clipboard, "Compare Races", "Optimise Goals") are attached to the document and the
// window's menus through a PlannerHost.
class Tarrowind_Char_Planner : public QWidget {
    Q_OBJECT

public:
    explicit Tarrowind_Char_Planner(QWidget *parent = nullptr);

    std::int16_t StatMod(Tarrowind_Module::SkillNumber Skillnum) const;
    void RefreshList();
    // Shows the document's plan, which the document keeps recalculated: the list, the total,
    // the race list's entry and the selected skill's details. It runs after every change, undo
    // and redo, and is the one place that sets the race list from the plan.
    void UpdateForm();
    void GoalTotal(std::int32_t &total) const;

    PlanDocument *document() const { return m_document; }
    // The skill list's menu, opened by a right click, Shift+F10 or the Menu key.
    QMenu *listMenu() const { return m_listMenu; }
    // The controls' own area between the menu bar and the status bar, of the window's design size
    // (426 x 360 at 96 dpi, wider where the style needs wider boxes).
    QWidget *clientArea() const { return m_clientArea; }
    // The status bar's note: what the planner last said about an action.
    StatusNote *statusNote() const { return m_statusNote; }

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // Asks first when closing would lose a plan that was changed and neither saved nor copied.
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void cmdMaxBase_Click();
    void cmdMaxGoal_Click();
    void cmdReset_Click();
    void cmdUpdate_Click();
    void Form_Load();
    void cmbRace_Click();
    void lstSkills_Click();
    static void ResetSkills(Tarrowind_Module::CharacterPlan &plan);
    static void MaxBases(Tarrowind_Module::CharacterPlan &plan);
    static void MaxGoals(Tarrowind_Module::CharacterPlan &plan);
    void txtBase_Change();
    void txtGoal_Change();

    // Places the controls with their fonts and design texts (PlannerLayout.cpp).
    void CreateControls();
    // The menu bar with its four menus and the buttons' entries in the Plan menu, the status bar,
    // and the window's layout of both around the client area, which fixes the window's size
    // (PlannerMenus.cpp).
    void CreateBars();
    // "Quit" at the end of the Plan menu and the Help menu's entries, after the parts have added
    // theirs (PlannerMenus.cpp).
    void AddQuitAndHelpEntries();
    // The selected skill's modded value at goal, in the status bar's permanent part.
    void ShowModdedAtGoal();
    // The keys of every menu entry and of the controls, in a window of their own.
    void ShowKeyboardShortcuts();
    void ShowAbout();
    // Widens the base, equipment, goal and cost boxes where the style leaves them too little
    // room for "-120" or ten digits, moves the controls right of a widened box with it and
    // gives the window its fixed size, wide enough for both rows (PlannerLayout.cpp). Under
    // Fusion at 96 dpi in English nothing moves.
    void FitDetailRow();
    // Widens a button whose caption the style would cut off, moving the buttons right of it, and
    // returns by how much the row grew. English captions fit as they are.
    int FitButtonRow();
    // The cost box's background and the list's readable text, from the current palette.
    void UpdateColours();
    // On another screen the window takes its fixed size again, at that screen's scale.
    void FitToScreen();
    void ConnectHandlers();
    void ShowLiveCost();
    // Opens the list's menu at `at` in the list's viewport, with its first entry active.
    void OpenListMenu(const QPoint &at);
    // Applies a change of the plan, named `what` for the user. If it is refused, the reason is
    // noted in the status bar, and marked on `markBox` if one is given; the plan is as it was.
    bool ChangePlan(const QString &what, const PlanDocument::Change &change,
                    DetailBox *markBox = nullptr);
    void MarkInvalid(DetailBox *box, const QString &message);

    PlanDocument *m_document;
    int m_rowBeforePress = -1;
    QMenu *m_listMenu = nullptr;
    Announcer *m_announcer = nullptr;
    // Says the typed cost once typing pauses.
    PausedAnnouncement *m_liveCostSaid = nullptr;
    PlanClipboard *m_clipboard = nullptr;
    PlanFiles *m_files = nullptr;
    QWidget *m_clientArea;
    std::array<QMenu *, 4> m_barMenus{}; // in PlannerHost::BarMenu's order
    StatusNote *m_statusNote = nullptr;
    StatusLine *m_statusLine = nullptr;
    // While UpdateForm shows a change made beside the window: the boxes that keep their typing.
    QList<DetailBox *> m_keptTyping;

    QLabel *Label1 = nullptr;
    SkillListWidget *lstSkills = nullptr;
    QComboBox *cmbRace = nullptr;
    QLabel *lblGoalTotal = nullptr;
    QFrame *Line1 = nullptr;
    QLabel *lblName = nullptr;
    DetailBox *txtBase = nullptr;
    DetailBox *txtEQ = nullptr;
    QLabel *lblMod = nullptr;
    DetailBox *txtGoal = nullptr;
    QLineEdit *txtGoalCost = nullptr;
    QPushButton *cmdReset = nullptr;
    QPushButton *cmdMaxBase = nullptr;
    QPushButton *cmdMaxGoal = nullptr;
    QPushButton *cmdUpdate = nullptr;
    QLabel *Label2 = nullptr;
};
