// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/PlanClipboard.h"

#include "document/PlanDocument.h"
#include "text/FailureText.h"
#include "text/PlanText.h"
#include "ui/PlannerAccessibility.h"
#include "ui/PlannerHost.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

#include <exception>
#include <functional>
#include <memory>
#include <utility>
#include <variant>

namespace {

// The list's standard copy and paste keys act on the whole plan rather than on the current row,
// which the list would otherwise copy by itself. The edit boxes keep their own copy and paste.
class ListClipboardKeys : public QObject {
    Q_OBJECT

public:
    ListClipboardKeys(QObject *parent, std::function<void()> copy, std::function<void()> paste)
        : QObject(parent), m_copy(std::move(copy)), m_paste(std::move(paste)) {}

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) {
            return QObject::eventFilter(watched, event);
        }
        auto *key = static_cast<QKeyEvent *>(event);
        const std::function<void()> *action = key->matches(QKeySequence::Copy)    ? &m_copy
                                              : key->matches(QKeySequence::Paste) ? &m_paste
                                                                                  : nullptr;
        if (!action) {
            return QObject::eventFilter(watched, event);
        }
        // Claiming the shortcut keeps any window-wide action of the same key away from it.
        event->accept();
        if (event->type() == QEvent::KeyPress) {
            (*action)();
        }
        return true;
    }

private:
    std::function<void()> m_copy;
    std::function<void()> m_paste;
};

void CopyPlan(const PlannerHost &host, QWidget *messageAt) {
    const Tarrowind_Module::CharacterPlan &plan = host.document->plan();
    auto mimeData = std::make_unique<QMimeData>();
    try {
        mimeData->setText(PlanText::Format(plan));
        mimeData->setHtml(PlanText::FormatHtml(plan));
    } catch (...) {
        host.announcer->ShowAt(messageAt, QObject::tr("Nothing was copied: %1.")
                                              .arg(FailureText::Reason(std::current_exception())));
        return;
    }
    QGuiApplication::clipboard()->setMimeData(mimeData.release());
    // Copying changes nothing on the screen; without this note nobody would know it happened.
    host.announcer->ShowAt(
        messageAt, QObject::tr("Plan copied: %1 skills.").arg(Tarrowind_Module::SkillCount));
}

void PastePlan(const PlannerHost &host, QWidget *messageAt) {
    const std::variant<PlanText::PastedPlan, PlanText::ReadError> read =
        PlanText::Read(QGuiApplication::clipboard()->text());
    if (const auto *error = std::get_if<PlanText::ReadError>(&read)) {
        host.announcer->ShowAt(messageAt, error->Message());
        return;
    }
    const PlanText::PastedPlan &pasted = std::get<PlanText::PastedPlan>(read);
    if (const std::exception_ptr failure =
            host.document->Apply(QObject::tr("Paste Plan"),
                                 [&pasted](CharacterPlan &plan) { pasted.StoreInto(plan); })) {
        host.announcer->ShowAt(messageAt, FailureText::NothingChanged(failure));
    }
}

} // namespace

void AddClipboardActions(const PlannerHost &host, QAbstractItemView *list) {
    QAction *copyPlan =
        host.AddMenuEntry(QObject::tr("Copy Plan"), "copyPlan", Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    QAction *pastePlan =
        host.AddMenuEntry(QObject::tr("Paste Plan"), "pastePlan", Qt::CTRL | Qt::SHIFT | Qt::Key_V);
    const auto copy = [host, list] {
        CopyPlan(host, list);
    };
    const auto paste = [host, list] {
        PastePlan(host, list);
    };
    QObject::connect(copyPlan, &QAction::triggered, host.window, copy);
    QObject::connect(pastePlan, &QAction::triggered, host.window, paste);
    list->installEventFilter(new ListClipboardKeys(list, copy, paste));

    // Whether there is text to paste, without reading it: the clipboard may hold a large text,
    // and it changes with every copy in any program.
    QClipboard *clipboard = QGuiApplication::clipboard();
    const auto enablePaste = [pastePlan, clipboard] {
        const QMimeData *data = clipboard->mimeData();
        pastePlan->setEnabled(data && data->hasText());
    };
    QObject::connect(clipboard, &QClipboard::dataChanged, pastePlan, enablePaste);
    QObject::connect(host.menu, &QMenu::aboutToShow, pastePlan, enablePaste);
    enablePaste();
}

#include "PlanClipboard.moc"
