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

TEST(RirekiModel, HasTenTitledColumnsAndNoRowsAfterSetUp) {
    RirekiModel m;
    m.AddRirekiRow(Rec(1));
    m.InitRirekiGrid();
    EXPECT_EQ(m.RowCountWithHeader(), 1);
    ASSERT_EQ(m.columnCount(), 10);
    QStringList titles;
    int width = 0;
    for (int c = 0; c < 10; ++c) {
        titles << m.headerData(c, Qt::Horizontal).toString();
        width += RirekiModel::ColumnWidthTwips(c);
        EXPECT_EQ(m.headerData(c, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
                  int(Qt::AlignCenter));
    }
    EXPECT_EQ(titles, (QStringList{"回", "日付", "時間", "問数", "ＯＫ", "ＮＧ", "文字数", "正解率",
                                   "秒当たり", "表示秒数"}));
    EXPECT_EQ(width, 8440);
}

TEST(RirekiModel, NumbersRowsAndAlignsTheirCells) {
    RirekiModel m;
    m.AddRirekiRows({Rec(1), Rec(2)});
    m.AddRirekiRow(Rec(3));
    ASSERT_EQ(m.rowCount(), 3);
    EXPECT_EQ(m.data(m.index(2, 0)).toString(), "3");
    EXPECT_EQ(m.data(m.index(2, 4)).toString(), "3");
    EXPECT_EQ(m.data(m.index(2, 9)).toString(), "60秒");
    const auto align = [&](int c) { return m.data(m.index(0, c), Qt::TextAlignmentRole).toInt(); };
    EXPECT_EQ(align(0), int(Qt::AlignCenter));
    EXPECT_EQ(align(1), int(Qt::AlignCenter));
    EXPECT_EQ(align(2), int(Qt::AlignCenter));
    for (int c = 3; c < 10; ++c)
        EXPECT_EQ(align(c), int(Qt::AlignRight | Qt::AlignVCenter));
}

TEST(RirekiModel, ScrollsOnlyPastSixRows) {
    RirekiModel m;
    QSignalSpy spy(&m, &RirekiModel::scrollRequested);
    for (int i = 1; i <= 6; ++i) {
        m.AddRirekiRow(Rec(i));
        m.ScrollRirekiToEnd();
    }
    EXPECT_EQ(spy.count(), 0);
    m.AddRirekiRow(Rec(7));
    m.ScrollRirekiToEnd();
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 6);
    EXPECT_EQ(m.topRow(), 6);
}

TEST(RirekiModel, ClearKeepsTheColumnsAndRestartsNumbering) {
    RirekiModel m;
    m.AddRirekiRows({Rec(1), Rec(2)});
    m.ClearRirekiGrid();
    EXPECT_EQ(m.RowCountWithHeader(), 1);
    m.AddRirekiRow(Rec(5));
    EXPECT_EQ(m.data(m.index(0, 0)).toString(), "1");
    EXPECT_EQ(m.columnCount(), 10);
    EXPECT_EQ(m.headerData(9, Qt::Horizontal).toString(), "表示秒数");
}

TEST(RirekiModel, ABatchOfRowsIsOneInsertion) {
    RirekiModel m;
    QSignalSpy inserted(&m, &QAbstractItemModel::rowsInserted);
    QList<HistoryRecord> many;
    for (int i = 0; i < 40000; ++i)
        many << Rec(i % 100);
    m.AddRirekiRows(many);
    EXPECT_EQ(inserted.count(), 1);
    EXPECT_EQ(m.data(m.index(39999, 0)).toString(), "40000"); // not limited to 16 bits
}
