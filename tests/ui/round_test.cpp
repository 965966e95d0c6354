// The round as the window shows it; its rules are tests/game/round_test.cpp's.
#include "window_fixture.h"

TEST(Round, TheLightsQuestionBarFiguresAndSavedLineShowInTheWindow) {
    Window p; // at the defaults: 60 s, auto-save on
    ui::frmMain& w = p.load({{"辞書.txt", "ねこ\r\n"}, {"履歴.txt", kExampleLine.repeated(3)}});
    p.random.draws = {0.0, 0.9};
    const int32_t end = 86400 + 40; // the round clock runs on past midnight
    p.clock.seconds = end - 60;
    QTest::keyClick(w.cmdStart, Qt::Key_Enter); // the focused button takes Enter
    EXPECT_TRUE(w.frmRireki->isVisible());
    QString lit, asked;
    for (int tick = 0; tick < 3; ++tick) {
        p.tickAt(end - 60);
        for (int i = 1; i <= 3; ++i)
            lit += w.imgStart[i]->isHidden() ? "" : QString::number(i);
        asked += w.lblMondai->text() + "|";
    }
    EXPECT_EQ(lit + asked, "123||こね|"); // one light at a time, and green stays
    EXPECT_EQ(w.focusWidget(), w.txtKaitou);
    QTest::keyClick(w.txtKaitou, Qt::Key_Escape);
    EXPECT_EQ(w.lblMondai->text(), "ねこ");
    QTest::keyClick(w.txtKaitou, Qt::Key_A);
    EXPECT_EQ(w.txtKaitou->text(), "a"); // other keys reach the box
    for (const char* answer : {"ねこ", "ねこ", "x"})
        p.type(answer);
    EXPECT_EQ(p.boxes, QStringList{"3|間違い|違います！！|1024|1024"});
    EXPECT_EQ(w.lstRireki->item(0)->text(), "こね");
    EXPECT_EQ(p.figures() + w.txtKaitou->text(), "2 1   ");
    Window::Pick(w.cboJikan, 2); // 30 s, mid-round
    QList<int> widths;
    for (int left : {45, 30, 1, 0})
        p.tickAt(end - left), widths << w.shpJikanK->width();
    EXPECT_EQ(widths, (QList<int>{874, 583, 19, 0}));
    EXPECT_TRUE(w.cmdStart->isEnabled() && w.focusWidget() == w.lstJisyo);
    EXPECT_EQ(p.figures(), "2 1 4 0.13/秒 66.7%");
    const QString saved = "\"2024/05/01\",\"21:03:45\",3,2,1,4,\"66.7%\",\"0.13/秒\",\"30秒\"\r\n";
    EXPECT_EQ(p.read("履歴.txt"), kExampleLine.repeated(3) + records::EncodeCp932(saved));
    EXPECT_EQ(p.cell(3, 1), "2024/05/01");
    p.type("ねこ"); // answers after time-up still count
    p.clock.now = p.clock.now.addSecs(5);
    w.cmdHozon->click(); // saved again, at the time of saving
    EXPECT_EQ(p.cell(4, 2) + p.cell(4, 4), "21:03:503");
}
