// SPDX-FileCopyrightText: 2026 The Tarrowind team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/companions/route/RouteChart.h"

#include "ui/companions/route/ExperienceText.h"
#include "ui/desktop/PlannerColours.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

RouteChart::RouteChart(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("routeChart"));
    setAccessibleName(tr("Chart of the route"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void RouteChart::Show(std::vector<Line> lines, std::int64_t total,
                      std::optional<std::int64_t> inHand) {
    m_lines = std::move(lines);
    m_total = total;
    m_inHand = inHand;
    update();
}

QSize RouteChart::sizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    return {metrics.averageCharWidth() * 60, metrics.height() * 14};
}

QSize RouteChart::minimumSizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    return {metrics.averageCharWidth() * 30, metrics.height() * 8};
}

QColor RouteChart::LineColour(const QPalette &palette, std::size_t n) {
    static constexpr std::array<int, 6> Hues{210, 25, 130, 285, 350, 55};
    const QColor base = palette.color(QPalette::Base);
    const bool dark = base.lightness() < 128;
    QColor colour = QColor::fromHsl(Hues.at(n % Hues.size()), 200, dark ? 170 : 90);
    // Darken on a light base, lighten on a dark one, until the line stands out as a graphic must.
    for (int step = 0; step < 8 && PlannerColours::Contrast(colour, base) < 3.0; ++step) {
        colour = dark ? colour.lighter(115) : colour.darker(120);
    }
    return colour;
}

void RouteChart::paintEvent(QPaintEvent * /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette &colours = palette();
    const QFontMetrics metrics = fontMetrics();
    const int line = metrics.height();
    painter.fillRect(rect(), colours.color(QPalette::Base));
    painter.setPen(colours.color(QPalette::Text));

    // The values the axes span: every line's values, from 0 where no value lies below it.
    double low = 0;
    double high = 1;
    for (const Line &each : m_lines) {
        for (const QPointF &point : each.points) {
            low = std::min(low, point.y());
            high = std::max(high, point.y());
        }
    }
    const double across = std::max<double>(1, static_cast<double>(m_total));
    const QString highText = QString::number(static_cast<int>(std::ceil(high)));
    const QString lowText = QString::number(static_cast<int>(std::floor(low)));
    const int left =
        line + metrics.horizontalAdvance(highText.size() > lowText.size() ? highText : lowText) +
        line / 2;
    const QRectF plot(left, line * 1.5, width() - left - line, height() - line * 4.5);
    if (plot.width() <= 0 || plot.height() <= 0) {
        return;
    }
    const auto at = [&](double x, double y) {
        return QPointF(plot.left() + plot.width() * x / across,
                       plot.bottom() - plot.height() * (y - low) / (high - low));
    };

    // The axes, their end figures and their names.
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    const QRectF below(plot.left(), plot.bottom() + line * 0.25, plot.width(), line);
    painter.drawText(below, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("0"));
    painter.drawText(below, Qt::AlignRight | Qt::AlignTop, ExperienceText::Grouped(m_total));
    painter.drawText(below.translated(0, line), Qt::AlignHCenter | Qt::AlignTop,
                     tr("Experience spent"));
    const QRectF figures(line, plot.top() - line / 2.0, left - line * 1.25, plot.height() + line);
    painter.drawText(figures, Qt::AlignRight | Qt::AlignTop, highText);
    painter.drawText(figures, Qt::AlignRight | Qt::AlignBottom, lowText);
    painter.save();
    painter.translate(0, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, 0, plot.height(), line), Qt::AlignCenter,
                     tr("Modded value"));
    painter.restore();

    if (m_lines.empty()) {
        painter.drawText(plot, Qt::AlignCenter | Qt::TextWordWrap,
                         tr("Add a milestone to see its skill rise along the route."));
    }

    // One line per milestone skill, its milestones as dots, its name in a legend above.
    double legend = plot.left();
    for (std::size_t n = 0; n < m_lines.size(); ++n) {
        const Line &each = m_lines[n];
        const QColor colour = LineColour(colours, n);
        QPainterPath path;
        for (std::size_t i = 0; i < each.points.size(); ++i) {
            const QPointF point = at(each.points[i].x(), each.points[i].y());
            if (i == 0) {
                path.moveTo(point);
            } else {
                path.lineTo(point);
            }
        }
        painter.setPen(QPen(colour, std::max(2.0, line / 8.0)));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        painter.setBrush(colour);
        const double dot = std::max(3.0, line / 4.0);
        for (const QPointF &milestone : each.milestones) {
            painter.drawEllipse(at(milestone.x(), milestone.y()), dot, dot);
        }
        // Whole pixels, so that the swatch shows the line's colour unblended.
        painter.fillRect(QRect(static_cast<int>(legend), line / 2, line, std::max(2, line / 4)),
                         colour);
        painter.setPen(colours.color(QPalette::Text));
        legend += line * 1.25;
        painter.drawText(QPointF(legend, line * 0.5 + metrics.ascent() / 2.0), each.name);
        legend += metrics.horizontalAdvance(each.name) + line;
    }

    if (m_inHand) {
        const double x = std::min<double>(static_cast<double>(*m_inHand), across);
        const QPointF top = at(x, high);
        QPen pen(colours.color(QPalette::Text), 1, Qt::DashLine);
        painter.setPen(pen);
        painter.drawLine(top, at(x, low));
        const QString label = tr("in hand");
        const double width = metrics.horizontalAdvance(label);
        const double labelLeft = top.x() + width + line / 2.0 > plot.right()
                                     ? top.x() - width - line / 4.0
                                     : top.x() + line / 4.0;
        painter.drawText(QPointF(labelLeft, top.y() + metrics.ascent()), label);
    }
}
