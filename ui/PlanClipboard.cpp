// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

// The plan as text on the clipboard: "Copy Plan" and "Paste Plan" in the skill list's menu,
// Ctrl+Shift+C and Ctrl+Shift+V anywhere in the window, Ctrl+C and Ctrl+V in the skill list.
#include "ui/Tarrowind_Char_Planner.h"

#include "text/PlanText.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QSignalBlocker>

#include <exception>
#include <functional>
#include <memory>
#include <utility>
#include <variant>

namespace {

// The list's standard copy and paste keys act on the whole plan rather than on the current row,
// which the list would otherwise copy by itself. The edit boxes keep their own copy and paste.
class ListClipboardKeys : public QObject {
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

} // namespace

void Tarrowind_Char_Planner::ConnectClipboard() {
    m_copyPlan = AddListMenuAction(tr("Copy Plan"), "copyPlan", Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    connect(m_copyPlan, &QAction::triggered, this, &Tarrowind_Char_Planner::CopyPlan);
    m_pastePlan =
        AddListMenuAction(tr("Paste Plan"), "pastePlan", Qt::CTRL | Qt::SHIFT | Qt::Key_V);
    connect(m_pastePlan, &QAction::triggered, this, &Tarrowind_Char_Planner::PastePlan);
    lstSkills->installEventFilter(new ListClipboardKeys(
        lstSkills, [this] { CopyPlan(); }, [this] { PastePlan(); }));

    QClipboard *clipboard = QGuiApplication::clipboard();
    const auto enablePaste = [this, clipboard] {
        m_pastePlan->setEnabled(!clipboard->text().isEmpty());
    };
    connect(clipboard, &QClipboard::dataChanged, this, enablePaste);
    connect(m_listMenu, &QMenu::aboutToShow, this, enablePaste);
    enablePaste();
}

void Tarrowind_Char_Planner::CopyPlan() {
    auto mimeData = std::make_unique<QMimeData>();
    try {
        mimeData->setText(PlanText::Format(m_plan));
        mimeData->setHtml(PlanText::FormatHtml(m_plan));
    } catch (const std::exception &error) {
        ShowMessageAt(lstSkills,
                      tr("Nothing was copied: %1.").arg(QString::fromUtf8(error.what())));
        return;
    }
    QGuiApplication::clipboard()->setMimeData(mimeData.release());
}

void Tarrowind_Char_Planner::PastePlan() {
    const std::variant<PlanText::PastedPlan, PlanText::ReadError> read =
        PlanText::Read(QGuiApplication::clipboard()->text());
    if (const auto *error = std::get_if<PlanText::ReadError>(&read)) {
        ShowMessageAt(lstSkills, error->Message());
        return;
    }
    const PlanText::PastedPlan &pasted = std::get<PlanText::PastedPlan>(read);
    const auto showRace = [this] {
        // The race box follows the plan; this is not the user's choice of a race.
        const QSignalBlocker blocker(cmbRace);
        cmbRace->setCurrentIndex(m_plan.race);
    };
    const bool changed = ChangePlan(lstSkills, tr("Paste Plan"), [this, &pasted, &showRace] {
        pasted.StoreInto(m_plan);
        showRace();
    });
    if (!changed) {
        showRace(); // the plan, and with it its race, is as it was
    }
}
