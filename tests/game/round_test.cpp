#include "fakes.h"
#include "game/round.h"
#include "records/cp932.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace game;

namespace {

// A round over a word list of the given words, with fakes for everything else.
struct Game {
    QTemporaryDir dir;
    QString path = dir.filePath("辞書.txt");
    RoundState s;
    FakeWindow w;
    FakeClock clock;
    FakeRandom random;
    Round round{s, w, clock, random, path};

    explicit Game(const QString& words = QStringLiteral("ねこ\r\n")) {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(records::EncodeCp932(words));
        s.intJikan = 60;
        s.intAutoSave = 1;
        s.intBarFull = 8745;
    }
    void Countdown() {
        round.cmdStart_Click();
        for (int i = 0; i < 3; ++i)
            round.tmrStart_Timer();
    }
    void Type(const QString& text) {
        w.kaitou = text;
        int16_t key = kKeyEnter;
        round.txtKaitou_KeyPress(key);
        EXPECT_EQ(key, 0);
    }
    void TickAt(int32_t seconds) {
        clock.seconds = seconds;
        round.tmrBp_Timer();
    }
};

} // namespace

TEST(Start, RunsItsTenStepsInOrder) {
    Game g;
    g.s.intMoji = 5;
    g.s.intOk = 3;
    g.s.strSeikai = "いぬ"; // the previous answer stays until the first question
    g.round.cmdStart_Click();
    EXPECT_EQ(g.w.log, (QStringList{"txtKaitou=", "lblMondai=", "bar=8745", "clear lstRireki",
                                    "show frmRireki", "lblOk=", "lblNg=", "lblMoji_T=", "lblByou=",
                                    "lblRitu=", "lblOk=0", "lblNg=0", "disable cmdStart"}));
    EXPECT_TRUE(g.s.blnStartWait);
    EXPECT_FALSE(g.s.blnPlaying);
    EXPECT_EQ(g.s.intMoji, 0);
    EXPECT_EQ(g.s.intOk, 0);
    EXPECT_EQ(g.s.intWordCount, 1);
    EXPECT_EQ(g.s.strSeikai, "いぬ");
}

TEST(Countdown, ShowsRedAmberGreenThenAsksTheFirstQuestion) {
    Game g;
    g.round.tmrStart_Timer(); // idle ticks only reset the step
    EXPECT_EQ(g.s.intStartStep, 0);
    EXPECT_TRUE(g.w.log.isEmpty());
    g.round.cmdStart_Click();
    g.w.log.clear();
    g.clock.seconds = 1000;
    g.round.tmrStart_Timer();
    g.round.tmrBp_Timer(); // the clock does not run during the countdown
    g.round.tmrStart_Timer();
    EXPECT_EQ(g.w.log, (QStringList{"hide imgStart1", "hide imgStart2", "hide imgStart3",
                                    "show imgStart1", "hide imgStart1", "hide imgStart2",
                                    "hide imgStart3", "show imgStart2"}));
    EXPECT_FALSE(g.s.blnPlaying);
    g.w.log.clear();
    g.round.tmrStart_Timer();
    EXPECT_EQ(g.w.log, (QStringList{"hide imgStart1", "hide imgStart2", "hide imgStart3",
                                    "show imgStart3", "lblMondai=ねこ", "focus txtKaitou"}));
    EXPECT_FALSE(g.s.blnStartWait);
    EXPECT_TRUE(g.s.blnPlaying);
    EXPECT_EQ(g.s.lngEndTime, 1060);
    EXPECT_EQ(g.s.strSeikai, "ねこ");
    EXPECT_FALSE(g.w.startEnabled);
    // The green light stays; the next idle tick only resets the step.
    g.round.tmrStart_Timer();
    EXPECT_EQ(g.s.intStartStep, 0);
    EXPECT_TRUE(g.w.lamp[3]);
}

TEST(Judging, CorrectAnswerCountsListsAndAsksAgain) {
    Game g(QStringLiteral("りんご\r\n"));
    g.random.draws = {0.0, 0.9, 0.0, 0.0}; // りんご shuffled to ごりん
    g.Countdown();
    ASSERT_EQ(g.s.strMondai, "ごりん");
    g.w.log.clear();
    g.Type("りんご");
    EXPECT_EQ(g.s.intOk, 1);
    EXPECT_EQ(g.s.intMoji, 3);
    EXPECT_EQ(g.w.solved, QStringList{"ごりん"});
    EXPECT_EQ(g.w.log.first(), "lstRireki+ごりん");
    EXPECT_EQ(g.w.log.mid(g.w.log.size() - 2), (QStringList{"lblOk=1", "txtKaitou="}));
    EXPECT_EQ(g.random.reseeds, 2);
    EXPECT_TRUE(g.round.lstMojiro().isEmpty());
}

TEST(Judging, WrongAnswersShowTheBoxCountAndKeepTheQuestion) {
    Game g;
    g.Countdown();
    const QString question = g.s.strMondai;
    g.Type("ねこ "); // a trailing space is wrong
    g.Type("");      // so is an empty box while a question is shown
    g.Type("ネコ");
    EXPECT_EQ(g.w.wrongBoxes, 3);
    EXPECT_EQ(g.s.intNg, 3);
    EXPECT_EQ(g.w.ng, "3");
    EXPECT_EQ(g.s.intOk, 0);
    EXPECT_EQ(g.s.strMondai, question);
    EXPECT_EQ(g.w.kaitou, "");
}

TEST(Judging, EscAndHintShowTheAnswerForFree) {
    Game g(QStringLiteral("りんご\r\n"));
    g.random.draws = {0.0, 0.9, 0.0, 0.0};
    g.Countdown();
    int16_t esc = kKeyEsc;
    g.round.txtKaitou_KeyPress(esc);
    EXPECT_EQ(esc, kKeyEsc); // Esc still reaches the box
    EXPECT_EQ(g.w.mondai, "りんご");
    g.w.mondai.clear();
    g.round.lblHint_Click();
    EXPECT_EQ(g.w.mondai, "りんご");
    EXPECT_EQ(g.s.intOk + g.s.intNg, 0);
    int16_t other = 'a';
    g.round.txtKaitou_KeyPress(other);
    EXPECT_EQ(other, 'a');
    g.Type("りんご");
    EXPECT_EQ(g.s.intOk, 1);
}

TEST(Judging, EnterBeforeTheFirstQuestion) {
    Game g;
    g.Type(""); // nothing to judge
    EXPECT_EQ(g.s.intOk + g.s.intNg, 0);
    EXPECT_EQ(g.w.wrongBoxes, 0);
    g.Type("x");
    EXPECT_EQ(g.s.intNg, 1);
}

TEST(Judging, CountersStopAtTheirLargestValue) {
    Game g;
    g.Countdown();
    g.s.intNg = 32767;
    g.s.intOk = 32767;
    g.s.intMoji = 32766;
    g.Type("x");
    g.Type("ねこ");
    EXPECT_EQ(g.s.intNg, 32767);
    EXPECT_EQ(g.s.intOk, 32767);
    EXPECT_EQ(g.s.intMoji, 32767);
}

TEST(RoundClock, ShrinksTheBarInWholeSeconds) {
    Game g;
    g.clock.seconds = 500;
    g.Countdown();
    QList<int> widths;
    for (int left : {59, 30, 1})
        g.TickAt(560 - left), widths << g.w.barWidth;
    EXPECT_EQ(widths, (QList<int>{8599, 4372, 145}));
    EXPECT_TRUE(g.s.blnPlaying);
    g.TickAt(560);
    EXPECT_EQ(g.w.barWidth, 0);
    EXPECT_FALSE(g.s.blnPlaying);
    g.TickAt(590); // after time-up the bar keeps its last width
    EXPECT_EQ(g.w.barWidth, 0);
}

TEST(RoundClock, TimeUpShowsTheFiguresAndSaves) {
    Game g;
    g.Countdown();
    g.Type("ねこ");
    g.Type("ねこ");
    g.Type("x");
    g.w.log.clear();
    g.TickAt(61);
    EXPECT_EQ(g.w.log, (QStringList{"bar=0", "enable cmdStart", "focus lstJisyo", "lblByou=0.07/秒",
                                    "lblRitu=66.7%", "lblMoji_T=4", "save"}));
    EXPECT_EQ(g.s.intRemain, -1);
    // Answers after time-up still count.
    g.Type("ねこ");
    EXPECT_EQ(g.s.intOk, 3);
}

TEST(RoundClock, RoundsWithoutAnswersOrWithAutoSaveOff) {
    Game g;
    g.s.intAutoSave = 0;
    g.Countdown();
    g.Type("x");
    g.TickAt(60);
    EXPECT_EQ(g.w.ritu, "0.0%"); // no characters: no division
    EXPECT_EQ(g.w.saves, 0);
    g.s.intAutoSave = 1;
    g.Countdown();
    g.TickAt(200);
    EXPECT_EQ(g.w.byou, "0.00/秒");
    EXPECT_EQ(g.w.ritu, "0.0%");
    EXPECT_EQ(g.w.mojiT, "0");
    EXPECT_EQ(g.w.saves, 1); // the save itself turns it away: no answers
    EXPECT_FALSE(SaveAllowed(g.s));
}

TEST(RoundClock, ALimitChangedMidRoundRescalesTheBarButNotTheEnd) {
    Game g;
    g.Countdown();
    g.Type("ねこ");
    g.s.intJikan = 30;
    g.TickAt(30);
    EXPECT_EQ(g.w.barWidth, 8745);
    g.TickAt(15);
    EXPECT_EQ(g.w.barWidth, 13117); // 45/30 of the bar
    EXPECT_TRUE(g.s.blnPlaying);
    g.TickAt(60);
    EXPECT_FALSE(g.s.blnPlaying);
    EXPECT_EQ(g.w.byou, "0.07/秒"); // 2 characters over 30 s
}

TEST(RoundClock, ARoundAcrossMidnightEndsOnTime) {
    Game g;
    g.clock.seconds = 86400 - 20;
    g.Countdown();
    g.TickAt(86400 + 10);
    EXPECT_TRUE(g.s.blnPlaying);
    EXPECT_EQ(g.s.intRemain, 30);
    g.TickAt(86400 + 40);
    EXPECT_FALSE(g.s.blnPlaying);
}

TEST(RoundClock, TimeUpWhileTheWrongAnswerBoxIsOpen) {
    Game g;
    g.Countdown();
    g.Type("ねこ");
    g.w.whileWrongBoxOpen = [&] { g.TickAt(60); };
    g.Type("x");
    // The figures were shown and saved before the wrong answer was counted.
    const int saveAt = int(g.w.log.indexOf("save"));
    const int ngAt = int(g.w.log.indexOf("lblNg=1"));
    ASSERT_GE(saveAt, 0);
    EXPECT_LT(saveAt, ngAt);
    EXPECT_EQ(g.w.ritu, "100.0%");
    EXPECT_FALSE(g.s.blnPlaying);
    EXPECT_EQ(g.s.intNg, 1);
}

TEST(Save, IsAllowedOnlyInIdleAfterAnAnswer) {
    Game g;
    EXPECT_FALSE(SaveAllowed(g.s));
    g.s.intNg = 1;
    EXPECT_TRUE(SaveAllowed(g.s));
    g.round.cmdStart_Click();
    g.s.intNg = 1;
    EXPECT_FALSE(SaveAllowed(g.s)); // countdown
    for (int i = 0; i < 3; ++i)
        g.round.tmrStart_Timer();
    EXPECT_FALSE(SaveAllowed(g.s)); // playing
}
