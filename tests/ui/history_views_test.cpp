#include "../files.h"
#include "ui/progress_model.h"
#include "ui/rireki_model.h"

#include <gtest/gtest.h>

using namespace records;
using game::ProgressFigures;
using ui::FiguresLine;

TEST(ProgressModel, FiguresLineSaysHowTheMovingAverageChangedOverTheLastRounds) {
    // 1.005 is a double just below; it shows as the decimal rounds it. A change
    // that rounds to nothing has no sign, and the trend looks back thirty rounds.
    EXPECT_EQ(FiguresLine(ProgressFigures{40, 3, 1.005, 99.5, -1, -0.04}),
              "40回　最高 3.00文字/秒　平均 1.01文字/秒　平均正解率 99.5%"
              "　移動平均の変化（最近30回） −1.00文字/秒　±0.0%");
}

TEST(ProgressModel, FollowsTheTableThroughAFullTableTakingBackAndAClear) {
    ui::RirekiModel table;
    ui::ProgressModel model(table);
    // Loaded beyond what a 16-bit counter numbers, the table keeps the newest.
    HistoryRows rows;
    for (int i = 0; i < kMaxHistoryRows + 5; ++i)
        rows.append(Rec(i % 1000));
    table.AddRirekiRows(std::move(rows));
    ASSERT_EQ(table.rowCount(), kMaxHistoryRows);
    EXPECT_EQ(table.record(0), Rec(5));

    // A save into a full table drops the oldest row and numbers the new one last.
    table.AddRirekiRow(MakeHistoryRecord(9, 1, 120, 30, QDateTime(QDate(2025, 1, 2), QTime(8, 0))));
    EXPECT_EQ(table.record(0), Rec(6));
    EXPECT_EQ(table.data(table.index(kMaxHistoryRows - 1, 0)).toString(), "32766");
    EXPECT_EQ(model.progress().limits, (QList<int>{30, 60}));
    table.RemoveLastRow(); // a save that could not be stored
    EXPECT_EQ(table.record(kMaxHistoryRows - 2), Rec((kMaxHistoryRows + 4) % 1000));
    EXPECT_EQ(model.progress().limits, (QList<int>{60}));

    table.ClearRirekiGrid();
    table.AddRirekiRow(Rec(5)); // numbered from 1 again
    EXPECT_EQ(table.data(table.index(0, 0)).toString() + table.data(table.index(0, 9)).toString(),
              "160秒");
}
