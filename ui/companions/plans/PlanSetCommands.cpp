// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/companions/plans/PlanSetCommands.h"

#include "document/PlanDocument.h"
#include "text/FailureText.h"
#include "text/GameNames.h"
#include "text/PlanText.h"
#include "text/SpokenText.h"
#include "ui/companions/plans/PlansWindow.h"
#include "ui/desktop/PlanClipboard.h"
#include "ui/desktop/PlannerAccessibility.h"

#include <QAction>
#include <QActionGroup>
#include <QInputDialog>
#include <QMenu>
#include <QStringList>

#include <cstdint>
#include <exception>
#include <stdexcept>
#include <utility>

using namespace Qt::StringLiterals;
using namespace Tarrowind_Module;

namespace {

// An entry of the Plan menu alone: the skill list's menu is about the skills.
QAction *AddPlanEntry(const PlannerHost &host, const QString &text, const char *objectName) {
    auto *action = new QAction(text, host.window);
    action->setObjectName(QLatin1String(objectName));
    host.Menu(PlannerHost::BarMenu::Plan)->addAction(action);
    return action;
}

template <typename Failure> bool Is(const std::exception_ptr &failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const Failure &) {
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace

PlanSetCommands::PlanSetCommands(const PlannerHost &host, PlanClipboard *clipboard)
    : QObject(host.window), m_host(host) {
    // Their letters are none of the button entries' (R, B, G) nor Quit's (Q), and leave S and O
    // to saving and opening.
    host.Menu(PlannerHost::BarMenu::Plan)->addSeparator();
    m_keep = AddPlanEntry(host, tr("&Keep Plan"), "keepPlanAction");
    m_showMenu = new QMenu(tr("S&how Plan"), host.window);
    m_showMenu->setObjectName(QStringLiteral("showPlanMenu"));
    m_showMenu->menuAction()->setObjectName(QStringLiteral("showPlanAction"));
    host.Menu(PlannerHost::BarMenu::Plan)->addMenu(m_showMenu);
    m_shown = new QActionGroup(this);
    m_rename = AddPlanEntry(host, tr("Re&name Plan…"), "renamePlanAction");
    m_remove = AddPlanEntry(host, tr("Re&move Plan"), "removePlanAction");
    m_pasteAsNew = AddPlanEntry(host, tr("Paste as Ne&w Plan"), "pasteAsNewPlanAction");
    QAction *plans = AddPlanEntry(host, tr("P&lans…"), "plansAction");

    connect(m_keep, &QAction::triggered, this, [this] { m_host.ShowNote(Keep()); });
    connect(m_rename, &QAction::triggered, this, [this] {
        AskRename(m_host.document->shownPlan(), m_host.window,
                  [host = m_host](const QString &note) { host.ShowNote(note); });
    });
    connect(m_remove, &QAction::triggered, this,
            [this] { m_host.ShowNote(Remove(m_host.document->shownPlan())); });
    connect(m_pasteAsNew, &QAction::triggered, clipboard, &PlanClipboard::PasteAsNewPlan);
    connect(plans, &QAction::triggered, this, [this] {
        CompanionWindow::Open<PlansWindow>(m_host.window, m_host.document, m_host.window, this);
    });
    connect(host.document, &PlanDocument::changed, this, &PlanSetCommands::FollowSet);
    FollowSet();
}

QString PlanSetCommands::Quoted(const QString &name) {
    return tr("“%1”").arg(name);
}

std::exception_ptr PlanSetCommands::Change(const std::function<std::exception_ptr()> &change) {
    if (m_host.announcer) {
        m_host.announcer->LeaveNextChange(true);
    }
    std::exception_ptr failure = change();
    if (m_host.announcer) {
        m_host.announcer->LeaveNextChange(false);
    }
    // A refusal changes nothing the document tells, so the menus are set here too.
    FollowSet();
    return failure;
}

QString PlanSetCommands::ShownNote() const {
    const PlanDocument *document = m_host.document;
    const CharacterPlan &plan = document->plan();
    std::int32_t total = 0;
    plan.GoalTotal(total);
    return tr("%1 shown: %2, %3.")
        .arg(Quoted(document->planName(document->shownPlan())), GameNames::Race(plan.race),
             SpokenText::Total(total));
}

QString PlanSetCommands::Keep() {
    PlanDocument *document = m_host.document;
    const QString name = document->NewPlanName();
    if (const std::exception_ptr failure = Change([&] { return document->KeepPlan(name); })) {
        return Is<std::length_error>(failure)
                   ? tr("No plan was kept: the planner holds at most %1 plans.")
                         .arg(PlanDocument::MaxPlans)
                   : FailureText::NothingChanged(failure);
    }
    return tr("The shown plan kept as %1; %2 stays shown.")
        .arg(Quoted(name), Quoted(document->planName(document->shownPlan())));
}

QString PlanSetCommands::NoSuchPlan() {
    return tr("Nothing was changed: there is no such plan.");
}

QString PlanSetCommands::Show(qsizetype index) {
    if (index < 0 || index >= m_host.document->planCount()) {
        return NoSuchPlan();
    }
    if (const std::exception_ptr failure =
            Change([&] { return m_host.document->ShowPlan(index); })) {
        return FailureText::NothingChanged(failure);
    }
    return ShownNote();
}

QString PlanSetCommands::Rename(qsizetype index, const QString &typed) {
    PlanDocument *document = m_host.document;
    QString reason;
    const std::optional<QString> checked = PlanText::CheckedPlanName(typed, reason);
    if (!checked) {
        return tr("The plan was not renamed: %1.").arg(reason);
    }
    if (index < 0 || index >= document->planCount()) {
        return NoSuchPlan();
    }
    const QString before = document->planName(index);
    QStringList taken;
    for (qsizetype other = 0; other < document->planCount(); ++other) {
        if (other != index) {
            taken << document->planName(other);
        }
    }
    const QString name = PlanText::UniquePlanName(*checked, taken);
    if (const std::exception_ptr failure =
            Change([&] { return document->RenamePlan(index, name); })) {
        return FailureText::NothingChanged(failure);
    }
    if (name != *checked) {
        return tr("Another plan is named %1: %2 renamed %3.")
            .arg(Quoted(*checked), Quoted(before), Quoted(name));
    }
    return tr("%1 renamed %2.").arg(Quoted(before), Quoted(name));
}

QString PlanSetCommands::Remove(qsizetype index) {
    PlanDocument *document = m_host.document;
    if (document->planCount() == 1) {
        return tr("The last plan cannot be removed.");
    }
    if (index < 0 || index >= document->planCount()) {
        return NoSuchPlan();
    }
    const QString name = document->planName(index);
    const bool wasShown = index == document->shownPlan();
    if (const std::exception_ptr failure = Change([&] { return document->RemovePlan(index); })) {
        return FailureText::NothingChanged(failure);
    }
    return wasShown ? tr("%1 removed. %2").arg(Quoted(name), ShownNote())
                    : tr("%1 removed.").arg(Quoted(name));
}

void PlanSetCommands::AskRename(qsizetype index, QWidget *over,
                                std::function<void(const QString &)> noted) {
    if (index < 0 || index >= m_host.document->planCount()) {
        return;
    }
    auto *dialog = new QInputDialog(over);
    dialog->setObjectName(QStringLiteral("renamePlanDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // No change of the set comes between the question and its answer.
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setWindowTitle(tr("Rename Plan"));
    const QString name = m_host.document->planName(index);
    dialog->setLabelText(tr("New name for %1 (at most %2 characters):")
                             .arg(Quoted(name))
                             .arg(PlanText::PlanNameLength));
    dialog->setTextValue(name);
    dialog->setOkButtonText(tr("Rename"));
    dialog->setCancelButtonText(tr("Cancel"));
    connect(dialog, &QInputDialog::textValueSelected, this,
            [this, index, noted = std::move(noted)](const QString &typed) {
                noted(Rename(index, typed));
            });
    dialog->open();
}

void PlanSetCommands::FollowSet() {
    const PlanDocument *document = m_host.document;
    const bool room = document->planCount() < PlanDocument::MaxPlans;
    m_keep->setEnabled(room);
    m_pasteAsNew->setEnabled(room);
    m_remove->setEnabled(document->planCount() > 1);

    const QList<QAction *> entries = m_shown->actions();
    for (qsizetype index = 0; index < document->planCount(); ++index) {
        QAction *entry = index < entries.size() ? entries[index] : nullptr;
        if (!entry) {
            entry = m_showMenu->addAction(QString());
            entry->setObjectName(QStringLiteral("showPlan%1").arg(index + 1));
            entry->setCheckable(true);
            m_shown->addAction(entry);
            connect(entry, &QAction::triggered, this,
                    [this, index] { m_host.ShowNote(Show(index)); });
        }
        // The number is the entry's letter; a name's own "&" shows as written.
        QString name = document->planName(index);
        entry->setText(u"&%1 "_s.arg(index + 1) + name.replace(u'&', u"&&"_s));
        entry->setChecked(index == document->shownPlan());
    }
    for (qsizetype index = document->planCount(); index < entries.size(); ++index) {
        delete entries[index];
    }
}
