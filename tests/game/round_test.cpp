#include "fakes.h"
#include "game/round.h"
#include "game/system_ports.h"
#include "game/word_list.h"
#include "records/cp932.h"

#include <QMap>

#include <random>

#include <gtest/gtest.h>

using namespace game;

namespace {

// A round over a word list, with a 60 s limit and auto-save on.
struct Game : Folder {
    RoundState s;
    FakeWindow w;
    FakeClock clock;
    FakeRandom random;
    Round round{s, w, clock, random, path("辞書.txt")};

    explicit Game(const QString& words = QStringLiteral("ねこ\r\n")) {
        write("辞書.txt", records::EncodeCp932(words));
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
}

TEST(Round, EnterBeforeAnyQuestionOtherKeysAndCountersAtTheirLimit) {
    Game g;
    g.Type(""); // nothing to judge
    EXPECT_EQ(g.w.wrongBoxes + g.s.intNg, 0);
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
    EXPECT_EQ(g.w.log, (QStringList{"bar=0", "enable", "focus lstJisyo", "lblByou=0.07/秒",
                                    "lblRitu=66.7%", "lblMoji_T=4", "save"}));
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
    EXPECT_EQ(g.w.caption["lblByou"] + g.w.caption["lblMoji_T"], "0.00/秒0");
    EXPECT_EQ(g.w.saves, 1);
    EXPECT_FALSE(SaveAllowed(g.s)); // which the save then turns away
}

TEST(RoundClock, TheEndIsFixedAtStartAcrossMidnightAndALimitChange) {
    Game g;
    g.clock.seconds = 86400 - 20; // the round clock runs on past midnight
    g.Countdown();
    g.Type("ねこ");
    g.s.intJikan = 30;
    g.TickAt(86400 - 5);
    EXPECT_EQ(g.w.barWidth, 13117); // 45 s left of 30
    g.TickAt(86400 + 39);
    EXPECT_EQ(g.s.intRemain, 1);
    g.TickAt(86400 + 40);
    EXPECT_FALSE(g.s.blnPlaying);
    EXPECT_EQ(g.w.caption["lblByou"], "0.07/秒"); // 2 characters over 30 s
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

TEST(MakeQuestion, DrawsAWordThenThePthOfThePiecesStillIn) {
    // Against taking the pieces out of a list one by one, for words of every
    // length up to 70 and draws anywhere in [0, 1).
    std::mt19937 gen(7);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int length = 1; length <= 70; ++length) {
        QString word;
        for (int i = 0; i < length; ++i)
            word += QChar(u'ぁ' + i);
        Game g;
        g.s.strJisyo = {QString(), "あさ", word};
        g.s.intWordCount = 2;
        g.random.draws = {0.5};
        for (int i = 0; i < length; ++i)
            g.random.draws.push_back(i % 7 == 0 ? 0.9999999 : unit(gen));
        QStringList list = SplitForShuffle(word);
        QString expected;
        for (size_t i = 1; i < g.random.draws.size(); ++i)
            expected += list.takeAt(int(list.size() * g.random.draws[i]));
        g.round.MakeQuestion();
        ASSERT_EQ(g.s.strSeikai, word);
        ASSERT_EQ(g.s.strMondai + "|" + g.w.caption["lblMondai"], expected + "|" + expected);
    }
    Game none; // no words: an empty question
    none.s.strSeikai = "old";
    none.round.MakeQuestion();
    EXPECT_EQ(none.s.strSeikai + none.s.strMondai + none.w.caption["lblMondai"], "");
}

TEST(MakeQuestion, AllArrangementsAreEquallyLikelyAndPairsStayWhole) {
    EXPECT_EQ(SplitForShuffle(QStringLiteral("𠮷か\u3099")), (QStringList{"𠮷", "か\u3099"}));
    for (const char* word : {"りんご", "𠮷野家"}) {
        Game g;
        g.s.strJisyo = {QString(), QString::fromUtf8(word)};
        g.s.intWordCount = 1;
        SystemRandom r;
        Round round(g.s, g.w, g.clock, r, {});
        QMap<QString, int> counts;
        for (int i = 0; i < 60000; ++i) {
            round.MakeQuestion();
            ++counts[g.s.strMondai];
        }
        ASSERT_EQ(counts.size(), 6);
        for (int n : counts) // a standard deviation is about 91
            EXPECT_NEAR(n, 10000, 700) << word;
    }
}

TEST(SystemRandom, ReseedsWithinOneMillisecondStillDiffer) {
    SystemRandom a;
    a.Reseed();
    const double first = a.Draw();
    a.Reseed();
    EXPECT_NE(first, a.Draw());
}
