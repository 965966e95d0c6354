#include "../rows.h"
#include "game/weakness.h"

#include <gtest/gtest.h>

using game::RankWords;
using records::WordStats;

namespace {

// asked, solved, wrong, revealed, and the mean solve in ms (best the same).
WordStats W(const char* word, int asked, int solved, int wrong, int revealed, qint64 meanMs,
            bool retired = false) {
    WordStats w;
    w.word = QString::fromUtf8(word);
    w.asked = asked, w.solved = solved, w.wrong = wrong, w.revealed = revealed;
    w.bestMs = solved > 0 ? meanMs : -1;
    w.sumMs = meanMs * solved;
    w.retired = retired;
    return w;
}

QString Order(const QList<game::RankedWord>& ranked) {
    QStringList words;
    for (const game::RankedWord& r : ranked)
        words << QString("%1:%2").arg(r.stats.word).arg(qRound(r.score));
    return words.join(' ');
}

} // namespace

struct ScoreRow {
    const char* name;
    QList<WordStats> words;
    const char* ranked; // word:score, weakest first
};

class Weakness : public testing::TestWithParam<ScoreRow> {};

TEST_P(Weakness, RanksTheWords) {
    const ScoreRow& row = GetParam();
    EXPECT_EQ(Order(RankWords(row.words, game::UsualSpeed(row.words))), row.ranked);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Weakness,
    testing::Values(
        // 100 × (2 × 2 + 3 × 1 + 0) ÷ (3 + 1) = 175, as the help works it out.
        ScoreRow{"TheHelpsExample",
                 {W("かばん", 3, 2, 2, 1, 4500), W("あいうえおか", 100, 100, 0, 0, 6000)},
                 "かばん:175 あいうえおか:0"},
        ScoreRow{
            "ALookAtTheAnswerWeighsMoreThanAWrongAnswer",
            {W("いぬ", 1, 1, 1, 0, 2000), W("ねこ", 1, 0, 0, 1, 0), W("とり", 1, 1, 0, 0, 2000)},
            "ねこ:150 いぬ:100 とり:0"},
        ScoreRow{"AMissOnceInTwentyIsLessWeakThanOnceInOne",
                 {W("さかな", 19, 19, 1, 0, 3000), W("くま", 1, 1, 1, 0, 2000)},
                 "くま:100 さかな:10"},
        // The usual time of two characters is about 2 s: ゆき's 6 s counts a
        // whole solve, たき's 4 s half of one, かぜ's 2.9 s nothing.
        ScoreRow{"MuchSlowerThanUsualCountsUpToOneAndALittleSlowerNothing",
                 {W("あめ", 1000, 1000, 0, 0, 2000), W("ゆき", 1, 1, 0, 0, 6000),
                  W("たき", 1, 1, 0, 0, 4000), W("かぜ", 1, 1, 0, 0, 2900)},
                 "ゆき:50 たき:25 あめ:0 かぜ:0"},
        ScoreRow{"TiesGoToMoreWrongAnswersThenTheWord",
                 {W("う", 2, 1, 1, 0, 1000), W("い", 2, 1, 1, 0, 1000), W("あ", 5, 4, 0, 2, 1000),
                  W("え", 0, 0, 0, 0, 0)},
                 "あ:100 い:67 う:67 え:0"},
        ScoreRow{
            "NothingSolvedHasNoUsualSpeedAndNoSlowness", {W("そら", 2, 0, 3, 0, 0)}, "そら:200"}),
    kRowName);

TEST(Practice, DrawsFromTheTwentyWeakestMissedWordsNotRetired) {
    QList<WordStats> words = {W("みず", 5, 5, 0, 0, 2000), W("ひ", 2, 1, 0, 0, 900000),
                              W("つち", 1, 1, 3, 0, 2000, true)};
    for (int i = 0; i < 25; ++i)
        words.append(W(QString("ことば%1").arg(i, 2, 10, QChar('0')).toUtf8().constData(), 30, 30,
                       i + 1, 0, 3000));
    const QStringList practice = game::PracticeWords(RankWords(words, game::UsualSpeed(words)));
    ASSERT_EQ(practice.size(), game::kPracticeWords);
    EXPECT_EQ(practice.first(), "ことば24");
    EXPECT_EQ(practice.last(), "ことば05");
    // Slow but never missed, retired, or never missed at all: none of them.
    for (const char* left : {"ひ", "つち", "みず"})
        EXPECT_FALSE(practice.contains(QString::fromUtf8(left)));
    EXPECT_EQ(game::PracticeWords(RankWords(words.mid(0, 4), 1.0)), QStringList{"ことば00"});
}
