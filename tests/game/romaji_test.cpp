#include "../rows.h"
#include "game/romaji.h"

#include <gtest/gtest.h>

using game::RomajiConverter;
using game::RomajiToKana;

namespace {

// The box as the player sees it after each key: what came out, then what waits.
QString Box(RomajiConverter& c, const char* keys) {
    QString out;
    for (const char* k = keys; *k; ++k)
        out += c.type(QChar(*k));
    return out + c.pending();
}

} // namespace

// Keys and the kana the input methods' romaji tables give for them.
struct SpellingRow {
    const char* name;
    QString keys, kana;
};

class Spelling : public testing::TestWithParam<SpellingRow> {};

TEST_P(Spelling, GivesTheKanaOfTheInputMethods) {
    EXPECT_EQ(RomajiToKana(GetParam().keys), GetParam().kana);
}

const SpellingRow kSpellingRows[] = {
    {"OtherSpellings", "cichitutsuhuzicaqujazyatyacyasyo", "しちつつふじかくじゃじゃちゃちゃしょ"},
    {"CombinationsWithSmallKana", "kyapyofathidhuvuvawiwhekwaqotsa",
     "きゃぴょふぁてぃでゅゔゔぁうぃうぇくぁくぉつぁ"},
    {"SmallKanaAfterL", "lalyalwalkaltuxtsu", "ぁゃゎゕっっ"},
    {"DoubledConsonantIsSmallTsu", "kkassappamattekkyahhyocchawwa",
     "っかっさっぱまってっきゃっひょっちゃっわ"},
    {"TBeforeCh", "matcha", "まっちゃ"},
    {"ALoneNBeforeAConsonantOrAMarkOrAtTheEnd", "kanjisanpon-n.hon", "かんじさんぽんーん。ほん"},
    {"NBeforeAVowelOrYStartsItsKana", "kanakonyaku", "かなこにゃく"},
    // nn, n' and xn end an ん; a doubled n is no small tsu.
    {"NNNApostropheAndXNAreN", "konnnyakukinnnikukin'nikuxnkaxnaonna",
     "こんにゃくきんにくきんにくんかんあおんあ"},
    {"MarksAndDigitsAsTheInputMethodsTypeThem", "-,.[]/~\"'z-z.z[1!?(",
     "ー、。「」・〜”’〜…『１！？（"},
    {"ShiftCountsTheSame", "KAShINBUNKKa", "かしんぶんっか"},
    {"KeysTheTableCannotUseAreLeftOut", "a b\tc\x7fu", "あく"},
    {"LettersAtTheEndAsTyped", "kaKy", "かKy"},
    {"NyAtTheEndIsNoLoneN", "ny", "ny"},
    // Waiting letters that cannot go on are dropped and the new key starts afresh.
    {"ADeadEndKeepsOnlyTheKeyThatEndedIt", "kzaqxakytuk-sh1nyk", "ざぁつー１k"}};
INSTANTIATE_TEST_SUITE_P(Rows, Spelling, testing::ValuesIn(kSpellingRows), kRowName);

TEST(RomajiConverter, LettersWaitBackspaceRemovesThemOneByOneAndKeysItDoesNotTakeChangeNothing) {
    RomajiConverter c;
    EXPECT_EQ(Box(c, "ka"), "か");
    EXPECT_FALSE(c.backspace()); // the box deletes か itself
    EXPECT_EQ(Box(c, "sh"), "sh");
    for (QChar key : QString(" \n\x1bあａ")) {
        EXPECT_FALSE(RomajiConverter::accepts(key));
        EXPECT_EQ(c.type(key) + c.pending(), "sh");
    }
    EXPECT_TRUE(c.backspace() && c.backspace());
    EXPECT_FALSE(c.backspace());
    EXPECT_EQ(c.type(QChar('i')), "い"); // no s left behind
}

TEST(RomajiConverter, TypesKatakanaWhileSetAndHiraganaAgainAfter) {
    RomajiConverter c;
    c.setKatakana(true);
    EXPECT_EQ(Box(c, "ko-hi-vuxkekkyann[ky"), "コーヒーヴヶッキャン「ky");
    c.setKatakana(false); // the letters waiting go on in the script now set
    EXPECT_EQ(Box(c, "ovu"), "きょゔ");
    c.setKatakana(true);
    EXPECT_EQ(Box(c, "N"), "N");
    EXPECT_EQ(c.finish(), "ン");
    EXPECT_EQ(c.pending() + c.finish(), QString()); // nothing waits once finished
}

TEST(Script, F7AndF6TurnTheKanaToTheEdgesOfTheBlocksAndLeaveTheRest) {
    EXPECT_EQ(game::ToKatakana(u"ぁゔゕゖゝゞ漢字ab１・ｶ〜ヷ"), u"ァヴヵヶヽヾ漢字ab１・ｶ〜ヷ");
    EXPECT_EQ(game::ToHiragana(u"ァヴヵヶヽヾ漢字ab１・ｶ〜ヷヸヹヺ"),
              u"ぁゔゕゖゝゞ漢字ab１・ｶ〜ヷヸヹヺ");
}

// The single-kana spellings of the input methods' tables, ぁ to ゖ in order.
TEST(RomajiConverter, TypesEveryKanaFromSmallAToSmallKe) {
    const char* keys = "xaaxiixuuxeexookagakigikugukegekogosazasizisuzusezesozotadatidixtutudu"
                       "tedetodonaninunenohabapahibipihubupuhebepehobopomamimumemoxyayaxyuyuxyoyo"
                       "rarirureroxwawawyiwyewonnvuxkaxke";
    QString every;
    for (char16_t c = u'ぁ'; c <= u'ゖ'; ++c)
        every.append(QChar(c));
    const QString kana = RomajiToKana(QString(keys));
    EXPECT_EQ(kana, every);
    EXPECT_TRUE(game::RomajiTypable(kana));
    EXPECT_TRUE(game::RomajiTypable(game::ToKatakana(kana)));
}

struct TypableRow {
    const char* name;
    QString word;
    bool typable;
};

class Typable : public testing::TestWithParam<TypableRow> {};

TEST_P(Typable, TellsWhetherTheWordCanBeTyped) {
    EXPECT_EQ(game::RomajiTypable(GetParam().word), GetParam().typable);
}

const TypableRow kTypableRows[] = {
    {"HiraganaWithMarksAndDigits", "きょうは、らーめん「すし」・１２３！あ～", true},
    {"Katakana", "ヴァイオリン", true},
    {"BothScripts", "ひらがなカタカナ", false},
    {"SmallKeInAHiraganaWord", "さんヶげつ", false},
    {"IterationMark", "いすゞ", false},
    {"KatakanaVa", "ヷ", false},
    {"SurrogatePair", "𠮷", false}};
INSTANTIATE_TEST_SUITE_P(Rows, Typable, testing::ValuesIn(kTypableRows), kRowName);
