// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointF>
#include <QWidget>

#include <cstdint>
#include <optional>
#include <vector>

// The route drawn: experience spent along the route across, modded value up, one line for each
// skill a milestone names, each milestone marked where the route reaches it, and the experience
// in hand as an upright line. Drawn from the widget's palette and font at every paint, so it
// follows a dark palette and the scale as the rest of the window does. Its figures are in the
// route's summary line, which is the chart's accessible description.
class RouteChart : public QWidget {
    Q_OBJECT

public:
    struct Line {
        QString name;
        // The modded value at the route's start and after every step that changed it, as
        // (experience spent, value), in rising experience.
        std::vector<QPointF> points;
        // Where the route reaches each milestone of this skill.
        std::vector<QPointF> milestones;
    };

    explicit RouteChart(QWidget *parent);

    // `total` is the experience of the whole route; `inHand` the experience to spend, if any.
    void Show(std::vector<Line> lines, std::int64_t total, std::optional<std::int64_t> inHand);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The colour of the n-th line: hues apart from each other, light or dark enough to stand
    // out from the palette's base.
    static QColor LineColour(const QPalette &palette, std::size_t n);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<Line> m_lines;
    std::int64_t m_total = 0;
    std::optional<std::int64_t> m_inHand;
};
