#include "records/rireki_model.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace records;

namespace {

HistoryRecord Rec(int n) {
    return MakeHistoryRecord(int16_t(n), 0, int16_t(2 * n), 60,
                             QDateTime(QDate(2024, 5, 1), QTime(12, 0, n % 60)));
}

} // namespace

TEST(RirekiModel, TitlesWidthsAndAlignmentsOfTheTenColumns) {
    RirekiModel m;
    QStringList titles;
    int width = 0;
    for (int c = 0; c < m.columnCount(); ++c) {
        titles << m.headerData(c, Qt::Horizontal).toString();
        width += RirekiModel::ColumnWidthTwips(c);
        EXPECT_EQ(m.headerData(c, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
                  int(Qt::AlignCenter));
    }
    EXPECT_EQ(titles, (QStringList{"回", "日付", "時間", "問数", "ＯＫ", "ＮＧ", "文字数", "正解率",
                                   "秒当たり", "表示秒数"}));
    EXPECT_EQ(width, 8440);
    m.AddRirekiRow(Rec(1));
    QList<int> aligns;
    for (int c = 0; c < 10; ++c)
        aligns << m.data(m.index(0, c), Qt::TextAlignmentRole).toInt();
    const int centre = Qt::AlignCenter, right = Qt::AlignRight | Qt::AlignVCenter;
    EXPECT_EQ(aligns, (QList<int>{centre, centre, centre, right, right, right, right, right, right,
                                  right}));
}

TEST(RirekiModel, NumbersRowsScrollsPastSixAndClearsToTheHeader) {
    RirekiModel m;
    QSignalSpy scrolls(&m, &RirekiModel::scrollRequested);
    for (int i = 1; i <= 7; ++i) {
        m.AddRirekiRow(Rec(i));
        m.ScrollRirekiToEnd();
        EXPECT_EQ(scrolls.count(), i < 7 ? 0 : 1);
    }
    EXPECT_EQ(scrolls.at(0).at(0).toInt(), 6);
    EXPECT_EQ(m.RowCountWithHeader(), 8);
    EXPECT_EQ(m.data(m.index(6, 0)).toString() + m.data(m.index(6, 9)).toString(), "760秒");
    m.ClearRirekiGrid();
    EXPECT_EQ(m.RowCountWithHeader(), 1);
    m.AddRirekiRow(Rec(5));
    EXPECT_EQ(m.data(m.index(0, 0)).toString(), "1");
    EXPECT_EQ(m.topRow(), 0);
}

TEST(RirekiModel, HoldsTheNewestRowsThatA16BitCounterCanNumber) {
    RirekiModel m;
    QByteArray file;
    for (int i = 0; i < kMaxHistoryRows + 5; ++i)
        file += HistoryLine(Rec(i % 1000));
    QSignalSpy reset(&m, &QAbstractItemModel::modelReset);
    HistoryLoad load = ParseHistory(file);
    EXPECT_EQ(load.dropped, 5);
    m.AddRirekiRows(std::move(load.rows));
    EXPECT_EQ(reset.count(), 1);
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
}
