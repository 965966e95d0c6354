#pragma once

#include "game/progress.h"

#include <QList>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

namespace ui {

// The smallest of 1, 2 and 5 times a power of ten that cuts `range` into at most `parts`.
double NiceStep(double range, int parts);

struct Axis {
    double low = 0, high = 1, step = 1;
};

// Where the chart's rounds lie: the span of time across and the two value
// axes, speed from 0 and rate up to 100.
struct ChartScale {
    qint64 from = 0, to = 1; // seconds, as the rounds' `when`
    Axis speed, rate;
    // A value (seconds, figure) as a point of the plot area; values beyond the
    // axis stay at its edge.
    QPointF toPixel(const QPointF& value, const Axis& axis, const QRectF& plot) const;
};
// A single round, or rounds within an hour, stand in the middle of an hour;
// every span gets a little room at both ends.
ChartScale ScaleOf(const game::ProgressSeries& series);

struct Tick {
    qint64 when;
    QString label;
};
// At most about `most` ticks from `from` to `to` on whole minutes, hours,
// days, months or years, labelled as the span needs.
QList<Tick> TimeTicks(qint64 from, qint64 to, int most);

// Dots that fall on one pixel of the plot are drawn once, at its centre.
QPolygonF OncePerPixel(const QList<QPointF>& at, const QRectF& plot);

// A line through many points to a column of pixels is drawn as the line
// through its first, lowest, highest and last point there, which covers the
// same pixels.
QPolygonF ThinnedLine(const QList<QPointF>& at);

} // namespace ui
