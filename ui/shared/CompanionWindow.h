// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <utility>

class PlanDocument;
class QScreen;
class QScrollArea;
class StatusNote;

// A window that works beside the planner, such as "Compare Races": a top-level child of the
// planner window that shows the document's plan without being the planner. Escape and Ctrl+W
// close it, so does the planner's closing, and closing it never ends the program. The planner's
// window-wide keys (undo, redo, Copy Plan, Paste Plan, the keys that open companions, and any
// added later) work in it as they do in the planner. While it is shown it follows every change of
// the plan; while it is hidden it does no work for one.
//
// Its controls go into content(), which scrolls where the window is smaller than they need; the
// window can be made as small as a 640 x 480 screen requires. Under them stands the window's note
// line, which says what its controls did and what the window did of its own accord.
class CompanionWindow : public QWidget {
    Q_OBJECT

public:
    // Shows the planner's window of type `Window`, made from `arguments` on first use, and brings
    // it forward.
    template <typename Window, typename... Arguments>
    static Window *Open(QWidget *planner, Arguments &&...arguments) {
        auto *window = planner->findChild<Window *>(QString(), Qt::FindDirectChildrenOnly);
        if (!window) {
            window = new Window(std::forward<Arguments>(arguments)...);
        }
        window->Bring();
        return window;
    }

    // The companion window that `widget` is part of, or null.
    static CompanionWindow *Of(QWidget *widget);

    // Where the frames of the planner and of a companion of `frame` go at the companion's first
    // showing. Where `available` has room for both side by side, `gap` apart, they do not
    // overlap: the companion goes right of the planner, else left of it, and where neither fits
    // the planner moves as little as that needs. Without that room the planner stays and the
    // companion goes as far right as it fits. Either lies inside `available` as far as its size
    // allows, the companion level with the planner's top as far as the screen allows.
    struct Placement {
        QPoint companion;
        QPoint planner;
    };
    static Placement PlaceBeside(const QRect &planner, const QSize &frame, const QRect &available,
                                 int gap);
    // The place and size of a window frame `frame` inside `available`: no larger than the area,
    // moved no further than it must be to lie wholly inside it.
    static QRect FitInside(const QRect &frame, const QRect &available);

    // Shows `note` on the window's note line, where it stays until the next note or the next
    // change of the plan, and says it once (StatusNote).
    void ShowNote(const QString &note);
    // The note line's text; empty without a note.
    QString note() const;

protected:
    CompanionWindow(const PlanDocument *document, QWidget *planner);

    // The widget that holds the window's controls; give it a layout.
    QWidget *content() const { return m_content; }

    // Shows the document's plan; called at every change of the plan while the window is shown.
    virtual void ShowPlan() = 0;
    // Called each time the window is opened, before it is shown or brought forward; `shown` says
    // whether it already was. Shows the plan unless it was shown.
    virtual void Opening(bool shown);

    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Shows the window raised and active, restored if it was minimised. The first time, it takes
    // the size of its content as far as the planner's screen allows and stands beside the
    // planner; every time, it lies inside its screen's available area.
    void Bring();
    // Brings the window inside its screen's available area, keeping its place and size where
    // they fit.
    void FitScreen();
    // Fits the window into the available area of `screen` whenever that changes.
    void FollowScreen(QScreen *screen);
    // While the window is shown, it grows by as much as its content asks for more room than
    // before (a table with more rows), as far as the screen allows; a window the user made
    // smaller stays so until then.
    void FollowContent();
    void ScreenChanged(QScreen *screen);

    QWidget *m_planner;
    QScrollArea *m_scroll;
    QWidget *m_content;
    StatusNote *m_note;
    QScreen *m_followedScreen = nullptr;
    QSize m_contentHint;
    // Placed beside the planner, at its first showing; later showings keep where the user put it.
    bool m_placed = false;
};
