// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's menu bar and status bar, and the two windows of the Help menu.
#include "ui/planner/Tarrowind_Char_Planner.h"

#include "plan/CharacterPlan.h"
#include "text/GameNames.h"
#include "text/MessageText.h"
#include "text/NumberText.h"
#include "ui/desktop/PlannerFonts.h"
#include "ui/planner/PlannerHost.h"
#include "ui/shared/StatusLine.h"
#include "ui/shared/StatusNote.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstddef>
#include <exception>

using namespace Qt::StringLiterals;
using namespace Tarrowind_Module;

namespace {

// One row of the keyboard table; `keys` and `what` are plain text.
QString KeyRow(const QString &keys, const QString &what) {
    return QStringLiteral("<tr><td>%1</td><td>%2</td></tr>")
        .arg(keys.toHtmlEscaped(), what.toHtmlEscaped());
}

} // namespace

void Tarrowind_Char_Planner::CreateBars() {
    auto *menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    // The bars read in the font of the buttons and boxes, which is one face fewer to load at
    // start-up than the desktop's own font.
    menuBar->setFont(PlannerFonts::SansSerif(11));
    // Their letters (Alt+P, E, T, H) are none of the buttons' (Alt+R, B, G, U): a letter that
    // two of them took would open or press neither.
    struct Entry {
        PlannerHost::BarMenu which;
        const char *name;
        QString title;
    };
    const Entry menus[] = {{PlannerHost::BarMenu::Plan, "planMenu", tr("&Plan")},
                           {PlannerHost::BarMenu::Edit, "editMenu", tr("&Edit")},
                           {PlannerHost::BarMenu::Tools, "toolsMenu", tr("&Tools")},
                           {PlannerHost::BarMenu::Help, "helpMenu", tr("&Help")}};
    for (const Entry &entry : menus) {
        QMenu *menu = menuBar->addMenu(entry.title);
        menu->setObjectName(QLatin1String(entry.name));
        m_barMenus[static_cast<std::size_t>(entry.which)] = menu;
    }

    // The buttons' entries do what the buttons do; their Alt letters stay with the buttons.
    QMenu *plan = m_barMenus[static_cast<std::size_t>(PlannerHost::BarMenu::Plan)];
    struct ButtonEntry {
        const char *name;
        QPushButton *button;
        void (Tarrowind_Char_Planner::*handler)();
    };
    for (const ButtonEntry &entry :
         {ButtonEntry{"resetSkillsAction", cmdReset, &Tarrowind_Char_Planner::cmdReset_Click},
          ButtonEntry{"maxBasesAction", cmdMaxBase, &Tarrowind_Char_Planner::cmdMaxBase_Click},
          ButtonEntry{"maxGoalsAction", cmdMaxGoal, &Tarrowind_Char_Planner::cmdMaxGoal_Click}}) {
        QAction *action = plan->addAction(entry.button->text());
        action->setObjectName(QLatin1String(entry.name));
        connect(action, &QAction::triggered, this, entry.handler);
    }

    m_statusLine = new StatusLine(m_announcer, this);
    m_statusLine->setObjectName(QStringLiteral("statusBar"));
    m_statusLine->setFont(PlannerFonts::SansSerif(11));
    m_statusNote = m_statusLine->note();
    m_statusNote->setObjectName(QStringLiteral("statusNote"));
    m_statusLine->permanent()->setObjectName(QStringLiteral("lblAtGoal"));

    // The window is as large as the client area with the two bars, and cannot be resized.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setMenuBar(menuBar);
    layout->addWidget(m_clientArea);
    layout->addWidget(m_statusLine);
}

void Tarrowind_Char_Planner::AddQuitAndHelpEntries() {
    QMenu *plan = m_barMenus[static_cast<std::size_t>(PlannerHost::BarMenu::Plan)];
    plan->addSeparator();
    QAction *quit = plan->addAction(tr("&Quit"));
    quit->setObjectName(QStringLiteral("quitAction"));
    quit->setShortcut(Qt::CTRL | Qt::Key_Q); // QKeySequence::Quit has none on Windows
    // Closing asks first where it would lose the plan.
    connect(quit, &QAction::triggered, this, &QWidget::close);
    addAction(quit);

    QMenu *help = m_barMenus[static_cast<std::size_t>(PlannerHost::BarMenu::Help)];
    QAction *keys = help->addAction(tr("&Keyboard Shortcuts"));
    keys->setObjectName(QStringLiteral("keyboardShortcutsAction"));
    keys->setShortcuts(QKeySequence::HelpContents);
    connect(keys, &QAction::triggered, this, &Tarrowind_Char_Planner::ShowKeyboardShortcuts);
    addAction(keys);
    QAction *about = help->addAction(tr("&About the Planner"));
    about->setObjectName(QStringLiteral("aboutAction"));
    connect(about, &QAction::triggered, this, &Tarrowind_Char_Planner::ShowAbout);
}

void Tarrowind_Char_Planner::ShowModdedAtGoal() {
    const CharacterPlan &plan = m_document->plan();
    QString text;
    if (plan.selected >= 0 && plan.selected < SkillCount) {
        try {
            text = tr("%1: modded %2 at goal")
                       .arg(GameNames::Skill(plan.selected),
                            NumberText::PlainText(ModdedAtGoal(plan, plan.selected)));
        } catch (const std::exception &) {
            // A plan the rules cannot read has no value at goal to show.
        }
    }
    m_statusLine->SetPermanentText(text);
}

void Tarrowind_Char_Planner::ShowKeyboardShortcuts() {
    QString rows;
    // The menus' entries with their keys, as the menus show them.
    for (const QMenu *menu : m_barMenus) {
        for (const QAction *action : menu->actions()) {
            if (!action->isSeparator() && !action->shortcuts().isEmpty()) {
                QStringList keys;
                for (const QKeySequence &key : action->shortcuts()) {
                    keys << key.toString(QKeySequence::NativeText);
                }
                rows += KeyRow(keys.join(tr(" or ")), MessageText::WithoutMnemonic(action->text()));
            }
        }
    }
    for (const QPushButton *button : {cmdReset, cmdMaxBase, cmdMaxGoal, cmdUpdate}) {
        rows += KeyRow(QKeySequence::mnemonic(button->text()).toString(QKeySequence::NativeText),
                       tr("Press \"%1\"").arg(MessageText::WithoutMnemonic(button->text())));
    }
    rows += KeyRow(tr("Enter"), tr("Press \"%1\", the default button")
                                    .arg(MessageText::WithoutMnemonic(cmdUpdate->text())));
    rows += KeyRow(tr("%1, %2 in the skill list")
                       .arg(QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText),
                            QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText)),
                   tr("Copy or paste the whole plan"));
    rows += KeyRow(tr("Shift+F10 or the Menu key"), tr("Open the skill list's menu"));
    QStringList menuKeys;
    for (const QMenu *menu : m_barMenus) {
        menuKeys << QKeySequence::mnemonic(menu->title()).toString(QKeySequence::NativeText);
    }
    rows += KeyRow(menuKeys.join(u", "_s), tr("Open the menus"));
    rows += KeyRow(tr("Escape or Ctrl+W"), tr("Close a window beside the planner"));

    auto *box = new QMessageBox(QMessageBox::NoIcon, tr("Keyboard Shortcuts"),
                                u"<table cellspacing=\"4\">"_s + rows + u"</table>"_s,
                                QMessageBox::Close, this);
    box->setObjectName(QStringLiteral("keyboardShortcuts"));
    box->setTextFormat(Qt::RichText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void Tarrowind_Char_Planner::ShowAbout() {
    auto *box = new QMessageBox(
        QMessageBox::Information, tr("About the Planner"),
        tr("Tarrowind Character Planner %1\n\nPlans the skills of one character of the game "
           "Tarrowind.\n\nLicence: GNU General Public License, version 3 or later.")
            .arg(QLatin1String(TARROWIND_VERSION)),
        QMessageBox::Close, this);
    box->setObjectName(QStringLiteral("aboutPlanner"));
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
