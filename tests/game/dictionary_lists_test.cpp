#include "../files.h"
#include "../rows.h"
#include "game/dictionary_lists.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

using game::ListFilter;
using enum game::DictPart;
using enum game::DictScript;

namespace {

// A small dictionary of our own, in file order.
const QStringList kDictionary = {
    "会社 [かいしゃ] /(n) company/(P)/",
    "会者 [かいしゃ] /(n) attendee/",
    "食べる [たべる] /(v1,vt) to eat/(P)/",
    "走る [はしる] /(v5r,vi) to run/(P)/",
    "勉強 [べんきょう] /(n,vs) study/(P)/",
    "赤い [あかい] /(adj-i) red/(P)/",
    "静か [しずか] /(adj-na) quiet/(P)/",
    "きれい /(adj-na) pretty/(P)/",
    "テレビ /(n) television/(P)/",
    "珈琲 [コーヒー] /(n) (uk) coffee/(P)/",
    "ア・ラ・カルト /(n) a la carte/",
    "ヴァイオリン /(n) violin/",
    "ＡＢＣ [エービーシー] /(n) the letters/(P)/",
    "２つ [ふたつ] /(n) two/(P)/",
    "すげー /(adj-i) (sl) awesome/",
    "喰べる [たべる] /(iK) (v1) to eat/",
    "居る [ゐる] /(v1) (arch) to be/",
    "十八番 [じゅうはちばん] /(n) specialty/(P)/",
    "ーるる /(n) not a word/",
    "ゝゝ /(unc) marks/",
    "しめパフェ /(n) parfait/",
    "ぁゐゑをん /(n) edges of the hiragana/",
    "ヵヶヰヱ /(n) edges of the katakana/",
    "ＡＢ /(n) letters with no reading/(P)/",
    "ことゞ /(n) iteration mark within/",
    "らーめん /(n) noodles/",
    "壊れた行",
};

struct Dictionary {
    Folder folder;
    std::unique_ptr<records::DictionaryIndex> index;
    Dictionary() {
        QStringEncoder enc("EUC-JP");
        folder.write("edict", enc.encode(kDictionary.join('\n')));
        index = records::DictionaryIndex::open(folder.path("edict"), folder.path("cache"));
    }
};

} // namespace

struct ListRow {
    const char* name;
    ListFilter filter;
    const char* words;
};

class DictionaryList : public testing::TestWithParam<ListRow> {};

TEST_P(DictionaryList, HoldsTheKanaOfTheEntriesTheFilterTakes) {
    static const Dictionary dictionary;
    ASSERT_TRUE(dictionary.index);
    const game::MadeList made = game::MakeDictionaryList(*dictionary.index, GetParam().filter);
    EXPECT_EQ(made.words.join(' ').toStdString(), GetParam().words);
    EXPECT_EQ(made.count, made.words.size());
    EXPECT_EQ(made.sample.size(), std::min<qsizetype>(made.words.size(), 6));
}

const ListRow kDictionaryListRows[] = {
    {"CommonReadingsOfThreeToFive",
     {},
     "かいしゃ たべる はしる べんきょう あかい しずか きれい ふたつ"},
    // None with the long vowel mark first, kana of both scripts or an
    // iteration mark: ーるる, しめパフェ, ことゞ.
    {"EveryReadingOfThreeToFiveAPlayerCanType",
     {false, All, Reading, 3, 5},
     "かいしゃ たべる はしる べんきょう あかい しずか きれい ふたつ すげー ぁゐゑをん "
     "らーめん"},
    {"Nouns", {true, Noun, Reading, 1, 20}, "かいしゃ べんきょう ふたつ じゅうはちばん"},
    {"VerbsButNoNounThatTakesSuru", {false, Verb, Reading, 1, 20}, "たべる はしる ゐる"},
    {"IAdjectives", {false, IAdjective, Reading, 1, 20}, "あかい すげー"},
    {"NaAdjectives", {true, NaAdjective, Reading, 1, 20}, "しずか きれい"},
    {"CommonKatakana", {true, All, Katakana, 3, 5}, "テレビ コーヒー"},
    {"EveryKatakanaWordButOnesWithADot",
     {false, All, Katakana, 1, 20},
     "テレビ コーヒー ヴァイオリン エービーシー ヵヶヰヱ"},
    {"ShortWordsOnly", {false, All, Reading, 1, 2}, "ゐる"}};
INSTANTIATE_TEST_SUITE_P(Rows, DictionaryList, testing::ValuesIn(kDictionaryListRows), kRowName);

TEST(RealDictionary, GivesListsOfSensibleSizeAndMeaningsOfEverydayWords) {
    if (!QFileInfo(records::kEdictPath).isReadable())
        GTEST_SKIP() << "Debian's edict package is not installed (no "
                     << records::kEdictPath.toStdString()
                     << "); apt-get install edict to run this test";
    QTemporaryDir cache;
    const auto index = records::DictionaryIndex::open(records::kEdictPath, cache.path());
    ASSERT_TRUE(index);

    const auto list = [&](game::DictPart part, game::DictScript script, int min, int max) {
        return game::MakeDictionaryList(*index, ListFilter{true, part, script, min, max});
    };
    const int all = list(All, Reading, 3, 8).count, verbs = list(Verb, Reading, 3, 5).count;
    EXPECT_TRUE(all >= 10000 && all <= 20000) << all;
    EXPECT_TRUE(verbs >= 200 && verbs <= 3000) << verbs;
    const game::MadeList katakana = list(All, Katakana, 3, 5);
    EXPECT_GE(katakana.count, 1000);
    EXPECT_TRUE(katakana.words.contains(QStringLiteral("コーヒー")));

    const std::pair<const char*, const char*> words[] = {
        {"りんご", "apple"}, {"会社", "company"}, {"コーヒー", "coffee"}};
    for (const auto& [word, gloss] : words) {
        const auto hit = index->lookUp(QString::fromUtf8(word));
        ASSERT_TRUE(hit) << word;
        EXPECT_TRUE(hit->glosses.join(' ').contains(QLatin1String(gloss)))
            << word << ": " << hit->glosses.join('/').toStdString();
        EXPECT_TRUE(hit->common) << word;
    }
}
