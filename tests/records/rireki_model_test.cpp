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
