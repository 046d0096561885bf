// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <utility>

class PlanDocument;

// A window that works beside the planner, such as "Compare Races": a top-level child of the
// planner window that shows the document's plan without being the planner. Escape and Ctrl+W
// close it, so does the planner's closing, and closing it never ends the program. The planner's
// window-wide keys (undo, redo, Copy Plan, Paste Plan, the keys that open companions, and any
// added later) work in it as they do in the planner. While it is shown it follows every change of
// the plan; while it is hidden it does no work for one.
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

    // Where the top-left corner of a window frame of `frame` goes: `gap` to the right of the
    // planner's frame if it fits there, else to its left, else as far right as it fits; never
    // outside `available`, and level with the planner's top as far as the screen allows.
    static QPoint PlaceBeside(const QRect &planner, const QSize &frame, const QRect &available,
                              int gap);

protected:
    CompanionWindow(const PlanDocument *document, QWidget *planner);

    // Shows the document's plan; called at every change of the plan while the window is shown.
    virtual void ShowPlan() = 0;
    // Called each time the window is opened, before it is shown or brought forward; `shown` says
    // whether it already was. Shows the plan unless it was shown.
    virtual void Opening(bool shown);

private:
    // Shows the window raised and active, restored if it was minimised. The first time, it takes
    // the size of its content as far as the planner's screen allows, cannot be made smaller than
    // that, and stands beside the planner, inside the screen's available area.
    void Bring();

    QWidget *m_planner;
    // Placed beside the planner, at its first showing; later showings keep where the user put it.
    bool m_placed = false;
};
