#include "ui/chart_scale.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <vector>

namespace ui {
namespace {

QDateTime AsDateTime(qint64 when) {
    // The saved wall-clock time, shown as saved: no zone and no summer time.
    return QDateTime::fromSecsSinceEpoch(when, Qt::UTC);
}

} // namespace

double NiceStep(double range, int parts) {
    const double raw = range / parts;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= raw * (1 - 1e-9))
            return m * power;
    return 10 * power;
}

QPointF ChartScale::toPixel(const QPointF& value, const Axis& axis, const QRectF& plot) const {
    const double x = plot.left() + (value.x() - double(from)) / double(to - from) * plot.width();
    const double y =
        plot.bottom() - (value.y() - axis.low) / (axis.high - axis.low) * plot.height();
    return {x, std::clamp(y, plot.top(), plot.bottom())};
}

ChartScale ScaleOf(const game::ProgressSeries& series) {
    ChartScale s;
    if (!series.points.isEmpty())
        s.from = series.points.first().when, s.to = series.points.last().when;
    if (s.to - s.from < 3600) {
        const qint64 mid = (s.from + s.to) / 2;
        s.from = mid - 1800, s.to = mid + 1800;
    }
    const qint64 pad = (s.to - s.from) / 50;
    s.from -= pad, s.to += pad;

    double fastest = 0, lowestRate = 100;
    for (const game::ProgressPoint& p : series.points) {
        fastest = std::max(fastest, p.speed / 100.0);
        lowestRate = std::min(lowestRate, p.rate / 10.0);
    }
    s.speed.step = NiceStep(std::max(fastest, 0.5), 5);
    s.speed.low = 0;
    s.speed.high = std::max(1.0, std::ceil(fastest / s.speed.step)) * s.speed.step;
    s.rate.low = std::min(90.0, std::floor(lowestRate / 10) * 10);
    s.rate.high = 100;
    s.rate.step = NiceStep(s.rate.high - s.rate.low, 5);
    return s;
}

QList<Tick> TimeTicks(qint64 from, qint64 to, int most) {
    static const qint64 steps[] = {60,    300,       900,   1800,      3600,      3 * 3600,
                                   21600, 12 * 3600, 86400, 2 * 86400, 7 * 86400, 14 * 86400};
    const qint64 span = to - from;
    QList<Tick> ticks;
    for (qint64 step : steps) {
        if (span / step > most)
            continue;
        const QString format =
            step < 86400 ? (span < 86400 ? QStringLiteral("hh:mm") : QStringLiteral("MM/dd hh:mm"))
                         : QStringLiteral("yyyy/MM/dd");
        const qint64 below = ((from % step) + step) % step; // also before 1970
        for (qint64 t = below ? from - below + step : from; t <= to; t += step)
            ticks.append({t, AsDateTime(t).toString(format)});
        return ticks;
    }
    constexpr qint64 kMonth = 2629746; // a mean Gregorian month, seconds
    int months = 1;
    for (int m : {1, 2, 3, 6, 12, 24, 60, 120, 600, 1200, 6000, 12000}) {
        months = m;
        if (span / (m * kMonth) <= most)
            break;
    }
    const QDate first = AsDateTime(from).date();
    QDate d(first.year(), first.month(), 1);
    while ((d.year() * 12 + d.month() - 1) % months != 0 || d < first)
        d = d.addMonths(1);
    for (; d.startOfDay(Qt::UTC).toSecsSinceEpoch() <= to; d = d.addMonths(months))
        ticks.append(
            {d.startOfDay(Qt::UTC).toSecsSinceEpoch(), d.toString(QStringLiteral("yyyy/MM"))});
    return ticks;
}

QPolygonF OncePerPixel(const QList<QPointF>& at, const QRectF& plot) {
    const int w = int(plot.width()) + 2, h = int(plot.height()) + 2;
    std::vector<bool> taken(size_t(w) * size_t(h));
    QPolygonF dots;
    for (const QPointF& p : at) {
        const int x = std::clamp(int(p.x() - plot.left()), 0, w - 1);
        const int y = std::clamp(int(p.y() - plot.top()), 0, h - 1);
        if (!taken[size_t(y) * size_t(w) + size_t(x)]) {
            taken[size_t(y) * size_t(w) + size_t(x)] = true;
            dots.append(QPointF(plot.left() + x + 0.5, plot.top() + y + 0.5));
        }
    }
    return dots;
}

QPolygonF ThinnedLine(const QList<QPointF>& at) {
    QPolygonF line;
    for (qsizetype i = 0; i < at.size();) {
        const int column = int(at[i].x());
        qsizetype end = i;
        qsizetype low = i, high = i;
        while (end < at.size() && int(at[end].x()) == column) {
            if (at[end].y() < at[low].y())
                low = end;
            if (at[end].y() > at[high].y())
                high = end;
            ++end;
        }
        line << at[i];
        for (qsizetype k : {std::min(low, high), std::max(low, high), end - 1})
            if (line.last() != at[k])
                line << at[k];
        i = end;
    }
    return line;
}

} // namespace ui
