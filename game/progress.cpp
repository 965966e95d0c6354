#include "game/progress.h"

#include "records/cp932.h"
#include "records/figures.h"

#include <QDate>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace game {
namespace {

// A run of 1 to maxDigits ASCII digits and nothing else.
std::optional<int> Digits(QByteArrayView s, int maxDigits) {
    if (s.isEmpty() || s.size() > maxDigits)
        return std::nullopt;
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

// "N.D…" with `decimals` digits after the point, as a count of the last digit's units.
std::optional<int> Decimal(QByteArrayView s, int maxWhole, int decimals) {
    const qsizetype point = s.indexOf('.');
    if (point < 0 || s.size() - point - 1 != decimals)
        return std::nullopt;
    const auto whole = Digits(s.first(point), maxWhole);
    const auto part = Digits(s.sliced(point + 1), decimals);
    if (!whole || !part)
        return std::nullopt;
    int scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    return *whole * scale + *part;
}

// The text before `suffix`, or nothing when the item does not end in it.
std::optional<QByteArrayView> Before(QByteArrayView s, QByteArrayView suffix) {
    if (!s.endsWith(suffix))
        return std::nullopt;
    return s.chopped(suffix.size());
}

std::optional<qint64> Day(QByteArrayView s) { // yyyy/MM/dd
    if (s.size() != 10 || s[4] != '/' || s[7] != '/')
        return std::nullopt;
    const auto y = Digits(s.first(4), 4), m = Digits(s.sliced(5, 2), 2), d = Digits(s.last(2), 2);
    if (!y || !m || !d || !QDate::isValid(*y, *m, *d))
        return std::nullopt;
    return QDate(*y, *m, *d).toJulianDay() - QDate(1970, 1, 1).toJulianDay();
}

std::optional<int> Second(QByteArrayView s) { // hh:mm:ss
    if (s.size() != 8 || s[2] != ':' || s[5] != ':')
        return std::nullopt;
    const auto h = Digits(s.first(2), 2), m = Digits(s.sliced(3, 2), 2), c = Digits(s.last(2), 2);
    if (!h || !m || !c || *h > 23 || *m > 59 || *c > 59)
        return std::nullopt;
    return *h * 3600 + *m * 60 + *c;
}

} // namespace

std::optional<ProgressPoint> ReadProgressPoint(const records::HistoryRows& rows, qsizetype row) {
    static const QByteArray perSecond = records::EncodeCp932(records::kSpeedUnit);
    static const QByteArray seconds = records::EncodeCp932(records::kJikanUnit);
    const auto day = Day(rows.item(row, 0));
    const auto second = Second(rows.item(row, 1));
    const auto rate = Before(rows.item(row, 6), "%");
    const auto speed = Before(rows.item(row, 7), perSecond);
    const auto jikan = Before(rows.item(row, 8), seconds);
    if (!day || !second || !rate || !speed || !jikan)
        return std::nullopt;
    ProgressPoint p;
    p.row = int(row);
    p.when = *day * 86400 + *second;
    const auto r = Decimal(*rate, 3, 1), s = Decimal(*speed, 5, 2), j = Digits(*jikan, 5);
    if (!r || *r > 1000 || !s || !j || *j < 1 || *j > 32767)
        return std::nullopt;
    p.rate = *r;
    p.speed = *s;
    p.jikan = *j;
    return p;
}

Progress ReadProgress(const records::HistoryRows& rows) {
    Progress progress;
    progress.points.reserve(rows.size());
    for (qsizetype row = 0; row < rows.size(); ++row) {
        if (const auto p = ReadProgressPoint(rows, row))
            progress.points.append(*p);
        else
            ++progress.unreadable;
    }
    // Rows are saved in time order; a clock put back, or a file put together
    // from others, is not.
    const auto earlier = [](const ProgressPoint& a, const ProgressPoint& b) {
        return a.when < b.when;
    };
    if (!std::is_sorted(progress.points.begin(), progress.points.end(), earlier))
        std::stable_sort(progress.points.begin(), progress.points.end(), earlier);

    std::array<bool, 32768> present{};
    for (const ProgressPoint& p : progress.points)
        present[p.jikan] = true;
    for (int j = 1; j < int(present.size()); ++j)
        if (present[j])
            progress.limits.append(j);
    return progress;
}

QByteArray RoundKindKey(QByteArrayView date, QByteArrayView time) {
    return date.toByteArray() + ' ' + time.toByteArray();
}

void MarkKinds(Progress& progress, const records::HistoryRows& rows, const RoundKinds& kinds) {
    progress.lists.clear();
    // Rounds saved in one second take the kinds of that second in the order
    // they were saved, as their rows stand.
    QHash<QByteArray, int> taken;
    for (ProgressPoint& p : progress.points) {
        const QByteArray key = RoundKindKey(rows.item(p.row, 0), rows.item(p.row, 1));
        const QList<RoundKind> ofSecond = kinds.value(key);
        const int n = taken[key]++;
        p.kind = n < ofSecond.size() ? ofSecond[n] : RoundKind{};
        p.keySpeed =
            p.kind.keys && p.jikan > 0 ? int(std::lround(100.0 * *p.kind.keys / p.jikan)) : -1;
        if (!progress.lists.contains(p.kind.list))
            progress.lists.append(p.kind.list);
    }
}

ProgressSeries ChooseRounds(const Progress& progress, int jikan, const RoundFilter& filter) {
    ProgressSeries series;
    for (ProgressPoint p : progress.points)
        if ((jikan == 0 || p.jikan == jikan) &&
            (filter.mode == RoundMode::All ||
             p.kind.practice == (filter.mode == RoundMode::Practice)) &&
            (filter.everyList || p.kind.list == filter.list) && (!filter.keys || p.keySpeed >= 0)) {
            if (filter.keys)
                p.speed = p.keySpeed; // what the chart calls speed is now keys
            series.points.append(p);
        }
    const qsizetype n = series.points.size();
    series.speedAverage.reserve(n);
    series.rateAverage.reserve(n);
    // Whole hundredths and tenths, so that the sums carry no rounding.
    qint64 speedSum = 0, rateSum = 0;
    for (qsizetype i = 0; i < n; ++i) {
        speedSum += series.points[i].speed;
        rateSum += series.points[i].rate;
        if (i >= kAverageRounds) {
            speedSum -= series.points[i - kAverageRounds].speed;
            rateSum -= series.points[i - kAverageRounds].rate;
        }
        const qsizetype count = std::min<qsizetype>(i + 1, kAverageRounds);
        series.speedAverage.append(double(speedSum) / double(count) / 100.0);
        series.rateAverage.append(double(rateSum) / double(count) / 10.0);
    }
    return series;
}

ProgressFigures FiguresOf(const ProgressSeries& series) {
    ProgressFigures f;
    f.count = int(series.points.size());
    if (f.count == 0)
        return f;
    qint64 speedSum = 0, rateSum = 0;
    int best = 0;
    for (const ProgressPoint& p : series.points) {
        speedSum += p.speed;
        rateSum += p.rate;
        best = std::max(best, p.speed);
    }
    f.bestSpeed = best / 100.0;
    f.meanSpeed = double(speedSum) / f.count / 100.0;
    f.meanRate = double(rateSum) / f.count / 10.0;
    const int back = std::min(kTrendRounds, f.count);
    f.speedTrend = series.speedAverage.last() - series.speedAverage[f.count - back];
    f.rateTrend = series.rateAverage.last() - series.rateAverage[f.count - back];
    return f;
}

} // namespace game
