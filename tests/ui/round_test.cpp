// The round as the window shows it; its rules are tests/game/round_test.cpp's.
#include "window_fixture.h"

namespace {

// A window over the word list "ねこ" at the defaults (60 s, auto-save on), with
// three records saved; the first question is こね.
struct Play : Window {
    ui::frmMain& win =
        (write("辞書.txt", "ねこ\r\n"), write("履歴.txt", kExampleLine.repeated(3)), load());
    Play() { random.draws = {0.0, 0.9}; }
    // 正解数, 不正解数, 文字数, 文字/秒 and 正解率 as shown.
    QString figures() const {
        return QStringList{win.lblOk->text(), win.lblNg->text(), win.lblMoji_T->text(),
                           win.lblByou->text(), win.lblRitu->text()}
            .join(' ');
    }
};

} // namespace

TEST(Round, TheLightsQuestionBarFiguresAndSavedLineShowInTheWindow) {
    Play p;
    const int32_t end = 86400 + 40; // the round clock runs on past midnight
    p.clock.seconds = end - 60;
    QTest::keyClick(p.win.cmdStart, Qt::Key_Enter); // the focused button takes Enter
    EXPECT_TRUE(p.win.frmRireki->isVisible());
    QString lit, asked;
    for (int tick = 0; tick < 3; ++tick) {
        p.tickAt(end - 60);
        for (int i = 1; i <= 3; ++i)
            lit += p.win.imgStart[i]->isHidden() ? "" : QString::number(i);
        asked += p.win.lblMondai->text() + "|";
    }
    EXPECT_EQ(lit + asked, "123||こね|"); // one light at a time, and green stays
    EXPECT_EQ(p.win.focusWidget(), p.win.txtKaitou);
    QTest::keyClick(p.win.txtKaitou, Qt::Key_Escape);
    EXPECT_EQ(p.win.lblMondai->text(), "ねこ");
    QTest::keyClick(p.win.txtKaitou, Qt::Key_A);
    EXPECT_EQ(p.win.txtKaitou->text(), "a"); // other keys reach the box
    p.type("ねこ");
    p.type("ねこ");
    p.type("x");
    EXPECT_EQ(p.boxes, QStringList{"3|間違い|違います！！|1024|1024"});
    EXPECT_EQ(p.win.lstRireki->item(0)->text(), "こね");
    EXPECT_EQ(p.figures() + p.win.txtKaitou->text(), "2 1   ");
    p.win.cboJikan->setCurrentIndex(2); // 30 s, mid-round
    emit p.win.cboJikan->activated(2);
    QList<int> widths;
    for (int left : {45, 30, 1, 0})
        p.tickAt(end - left), widths << p.win.shpJikanK->width();
    EXPECT_EQ(widths, (QList<int>{874, 583, 19, 0}));
    EXPECT_TRUE(p.win.cmdStart->isEnabled() && p.win.focusWidget() == p.win.lstJisyo);
    EXPECT_EQ(p.figures(), "2 1 4 0.13/秒 66.7%");
    const QString saved = "\"2024/05/01\",\"21:03:45\",3,2,1,4,\"66.7%\",\"0.13/秒\",\"30秒\"\r\n";
    EXPECT_EQ(p.read("履歴.txt"), kExampleLine.repeated(3) + records::EncodeCp932(saved));
    EXPECT_EQ(p.row(3)[1], "2024/05/01");
    p.type("ねこ"); // answers after time-up still count
    p.clock.now = p.clock.now.addSecs(5);
    p.win.cmdHozon->click(); // saved again, at the time of saving
    EXPECT_EQ(p.row(4)[2] + p.row(4)[4], "21:03:503");
}
