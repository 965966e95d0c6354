#include "../files.h"
#include "ui/progress_model.h"
#include "ui/rireki_model.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace records;
using game::ProgressFigures;
using ui::FiguresLine;

TEST(ProgressModel, FiguresLineSaysHowTheMovingAverageChangedOverTheLastRounds) {
    EXPECT_EQ(FiguresLine(ProgressFigures{2, 3, 2, 99.5, -1, -0.5}),
              "2回　最高 3.00文字/秒　平均 2.00文字/秒　平均正解率 99.5%"
              "　移動平均の変化（最近2回） −1.00文字/秒　−0.5%");
    // 1.975 is a double just below; it shows as the decimal rounds it. A change
    // that rounds to nothing has no sign, and the trend looks back thirty rounds.
    EXPECT_EQ(FiguresLine(ProgressFigures{40, 2.95, 1.975, 90, 1.45, -0.04}),
              "40回　最高 2.95文字/秒　平均 1.98文字/秒　平均正解率 90.0%"
              "　移動平均の変化（最近30回） +1.45文字/秒　±0.0%");
}

TEST(ProgressModel, FollowsTheTableThroughAFullTableTakingBackAndAClear) {
    ui::RirekiModel table;
    table.AddRirekiRows(ParseHistory(QByteArray(kExampleLine).replace("80.0%", "80%")).rows);
    ui::ProgressModel model(table);
    QSignalSpy changed(&model, &ui::ProgressModel::changed);
    EXPECT_EQ(model.progress().unreadable, 1);

    // Loaded beyond what a 16-bit counter numbers, the table keeps the newest.
    HistoryRows rows;
    for (int i = 0; i < kMaxHistoryRows + 5; ++i)
        rows.append(Rec(i % 1000));
    table.AddRirekiRows(std::move(rows));
    ASSERT_EQ(table.rowCount(), kMaxHistoryRows);
    EXPECT_EQ(table.record(0), Rec(5));
    EXPECT_EQ(model.progress().unreadable, 0);
    EXPECT_EQ(model.progress().points.size(), kMaxHistoryRows);

    // A save into a full table drops the oldest row and numbers the new one last.
    const QDateTime later(QDate(2025, 1, 2), QTime(8, 0));
    table.AddRirekiRow(MakeHistoryRecord(9, 1, 120, 30, later));
    EXPECT_EQ(table.record(0), Rec(6));
    EXPECT_EQ(table.data(table.index(kMaxHistoryRows - 1, 0)).toString(), "32766");
    const qint64 wallClock = QDateTime(later.date(), later.time(), Qt::UTC).toSecsSinceEpoch();
    EXPECT_EQ(model.progress().points.last(),
              (game::ProgressPoint{kMaxHistoryRows - 1, wallClock, 400, 900, 30, {}}));
    EXPECT_EQ(model.progress().limits, (QList<int>{30, 60}));
    table.RemoveLastRow(); // a save that could not be stored
    EXPECT_EQ(table.record(kMaxHistoryRows - 2), Rec((kMaxHistoryRows + 4) % 1000));
    EXPECT_EQ(model.progress().limits, (QList<int>{60}));

    table.ClearRirekiGrid();
    EXPECT_TRUE(model.progress().points.isEmpty());
    table.AddRirekiRow(Rec(5)); // numbered from 1 again
    EXPECT_EQ(table.data(table.index(0, 0)).toString() + table.data(table.index(0, 9)).toString(),
              "160秒");
    EXPECT_GE(changed.count(), 5); // once at least for each change of the rows
}
