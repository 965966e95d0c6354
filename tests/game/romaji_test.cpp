#include "../rows.h"
#include "game/romaji.h"

#include <gtest/gtest.h>

using game::RomajiConverter;
using game::RomajiToKana;

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

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
    const char* keys;
    const char* kana;
};

class Spelling : public testing::TestWithParam<SpellingRow> {};

TEST_P(Spelling, GivesTheKanaOfTheInputMethods) {
    EXPECT_EQ(RomajiToKana(U(GetParam().keys)), U(GetParam().kana));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Spelling,
    testing::Values(
        SpellingRow{"OtherSpellingsOfOneKana", "sishicitichitutsuhufuzijicacucocequ",
                    "しししちちつつふふじじかくこせく"},
        SpellingRow{"OtherSpellingsOfACombination",
                    "jajyazyajujyuzyujojyozyochatyacyachutyucyushasyashosyo",
                    "じゃじゃじゃじゅじゅじゅじょじょじょちゃちゃちゃちゅちゅちゅしゃしゃしょしょ"},
        SpellingRow{
            "CombinationsWithSmallKana",
            "kyagyunyohyabyupyomyaryugyofafifefothidhidhuvuvavivevowiwewhiwhe"
            "qakwaqiqeqotsatsitsetso",
            "きゃぎゅにょひゃびゅぴょみゃりゅぎょふぁふぃふぇふぉてぃでぃでゅゔゔぁゔぃゔぇゔぉ"
            "うぃうぇうぃうぇくぁくぁくぃくぇくぉつぁつぃつぇつぉ"},
        SpellingRow{"SmallKanaAfterXOrL",
                    "xaxixuxexolalilulelo"
                    "xyaxyuxyolyalyulyoxwalwaxkaxkelkalkextultuxtsultsu",
                    "ぁぃぅぇぉぁぃぅぇぉゃゅょゃゅょゎゎゕゖゕゖっっっっ"},
        SpellingRow{"DoubledConsonantIsSmallTsu", "kkassappamattekkyahhyocchawwa",
                    "っかっさっぱまってっきゃっひょっちゃっわ"},
        SpellingRow{"TBeforeCh", "matcha", "まっちゃ"},
        SpellingRow{"ALoneNBeforeAConsonantOrAMarkOrAtTheEnd", "kanjisanpon-n.hon",
                    "かんじさんぽんーん。ほん"},
        SpellingRow{"NBeforeAVowelOrYStartsItsKana", "kanakonyaku", "かなこにゃく"},
        // nn, n' and xn end an ん; a doubled n is no small tsu.
        SpellingRow{"NNNApostropheAndXNAreN", "konnnyakukinnnikukin'nikuxnkaxnaonna",
                    "こんにゃくきんにくきんにくんかんあおんあ"},
        SpellingRow{"MarksAsTheInputMethodsTypeThem", "-,.[]/~\"'", "ー、。「」・〜”’"},
        SpellingRow{"MarksAfterZ", "z-z.z,z/z[z]", "〜…‥・『』"},
        SpellingRow{"DigitsAndOtherMarksFullWidth", "1!?(0)@", "１！？（０）＠"},
        SpellingRow{"ShiftCountsTheSame", "KAShINBUN", "かしんぶん"},
        SpellingRow{"ShiftedDoubledConsonant", "KKa", "っか"},
        SpellingRow{"KeysTheTableCannotUseAreLeftOut", "a b\tc\x7fu", "あく"},
        SpellingRow{"LettersAtTheEndAsTyped", "kaKy", "かKy"},
        SpellingRow{"NyAtTheEndIsNoLoneN", "ny", "ny"},
        // Waiting letters that cannot go on are dropped and the new key starts afresh.
        SpellingRow{"ADeadEndKeepsOnlyTheKeyThatEndedIt", "kzaqxakytuk-sh1nyk", "ざぁつー１k"}),
    kRowName);

TEST(RomajiConverter, LettersWaitAndBackspaceRemovesThemOneByOne) {
    RomajiConverter c;
    EXPECT_FALSE(c.backspace());
    EXPECT_EQ(Box(c, "ka"), U("か"));
    EXPECT_FALSE(c.backspace()); // the box deletes か itself
    EXPECT_EQ(Box(c, "kk"), U("っk"));
    EXPECT_EQ(c.type(QChar('Y')), QString());
    EXPECT_EQ(c.pending(), U("kY"));
    EXPECT_TRUE(c.backspace());
    EXPECT_EQ(c.pending(), U("k"));
    EXPECT_EQ(c.type(QChar('o')), U("こ"));
    EXPECT_EQ(Box(c, "sh"), U("sh"));
    EXPECT_TRUE(c.backspace());
    EXPECT_TRUE(c.backspace());
    EXPECT_FALSE(c.backspace());
    EXPECT_EQ(c.type(QChar('i')), U("い")); // no s left behind
}

TEST(RomajiConverter, KeysItDoesNotTakeChangeNothing) {
    RomajiConverter c;
    c.type(QChar('k'));
    for (QChar key : U(" \n\x1bあａ")) {
        EXPECT_FALSE(RomajiConverter::accepts(key));
        EXPECT_EQ(c.type(key), QString());
        EXPECT_EQ(c.pending(), U("k"));
    }
    EXPECT_TRUE(RomajiConverter::accepts(QChar('K')));
    EXPECT_TRUE(RomajiConverter::accepts(QChar('~')));
}

TEST(RomajiConverter, TypesKatakanaWhileSetAndHiraganaAgainAfter) {
    RomajiConverter c;
    c.setKatakana(true);
    EXPECT_EQ(Box(c, "ko-hi-vuxkaxkekkyannxtu[]"), U("コーヒーヴヵヶッキャンッ「」"));
    EXPECT_EQ(Box(c, "ky"), U("ky"));
    c.setKatakana(false); // the letters waiting go on in the script now set
    EXPECT_EQ(Box(c, "ovuxka"), U("きょゔゕ"));
    c.setKatakana(true);
    EXPECT_EQ(Box(c, "N"), U("N"));
    EXPECT_EQ(c.finish(), U("ン"));
    EXPECT_EQ(c.pending() + c.finish(), QString()); // nothing waits once finished
}

struct ScriptRow {
    const char* name;
    const char* hiragana;
    const char* katakana;
};

class Script : public testing::TestWithParam<ScriptRow> {};

TEST_P(Script, F7AndF6TurnTheKanaAndLeaveTheRest) {
    EXPECT_EQ(game::ToKatakana(U(GetParam().hiragana)), U(GetParam().katakana));
    EXPECT_EQ(game::ToHiragana(U(GetParam().katakana)), U(GetParam().hiragana));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Script,
    testing::Values(ScriptRow{"Words", "こーひー、きゃっと。", "コーヒー、キャット。"},
                    ScriptRow{"EdgesOfTheBlocks", "ぁゔゕゖゝゞ", "ァヴヵヶヽヾ"},
                    ScriptRow{"OtherCharactersStay", "漢字ab１・ｶ〜", "漢字ab１・ｶ〜"},
                    ScriptRow{"KatakanaWithoutHiraganaStays", "ヷヸヹヺ", "ヷヸヹヺ"}),
    kRowName);

// The single-kana spellings of the input methods' tables, ぁ to ゖ in order.
TEST(RomajiConverter, TypesEveryKanaFromSmallAToSmallKe) {
    const char* keys = "xaaxiixuuxeexookagakigikugukegekogosazasizisuzusezesozotadatidixtutudu"
                       "tedetodonaninunenohabapahibipihubupuhebepehobopomamimumemoxyayaxyuyuxyoyo"
                       "rarirureroxwawawyiwyewonnvuxkaxke";
    QString every;
    for (char16_t c = u'ぁ'; c <= u'ゖ'; ++c)
        every.append(QChar(c));
    const QString kana = RomajiToKana(U(keys));
    EXPECT_EQ(kana, every);
    EXPECT_TRUE(game::RomajiTypable(kana));
    EXPECT_TRUE(game::RomajiTypable(game::ToKatakana(kana)));
}

struct TypableRow {
    const char* name;
    const char* word;
    bool typable;
};

class Typable : public testing::TestWithParam<TypableRow> {};

TEST_P(Typable, TellsWhetherTheWordCanBeTyped) {
    EXPECT_EQ(game::RomajiTypable(U(GetParam().word)), GetParam().typable);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Typable,
    testing::Values(TypableRow{"HiraganaWithMarksAndDigits",
                               "きょうは、らーめん「すし」・１２３！あ～", true},
                    TypableRow{"Katakana", "ヴァイオリン", true},
                    TypableRow{"MarksOnly", "ー", true}, TypableRow{"Kanji", "お茶", false},
                    TypableRow{"Latin", "abc", false},
                    TypableRow{"FullWidthLatin", "ａｂｃ", false},
                    TypableRow{"BothScripts", "ひらがなカタカナ", false},
                    TypableRow{"SmallKeInAHiraganaWord", "さんヶげつ", false},
                    TypableRow{"IterationMark", "いすゞ", false},
                    TypableRow{"KatakanaVa", "ヷ", false}, TypableRow{"Space", "あ い", false},
                    TypableRow{"SurrogatePair", "𠮷", false}, TypableRow{"Empty", "", false}),
    kRowName);
