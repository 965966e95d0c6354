#include "../files.h"
#include "records/cp932.h"
#include "ui/progress_model.h"
#include "ui/rireki_model.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace records;
using game::ProgressPoint;
using ui::ProgressModel;
using ui::RirekiModel;

namespace {

const QDateTime kMay1(QDate(2024, 5, 1), QTime(21, 3, 45));

HistoryRecord Rec(int n) {
    return MakeHistoryRecord(int16_t(n), 0, int16_t(2 * n), 60, kMay1);
}

// A history line with the given date, time, rate, speed and limit items.
QByteArray Line(const char* date, const char* time, const char* rate, const char* speed,
                const char* jikan) {
    return EncodeCp932(QStringLiteral("\"%1\",\"%2\",10,9,1,50,\"%3\",\"%4\",\"%5\"\r\n")
                           .arg(date, time, rate, speed, jikan));
}

// Rounds of a 60 s limit a minute apart with the given speeds in hundredths.
game::ProgressFigures FiguresOfSpeeds(std::initializer_list<int> speeds) {
    game::Progress p;
    int i = 0;
    for (int s : speeds)
        p.points.append({i, 60 * i, s, 1000 - 10 * i, 60}), ++i;
    return game::FiguresOf(game::ChooseRounds(p, 0));
}

} // namespace

TEST(RirekiModel, HoldsTheNewestRowsThatA16BitCounterCanNumber) {
    RirekiModel m;
    HistoryRows rows;
    for (int i = 0; i < kMaxHistoryRows + 5; ++i)
        rows.append(Rec(i % 1000));
    m.AddRirekiRows(std::move(rows));
    ASSERT_EQ(m.rowCount(), kMaxHistoryRows);
    EXPECT_EQ(m.record(0), Rec(5));
    // A save into a full table drops the oldest row and numbers the new one last.
    m.AddRirekiRow(Rec(77));
    EXPECT_EQ(m.rowCount(), kMaxHistoryRows);
    EXPECT_EQ(m.record(0), Rec(6));
    EXPECT_EQ(m.data(m.index(kMaxHistoryRows - 1, 0)).toString(), "32766");
    EXPECT_EQ(m.record(kMaxHistoryRows - 1), Rec(77));
    m.RemoveLastRow();
    EXPECT_EQ(m.record(kMaxHistoryRows - 2), Rec((kMaxHistoryRows + 4) % 1000));
    m.ClearRirekiGrid();
    m.AddRirekiRow(Rec(5));
    EXPECT_EQ(m.data(m.index(0, 0)).toString() + m.data(m.index(0, 9)).toString(), "160秒");
}

TEST(ProgressModel, FiguresLineAndNoteSayWhatTheChartShows) {
    EXPECT_EQ(ui::FiguresLine(FiguresOfSpeeds({300, 100})),
              "2回　最高 3.00文字/秒　平均 2.00文字/秒　平均正解率 99.5%"
              "　移動平均の変化（最近2回） −1.00文字/秒　−0.5%");
    EXPECT_EQ(ui::FiguresLine(FiguresOfSpeeds({250})),
              "1回　最高 2.50文字/秒　平均 2.50文字/秒　平均正解率 100.0%");
    EXPECT_EQ(ui::FiguresLine({}), "記録がありません");
    // A mean of 1.975 is a double just below; it shows as the decimal rounds it.
    game::Progress p;
    for (int i = 0; i < 40; ++i)
        p.points.append({i, 60 * i, 100 + 5 * i, 900, 60});
    EXPECT_EQ(ui::FiguresLine(game::FiguresOf(game::ChooseRounds(p, 0))),
              "40回　最高 2.95文字/秒　平均 1.98文字/秒　平均正解率 90.0%"
              "　移動平均の変化（最近30回） +1.45文字/秒　±0.0%");
    EXPECT_EQ(ui::UnreadableNote(12), "読み取れない記録 12件はグラフに入れていません");
    EXPECT_EQ(ui::UnreadableNote(0), "");
}

TEST(ProgressModel, FollowsTheTableThroughSavesAFullTableAndAClear) {
    RirekiModel table;
    table.AddRirekiRows(ParseHistory(Line("2025/01/01", "10:00:00", "50.0%", "1.00/秒", "60秒") +
                                     Line("2025/01/01", "10:01:00", "5%", "1.00/秒", "60秒"))
                            .rows);
    ProgressModel model(table);
    QSignalSpy changed(&model, &ProgressModel::changed);
    EXPECT_EQ(model.progress().points.size(), 1);
    EXPECT_EQ(model.progress().unreadable, 1);

    const QDateTime at(QDate(2025, 1, 2), QTime(8, 0));
    table.AddRirekiRow(MakeHistoryRecord(9, 1, 120, 30, at));
    ASSERT_EQ(model.progress().points.size(), 2);
    const qint64 wallClock = QDateTime(at.date(), at.time(), Qt::UTC).toSecsSinceEpoch();
    EXPECT_EQ(model.progress().points[1], (ProgressPoint{2, wallClock, 400, 900, 30}));
    EXPECT_EQ(model.progress().limits, (QList<int>{30, 60}));
    table.RemoveLastRow(); // a save that could not be stored
    EXPECT_EQ(model.progress().points.size(), 1);

    // A full table drops its oldest row and the rows move up by one.
    HistoryRows full;
    for (int i = 0; i < kMaxHistoryRows - 1; ++i)
        full.append(MakeHistoryRecord(1, 0, 60, 60, at.addSecs(-i)));
    table.AddRirekiRows(std::move(full));
    table.AddRirekiRow(MakeHistoryRecord(2, 0, 120, 60, at.addSecs(60)));
    EXPECT_EQ(model.progress().unreadable, 0);
    EXPECT_EQ(model.progress().points.size(), kMaxHistoryRows);
    EXPECT_EQ(model.progress().points.last().row, kMaxHistoryRows - 1);
    EXPECT_EQ(model.progress().points.last().speed, 200);

    table.ClearRirekiGrid();
    EXPECT_TRUE(model.progress().points.isEmpty());
    EXPECT_TRUE(model.progress().limits.isEmpty());
    EXPECT_GE(changed.count(), 5);
}
