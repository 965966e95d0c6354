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
        // None with the long vowel mark first, kana of both scripts or an
        // iteration mark: ーるる, しめパフェ, ことゞ.
        ListRow{"EveryReadingOfThreeToFiveAPlayerCanType",
                Filter(false, DictPart::All, DictScript::Reading, 3, 5),
                "かいしゃ たべる はしる べんきょう あかい しずか きれい ふたつ すげー ぁゐゑをん "
                "らーめん"},
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
                "テレビ コーヒー ヴァイオリン エービーシー ヵヶヰヱ"},
        ListRow{"LongWordsOnly", Filter(true, DictPart::All, DictScript::Reading, 6, 7),
                "じゅうはちばん"},
        ListRow{"ShortWordsOnly", Filter(false, DictPart::All, DictScript::Reading, 1, 2), "ゐる"}),
    kRowName);

// Kana that EUC-JP cannot hold, so that no dictionary line brings them.
TEST(AskableKana, ReachTheEndsOfTheKanaBlocksButNoRareVa) {
    EXPECT_TRUE(game::IsAskableKana(u"ゔぁゖ", DictScript::Reading));
    EXPECT_FALSE(game::IsAskableKana(u"ヷイオリン", DictScript::Katakana));
    EXPECT_FALSE(game::IsAskableKana(u"", DictScript::Reading));
}

TEST(RealDictionary, GivesListsOfSensibleSizeAndMeaningsOfEverydayWords) {
    if (!QFileInfo(records::kEdictPath).isReadable())
        GTEST_SKIP() << "Debian's edict package is not installed (no "
                     << records::kEdictPath.toStdString()
                     << "); apt-get install edict to run this test";
    QTemporaryDir cache;
    const auto index = records::DictionaryIndex::open(records::kEdictPath, cache.path());
    ASSERT_TRUE(index);

    const auto count = [&](DictPart part, DictScript script, int min, int max) {
        return game::MakeDictionaryList(*index, Filter(true, part, script, min, max)).count;
    };
    EXPECT_GE(count(DictPart::All, DictScript::Reading, 3, 8), 10000);
    EXPECT_LE(count(DictPart::All, DictScript::Reading, 3, 8), 20000);
    EXPECT_GE(count(DictPart::Verb, DictScript::Reading, 3, 5), 200);
    EXPECT_LE(count(DictPart::Verb, DictScript::Reading, 3, 5), 3000);
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
