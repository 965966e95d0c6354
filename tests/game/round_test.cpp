#include "fakes.h"
#include "game/round.h"
#include "game/system_ports.h"

#include <random>

#include <gtest/gtest.h>

using namespace game;

namespace {

// A round over the word list "ねこ", with a 60 s limit and auto-save on.
struct Game : Folder {
    RoundState s;
    FakeWindow w;
    FakeClock clock;
    FakeRandom random;
    Round round{s, w, clock, random, path("辞書.txt")};

    Game() {
        write("辞書.txt", "ねこ\r\n");
        s.intJikan = 60, s.intAutoSave = 1, s.intBarFull = 8745;
        random.draws = {0.0, 0.9}; // ねこ becomes こね
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
    g.round.cmdStart_Click();
    EXPECT_TRUE(g.s.blnStartWait && !g.s.blnPlaying && g.s.intMoji == 0);
    EXPECT_EQ(g.w.caption["lblOk"] + g.w.caption["lblNg"] + g.w.caption["lblRitu"], "00");
    EXPECT_EQ(g.w.log.last(), "disable");
    g.clock.seconds = 1000;
    QString lit;
    for (int tick = 0; tick < 4; ++tick) {
        g.round.tmrStart_Timer();
        g.round.tmrBp_Timer(); // the clock does not run during the countdown
        for (int i = 1; i <= 3; ++i)
            lit += g.w.lamp[i] ? QString::number(i) : QString();
        EXPECT_EQ(g.s.blnPlaying, tick >= 2);
    }
    EXPECT_EQ(lit, "1233"); // one light at a time, and green stays
    EXPECT_EQ(g.w.caption["lblMondai"], "こね");
    EXPECT_TRUE(g.w.log.contains("focus txtKaitou"));
    EXPECT_EQ(g.s.lngEndTime, 1060);
    // Every start reads the list afresh; a list without words asks nothing.
    g.write("辞書.txt", "\r\n");
    g.Countdown();
    EXPECT_EQ(g.s.strSeikai + g.w.caption["lblMondai"], "");
}

TEST(Round, EnterBeforeAnyQuestionOtherKeysAndCountersAtTheirLimit) {
    Game g;
    g.Type(""); // nothing to judge
    g.Type("x");
    EXPECT_EQ(g.s.intNg, 1);
    g.Countdown();
    int16_t esc = kKeyEsc, other = 'a';
    g.round.txtKaitou_KeyPress(esc);
    g.round.txtKaitou_KeyPress(other);
    EXPECT_EQ(esc + other, kKeyEsc + 'a'); // both still reach the box
    g.s.intNg = g.s.intOk = 32767;
    g.s.intMoji = 32766;
    g.Type("x");
    g.Type("ねこ");
    EXPECT_EQ(g.s.intNg + g.s.intOk + g.s.intMoji, 3 * 32767); // they stop, not wrap
    EXPECT_EQ(g.random.reseeds, 2);                            // once for each question
}

TEST(RoundClock, TheBarFollowsTheLimitButTheRoundEndsWhenItWasDueAtStart) {
    for (int autoSave : {1, 0}) {
        Game g;
        g.s.intAutoSave = int16_t(autoSave);
        const int32_t end = 86400 + 40; // the round clock runs on past midnight
        g.clock.seconds = end - 60;
        g.Countdown();
        g.Type("ねこ");
        g.Type("ねこ");
        g.Type("x");
        g.s.intJikan = 30;
        QList<int> widths;
        for (int left : {45, 30, 1})
            g.TickAt(end - left), widths << g.w.barWidth;
        EXPECT_EQ(widths, (QList<int>{13117, 8745, 291}));
        g.w.log.clear();
        g.TickAt(end);
        const QStringList shown{
            "bar=0",       "enable", "focus lstJisyo", "lblByou=0.13/秒", "lblRitu=66.7%",
            "lblMoji_T=4", "save"};
        EXPECT_EQ(g.w.log, shown.mid(0, 6 + autoSave));
        g.TickAt(end + 30); // nothing more once idle
        EXPECT_EQ(g.w.log.size(), 6 + autoSave);
        g.Type("ねこ"); // answers after time-up still count
        EXPECT_EQ(g.s.intOk, 3);
    }
}

TEST(RoundClock, TimeUpWhileTheWrongAnswerBoxIsOpenShowsTheFiguresBeforeTheAnswerCounts) {
    Game g;
    g.Countdown();
    g.Type("ねこ");
    g.w.whileWrongBoxOpen = [&] { g.TickAt(60); };
    g.Type("x");
    EXPECT_EQ(g.w.log.indexOf("save"), g.w.log.indexOf("lblNg=1") - 1);
    EXPECT_EQ(g.w.caption["lblRitu"], "100.0%");
    EXPECT_EQ(g.s.intNg, 1);
}

TEST(MakeQuestion, DrawsAWordThenThePthOfThePiecesStillIn) {
    // Against taking the pieces out of a list one by one, for words of every
    // length up to 70 and draws anywhere in [0, 1). A piece is a character, a
    // surrogate pair or a kana with its voicing mark.
    std::mt19937 gen(7);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int length = 1; length <= 70; ++length) {
        QStringList pieces;
        for (int i = 0; i < length; ++i) {
            const char32_t wide = U'\U00020000' + char32_t(i);
            pieces << (i % 3 == 0 ? QString::fromUcs4(&wide, 1)
                                  : QChar(u'か' + i) + QString(i % 3 == 2 ? "\u3099" : ""));
        }
        Game g;
        g.s.strJisyo = {QString(), "あさ", pieces.join("")};
        g.s.intWordCount = 2;
        g.random.draws = {0.5};
        QString expected;
        while (!pieces.isEmpty()) {
            g.random.draws.push_back(g.random.draws.size() % 7 == 1 ? 0.9999999 : unit(gen));
            expected += pieces.takeAt(int(pieces.size() * g.random.draws.back()));
        }
        g.round.MakeQuestion();
        ASSERT_EQ(g.s.strSeikai, g.s.strJisyo[2]);
        ASSERT_EQ(g.s.strMondai + "|" + g.w.caption["lblMondai"], expected + "|" + expected);
    }
}

TEST(SystemRandom, DrawsSpreadEvenlyOverZeroToBelowOne) {
    SystemRandom r;
    int low = 0;
    for (int i = 0; i < 20000; ++i) {
        const double d = r.Draw();
        ASSERT_TRUE(d >= 0 && d < 1) << d;
        low += d < 0.5;
    }
    EXPECT_NEAR(low, 10000, 500); // a standard deviation is about 71
}
