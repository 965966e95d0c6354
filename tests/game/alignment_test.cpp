#include "../rows.h"
#include "game/alignment.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace game {
// Readable test failures.
void PrintTo(const Slip& s, std::ostream* os) {
    *os << '"' << s.expected.toStdString() << "\"->\"" << s.typed.toStdString() << '"';
}
} // namespace game

using namespace game;

namespace {

struct SlipRow {
    const char* name;
    QString word, answer;
    QList<Slip> expected;
};

// The lead half of 𠮷 (U+20BB7) on its own.
const QString kLoneLead(QChar(0xD842));

std::vector<SlipRow> SlipRows() {
    const QString a16383 = QString("あ").repeated(16383);
    return {
        {"ChangedVoicing", "ちず", "ちじ", {{"ず", "じ"}}},
        {"SmallTsuLeftOut", "がっこう", "がこう", {{"っ", {}}}},
        {"LongVowelLeftOut", "コーヒー", "コヒー", {{"ー", {}}}},
        {"FullSizeForSmall", "きゃく", "きやく", {{"ゃ", "や"}}},
        {"ParticleAsSounded", "こんにちは", "こんにちわ", {{"は", "わ"}}},
        {"OneTooManyAtTheEnd", "ねこ", "ねここ", {{{}, "こ"}}},
        {"OneLeftOutOfARun", "ーー", "ー", {{"ー", {}}}},
        {"OneTooManyInARun", "かった", "かっった", {{{}, "っ"}}},
        {"TwoSlips", "がっこう", "がこお", {{"っ", {}}, {"う", "お"}}},
        {"SwappedPairIsTwoChanges", "りんごを", "りんをご", {{"ご", "を"}, {"を", "ご"}}},
        {"OneCharacterWord", "あ", "い", {{"あ", "い"}}},
        {"OneCharacterWordTwoTyped", "あ", "いう", {}},
        {"EmptyAnswer", "あ", {}, {}},
        {"EqualAnswer", "ちず", "ちず", {}},
        {"LookAlikesAreEqual", "あ\u301C", "あ\uFF5E", {}},
        {"LookAlikeKeptAsWritten", "あ\u301C", "あー", {{"\u301C", "ー"}}},
        {"LookAlikeKeptAsTyped", "あー", "あ\u301C", {{"ー", "\u301C"}}},
        {"LongerAnswerOneMore", "すし", "すしし", {{{}, "し"}}},
        {"LongerAnswerAtTheLimit", "すし", "すしです", {{{}, "で"}, {{}, "す"}}},
        {"MuchLongerAnswer", "すし", "すしをたべました", {}},
        {"AnotherWord", "たべもの", "どうぶつ", {}},
        {"JustOverTheLimit", "たべもの", "だびもお", {}},
        {"SurrogatePairWhole", "𠮷野", "吉野", {{"𠮷", "吉"}}},
        {"PairsSharingAHalf", "𠮷", "𠮟", {{"𠮷", "𠮟"}}},
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
        {"LongAndFullyDifferent", QString("あ").repeated(3000), QString("い").repeated(3000), {}},
    };
}

class AnswerSlipsOf : public testing::TestWithParam<SlipRow> {};

TEST_P(AnswerSlipsOf, AreTheCheapestEditsInTheWordsOrder) {
    const SlipRow& r = GetParam();
    EXPECT_EQ(AnswerSlips(r.word, r.answer), r.expected);
}
INSTANTIATE_TEST_SUITE_P(Rows, AnswerSlipsOf, testing::ValuesIn(SlipRows()), kRowName);

} // namespace
