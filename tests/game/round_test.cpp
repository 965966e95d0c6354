#include "fakes.h"
#include "game/round.h"
#include "records/cp932.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace game;

namespace {

// A round over a word list, with a 60 s limit and auto-save on.
struct Game {
    QTemporaryDir dir;
    RoundState s;
    FakeWindow w;
    FakeClock clock;
    FakeRandom random;
    Round round{s, w, clock, random, dir.filePath("辞書.txt")};

    explicit Game(const QString& words = QStringLiteral("ねこ\r\n")) {
        QFile f(dir.filePath("辞書.txt"));
        f.open(QIODevice::WriteOnly);
        f.write(records::EncodeCp932(words));
        s.intJikan = 60;
        s.intAutoSave = 1;
        s.intBarFull = 8745;
        random.draws = {0.0, 0.9, 0.0, 0.0}; // りんご becomes ごりん
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

TEST(Round, StartClearsTheRoundAndTheCountdownShowsRedAmberGreenThenTheQuestion) {
    Game g;
    g.s.intMoji = 5;
    g.s.strSeikai = "いぬ"; // the previous answer stays until the first question
    g.round.cmdStart_Click();
    EXPECT_TRUE(g.s.blnStartWait && !g.s.blnPlaying && g.s.intMoji == 0 && !g.w.startEnabled);
    EXPECT_EQ(g.w.caption["lblOk"] + g.w.caption["lblNg"] + g.w.caption["lblRitu"], "00");
    EXPECT_EQ(g.s.strSeikai, "いぬ");
    g.clock.seconds = 1000;
    QStringList lit;
    for (int tick = 0; tick < 3; ++tick) {
        g.round.tmrStart_Timer();
        g.round.tmrBp_Timer(); // the clock does not run during the countdown
        for (int i = 1; i <= 3; ++i)
            if (g.w.lamp[i])
                lit << QString::number(i);
        EXPECT_EQ(g.s.blnPlaying, tick == 2);
    }
    EXPECT_EQ(lit, (QStringList{"1", "2", "3"})); // one light at a time
    EXPECT_EQ(g.w.caption["lblMondai"], "こね");
    EXPECT_TRUE(g.w.log.contains("focus txtKaitou"));
    EXPECT_EQ(g.s.lngEndTime, 1060);
    g.round.tmrStart_Timer(); // the green light stays
    EXPECT_TRUE(g.w.lamp[3] && !g.w.lamp[1]);
}

TEST(Round, JudgesCorrectAndWrongAnswersAndShowsTheAnswerForFree) {
    Game g(QStringLiteral("りんご\r\n"));
    g.Countdown();
    int16_t esc = kKeyEsc, other = 'a';
    g.round.txtKaitou_KeyPress(esc);
    g.round.txtKaitou_KeyPress(other);
    EXPECT_EQ(esc + other, kKeyEsc + 'a'); // both still reach the box
    EXPECT_EQ(g.w.caption["lblMondai"], "りんご");
    g.w.caption["lblMondai"].clear();
    g.round.lblHint_Click();
    EXPECT_EQ(g.w.caption["lblMondai"], "りんご");
    g.Type("ごりん"); // the question itself is wrong
    g.Type("りんご ");
    g.Type("");
    EXPECT_EQ(g.w.wrongBoxes, 3);
    EXPECT_EQ(g.w.caption["lblNg"], "3");
    g.w.log.clear();
    g.Type("りんご");
    EXPECT_EQ(g.w.log.first(), "lstRireki+ごりん");
    EXPECT_EQ(g.w.log.mid(g.w.log.size() - 2), (QStringList{"lblOk=1", "txtKaitou="}));
    EXPECT_EQ(g.s.intMoji, 3);
    EXPECT_EQ(g.random.reseeds, 2);
    EXPECT_TRUE(g.round.lstMojiro().isEmpty());
}

TEST(Round, EnterBeforeAnyQuestionAndCountersAtTheirLimit) {
    Game g;
    g.Type(""); // nothing to judge
    EXPECT_EQ(g.w.wrongBoxes + g.s.intNg, 0);
    g.Type("x");
    EXPECT_EQ(g.s.intNg, 1);
    g.Countdown();
    g.s.intNg = g.s.intOk = 32767;
    g.s.intMoji = 32766;
    g.Type("x");
    g.Type("ねこ");
    EXPECT_EQ(g.s.intNg + g.s.intOk + g.s.intMoji, 3 * 32767); // they stop, not wrap
}

TEST(RoundClock, ShrinksTheBarAndEndsTheRound) {
    Game g;
    g.clock.seconds = 500;
    g.Countdown();
    g.Type("ねこ");
    g.Type("ねこ");
    g.Type("x");
    QList<int> widths;
    for (int left : {59, 30, 1})
        g.TickAt(560 - left), widths << g.w.barWidth;
    EXPECT_EQ(widths, (QList<int>{8599, 4372, 145}));
    g.w.log.clear();
    g.TickAt(561);
    EXPECT_EQ(g.w.log, (QStringList{"bar=0", "enable cmdStart", "focus lstJisyo", "lblByou=0.07/秒",
                                    "lblRitu=66.7%", "lblMoji_T=4", "save"}));
    EXPECT_FALSE(g.s.blnPlaying);
    g.TickAt(590); // nothing more once idle
    EXPECT_EQ(g.w.log.size(), 7);
    g.Type("ねこ"); // answers after time-up still count
    EXPECT_EQ(g.s.intOk, 3);
}

TEST(RoundClock, RoundsWithoutCharactersOrWithAutoSaveOff) {
    Game g;
    g.s.intAutoSave = 0;
    g.Countdown();
    g.Type("x");
    g.TickAt(60);
    EXPECT_EQ(g.w.caption["lblRitu"], "0.0%"); // no characters: no division
    EXPECT_EQ(g.w.saves, 0);
    g.s.intAutoSave = 1;
    g.Countdown();
    g.TickAt(200);
    EXPECT_EQ(g.w.caption["lblByou"] + g.w.caption["lblRitu"] + g.w.caption["lblMoji_T"],
              "0.00/秒0.0%0");
    EXPECT_EQ(g.w.saves, 1);
    EXPECT_FALSE(SaveAllowed(g.s)); // which the save then turns away
}

TEST(RoundClock, ALimitChangedMidRoundRescalesTheBarButKeepsTheEnd) {
    Game g;
    g.Countdown();
    g.Type("ねこ");
    g.s.intJikan = 30;
    g.TickAt(15);
    EXPECT_EQ(g.w.barWidth, 13117); // 45 s of 30
    g.TickAt(60);
    EXPECT_FALSE(g.s.blnPlaying);
    EXPECT_EQ(g.w.caption["lblByou"], "0.07/秒"); // 2 characters over 30 s
}

TEST(RoundClock, ARoundAcrossMidnightEndsOnTime) {
    Game g;
    g.clock.seconds = 86400 - 20; // the round clock runs on past midnight
    g.Countdown();
    g.TickAt(86400 + 39);
    EXPECT_EQ(g.s.intRemain, 1);
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
    EXPECT_LT(g.w.log.indexOf("save"), g.w.log.indexOf("lblNg=1"));
    EXPECT_EQ(g.w.caption["lblRitu"], "100.0%");
    EXPECT_EQ(g.s.intNg, 1);
}
