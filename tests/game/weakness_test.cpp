#include "../rows.h"
#include "game/alignment.h"
#include "game/weakness.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace game {
// Readable test failures.
void PrintTo(const Slip& s, std::ostream* os) {
    *os << '"' << s.expected.toStdString() << "\"->\"" << s.typed.toStdString() << '"';
}
} // namespace game

using game::RankWords;
using game::Slip;
using records::WordStats;

// ---- the slips of a wrong answer ----

struct SlipRow {
    const char* name;
    QString word, answer;
    QList<Slip> expected;
};

namespace {

// The lead half of 𠮷 (U+20BB7) on its own.
const QString kLoneLead(QChar(0xD842));

std::vector<SlipRow> SlipRows() {
    const QString a16383 = QString("あ").repeated(16383);
    return {
        {"ChangedVoicing", "ちず", "ちじ", {{"ず", "じ"}}},
        {"SmallTsuLeftOut", "がっこう", "がこう", {{"っ", {}}}},
        {"OneTooManyInARun", "かった", "かっった", {{{}, "っ"}}},
        {"TwoSlips", "がっこう", "がこお", {{"っ", {}}, {"う", "お"}}},
        {"SwappedPairIsTwoChanges", "りんごを", "りんをご", {{"ご", "を"}, {"を", "ご"}}},
        {"OneCharacterWordTwoTyped", "あ", "いう", {}},
        {"EmptyAnswer", "あ", {}, {}},
        {"LookAlikesAreEqual", "あ\u301C", "あ\uFF5E", {}},
        {"LookAlikeKeptAsWritten", "あ\u301C", "あー", {{"\u301C", "ー"}}},
        {"LongerAnswerAtTheLimit", "すし", "すしです", {{{}, "で"}, {{}, "す"}}},
        {"MuchLongerAnswer", "すし", "すしをたべました", {}},
        {"JustOverTheLimit", "たべもの", "だびもお", {}},
        {"SurrogatePairWhole", "𠮷野", "吉野", {{"𠮷", "吉"}}},
        {"LoneSurrogate", "あ" + kLoneLead + "い", "あ𠮷い", {{kLoneLead, "𠮷"}}},
        {"LongestWordOneSlip", a16383 + "い" + a16383, a16383 + "う" + a16383, {{"い", "う"}}},
        // Every other character changed, within the limit; the middle is 2000 × 2000
        // cells here and 2002 × 2002 past the cap below.
        {"AlignedAtTheCap", "い" + QString("あい").repeated(999),
         "う" + QString("あう").repeated(999), QList<Slip>(1000, {"い", "う"})},
        {"OverTheCap",
         "い" + QString("あい").repeated(1000),
         "う" + QString("あう").repeated(1000),
         {}},
    };
}

} // namespace

class AnswerSlipsOf : public testing::TestWithParam<SlipRow> {};

TEST_P(AnswerSlipsOf, AreTheCheapestEditsInTheWordsOrder) {
    const SlipRow& r = GetParam();
    EXPECT_EQ(game::AnswerSlips(r.word, r.answer), r.expected);
}
INSTANTIATE_TEST_SUITE_P(Rows, AnswerSlipsOf, testing::ValuesIn(SlipRows()), kRowName);

// ---- the weakness of a word ----

namespace {

// asked, solved, wrong, revealed, and the mean solve in ms (best the same).
WordStats W(const QString& word, int asked, int solved, int wrong, int revealed, qint64 meanMs,
            bool retired = false) {
    const qint64 best = solved > 0 ? meanMs : -1;
    return {word, asked, solved, wrong, revealed, 0, best, meanMs * solved, 0, retired};
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

const ScoreRow kWeaknessRows[] = {
    // The usual time of two characters is about 2 s: ゆき's 6 s counts a
    // whole solve, たき's 4 s half of one, かぜ's 2.9 s nothing.
    {"MuchSlowerThanUsualCountsUpToOneAndALittleSlowerNothing",
     {W("あめ", 1000, 1000, 0, 0, 2000), W("ゆき", 1, 1, 0, 0, 6000), W("たき", 1, 1, 0, 0, 4000),
      W("かぜ", 1, 1, 0, 0, 2900)},
     "ゆき:50 たき:25 あめ:0 かぜ:0"},
    {"TiesGoToMoreWrongAnswersThenTheWord",
     {W("う", 2, 1, 1, 0, 1000), W("い", 2, 1, 1, 0, 1000), W("あ", 5, 4, 0, 2, 1000),
      W("え", 0, 0, 0, 0, 0)},
     "あ:100 い:67 う:67 え:0"},
    {"NothingSolvedHasNoUsualSpeedAndNoSlowness", {W("そら", 2, 0, 3, 0, 0)}, "そら:200"}};
INSTANTIATE_TEST_SUITE_P(Rows, Weakness, testing::ValuesIn(kWeaknessRows), kRowName);

TEST(Practice, DrawsFromTheTwentyWeakestMissedWordsNotRetired) {
    QList<WordStats> words = {W("みず", 5, 5, 0, 0, 2000), W("ひ", 2, 1, 0, 0, 900000),
                              W("つち", 1, 1, 3, 0, 2000, true)};
    for (int i = 0; i < 25; ++i)
        words.append(W(QString("ことば%1").arg(i, 2, 10, QChar('0')), 30, 30, i + 1, 0, 3000));
    const QStringList practice = game::PracticeWords(RankWords(words, game::UsualSpeed(words)));
    // The most wrong answers first; none of ひ, slow but never missed, つち, retired, or みず.
    QStringList weakest;
    for (int i = 24; i >= 5; --i)
        weakest << QString("ことば%1").arg(i, 2, 10, QChar('0'));
    EXPECT_EQ(practice, weakest);
    EXPECT_EQ(game::PracticeWords(RankWords(words.mid(0, 4), 1.0)), QStringList{"ことば00"});
}
