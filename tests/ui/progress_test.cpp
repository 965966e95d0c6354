#include "window_fixture.h"

#include "records/history_file.h"

namespace {

// Two 60 s rounds, one of 30 s and a record whose rate does not read.
struct Chart : Window {
    ui::frmMain& win =
        (write("辞書.txt", "ねこ\r\n"),
         write("履歴.txt", kExampleLine.repeated(2) +
                               records::HistoryLine(records::MakeHistoryRecord(
                                   9, 1, 120, 30, QDateTime(QDate(2024, 5, 2), QTime(7, 0)))) +
                               QByteArray(kExampleLine).replace("80.0%", "80%")),
         load());
    ui::ProgressWindow* open() { // from the table's menu
        Choose(win.msgRireki->viewport(), win.mnuRireki, "mnuGraph");
        return progress.window();
    }
    QString counts() const {
        const ui::ProgressChart& c = *progress.window()->chart;
        return QString("%1 %2").arg(c.speedPoints().size()).arg(c.ratePoints().size());
    }
};

} // namespace

TEST(ProgressWindow, OpensFromTheTablesMenuWithBothSeriesAndTheirChoiceOfLimit) {
    Chart c;
    ui::ProgressWindow* window = c.open();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->parentWidget(), &c.win);
    EXPECT_EQ(c.counts(), "3 3");
    EXPECT_EQ(window->lblNote->text(), "読み取れない記録 1件はグラフに入れていません");
    QStringList offered;
    for (int i = 0; i < window->cboLimit->count(); ++i)
        offered << window->cboLimit->itemText(i);
    EXPECT_EQ(offered.join(' '), "すべて 30秒 60秒");
    window->chooseLimit(30);
    EXPECT_EQ(c.counts(), "1 1");
    EXPECT_EQ(c.progress.window()->chart->ratePoints()[0].y(), 90.0);
    EXPECT_EQ(window->lblFigures->text(),
              "1回　最高 4.00文字/秒　平均 4.00文字/秒　平均正解率 90.0%");

    EXPECT_EQ(c.open(), window); // asked again, the one open comes up
}

TEST(ProgressWindow, ShowsTheRowUnderThePointerAndFollowsSavesAndClearUntilEnd) {
    Chart c;
    ui::ProgressWindow* window = c.open();
    ui::ProgressChart& chart = *window->chart;
    window->resize(700, 500);
    QCoreApplication::processEvents();
    // The 30 s round, the newest, is at the right edge of the time axis.
    QStringList tips;
    for (int x = 0; x < chart.width(); x += 2)
        for (int y = 0; y < chart.height(); y += 2)
            if (const int r = chart.roundAt({x, y}); r >= 0 && !tips.contains(chart.tipFor(r)))
                tips << chart.tipFor(r);
    ASSERT_EQ(tips.size(), 2); // the two 60 s rounds share their minute
    EXPECT_EQ(tips.last(), "3回　2024/05/02　07:00:00\n問数 10　ＯＫ 9　ＮＧ 1　文字数 120\n"
                           "正解率 90.0%　秒当たり 4.00/秒　表示秒数 30秒");

    // A round saved at time-up adds its point at once; クリア takes them all.
    c.random.draws = {0.0, 0.9};
    c.countdown();
    c.type("ねこ");
    c.tickAt(60);
    EXPECT_EQ(c.counts(), "4 4");
    EXPECT_TRUE(window->lblFigures->text().startsWith("4回　最高 4.00文字/秒"));
    c.w->cmdClear_Click();
    EXPECT_EQ(c.counts(), "0 0");
    EXPECT_EQ(window->lblFigures->text(), "記録がありません");
    EXPECT_TRUE(window->lblNote->isHidden());
    EXPECT_EQ(window->cboLimit->count(), 1); // すべて alone

    c.w->cmdEnd_Click();
    EXPECT_EQ(c.progress.window(), nullptr);
}
