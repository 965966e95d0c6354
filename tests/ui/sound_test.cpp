#include "window_fixture.h"

namespace {

void Commit(QWidget* box, const QString& text) {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(box, &commit);
}

} // namespace

TEST(Sounds, EachSwitchSilencesItsOwnSoundsAndTheChoicesLastAcrossAStart) {
    Window s;
    s.load({{"辞書.txt", "ねこ\r\n"}});
    EXPECT_TRUE(QTest::qWaitFor([&] { return s.sounds.starts > 0; }, 60000));
    const auto round = [&] { // the countdown, a wrong answer, a right one, time up
        s.sounds.played.clear();
        s.play({}, {"こね", "ねこ"});
        return s.sounds.played.join(',');
    };
    EXPECT_EQ(round(), "count1 50,count2 50,count3 50,wrong 50,right 50,timeup 50");
    s.windowMenu("mnuVolume_100");
    for (const auto& [action, left] :
         {std::pair{"mnuCountdownSound", "wrong 100,right 100,timeup 100"},
          {"mnuAnswerSound", "timeup 100"},
          {"mnuTimeUpSound", ""}}) {
        s.windowMenu(action);
        EXPECT_EQ(round(), left) << action;
    }
    s.windowMenu("mnuCountdownSound");
    s.windowMenu("mnuSound"); // all off, the kinds as they were
    EXPECT_EQ(round(), "");
    s.w.reset();
    s.load();
    EXPECT_EQ(s.w->soundOptions(), (records::SoundOptions{false, true, false, false, 100}));
}

TEST(OneEnter, ACommitThatCompletesTheWordAnswersItWhenChosenAndNoOtherCommitCounts) {
    Window s;
    ui::frmMain& w = s.load({{"辞書.txt", "ねこ\r\n"}});
    s.countdown();
    Commit(w.txtKaitou, "ねこ"); // off, as designed: Enter still answers
    EXPECT_EQ(w.lblOk->text(), "0");
    QTest::keyClick(w.txtKaitou, Qt::Key_Return);
    EXPECT_EQ(w.lblOk->text(), "1");
    s.windowMenu("mnuAnswerOnCommit");
    Commit(w.txtKaitou, "ね");
    Commit(w.txtKaitou, "こね"); // "ねこね": not the word, and no wrong answer
    EXPECT_EQ(s.figures(), "1 0   ");
    w.txtKaitou->clear();
    Commit(w.txtKaitou, "ね");
    Commit(w.txtKaitou, "こ");
    EXPECT_EQ(s.figures() + w.txtKaitou->text(), "2 0   ");
}
