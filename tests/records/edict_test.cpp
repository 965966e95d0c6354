#include "../files.h"
#include "../rows.h"
#include "records/dictionary_index.h"
#include "records/edict.h"

#include <QStringEncoder>

#include <cstring>

#include <fcntl.h>

#include <gtest/gtest.h>

using namespace records;

namespace {

// The bytes the file holds for the text.
QByteArray E(const QString& text) {
    QStringEncoder enc("EUC-JP");
    return enc.encode(text);
}

// The parts of speech as N, V, I (adjective), Na (adjective) and O (other).
QString PosName(PartsOfSpeech pos) {
    const char* all[] = {"N", "V", "I", "Na", "O"}; // the flags 1, 2, 4, 8 and 16
    QStringList names;
    for (int i = 0; i < 5; ++i)
        if (pos.testFlag(PartOfSpeech(1 << i)))
            names << all[i];
    return names.isEmpty() ? "-" : names.join('+');
}

// "heads [readings] flags / POS gloss|gloss / ...", or "none".
std::string Show(const std::optional<EdictEntry>& e) {
    if (!e)
        return "none";
    QString s = e->headwords.join(';') +
                (e->readings.isEmpty() ? "" : " [" + e->readings.join(';') + "]") +
                (e->common ? " P" : "") + (e->usuallyKana ? " uk" : "") +
                (e->irregular ? " irregular" : "");
    for (const EdictSense& sense : e->senses)
        s += " / " + PosName(sense.pos) + " " + sense.glosses.join('|');
    return s.toStdString();
}

} // namespace

struct LineRow {
    const char* name;
    QByteArray line; // EUC-JP, as the file holds it
    const char* shown;
};

class EdictLine : public testing::TestWithParam<LineRow> {};

TEST_P(EdictLine, ReadsAsTheEntryItHolds) {
    EXPECT_EQ(Show(ParseEdictLine(GetParam().line)), GetParam().shown);
}

const LineRow kEdictLineRows[] = {
    {"SeveralHeadwordsAndReadingsWithTheirTags",
     E("会社(P);會社 [かいしゃ(P);がいしゃ(ok)] /(n) (1) company/firm/(2) office/(P)/"
       "EntL1234560X/"),
     "会社;會社 [かいしゃ;がいしゃ] P irregular / N company|firm / N office"},
    {"AVerbUsuallyInKana", E("食べる [たべる] /(v1,vt) (uk) to eat/"),
     "食べる [たべる] uk / V to eat"},
    {"AFieldInBracesAndNumberedSenses",
     E("鍵 [かぎ] /(n) {comp} (1) key (to a table)/(2) lock/(P)/"),
     "鍵 [かぎ] P / N key (to a table) / N lock"},
    {"AGlossOpeningWithWordsInParenthesesKeepsThem", E("一服 [いっぷく] /(n,vs) (a) puff/rest/"),
     "一服 [いっぷく] / N+O (a) puff|rest"},
    {"EachSenseItsOwnPartOfSpeechAndAnIrregularKanjiInAGloss",
     E("赤い [あかい] /(iK) (adj-i) (1) red/(adj-na) (2) quiet/(int) (ksb:) thanks/"
       "(ctr) bundle counter/"),
     "赤い [あかい] irregular / I red / Na quiet / O thanks / O bundle counter"},
    {"APWithinAGlossMarksNothing", E("リン /(n) phosphorus (P)/"), "リン / N phosphorus (P)"},
    {"ACarriageReturnIsNoPartOfTheLine", E("猫 [ねこ] /(n) cat/\r"), "猫 [ねこ] / N cat"},
    {"ALineWithoutItsLastSlashStillReads", E("猫 [ねこ] /(n) cat"), "猫 [ねこ] / N cat"},
    // A bad byte becomes one U+FFFD, and the rest of the line reads.
    {"ANulInAHeadword", QByteArray("\xa4\xcd\0\xa4\xb3 /(n) cat/", 15), "ね\uFFFDこ / N cat"},
    {"TheHeader", E("　？？？ /EDICT test header/Copyright nobody/"), "none"},
    {"NoGloss", E("４° [しど] /"), "none"},
    {"AnUnclosedReading", E("猫 [ねこ /(n) cat/"), "none"},
    // No headword to show for it.
    {"NoHeadword", E(" [ねこ] /(n) cat/"), "none"},
    {"Blanks", "   \r", "none"}};
INSTANTIATE_TEST_SUITE_P(Rows, EdictLine, testing::ValuesIn(kEdictLineRows), kRowName);

TEST(EucJp, EachByteThatStartsNoCharacterIsOneReplacement) {
    const std::pair<QByteArray, QString> rows[] = {
        {"a\xa4\xa2\x8e\xb1", "aあｱ"},
        {"T\x8f\xab\xd7ky\x8f\xab\xd7", "Tōkyō"}, // JIS X 0212
        {"\xa2\xaf", "\uFFFD"},                   // a pair the JIS table leaves empty
        {"\x8f\xa2", "\uFFFD\uFFFD"},             // a three-byte character cut short
        {"a\xa4", "a\uFFFD"},                     // a lead byte at the end
        {"\x80\xff\x1a\x7f", "\uFFFD\uFFFD\uFFFD\uFFFD"},
    };
    for (const auto& [bytes, text] : rows)
        EXPECT_EQ(DecodeEucJp(bytes), text) << bytes.toHex().toStdString();
}

// ---- the index ----

namespace {

// A small dictionary of our own, in file order.
const QStringList kDictionary = {
    "　？？？ /TEST DICTIONARY/for the index/",
    "端 [はし] /(n) (1) end/edge/(2) beginning/",
    "橋 [はし] /(n) bridge/(P)/",
    "箸 [はし] /(n) chopsticks/(P)/",
    "嘴 [はし] /(n) (uk) beak/",
    "在る [ある] /(v5r-i) to exist/(P)/",
    "有る [ある] /(v5r-i) (uk) to be/to have/(P)/",
    "生 [せい] /(n) life/",
    "生 [なま] /(n) (uk) raw/",
    "寝子 [ねこ] /(iK) (n) sleeper/",
    "猫 [ねこ] /(n) cat/",
    "林檎 [りんご] /(n) (uk) apple/(P)/",
    "珈琲 [コーヒー] /(n) (uk) coffee/(P)/",
    "会社(P);會社 [かいしゃ] /(n) (1) company/firm/(2) office/(P)/",
    "会者 [かいしゃ] /(n) attendee/",
    "ありがとう /(int) thank you/(P)/",
};

// "written [reading] gloss|gloss +more =same", or "none".
std::string Show(const std::optional<DictionaryHit>& h) {
    return !h ? "none"
              : QString("%1 [%2] %3 +%4 =%5")
                    .arg(h->written, h->reading, h->glosses.join('|'))
                    .arg(h->moreSenses)
                    .arg(h->sameReading)
                    .toStdString();
}

struct IndexFolder : Folder {
    QString dictionary = path("edict");
    QString cache = path("cache");
    explicit IndexFolder(const QStringList& lines = kDictionary) {
        write("edict", E(lines.join('\n') + '\n'));
    }
    std::unique_ptr<DictionaryIndex> open(DictionaryIndex::OpenReport* r = nullptr) const {
        return DictionaryIndex::open(dictionary, cache, r);
    }
    // How the cache served, whether a new one was saved, where the index
    // lives, and what the word gives.
    std::string reopen(const char16_t* word = u"猫", const QString& in = "cache") const {
        DictionaryIndex::OpenReport r;
        const auto index = DictionaryIndex::open(dictionary, in.isEmpty() ? in : path(in), &r);
        const char* how[] = {"used", "missing", "stale", "damaged"};
        if (!index)
            return "no index";
        return std::string(how[int(r.cache)]) + (r.saved ? " saved" : "") +
               (index->inMemory() ? " in memory: " : ": ") + Show(index->lookUp(word));
    }
};

} // namespace

struct LookUpRow {
    const char* name;
    const char* word;
    const char* hit;
};

class DictionaryLookUp : public testing::TestWithParam<LookUpRow> {};

TEST_P(DictionaryLookUp, FindsTheEntryALearnerMeans) {
    static const IndexFolder folder;
    static const std::unique_ptr<DictionaryIndex> index = folder.open();
    ASSERT_TRUE(index);
    EXPECT_EQ(Show(index->lookUp(QString::fromUtf8(GetParam().word))), GetParam().hit);
}

const LookUpRow kDictionaryLookUpRows[] = {
    {"CommonFirstThenFileOrder", "はし", "橋 [はし] bridge +0 =3"},
    {"UsuallyKanaNextForAWordInKana", "ある", "有る [ある] to be|to have +0 =1"},
    {"UsuallyKanaCountsNothingForAWordInKanji", "生", "生 [せい] life +0 =0"},
    {"AReadingFindsItsOwnEntry", "なま", "生 [なま] raw +0 =0"},
    {"RegularWritingBeforeIrregular", "ねこ", "猫 [ねこ] cat +0 =1"},
    {"KanjiGiveTheirReading", "会社", "会社 [かいしゃ] company|firm +1 =1"},
    {"ASecondHeadwordFindsTheEntry", "會社", "会社 [かいしゃ] company|firm +1 =1"},
    {"KanaGiveTheKanjiForm", "かいしゃ", "会社 [かいしゃ] company|firm +1 =1"},
    {"KatakanaNoEntryHasAreTriedInHiragana", "リンゴ", "林檎 [りんご] apple +0 =0"},
    {"AWordInKanaAlone", "ありがとう", "ありがとう [ありがとう] thank you +0 =0"},
    {"BlanksAroundTheWord", " 猫 ", "猫 [ねこ] cat +0 =1"},
    {"AWordNoEntryHas", "いぬ", "none"},
    {"APartOfAWord", "会", "none"}};
INSTANTIATE_TEST_SUITE_P(Rows, DictionaryLookUp, testing::ValuesIn(kDictionaryLookUpRows),
                         kRowName);

TEST(DictionaryIndexCache, IsUsedUntilTheDictionaryChangesAndThenRebuilt) {
    IndexFolder f;
    EXPECT_EQ(f.reopen(), "missing saved: 猫 [ねこ] cat +0 =1");
    EXPECT_EQ(f.reopen(), "used: 猫 [ねこ] cat +0 =1");

    // Same size, new content, and the old time put back to the nanosecond:
    // only the content tells.
    const QByteArray name = f.dictionary.toLocal8Bit();
    struct stat before {};
    ASSERT_EQ(stat(name.constData(), &before), 0);
    f.write("edict", E(kDictionary.join('\n').replace("/(n) cat/", "/(n) dog/") + '\n'));
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, name.constData(), times, 0), 0);
    EXPECT_EQ(f.reopen(), "stale saved: 猫 [ねこ] dog +0 =1");

    // An index of another format version.
    QByteArray bytes = f.read("cache/edict.index");
    bytes[8] = char(DictionaryIndex::kFormatVersion + 1);
    ResealDictionaryIndex(bytes);
    f.write("cache/edict.index", bytes);
    EXPECT_EQ(f.reopen(), "stale saved: 猫 [ねこ] dog +0 =1");
}

TEST(DictionaryIndexCache, ThatIsDamagedIsNeverTrustedButRebuilt) {
    IndexFolder f;
    ASSERT_TRUE(f.open());
    const QByteArray sound = f.read("cache/edict.index");
    const std::pair<const char*, std::function<void(QByteArray&)>> damage[] = {
        {"truncated", [](QByteArray& b) { b.truncate(b.size() / 2); }},
        {"one byte changed", [](QByteArray& b) { b[b.size() / 2] ^= 0x40; }},
        {"empty", [](QByteArray& b) { b.clear(); }},
        // Counts that would place the sections past the end, checksum and
        // all: 65536 postings more.
        {"counts beyond the file", [](QByteArray& b) { ++b[50], ResealDictionaryIndex(b); }}};
    for (const auto& [name, change] : damage) {
        QByteArray bytes = sound;
        change(bytes);
        f.write("cache/edict.index", bytes);
        EXPECT_EQ(f.reopen(u"はし"), "damaged saved: 橋 [はし] bridge +0 =3") << name;
        EXPECT_EQ(f.read("cache/edict.index"), sound) << name;
    }
}

TEST(DictionaryIndexCache, ThatLeadsAWordToAnotherLineGivesNoAnswerForIt) {
    // Every posting led to the line of 猫, checksum and all, as words that
    // share a bucket and a fingerprint lead to each other's lines.
    IndexFolder f;
    ASSERT_TRUE(f.open());
    QByteArray bytes = f.read("cache/edict.index");
    quint32 postings = 0, buckets = 0;
    std::memcpy(&postings, bytes.constData() + 48, 4);
    std::memcpy(&buckets, bytes.constData() + 52, 4);
    const qsizetype at = 72 + ((qsizetype(buckets) + 1) * 4 + 7) / 8 * 8;
    const auto cat = quint32(f.read("edict").indexOf(E("猫 [ねこ]")));
    for (quint32 i = 0; i < postings; ++i)
        std::memcpy(bytes.data() + at + 4 * i, &cat, 4);
    ResealDictionaryIndex(bytes);
    f.write("cache/edict.index", bytes);
    const auto index = f.open();
    ASSERT_TRUE(index);
    for (const char16_t* word : {u"はし", u"端", u"ある", u"生", u"會社", u"かいしゃ", u"林檎"})
        EXPECT_EQ(Show(index->lookUp(word)), "none") << QString::fromUtf16(word).toStdString();
    EXPECT_EQ(f.reopen(u"ねこ"), "used: 猫 [ねこ] cat +0 =0");
}

TEST(DictionaryIndexCache, AFolderThatCannotBeWrittenStillAnswersFromMemory) {
    IndexFolder f;
    f.write("file", "not a folder");
    EXPECT_EQ(f.reopen(u"猫", "file"), "missing in memory: 猫 [ねこ] cat +0 =1");

    // No folder given: not the current folder either.
    const QString old = QDir::currentPath();
    QDir::setCurrent(f.path(""));
    EXPECT_EQ(f.reopen(u"猫", ""), "missing in memory: 猫 [ねこ] cat +0 =1");
    QDir::setCurrent(old);
    EXPECT_FALSE(f.exists("edict.index"));

    QDir().mkpath(f.cache);
    const std::optional<bool> locked = InLockedFolder(f.cache, f.dictionary, [&f] {
        return f.reopen(u"林檎") == "missing in memory: 林檎 [りんご] apple +0 =0";
    });
    if (!locked)
        GTEST_SKIP() << "no user to lock the folder against";
    EXPECT_TRUE(*locked);
    EXPECT_FALSE(f.exists("cache/edict.index"));
}

TEST(DictionaryIndex, IsNoneWithoutADictionaryAndEmptyForAnEmptyOne) {
    IndexFolder f;
    EXPECT_FALSE(DictionaryIndex::open(f.path("missing"), f.cache));
    EXPECT_FALSE(DictionaryIndex::open(f.cache + "/..", f.cache)); // a folder
    f.write("empty", "");
    const auto index = DictionaryIndex::open(f.path("empty"), f.cache);
    ASSERT_TRUE(index);
    EXPECT_EQ(index->entryCount(), 0);
    EXPECT_FALSE(index->lookUp(u"猫"));
}
