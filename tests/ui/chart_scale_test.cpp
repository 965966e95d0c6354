#include "../rows.h"
#include "ui/chart_scale.h"

#include <QDateTime>
#include <QStringList>

#include <gtest/gtest.h>

using ui::Axis;
using ui::ChartScale;

namespace {

// Rows declared in here reach rows.h's printer only so, and a failure names its row.
using ::operator<<;

// A saved wall-clock time as the chart counts it: seconds from 1970 as if it were UTC.
qint64 At(const QString& when) {
    const QDateTime t = QDateTime::fromString(when, "yyyy/MM/dd hh:mm:ss");
    EXPECT_TRUE(t.isValid()) << when.toStdString();
    return QDateTime(t.date(), t.time(), Qt::UTC).toSecsSinceEpoch();
}

QString Labels(const QList<ui::Tick>& ticks) {
    QStringList labels;
    for (const ui::Tick& t : ticks)
        labels << t.label;
    return labels.join(u'|');
}

struct TickRow {
    const char *name, *from, *to;
    int most; // ticks at most
    const char* labels;
};

// Spans that the charts of the rows below do not reach.
class TimeTicks : public testing::TestWithParam<TickRow> {};

const TickRow kTickRows[] = {
    // Several rounds in a row.
    {"Minutes", "2025/01/31 09:00:30", "2025/01/31 09:04:10", 5, "09:01|09:02|09:03|09:04"},
    {"HoursOverADayAndAHalfCarryTheDay", "2025/01/31 06:00:00", "2025/02/01 18:00:00", 6,
     "01/31 06:00|01/31 12:00|01/31 18:00|02/01 00:00|02/01 06:00|02/01 12:00|02/01 18:00"},
    // Fortnights from the Thursday of 1970/01/01.
    {"Fortnights", "2025/01/01 00:00:00", "2025/03/02 00:00:00", 5,
     "2025/01/02|2025/01/16|2025/01/30|2025/02/13|2025/02/27"},
    {"Months", "2025/01/15 00:00:00", "2025/06/20 00:00:00", 6,
     "2025/02|2025/03|2025/04|2025/05|2025/06"},
    {"Years", "2019/03/01 00:00:00", "2025/03/01 00:00:00", 4, "2020/01|2022/01|2024/01"},
};

TEST_P(TimeTicks, FallOnWholeUnitsWithinTheSpan) {
    const TickRow& row = GetParam();
    EXPECT_EQ(Labels(ui::TimeTicks(At(row.from), At(row.to), row.most)),
              QString::fromUtf8(row.labels));
}

INSTANTIATE_TEST_SUITE_P(Spans, TimeTicks, testing::ValuesIn(kTickRows), kRowName);

struct ScaleRow {
    const char* name;
    const char* rounds;    // "yyyy/MM/dd hh:mm:ss speed rate;...", in hundredths and tenths of a %
    const char *from, *to; // the span shown, with its room at both ends
    const char* axes;      // speed and rate: low..high/step
    const char* ticks;     // at most 6
};

class ChartScaleOf : public testing::TestWithParam<ScaleRow> {};

const ScaleRow kScaleRows[] = {
    {"NoRounds", "", "1969/12/31 23:28:48", "1970/01/01 00:31:12", "0..0.1/0.1 90..100/2",
     "23:30|23:45|00:00|00:15|00:30"},
    // Rounds at one instant stand in the middle of an hour.
    {"AllRoundsAtOneInstant",
     "2025/01/31 09:05:00 0 1000;2025/01/31 09:05:00 2999 0;2025/01/31 09:05:00 1500 500",
     "2025/01/31 08:33:48", "2025/01/31 09:36:12", "0..30/10 0..100/20", "08:45|09:00|09:15|09:30"},
    {"TenDays", "2025/01/01 00:00:00 120 1000;2025/01/11 00:00:00 260 735", "2024/12/31 19:12:00",
     "2025/01/11 04:48:00", "0..3/1 70..100/10",
     "2025/01/02|2025/01/04|2025/01/06|2025/01/08|2025/01/10"},
};

TEST_P(ChartScaleOf, SpansTheRoundsWithRoomAndAxesThatHoldThem) {
    const ScaleRow& row = GetParam();
    game::ProgressSeries series;
    for (const QString& round : QString(row.rounds).split(u';', Qt::SkipEmptyParts)) {
        const QStringList f = round.split(u' ');
        const int n = int(series.points.size());
        series.points.append({n, At(f[0] + u' ' + f[1]), f[2].toInt(), f[3].toInt(), 60, {}});
    }
    const ChartScale s = ui::ScaleOf(series);
    EXPECT_EQ(s.from, At(row.from));
    EXPECT_EQ(s.to, At(row.to));
    const auto axis = [](const Axis& a) {
        return QString("%1..%2/%3").arg(a.low).arg(a.high).arg(a.step);
    };
    EXPECT_EQ(axis(s.speed) + ' ' + axis(s.rate), row.axes);
    EXPECT_EQ(Labels(ui::TimeTicks(s.from, s.to, 6)), QString::fromUtf8(row.ticks));

    // Every round lands inside the plot, the fastest at most at the top.
    const QRectF plot(50, 40, 600, 300);
    for (const game::ProgressPoint& p : series.points) {
        const QPointF speed = s.toPixel({double(p.when), p.speed / 100.0}, s.speed, plot);
        const QPointF rate = s.toPixel({double(p.when), p.rate / 10.0}, s.rate, plot);
        EXPECT_TRUE(plot.contains(speed) && plot.contains(rate)) << p.row;
    }
}

INSTANTIATE_TEST_SUITE_P(Rounds, ChartScaleOf, testing::ValuesIn(kScaleRows), kRowName);

TEST(Pixels, AreDrawnOnceEachAndTheLineKeepsEachColumnsFirstExtremesAndLast) {
    // First, lowest and highest (in pixel rows, which run downwards), last.
    const QList<QPointF> columns = {{50.1, 30},   {50.3, 35}, {50.5, 80},
                                    {50.9, 10.5}, {50.2, 40}, {51.0, 60}};
    EXPECT_EQ(ui::ThinnedLine(columns),
              QPolygonF({{50.1, 30}, {50.5, 80}, {50.9, 10.5}, {50.2, 40}, {51.0, 60}}));
    const QRectF plot(10, 10, 200, 100);
    EXPECT_EQ(ui::OncePerPixel(columns, plot).size(), 6);
    const QList<QPointF> onePixel = {{20.2, 20.2}, {20.7, 20.9}, {20.9, 20.1}, {21.0, 20.0}};
    EXPECT_EQ(ui::OncePerPixel(onePixel, plot).size(), 2);
    EXPECT_EQ(ui::ThinnedLine(onePixel), QPolygonF(onePixel)); // two to a column: nothing to thin
}

} // namespace
