#include "window_fixture.h"

#include "records/history_file.h"

TEST(ProgressWindow, OpensFromTheTablesMenuShowsTheRowUnderThePointerAndFollowsTheTableUntilEnd) {
    Window c; // two 60 s rounds, one of 30 s and a record whose rate does not read
    const QDateTime may2(QDate(2024, 5, 2), QTime(7, 0));
    c.load({{"辞書.txt", "ねこ\r\n"},
            {"履歴.txt", kExampleLine.repeated(2) +
                             records::HistoryLine(records::MakeHistoryRecord(9, 1, 120, 30, may2)) +
                             QByteArray(kExampleLine).replace("80.0%", "80%")}});
    c.tableMenu("mnuGraph");
    ui::ProgressWindow* window = c.progress.window();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    ui::ProgressChart& chart = *window->chart;
    const auto counts = [&] {
        return QString("%1 %2").arg(chart.speedPoints().size()).arg(chart.ratePoints().size());
    };
    EXPECT_EQ(counts(), "3 3");
    EXPECT_EQ(window->lblNote->text(), "読み取れない記録 1件はグラフに入れていません");
    QStringList offered;
    for (int i = 0; i < window->cboLimit->count(); ++i)
        offered << window->cboLimit->itemText(i);
    EXPECT_EQ(offered.join(' '), "すべて 30秒 60秒");

    // The 30 s round, the newest, is at the right edge of the time axis.
    window->resize(700, 500);
    QCoreApplication::processEvents();
    QStringList tips;
    for (int x = 0; x < chart.width(); x += 2)
        for (int y = 0; y < chart.height(); y += 2)
            if (const int r = chart.roundAt({x, y}); r >= 0 && !tips.contains(chart.tipFor(r)))
                tips << chart.tipFor(r);
    ASSERT_EQ(tips.size(), 2); // the two 60 s rounds share their minute
    EXPECT_EQ(tips.last(), "3回　2024/05/02　07:00:00\n問数 10　ＯＫ 9　ＮＧ 1　文字数 120\n"
                           "正解率 90.0%　秒当たり 4.00/秒　表示秒数 30秒");

    // A round saved at time-up adds its point at once.
    c.play({0.0, 0.9}, {"ねこ"});
    EXPECT_EQ(counts(), "4 4");
    EXPECT_TRUE(window->lblFigures->text().startsWith("4回　最高 4.00文字/秒"));
    window->chooseLimit(30);
    EXPECT_EQ(counts(), "1 1");
    EXPECT_EQ(window->lblFigures->text(),
              "1回　最高 4.00文字/秒　平均 4.00文字/秒　平均正解率 90.0%");
    c.tableMenu("mnuGraph"); // asked again, the one open comes up
    EXPECT_EQ(c.progress.window(), window);

    c.w->cmdClear_Click(); // クリア takes them all
    EXPECT_EQ(counts(), "0 0");
    EXPECT_EQ(window->lblFigures->text(), "記録がありません");
    EXPECT_TRUE(window->lblNote->isHidden());
    EXPECT_EQ(window->cboLimit->count(), 1); // すべて alone
    c.w->cmdEnd_Click();
    EXPECT_EQ(c.progress.window(), nullptr);
}
