// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/shared/CompanionWindow.h"

#include "document/PlanDocument.h"

#include "ui/desktop/PlannerAccessibility.h"
#include "ui/shared/StatusNote.h"

#include <QAction>
#include <QActionEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

constexpr int Gap = 8;

// On Wayland a program can neither read nor set where its windows stand; the window system
// places them.
bool PlacesItsWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// Scrolls the window's controls where the window is too small for them, and asks for all the
// room they need where it is not: QScrollArea's own size hint stops at a size for a dialog.
class ContentScroll : public QScrollArea {
public:
    explicit ContentScroll(QWidget *parent) : QScrollArea(parent) {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        // Tab goes from control to control; the area itself scrolls to the one with the focus.
        setFocusPolicy(Qt::NoFocus);
    }

    QSize sizeHint() const override {
        const int frame = 2 * frameWidth();
        return widget() ? widget()->sizeHint() + QSize(frame, frame) : QScrollArea::sizeHint();
    }
};

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
    : QWidget(planner, Qt::Window), m_planner(planner), m_scroll(new ContentScroll(this)),
      m_content(new QWidget(m_scroll)),
      m_note(new StatusNote(planner->findChild<Announcer *>(), this)) {
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

    m_scroll->setWidget(m_content);
    m_content->installEventFilter(this);
    m_note->setObjectName(QStringLiteral("lblNote"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll, 1);
    auto *noteRow = new QVBoxLayout;
    noteRow->setContentsMargins(layout->spacing() + 6, 0, layout->spacing() + 6, 6);
    noteRow->addWidget(m_note);
    layout->addLayout(noteRow);

    connect(document, &PlanDocument::changed, this, [this] {
        if (isVisible()) {
            // A note is about the plan as it was; what the window says of the new one follows.
            m_note->Clear();
            ShowPlan();
        }
    });
}

CompanionWindow *CompanionWindow::Of(QWidget *widget) {
    return widget ? qobject_cast<CompanionWindow *>(widget->window()) : nullptr;
}

void CompanionWindow::ShowNote(const QString &note) {
    if (note.isEmpty()) {
        m_note->Clear();
    } else {
        m_note->Show(note);
    }
}

QString CompanionWindow::note() const {
    return m_note->note();
}

void CompanionWindow::Opening(bool shown) {
    if (!shown) {
        ShowPlan();
    }
}

CompanionWindow::Placement CompanionWindow::PlaceBeside(const QRect &planner, const QSize &frame,
                                                        const QRect &available, int gap) {
    Placement placement{{}, planner.topLeft()};
    const int end = available.right() + 1; // the first x past the area
    const int right = planner.right() + 1 + gap;
    const int left = planner.left() - gap - frame.width();
    int x = 0;
    if (right + frame.width() <= end) {
        x = right;
    } else if (left >= available.left()) {
        x = left;
    } else if (planner.width() + gap + frame.width() <= available.width()) {
        // Both fit side by side once the planner moves: whichever way it moves less.
        const int leftward = right + frame.width() - end;
        const int rightward = available.left() - left;
        if (leftward <= rightward) {
            placement.planner.rx() -= leftward;
            x = end - frame.width();
        } else {
            placement.planner.rx() += rightward;
            x = available.left();
        }
    } else {
        x = end - frame.width();
    }
    x = std::max(x, available.left());
    const int y =
        std::max(std::min(planner.top(), available.bottom() + 1 - frame.height()), available.top());
    placement.companion = {x, y};
    return placement;
}

QRect CompanionWindow::FitInside(const QRect &frame, const QRect &available) {
    const QSize size = frame.size().boundedTo(available.size());
    const int x = std::clamp(frame.x(), available.left(), available.right() + 1 - size.width());
    const int y = std::clamp(frame.y(), available.top(), available.bottom() + 1 - size.height());
    return {QPoint(x, y), size};
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
        const QSize size = sizeHint().boundedTo(available.size() - decoration);
        resize(size);
        m_contentHint = m_content->sizeHint();
        if (PlacesItsWindows()) {
            const Placement placement = PlaceBeside(frame, size + decoration, available, Gap);
            move(placement.companion);
            if (placement.planner != frame.topLeft()) {
                m_planner->move(placement.planner);
            }
        }
    } else {
        FitScreen();
    }
    if (isMinimized()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
    }
    show();
    raise();
    activateWindow();
}

void CompanionWindow::FitScreen() {
    QScreen *on = screen();
    if (!on) {
        return;
    }
    const QRect available = on->availableGeometry();
    const QRect frame = frameGeometry();
    const QSize decoration = frame.size() - geometry().size();
    const QRect fitted = FitInside(frame, available);
    if (fitted.size() != frame.size()) {
        resize(fitted.size() - decoration);
    }
    if (PlacesItsWindows() && fitted.topLeft() != frame.topLeft()) {
        move(fitted.topLeft());
    }
}

void CompanionWindow::FollowScreen(QScreen *screen) {
    if (screen == m_followedScreen) {
        return;
    }
    if (m_followedScreen) {
        disconnect(m_followedScreen, nullptr, this, nullptr);
    }
    m_followedScreen = screen;
    if (screen) {
        connect(screen, &QScreen::availableGeometryChanged, this, [this] {
            if (isVisible()) {
                FitScreen();
            }
        });
        connect(screen, &QObject::destroyed, this, [this] { m_followedScreen = nullptr; });
    }
}

bool CompanionWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_content && event->type() == QEvent::LayoutRequest) {
        FollowContent();
    }
    return QWidget::eventFilter(watched, event);
}

void CompanionWindow::FollowContent() {
    const QSize hint = m_content->sizeHint();
    const QSize growth = (hint - m_contentHint).expandedTo(QSize(0, 0));
    m_contentHint = hint;
    if (m_placed && isVisible() && (growth.width() > 0 || growth.height() > 0)) {
        resize(size() + growth);
        FitScreen();
    }
}

void CompanionWindow::ScreenChanged(QScreen *screen) {
    FollowScreen(screen);
    FitScreen();
}

void CompanionWindow::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (QWindow *handle = windowHandle()) {
        connect(handle, &QWindow::screenChanged, this, &CompanionWindow::ScreenChanged,
                Qt::UniqueConnection);
    }
    FollowScreen(screen());
}
