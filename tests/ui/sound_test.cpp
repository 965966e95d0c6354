#include "window_fixture.h"

#include "ui/sounds.h"
#include "ui/word_list_editor.h"

namespace {

// A window over "ねこ", its window menu opened as the mouse opens it on the banner.
struct Sounding : Window {
    ui::frmMain& win = (write("辞書.txt", "ねこ\r\n"), load());
    void choose(const char* action) { Choose(win.Image1, win.mnuWindow, action); }
    void round() { // the countdown, a wrong answer, a right one, time up
        countdown();
        type("こね");
        type("ねこ");
        tickAt(clock.seconds + 60);
    }
};

void Commit(QWidget* box, const QString& text) {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(box, &commit);
}

} // namespace

TEST(Sounds, EachSwitchSilencesItsOwnSoundsAndTheChoicesLastAcrossAStart) {
    Sounding s;
    QCoreApplication::processEvents();
    EXPECT_EQ(s.sounds.starts, 0); // only a while after the first paint
    EXPECT_TRUE(QTest::qWaitFor([&] { return s.sounds.starts > 0; }, 60000));
    s.round();
    EXPECT_EQ(s.sounds.played.join(','),
              "count1 50,count2 50,count3 50,wrong 50,right 50,timeup 50");

    const std::pair<const char*, const char*> rows[] = {
        {"mnuCountdownSound", "wrong 100,right 100,timeup 100"},
        {"mnuAnswerSound", "timeup 100"},
        {"mnuTimeUpSound", ""},
    };
    s.choose("mnuVolume_100");
    for (const auto& [action, left] : rows) {
        s.choose(action);
        s.sounds.played.clear();
        s.round();
        EXPECT_EQ(s.sounds.played.join(','), left) << action;
    }
    s.choose("mnuCountdownSound");
    s.choose("mnuSound"); // all off, the kinds as they were
    s.sounds.played.clear();
    s.round();
    EXPECT_EQ(s.sounds.played.join(','), "");

    s.w.reset();
    s.load();
    EXPECT_EQ(s.w->soundOptions(), (records::SoundOptions{false, true, false, false, 100}));
}

TEST(OneEnter, ACommitThatCompletesTheWordAnswersItWhenChosenAndNoOtherCommitCounts) {
    Sounding s;
    s.countdown();
    Commit(s.win.txtKaitou, "ねこ"); // off, as designed: Enter still answers
    EXPECT_EQ(s.win.lblOk->text(), "0");
    QTest::keyClick(s.win.txtKaitou, Qt::Key_Return);
    EXPECT_EQ(s.win.lblOk->text(), "1");

    s.choose("mnuAnswerOnCommit");
    Commit(s.win.txtKaitou, "ね");
    Commit(s.win.txtKaitou, "こね"); // "ねこね": not the word, and no wrong answer
    EXPECT_EQ(s.win.lblOk->text() + s.win.lblNg->text(), "10");
    s.win.txtKaitou->clear();
    Commit(s.win.txtKaitou, "ね");
    Commit(s.win.txtKaitou, "こ");
    EXPECT_EQ(s.win.lblOk->text() + s.win.lblNg->text() + s.win.txtKaitou->text(), "20");
}
