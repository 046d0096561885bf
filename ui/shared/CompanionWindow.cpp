// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/shared/CompanionWindow.h"

#include "document/PlanDocument.h"

#include <QAction>
#include <QActionEvent>
#include <QKeySequence>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

constexpr int Gap = 8;

bool IsWindowWideKey(const QAction *action) {
    return !action->shortcuts().isEmpty() && (action->shortcutContext() == Qt::WindowShortcut ||
                                              action->shortcutContext() == Qt::ApplicationShortcut);
}

// Keeps the planner's window-wide actions on the companion too: a QAction's window shortcut works
// in every window that holds it. Actions the planner gains later are lent as they come. The
// companion closes with the planner.
class FollowsPlanner : public QObject {
public:
    FollowsPlanner(QWidget *window, QWidget *planner) : QObject(window), m_window(window) {
        for (QAction *action : planner->actions()) {
            Lend(action);
        }
        planner->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::ActionAdded) {
            Lend(static_cast<QActionEvent *>(event)->action());
        } else if (event->type() == QEvent::ActionRemoved) {
            m_window->removeAction(static_cast<QActionEvent *>(event)->action());
        } else if (event->type() == QEvent::Hide && !event->spontaneous()) {
            // The planner's own hiding is its closing; a minimised planner hides spontaneously.
            m_window->close();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Lend(QAction *action) {
        if (IsWindowWideKey(action)) {
            m_window->addAction(action);
        }
    }

    QWidget *m_window;
};

} // namespace

CompanionWindow::CompanionWindow(const PlanDocument *document, QWidget *planner)
    : QWidget(planner, Qt::Window), m_planner(planner) {
    // Closing a companion never ends the program; closing the planner closes both.
    setAttribute(Qt::WA_QuitOnClose, false);
    auto *close = new QAction(tr("Close"), this);
    close->setObjectName(QStringLiteral("closeCompanion"));
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Cancel);
    const QList<QKeySequence> closeKeys = QKeySequence::keyBindings(QKeySequence::Close);
    for (const QKeySequence &key : closeKeys) {
        if (!keys.contains(key)) {
            keys.append(key);
        }
    }
    const QKeySequence ctrlW(Qt::CTRL | Qt::Key_W);
    if (!keys.contains(ctrlW)) {
        keys.append(ctrlW); // some desktops bind Close to Ctrl+F4 alone
    }
    close->setShortcuts(keys);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
    new FollowsPlanner(this, planner);
    connect(document, &PlanDocument::changed, this, [this] {
        if (isVisible()) {
            ShowPlan();
        }
    });
}

void CompanionWindow::Opening(bool shown) {
    if (!shown) {
        ShowPlan();
    }
}

QPoint CompanionWindow::PlaceBeside(const QRect &planner, const QSize &frame,
                                    const QRect &available, int gap) {
    int x = planner.right() + 1 + gap;
    if (x + frame.width() > available.right() + 1) {
        x = planner.left() - gap - frame.width();
    }
    if (x < available.left()) {
        x = available.right() + 1 - frame.width();
    }
    x = std::max(x, available.left());
    const int y =
        std::max(std::min(planner.top(), available.bottom() + 1 - frame.height()), available.top());
    return {x, y};
}

void CompanionWindow::Bring() {
    Opening(isVisible());
    if (!m_placed) {
        m_placed = true;
        // The planner's decoration stands for the companion's, which is unknown before it is
        // first shown.
        const QRect frame = m_planner->frameGeometry();
        const QSize decoration = frame.size() - m_planner->geometry().size();
        const QRect available = m_planner->screen()->availableGeometry();
        // Not QWidget::adjustSize, which keeps a window to two thirds of the screen: the content
        // may use all of it, and scroll bars reach whatever does not fit.
        const QSize size =
            sizeHint().expandedTo(minimumSizeHint()).boundedTo(available.size() - decoration);
        setMinimumSize(size);
        resize(size);
        move(PlaceBeside(frame, size + decoration, available, Gap));
    }
    if (isMinimized()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
    }
    show();
    raise();
    activateWindow();
}
