#include "game/progress.h"
#include "records/cp932.h"

#include <QDate>

#include <gtest/gtest.h>

using namespace game;
using records::EncodeCp932;
using records::ParseHistory;

namespace {

// History lines with the given "date time rate speed limit" items.
QByteArray Lines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        const QStringList i = line.split(' ');
        bytes += EncodeCp932(QStringLiteral("\"%1\",\"%2\",10,9,1,50,\"%3\",\"%4\",\"%5\"\r\n")
                                 .arg(i[0], i[1], i[2], i[3], i[4]));
    }
    return bytes;
}

// Rounds of a 60 s limit a minute apart with the given speeds in hundredths.
Progress Rounds(const QList<int>& speeds) {
    Progress p;
    int i = 0;
    for (int s : speeds)
        p.points.append({i, 60 * i, s, 1000 - 10 * i, 60, {}, -1}), ++i;
    p.limits = {60};
    return p;
}

} // namespace

TEST(Progress, ReadsTheItemsAsSavedAndLeavesOutAndCountsWhatDoesNotRead) {
    const QByteArray good =
        Lines({"2025/01/31 09:05:00 90.0% 1.42/秒 60秒", "2025/01/31 09:04:00 100.0% 12.05/秒 30秒",
               "2025/01/31 09:04:00 0.0% 0.00/秒 60秒"});
    // Each wrong in one item.
    const QByteArray bad =
        Lines({"2025/01/31 09:05:00 90% 1.42/秒 60秒", "2025/01/31 09:05:00 100.1% 1.42/秒 60秒",
               "2025/01/31 09:05:00 90.0% １.42/秒 60秒", "2025/01/31 09:05:00 90.0% -1.42/秒 60秒",
               "2025/01/31 09:05:00 90.0% 1.42/秒 0秒", "2025/02/29 09:05:00 90.0% 1.42/秒 60秒",
               "2025/01/31 24:00:00 90.0% 1.42/秒 60秒"});

    const Progress p = ReadProgress(ParseHistory(bad + good).rows);
    EXPECT_EQ(p.unreadable, 7);
    EXPECT_EQ(p.limits, (QList<int>{30, 60}));
    // By time, rounds of one second in row order, with their rows of the table.
    const qint64 day = QDate(1970, 1, 1).daysTo(QDate(2025, 1, 31)) * 86400;
    const QList<ProgressPoint> expected = {{8, day + 9 * 3600 + 240, 1205, 1000, 30, {}, -1},
                                           {9, day + 9 * 3600 + 240, 0, 0, 60, {}, -1},
                                           {7, day + 9 * 3600 + 300, 142, 900, 60, {}, -1}};
    EXPECT_EQ(p.points, expected);

    // Two rounds saved in one second, as two copies of the game may, keep a
    // kind each, in the order they were saved; a round the record does not
    // know is an ordinary one of no known list. A round typed with the game's
    // own input has its keys per second.
    Progress marked = p;
    const RoundKind practice{true, QString("どうぶつ.txt"), 120}, ordinary{false, QString(""), {}};
    MarkKinds(marked, ParseHistory(bad + good).rows,
              {{RoundKindKey("2025/01/31", "09:04:00"), {practice, ordinary}}});
    EXPECT_EQ(marked.points[0].kind, practice);
    EXPECT_EQ(marked.points[1].kind, ordinary);
    EXPECT_EQ(marked.points[2].kind, RoundKind{});
    const ProgressSeries keys = ChooseRounds(marked, 0, {RoundMode::All, true, {}, true});
    ASSERT_EQ(keys.points.size(), 1);
    EXPECT_EQ(keys.points[0].speed, 400); // 4.00 keys a second
}

TEST(Progress, AveragesTheLastTenRoundsOfTheChosenLimit) {
    Progress p = Rounds({100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 1100, 1200});
    p.points[1].jikan = 30;
    p.limits = {30, 60};

    const ProgressSeries all = ChooseRounds(p, 0);
    ASSERT_EQ(all.points.size(), 12);
    EXPECT_DOUBLE_EQ(all.speedAverage[1], 1.5);
    EXPECT_DOUBLE_EQ(all.speedAverage[11], 7.5); // rounds 3 to 12
    EXPECT_DOUBLE_EQ(all.rateAverage[11], 93.5);
    const ProgressSeries sixty = ChooseRounds(p, 60); // without the 30 s round
    ASSERT_EQ(sixty.points.size(), 11);
    EXPECT_DOUBLE_EQ(sixty.speedAverage[1], 2.0);
}

TEST(Progress, FiguresGiveTheMeanRateAndTheChangeOfTheAverageOverThirtyRounds) {
    QList<int> speeds;
    for (int i = 0; i < 40; ++i)
        speeds.append(100 + 5 * i);
    const ProgressFigures f = FiguresOf(ChooseRounds(Rounds(speeds), 0));
    EXPECT_DOUBLE_EQ(f.meanRate, 80.5); // from 100% down 1% a round
    // Averages of rounds 31-40 and 2-11.
    EXPECT_NEAR(f.speedTrend, 29 * 0.05, 1e-9);
    EXPECT_NEAR(f.rateTrend, -29.0, 1e-9);

    // Fewer rounds than thirty: the change since the first.
    const ProgressFigures few = FiguresOf(ChooseRounds(Rounds({300, 100}), 0));
    EXPECT_DOUBLE_EQ(few.speedTrend, -1.0);
    EXPECT_DOUBLE_EQ(few.rateTrend, -0.5);
    EXPECT_DOUBLE_EQ(FiguresOf(ChooseRounds(Rounds({250}), 0)).speedTrend, 0);
}
