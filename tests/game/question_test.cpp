#include "fakes.h"
#include "game/round.h"
#include "game/system_ports.h"

#include <QMap>

#include <gtest/gtest.h>

using namespace game;

namespace {

struct Maker {
    RoundState s;
    FakeWindow w;
    FakeClock c;
    explicit Maker(const QStringList& words) {
        s.strJisyo = QStringList{QString()} + words;
        s.intWordCount = int16_t(words.size());
    }
};

} // namespace

TEST(MakeQuestion, DrawsTheWordAndShufflesItThroughTheScratchList) {
    Maker m({"あさ", "りんご"});
    FakeRandom r;
    // Word 2 (0.5 × 2 + 1), then pieces 3, 1, 1 of the shrinking list.
    r.draws = {0.5, 0.9, 0.0, 0.0};
    Round round(m.s, m.w, m.c, r, {});
    round.MakeQuestion();
    EXPECT_EQ(m.s.strSeikai, "りんご");
    EXPECT_EQ(m.s.strMondai, "ごりん");
    EXPECT_EQ(m.w.mondai, "ごりん");
    EXPECT_TRUE(round.lstMojiro().isEmpty());
    EXPECT_EQ(r.reseeds, 1);
}

TEST(MakeQuestion, OneCharacterAndOneWordListsAskTheSameEveryTime) {
    Maker m({"木"});
    SystemRandom r;
    Round round(m.s, m.w, m.c, r, {});
    for (int i = 0; i < 20; ++i) {
        round.MakeQuestion();
        EXPECT_EQ(m.s.strSeikai, "木");
        EXPECT_EQ(m.s.strMondai, "木");
    }
}

TEST(MakeQuestion, AnEmptyListGivesAnEmptyQuestion) {
    Maker m({});
    FakeRandom r;
    m.s.strSeikai = "old";
    Round round(m.s, m.w, m.c, r, {});
    round.MakeQuestion();
    EXPECT_EQ(m.s.strSeikai, "");
    EXPECT_EQ(m.s.strMondai, "");
    EXPECT_EQ(m.w.mondai, "");
}

TEST(MakeQuestion, KeepsSurrogatePairsAndCombiningMarksWhole) {
    EXPECT_EQ(SplitForShuffle(QStringLiteral("𠮷野")), (QStringList{"𠮷", "野"}));
    EXPECT_EQ(SplitForShuffle(QStringLiteral("か\u3099き")), (QStringList{"か\u3099", "き"}));
    Maker m({QStringLiteral("𠮷野家")});
    SystemRandom r;
    Round round(m.s, m.w, m.c, r, {});
    for (int i = 0; i < 50; ++i) {
        round.MakeQuestion();
        ASSERT_TRUE(m.s.strMondai.contains(QStringLiteral("𠮷")));
        ASSERT_EQ(m.s.strMondai.size(), 4);
    }
}

TEST(MakeQuestion, AllSixArrangementsOfRingoAreEquallyLikely) {
    Maker m({"りんご"});
    SystemRandom r;
    Round round(m.s, m.w, m.c, r, {});
    QMap<QString, int> counts;
    const int draws = 60000;
    for (int i = 0; i < draws; ++i) {
        round.MakeQuestion();
        ++counts[m.s.strMondai];
    }
    ASSERT_EQ(counts.size(), 6);
    // Each count has a standard deviation of about 91; 700 is more than 7 of them.
    for (int n : counts)
        EXPECT_NEAR(n, draws / 6, 700);
}

TEST(SystemRandom, ReseedsWithinOneMillisecondStillDiffer) {
    SystemRandom a;
    QList<double> first, second;
    a.Reseed();
    for (int i = 0; i < 4; ++i)
        first << a.Draw();
    a.Reseed();
    for (int i = 0; i < 4; ++i)
        second << a.Draw();
    EXPECT_NE(first, second);
    for (double d : first + second) {
        EXPECT_GE(d, 0.0);
        EXPECT_LT(d, 1.0);
    }
}
