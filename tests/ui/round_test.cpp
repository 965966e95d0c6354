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

TEST(Round, StartClearsTheLastRoundAndRedAmberGreenLightWhileTheClockWaits) {
    Play p;
    p.countdown();
    p.type("ねこ");
    p.tickAt(60);
    ASSERT_EQ(p.figures(), "1 0 2 0.03/秒 100.0%");
    p.random.draws = {0.0, 0.9};
    p.clock.seconds = 1000;
    QTest::keyClick(p.win.cmdStart, Qt::Key_Enter); // the focused button takes Enter
    EXPECT_EQ(p.win.lstRireki->count(), 0);
    QString lit, asked;
    for (int tick = 0; tick < 4; ++tick) {
        p.tickAt(1000); // the round clock waits for the question
        for (int i = 1; i <= 3; ++i)
            lit += p.win.imgStart[i]->isHidden() ? "" : QString::number(i);
        asked += p.win.lblMondai->text() + "|";
    }
    EXPECT_EQ(lit + asked, "1233||こね|こね|"); // one light at a time, and green stays
    EXPECT_EQ(p.figures(), "0 0   ");
    EXPECT_EQ(p.win.focusWidget(), p.win.txtKaitou);
    p.tickAt(1060);
    // Every start reads the list afresh and draws the ⌊n × r + 1⌋th word.
    p.write("辞書.txt", "あさ\r\nよる\r\nひる\r\n");
    p.random.draws = {0.5, 0.9};
    p.countdown();
    EXPECT_EQ(p.win.lblMondai->text(), "るよ");
    p.write("辞書.txt", "\r\n"); // a list without words asks nothing
    p.tickAt(1120);
    p.countdown();
    p.type(""); // and an empty answer to it is nothing to judge
    EXPECT_EQ(p.win.lblMondai->text() + p.win.lblNg->text(), "0");
    EXPECT_TRUE(p.boxes.isEmpty());
}

TEST(Round, OnlyTheWordItselfIsRightAndTheCountersStopAtTheirLimit) {
    Play p;
    p.type("");
    p.type("x"); // before any question: only this is judged
    p.countdown();
    QTest::keyClick(p.win.txtKaitou, Qt::Key_Escape);
    EXPECT_EQ(p.win.lblMondai->text(), "ねこ");
    QTest::keyClick(p.win.txtKaitou, Qt::Key_A);
    EXPECT_EQ(p.win.txtKaitou->text(), "a"); // other keys reach the box
    // Not the question, a space or nothing.
    for (const char* answer : {"こね", "ねこ ", "", "ねこ"})
        p.type(QString::fromUtf8(answer));
    EXPECT_EQ(p.boxes, QStringList(4, "3|間違い|違います！！|1024|1024"));
    EXPECT_EQ(p.win.lstRireki->item(0)->text(), "こね");
    EXPECT_EQ(p.figures() + p.win.txtKaitou->text(), "1 3   ");
    p.win.state().intNg = p.win.state().intOk = 32767;
    p.win.state().intMoji = 32766;
    p.type("x");
    p.type("ねこ");
    p.tickAt(60);
    EXPECT_TRUE(p.figures().startsWith("32767 32767 32767 ")) << p.figures().toStdString();
    EXPECT_EQ(p.random.reseeds, 3); // once for each question
}

TEST(Round, TheBarFollowsTheLimitButTheRoundEndsWhenItWasDueAtStart) {
    for (int autoSave : {1, 0}) {
        Play p;
        if (!autoSave)
            p.win.chkAs->click();
        const int32_t end = 86400 + 40; // the round clock runs on past midnight
        p.clock.seconds = end - 60;
        p.countdown();
        p.type("ねこ");
        p.type("ねこ");
        p.type("x");
        p.win.cmdHozon->click();            // not while playing
        p.win.cboJikan->setCurrentIndex(2); // 30 s
        emit p.win.cboJikan->activated(2);
        QList<int> widths;
        for (int left : {45, 30, 1, 0})
            p.tickAt(end - left), widths << p.win.shpJikanK->width();
        EXPECT_EQ(widths, (QList<int>{874, 583, 19, 0}));
        EXPECT_TRUE(p.win.cmdStart->isEnabled() && p.win.focusWidget() == p.win.lstJisyo);
        EXPECT_EQ(p.figures(), "2 1 4 0.13/秒 66.7%");
        const QString saved =
            "\"2024/05/01\",\"21:03:45\",3,2,1,4,\"66.7%\",\"0.13/秒\",\"30秒\"\r\n";
        EXPECT_EQ(p.read("履歴.txt"),
                  kExampleLine.repeated(3) + (autoSave ? records::EncodeCp932(saved) : ""));
        p.tickAt(end + 30); // nothing more once idle
        EXPECT_EQ(p.win.rirekiModel().rowCount(), 3 + autoSave);
        p.type("ねこ"); // answers after time-up still count
        p.clock.now = p.clock.now.addSecs(5);
        p.win.cmdHozon->click(); // saved again, at the time of saving
        EXPECT_EQ(p.row(3 + autoSave)[2] + p.row(3 + autoSave)[4], "21:03:503");
    }
}

TEST(Round, TimeUpWaitsForAnOpenWrongAnswerBoxSoThatTheAnswerCountsInTheSavedRound) {
    Play p;
    p.countdown();
    p.type("ねこ");
    bool endedUnderTheBox = true;
    p.win.runBox = [&](QMessageBox&) {
        p.tickAt(60);
        p.tickAt(61);
        endedUnderTheBox = p.win.cmdStart->isEnabled() || p.win.rirekiModel().rowCount() > 3;
        return QMessageBox::Ok;
    };
    p.type("x");
    EXPECT_FALSE(endedUnderTheBox);
    EXPECT_TRUE(p.win.cmdStart->isEnabled());
    EXPECT_EQ(p.row(3)[5] + " " + p.row(3)[7] + "|" + p.win.lblNg->text() + " " +
                  p.win.lblRitu->text(),
              "1 50.0%|1 50.0%");
}

TEST(Round, WhatTheInputMethodTypesForTheCodePagesTildeIsRightButKanaAndWidthsStayApart) {
    // The list says あ～ (81 60); Mozc on Linux types あ〜 (U+301C) for it.
    Window p;
    p.write("辞書.txt", "\x82\xA0\x81\x60\r\n");
    p.load();
    p.countdown();
    for (const char* answer : {"あ~", "ア〜", "ｱ〜", "あ〜", "あ～"})
        p.type(QString::fromUtf8(answer));
    EXPECT_EQ(p.w->lblOk->text() + " " + p.w->lblNg->text(), "2 3");
    EXPECT_TRUE(game::SameAnswer(QStringLiteral("−‖¢£¬—"), QStringLiteral("－∥￠￡￢―")));
    EXPECT_FALSE(game::SameAnswer(QStringLiteral("〜"), QStringLiteral("~")));
}
