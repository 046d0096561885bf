// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/desktop/PlanFiles.h"

#include "document/PlanDocument.h"
#include "document/PlanFile.h"
#include "text/FailureText.h"
#include "text/PlanFileText.h"
#include "text/PlanText.h"
#include "ui/desktop/PlanClipboard.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#include <exception>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

using namespace Qt::StringLiterals;
using namespace Tarrowind_Module;

namespace {

QString FileName(const QString &path) {
    return QFileInfo(path).fileName();
}

// A name without an ending is saved as a text file, as the file dialog's filter promises.
QString WithEnding(const QString &path) {
    if (!QFileInfo(path).suffix().isEmpty()) {
        return path;
    }
    return path + (path.endsWith(u'.') ? u"txt"_s : u".txt"_s);
}

// Qt reads "[*]" in a title as the place of the mark of unsaved work, and "[*][*]" as those
// three characters, which a file's name may hold.
QString ForTitle(const QString &text) {
    return QString(text).replace(u"[*]"_s, u"[*][*]"_s);
}

} // namespace

PlanFiles::PlanFiles(const PlannerHost &host, PlanClipboard *clipboard)
    : QObject(host.window), m_host(host), m_clipboard(clipboard) {
    m_askFileName = [window = host.window](Asking asking, const QString &suggested) {
        const QString filter = tr("Plans (*.txt);;All Files (*)");
        // The file dialog the platform gives; a name of a file that exists is asked about here,
        // once, after ".txt" has been added to a name without an ending.
        return asking == Asking::Save
                   ? QFileDialog::getSaveFileName(window, tr("Save Plans As"), suggested, filter,
                                                  nullptr, QFileDialog::DontConfirmOverwrite)
                   : QFileDialog::getOpenFileName(window, tr("Open Plans"), suggested, filter);
    };

    QMenu *menu = host.Menu(PlannerHost::BarMenu::Plan);
    menu->addSeparator();
    const auto addEntry = [&](const QString &text, const char *name, const QKeySequence &keys) {
        auto *action = new QAction(text, host.window);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
        menu->addAction(action);
        // The keys work wherever the focus is in the window.
        host.window->addAction(action);
        return action;
    };
    connect(addEntry(tr("&Open Plans…"), "openPlansAction", QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, &PlanFiles::OpenPlans);
    connect(addEntry(tr("&Save Plans"), "savePlansAction", QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, [this] { (void)SavePlans(); });
    connect(addEntry(tr("Save Plans &As…"), "savePlansAsAction",
                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
            &QAction::triggered, this, [this] { (void)SavePlansAs(); });

    connect(host.document, &PlanDocument::fileChanged, this, &PlanFiles::ShowFileInTitle);
}

bool PlanFiles::MayClose() {
    if (!m_host.document->WouldLosePlan()) {
        return true;
    }
    switch (AskBefore(true)) {
    case QMessageBox::Save:
        return SavePlans();
    case QMessageBox::Apply:
        if (const CopiedText *copied = m_clipboard->CopyEveryPlan()) {
            m_clipboard->HandOver(copied);
            return true;
        }
        return false;
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool PlanFiles::SavePlans() {
    const PlansFile &file = m_host.document->file();
    if (file.path.isEmpty()) {
        return SaveAs(QString());
    }
    const QString name = FileName(file.path);
    if (!file.ownText) {
        return SaveAs(
            tr("%1 holds remarks of your own; choose where to save the plans.").arg(name));
    }
    const std::optional<PlanFile::Stamp> now = PlanFile::StampOf(file.path);
    if (!now) {
        return SaveAs(
            tr("%1 is no longer where it was; choose where to save the plans.").arg(name));
    }
    if (*now != *file.ownText) {
        return SaveAs(
            tr("%1 was changed by another program; choose where to save the plans.").arg(name));
    }
    return SaveTo(file.path);
}

bool PlanFiles::SavePlansAs() {
    return SaveAs(QString());
}

bool PlanFiles::SaveAs(const QString &why) {
    if (!why.isEmpty()) {
        m_host.ShowNote(why);
    }
    const QString chosen = m_askFileName(Asking::Save, m_host.document->file().path);
    if (chosen.isEmpty()) {
        m_host.ShowNote(why.isEmpty() ? tr("Nothing was saved.")
                                      : why + u' ' + tr("Nothing was saved."));
        return false;
    }
    const QString path = QFileInfo(WithEnding(chosen)).absoluteFilePath();
    const QFileInfo info(path);
    if (info.exists() && !info.isDir()) {
        QMessageBox question(QMessageBox::Question, tr("Save Plans As"),
                             tr("%1 already exists. Replace it?").arg(info.fileName()),
                             QMessageBox::Yes | QMessageBox::No, m_host.window);
        question.setObjectName(QStringLiteral("replaceQuestion"));
        question.button(QMessageBox::Yes)->setText(tr("&Replace"));
        question.button(QMessageBox::No)->setText(tr("&No"));
        question.setDefaultButton(QMessageBox::No);
        question.setEscapeButton(QMessageBox::No);
        if (question.exec() != QMessageBox::Yes) {
            m_host.ShowNote(tr("Nothing was saved; %1 is as it was.").arg(info.fileName()));
            return false;
        }
    }
    return SaveTo(path);
}

bool PlanFiles::SaveTo(const QString &path) {
    PlanDocument *document = m_host.document;
    const QString name = FileName(path);
    try {
        // A text file's last line ends as every other does.
        const QString text = document->FormatPlans() + u'\n';
        const std::variant<PlanFile::Stamp, PlanFile::Failure> saved = PlanFile::Save(path, text);
        if (const auto *failure = std::get_if<PlanFile::Failure>(&saved)) {
            m_host.ShowNote(failure->SaveMessage(path));
            return false;
        }
        document->MarkSaved(path, std::get<PlanFile::Stamp>(saved));
        const int count = int(document->planCount());
        m_host.ShowNote(count == 1 ? tr("The plan was saved to %1.").arg(name)
                                   : tr("%n plans were saved to %1.", nullptr, count).arg(name));
        return true;
    } catch (...) {
        m_host.ShowNote(
            PlanFile::Failure{FailureText::Reason(std::current_exception())}.SaveMessage(path));
        return false;
    }
}

void PlanFiles::OpenPlans() {
    PlanDocument *document = m_host.document;
    if (document->WouldLosePlan()) {
        switch (AskBefore(false)) {
        case QMessageBox::Save:
            if (!SavePlans()) {
                return;
            }
            break;
        case QMessageBox::Apply:
            if (!m_clipboard->CopyEveryPlan()) {
                return;
            }
            break;
        case QMessageBox::Discard:
            break;
        default:
            return;
        }
    }
    const QString &current = document->file().path;
    const QString chosen =
        m_askFileName(Asking::Open, current.isEmpty() ? QString() : QFileInfo(current).path());
    if (!chosen.isEmpty()) {
        Open(QFileInfo(chosen).absoluteFilePath());
    }
}

void PlanFiles::Open(const QString &path) {
    PlanDocument *document = m_host.document;
    const QString name = FileName(path);
    try {
        const std::variant<PlanFile::Read, PlanFile::Failure> read = PlanFile::Open(path);
        if (const auto *failure = std::get_if<PlanFile::Failure>(&read)) {
            m_host.ShowNote(failure->OpenMessage(path));
            return;
        }
        const PlanFile::Read &file = std::get<PlanFile::Read>(read);
        // A file of one plan without its "Plan:" line, such as a copied plan kept in an editor,
        // gives that plan the file's name.
        QString reason;
        const QString loneName =
            PlanText::CheckedPlanName(QFileInfo(path).completeBaseName(), reason)
                .value_or(tr("Plan %1").arg(1));
        const std::variant<PlanText::FilePlans, PlanText::ReadError> text =
            PlanText::ReadPlansFile(file.text, loneName);
        if (const auto *error = std::get_if<PlanText::ReadError>(&text)) {
            m_host.ShowNote(error->line > 0 ? tr("Cannot open %1: %2, in line %3: \"%4\".")
                                                  .arg(name, error->reason,
                                                       QString::number(error->line), error->excerpt)
                                            : tr("Cannot open %1: %2.").arg(name, error->reason));
            return;
        }
        const PlanText::FilePlans &filePlans = std::get<PlanText::FilePlans>(text);
        const qsizetype count = qsizetype(filePlans.pasted.plans.size());
        if (count > PlanDocument::MaxPlans) {
            m_host.ShowNote(
                tr("Cannot open %1: it holds %2 plans, more than the %3 the planner "
                   "keeps.")
                    .arg(name, QString::number(count), QString::number(PlanDocument::MaxPlans)));
            return;
        }
        std::vector<NamedPlan> opened;
        for (const PlanText::PastedNamedPlan &pasted : filePlans.pasted.plans) {
            NamedPlan named{pasted.name, CharacterPlan()};
            // The skill shown stays the one the user chose.
            named.plan.selected = document->plan().selected;
            pasted.levels.StoreInto(named.plan);
            opened.push_back(std::move(named));
        }
        const PlansFile plansFile{
            path, {}, filePlans.ownText ? std::optional(file.stamp) : std::nullopt};
        if (const std::exception_ptr failure =
                document->OpenPlans(tr("Open Plans"), opened, plansFile)) {
            m_host.ShowNote(PlanFile::Failure{FailureText::Reason(failure)}.OpenMessage(path));
            return;
        }
        QString note = count == 1 ? tr("Opened %1: one plan.").arg(name)
                                  : tr("Opened %1: %n plans.", nullptr, int(count)).arg(name);
        if (!filePlans.pasted.renamed.isEmpty()) {
            note += u' ' + tr("Names given twice were made unique: %1.")
                               .arg(filePlans.pasted.renamed.join(u", "_s));
        }
        for (qsizetype index = 0; index < count; ++index) {
            const QStringList lowered = PlanText::LoweredLevels(
                filePlans.pasted.plans[std::size_t(index)].levels, document->planAt(index));
            if (!lowered.isEmpty()) {
                note +=
                    u' ' + tr("In %1: %2.").arg(document->planName(index), lowered.join(u"; "_s));
            }
        }
        m_host.ShowNote(note);
    } catch (...) {
        m_host.ShowNote(
            PlanFile::Failure{FailureText::Reason(std::current_exception())}.OpenMessage(path));
    }
}

int PlanFiles::AskBefore(bool closing) {
    const PlanDocument *document = m_host.document;
    const QString &path = document->file().path;
    const bool several = document->planCount() > 1;
    QString lost;
    if (!path.isEmpty()) {
        lost = tr("The changes to %1 have not been saved.").arg(FileName(path));
    } else if (const int count = int(document->LostPlanCount()); count > 1) {
        lost =
            tr("%n plans have not been saved or copied since their last change.", nullptr, count);
    } else {
        lost = several ? tr("One plan has not been saved or copied since its last change.")
                       : tr("The plan has not been saved or copied since its last change.");
    }
    QMessageBox question(
        QMessageBox::Question, tr("Tarrowind Character Planner"),
        lost + u' ' + (closing ? tr("Save before closing?") : tr("Save before opening a file?")),
        QMessageBox::Save | QMessageBox::Apply | QMessageBox::Discard | QMessageBox::Cancel,
        m_host.window);
    question.setObjectName(closing ? QStringLiteral("closingQuestion")
                                   : QStringLiteral("openingQuestion"));
    if (closing) {
        question.button(QMessageBox::Save)
            ->setText(path.isEmpty() ? tr("Save As and Close…") : tr("Save and Close"));
        question.button(QMessageBox::Apply)
            ->setText(several ? tr("Copy Plans and Close") : tr("Copy Plan and Close"));
        question.button(QMessageBox::Discard)->setText(tr("Close Without Saving"));
        // Copied text may not outlive the planner; the question says so before it is chosen.
        question.setInformativeText(PlanClipboard::KeepsCopyNote());
    } else {
        question.button(QMessageBox::Save)->setText(tr("Save"));
        question.button(QMessageBox::Apply)->setText(several ? tr("Copy Plans") : tr("Copy Plan"));
        question.button(QMessageBox::Discard)->setText(tr("Open Without Saving"));
    }
    question.button(QMessageBox::Cancel)->setText(tr("Cancel"));
    question.setDefaultButton(QMessageBox::Cancel);
    question.setEscapeButton(QMessageBox::Cancel);
    return question.exec();
}

void PlanFiles::ShowFileInTitle() {
    const QString &path = m_host.document->file().path;
    m_host.window->setWindowTitle(
        path.isEmpty() ? tr("Tarrowind Character Planner[*]")
                       : tr("%1[*] – Tarrowind Character Planner").arg(ForTitle(FileName(path))));
}
