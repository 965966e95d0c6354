#pragma once

#include "records/history_file.h"

#include <QHash>
#include <QList>

#include <optional>

namespace game {

// What the record of words knows of a saved round. A round it does not know
// is an ordinary round of an unknown list.
struct RoundKind {
    bool practice = false;
    std::optional<QString> list; // the list's file name, "" for 辞書.txt
    std::optional<int> keys;     // typed with the game's own input: its keys
    bool operator==(const RoundKind&) const = default;
};
// By the date and time the round's line was saved, as RoundKindKey makes them:
// the rounds saved in that second, in the order they were saved.
using RoundKinds = QHash<QByteArray, QList<RoundKind>>;
QByteArray RoundKindKey(QByteArrayView date, QByteArrayView time);

// One saved round as the progress chart shows it, with its figures exactly
// as saved: no rounding on the way from the file to the chart.
struct ProgressPoint {
    int row = 0;     // row of the results table, 0-based
    qint64 when = 0; // the saved local date and time, in seconds from 1970-01-01 00:00
    int speed = 0;   // hundredths of a character per second
    int rate = 0;    // tenths of a percent
    int jikan = 0;   // the time limit, seconds
    RoundKind kind;
    // Hundredths of a key per second, for a round typed with the game's own
    // input; -1 for others.
    int keySpeed = -1;
    bool operator==(const ProgressPoint&) const = default;
};

struct Progress {
    QList<ProgressPoint> points; // by date and time; rounds of one second in row order
    int unreadable = 0;          // records left out: an item the chart needs does not read
    QList<int> limits;           // the time limits present, ascending
    // The lists present, in the order first played; none for the unknown.
    QList<std::optional<QString>> lists;
};

// The round as the chart reads it from the rate, speed, date, time and limit
// items as a save writes them ("90.0%", "1.42/秒", "2025/01/31", "09:05:00",
// "60秒"), or nothing when one of them does not read so.
std::optional<ProgressPoint> ReadProgressPoint(const records::HistoryRows& rows, qsizetype row);
Progress ReadProgress(const records::HistoryRows& rows);
// Gives each round its kind and fills in the lists present.
void MarkKinds(Progress& progress, const records::HistoryRows& rows, const RoundKinds& kinds);

enum class RoundMode { All, Ordinary, Practice };
struct RoundFilter {
    RoundMode mode = RoundMode::All;
    bool everyList = true;
    std::optional<QString> list; // when not every list: this one, or none for the unknown
    // Keys per second in place of characters, for the rounds that know them.
    bool keys = false;
};

// Rounds this many make a point of the moving average; the trend looks back
// over this many.
constexpr int kAverageRounds = 10;
constexpr int kTrendRounds = 30;

// The rounds of one time limit (0 for all) that pass the filter, with the moving average of their
// speed and rate at each round: the mean of it and the rounds before it, up
// to kAverageRounds in all.
struct ProgressSeries {
    QList<ProgressPoint> points;
    QList<double> speedAverage; // characters per second
    QList<double> rateAverage;  // percent
};
ProgressSeries ChooseRounds(const Progress& progress, int jikan, const RoundFilter& filter = {});

struct ProgressFigures {
    int count = 0;
    double bestSpeed = 0, meanSpeed = 0, meanRate = 0;
    // The moving average's change over the last kTrendRounds rounds (or all,
    // when there are fewer): newest minus the one that many rounds back.
    double speedTrend = 0, rateTrend = 0;
};
ProgressFigures FiguresOf(const ProgressSeries& series);

} // namespace game
