#include "../files.h"
#include "../rows.h"
#include "game/dictionary_lists.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

using game::DictPart;
using game::DictScript;
using game::ListFilter;

namespace {

// A small dictionary of our own, in file order.
const char* const kDictionary[] = {
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
    "ーる /(n) not a word/",
    "ゝゝ /(unc) marks/",
    "ＡＢ /(n) letters with no reading/(P)/",
    "ことゞ /(n) iteration mark within/",
    "らーめん /(n) noodles/",
    "壊れた行",
};

struct Dictionary {
    Folder folder;
    std::unique_ptr<records::DictionaryIndex> index;
    Dictionary() {
        QStringList lines;
        for (const char* l : kDictionary)
            lines << QString::fromUtf8(l);
        QStringEncoder enc("EUC-JP");
        folder.write("edict", enc.encode(lines.join('\n')));
        index = records::DictionaryIndex::open(folder.path("edict"), folder.path("cache"));
    }
};

ListFilter Filter(bool common, DictPart part, DictScript script, int min, int max) {
    ListFilter f;
    f.commonOnly = common;
    f.part = part;
    f.script = script;
    f.minLength = min;
    f.maxLength = max;
    return f;
}

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
    for (const QString& s : made.sample)
        EXPECT_TRUE(made.words.contains(s));
    EXPECT_EQ(made.sample.size(), std::min<qsizetype>(made.words.size(), 6));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DictionaryList,
    testing::Values(
        ListRow{"CommonReadingsOfThreeToFive", ListFilter(),
                "かいしゃ たべる はしる べんきょう あかい しずか きれい ふたつ"},
        ListRow{"EveryReadingOfThreeToFive",
                Filter(false, DictPart::All, DictScript::Reading, 3, 5),
                "かいしゃ たべる はしる べんきょう あかい しずか きれい ふたつ すげー らーめん"},
        ListRow{"Nouns", Filter(true, DictPart::Noun, DictScript::Reading, 1, 20),
                "かいしゃ べんきょう ふたつ じゅうはちばん"},
        ListRow{"VerbsButNoNounThatTakesSuru",
                Filter(false, DictPart::Verb, DictScript::Reading, 1, 20), "たべる はしる ゐる"},
        ListRow{"IAdjectives", Filter(false, DictPart::IAdjective, DictScript::Reading, 1, 20),
                "あかい すげー"},
        ListRow{"NaAdjectives", Filter(true, DictPart::NaAdjective, DictScript::Reading, 1, 20),
                "しずか きれい"},
        ListRow{"CommonKatakana", Filter(true, DictPart::All, DictScript::Katakana, 3, 5),
                "テレビ コーヒー"},
        ListRow{"EveryKatakanaWordButOnesWithADot",
                Filter(false, DictPart::All, DictScript::Katakana, 1, 20),
                "テレビ コーヒー ヴァイオリン エービーシー"},
        ListRow{"LongWordsOnly", Filter(true, DictPart::All, DictScript::Reading, 6, 7),
                "じゅうはちばん"},
        ListRow{"ShortWordsOnly", Filter(false, DictPart::All, DictScript::Reading, 1, 2), "ゐる"},
        ListRow{"BoundsCrossed", Filter(false, DictPart::All, DictScript::Reading, 5, 3), ""}),
    kRowName);

struct KanaRow {
    const char* name;
    const char* word;
    DictScript script;
    bool askable;
};

class AskableKana : public testing::TestWithParam<KanaRow> {};

TEST_P(AskableKana, AreLettersOfOneScriptAndTheLongVowelMark) {
    EXPECT_EQ(game::IsAskableKana(QString::fromUtf8(GetParam().word), GetParam().script),
              GetParam().askable);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AskableKana,
    testing::Values(KanaRow{"Hiragana", "ゐゑをんゔぁ", DictScript::Reading, true},
                    KanaRow{"HiraganaWithALongVowel", "らーめん", DictScript::Reading, true},
                    KanaRow{"ALongVowelFirst", "ーる", DictScript::Reading, false},
                    KanaRow{"IterationMark", "ことゞ", DictScript::Reading, false},
                    KanaRow{"KatakanaInAReading", "しめパフェ", DictScript::Reading, false},
                    KanaRow{"Katakana", "ヴァイオリンヵヶヰヱ", DictScript::Katakana, true},
                    KanaRow{"MiddleDot", "ア・ラ", DictScript::Katakana, false},
                    KanaRow{"RareVa", "ヷイオリン", DictScript::Katakana, false},
                    KanaRow{"HiraganaAsKatakana", "てれび", DictScript::Katakana, false},
                    KanaRow{"LatinAndDigits", "ab1", DictScript::Reading, false},
                    KanaRow{"Nothing", "", DictScript::Reading, false}),
    kRowName);

TEST(RealDictionary, GivesListsOfSensibleSizeAndMeaningsOfEverydayWords) {
    if (!QFileInfo(records::kEdictPath).isReadable())
        GTEST_SKIP() << "Debian's edict package is not installed (no "
                     << records::kEdictPath.toStdString()
                     << "); apt-get install edict to run this test";
    QTemporaryDir cache;
    const auto index = records::DictionaryIndex::open(records::kEdictPath, cache.path());
    ASSERT_TRUE(index);

    const int readings =
        game::MakeDictionaryList(*index, Filter(true, DictPart::All, DictScript::Reading, 3, 8))
            .count;
    EXPECT_GE(readings, 10000);
    EXPECT_LE(readings, 20000);
    const int verbs =
        game::MakeDictionaryList(*index, Filter(true, DictPart::Verb, DictScript::Reading, 3, 5))
            .count;
    EXPECT_GE(verbs, 200);
    EXPECT_LE(verbs, 3000);
    const game::MadeList katakana =
        game::MakeDictionaryList(*index, Filter(true, DictPart::All, DictScript::Katakana, 3, 5));
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
