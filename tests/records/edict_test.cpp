#include "../files.h"
#include "../rows.h"
#include "records/dictionary_index.h"
#include "records/edict.h"

#include <QStringEncoder>

#include <cstring>
#include <fcntl.h>

#include <gtest/gtest.h>

using namespace records;
using Cache = DictionaryIndex::OpenReport::Cache;

namespace {

QString PosName(PartsOfSpeech pos) {
    QStringList names;
    const std::pair<PartOfSpeech, const char*> all[] = {{PartOfSpeech::Noun, "N"},
                                                        {PartOfSpeech::Verb, "V"},
                                                        {PartOfSpeech::IAdjective, "I"},
                                                        {PartOfSpeech::NaAdjective, "Na"},
                                                        {PartOfSpeech::Other, "O"}};
    for (const auto& [flag, name] : all)
        if (pos.testFlag(flag))
            names << name;
    return names.isEmpty() ? "-" : names.join('+');
}

// "heads [readings] flags #sequence / POS(tags) gloss|gloss / ...", or "none".
std::string Show(const std::optional<EdictEntry>& e) {
    if (!e)
        return "none";
    QString s = e->headwords.join(';');
    if (!e->readings.isEmpty())
        s += " [" + e->readings.join(';') + "]";
    if (e->common)
        s += " P";
    if (e->usuallyKana)
        s += " uk";
    if (e->irregular)
        s += " irregular";
    if (e->sequence)
        s += " #" + QString::number(e->sequence);
    for (const EdictSense& sense : e->senses)
        s += " / " + PosName(sense.pos) + "(" + sense.tags.join(',') + ") " +
             sense.glosses.join('|');
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

INSTANTIATE_TEST_SUITE_P(
    Rows, EdictLine,
    testing::Values(
        // 会社(P);會社 [かいしゃ(P);がいしゃ(ok)] /(n) (1) company/firm/(2)
        // office/(P)/EntL1234560X/
        LineRow{"SeveralHeadwordsAndReadingsWithTheirTags",
                "\xb2\xf1\xbc\xd2(P);\xd0\xf2\xbc\xd2 [\xa4\xab\xa4\xa4\xa4\xb7\xa4\xe3(P);\xa4"
                "\xac\xa4\xa4\xa4\xb7\xa4\xe3(ok)] /(n) (1) company/firm/(2) office/(P)/"
                "EntL1234560X/",
                "会社;會社 [かいしゃ;がいしゃ] P irregular #1234560 / N(n) company|firm / N() "
                "office"},
        // 食べる [たべる] /(v1,vt) (uk) to eat/
        LineRow{"AVerbUsuallyInKana",
                "\xbf\xa9\xa4\xd9\xa4\xeb [\xa4\xbf\xa4\xd9\xa4\xeb] /(v1,vt) (uk) to eat/",
                "食べる [たべる] uk / V(v1,vt,uk) to eat"},
        // 鍵 [かぎ] /(n) {comp} (1) key (to a table)/(2) lock/(P)/
        LineRow{"AFieldInBracesAndNumberedSenses",
                "\xb8\xb0 [\xa4\xab\xa4\xae] /(n) {comp} (1) key (to a table)/(2) lock/(P)/",
                "鍵 [かぎ] P / N(n,comp) key (to a table) / N() lock"},
        // 一服 [いっぷく] /(n,vs) (a) puff/rest/
        LineRow{"AGlossOpeningWithWordsInParenthesesKeepsThem",
                "\xb0\xec\xc9\xfe [\xa4\xa4\xa4\xc3\xa4\xd7\xa4\xaf] /(n,vs) (a) puff/rest/",
                "一服 [いっぷく] / N+O(n,vs) (a) puff|rest"},
        // 赤い [あかい] /(iK) (adj-i) red/
        LineRow{"AnIrregularKanjiAdjective",
                "\xc0\xd6\xa4\xa4 [\xa4\xa2\xa4\xab\xa4\xa4] /(iK) (adj-i) red/",
                "赤い [あかい] irregular / I(iK,adj-i) red"},
        // 静か [しずか] /(adj-na) quiet/
        LineRow{"ANaAdjective", "\xc0\xc5\xa4\xab [\xa4\xb7\xa4\xba\xa4\xab] /(adj-na) quiet/",
                "静か [しずか] / Na(adj-na) quiet"},
        // リン /(n) phosphorus (P)/
        LineRow{"APWithinAGlossMarksNothing", "\xa5\xea\xa5\xf3 /(n) phosphorus (P)/",
                "リン / N(n) phosphorus (P)"},
        // おおきに /(int) (ksb:) thank you/
        LineRow{"ADialect", "\xa4\xaa\xa4\xaa\xa4\xad\xa4\xcb /(int) (ksb:) thank you/",
                "おおきに / O(int,ksb:) thank you"},
        // 締め [しめ] /(n) (1) tie/(ctr) (2) bundle counter/
        LineRow{"APartOfSpeechForEachSense",
                "\xc4\xf9\xa4\xe1 [\xa4\xb7\xa4\xe1] /(n) (1) tie/(ctr) (2) bundle counter/",
                "締め [しめ] / N(n) tie / O(ctr) bundle counter"},
        // 東京 [とうきょう] /(n) Tōkyō/, its ō from JIS X 0212.
        LineRow{"ThreeByteCharacters",
                "\xc5\xec\xb5\xfe [\xa4\xc8\xa4\xa6\xa4\xad\xa4\xe7\xa4\xa6] /(n) T\x8f\xab\xd7ky"
                "\x8f\xab\xd7/",
                "東京 [とうきょう] / N(n) Tōkyō"},
        LineRow{"HalfWidthKana", "\x8e\xb6\x8e\xc5 /(n) kana/", "ｶﾅ / N(n) kana"},
        LineRow{"ACarriageReturnIsNoPartOfTheLine", "\xc7\xad [\xa4\xcd\xa4\xb3] /(n) cat/\r",
                "猫 [ねこ] / N(n) cat"},
        LineRow{"ALineWithoutItsLastSlashStillReads", "\xc7\xad [\xa4\xcd\xa4\xb3] /(n) cat",
                "猫 [ねこ] / N(n) cat"},
        // Bad bytes each become one U+FFFD, and the rest of the line reads.
        LineRow{"AnInvalidByteInAGloss",
                "\xc7\xad [\xa4\xcd\xa4\xb3] /(n) c\xff"
                "at/",
                "猫 [ねこ] / N(n) c\uFFFDat"},
        LineRow{"ANulInAHeadword", QByteArray("\xa4\xcd\0\xa4\xb3 /(n) cat/", 15),
                "ね\uFFFDこ / N(n) cat"},
        LineRow{"AHalfCharacterBeforeABlank", "\xa4\xcd\xa4 /(n) cat/", "ね\uFFFD / N(n) cat"},
        LineRow{"AHalfCharacterAtTheEnd", "\xa4\xcd\xa4\xb3 /(n) cat/\xa4",
                "ねこ / N(n) cat|\uFFFD"},
        // 　？？？ /EDICT test header/Copyright nobody/
        LineRow{"TheHeader",
                "\xa1\xa1\xa1\xa9\xa1\xa9\xa1\xa9 /EDICT test header/Copyright nobody/", "none"},
        // ４° [しど] /
        LineRow{"NoGloss", "\xa3\xb4\xa1\xeb [\xa4\xb7\xa4\xc9] /", "none"},
        LineRow{"OnlyASequenceNumber", "\xa4\xcd\xa4\xb3 /EntL1000X/", "none"},
        LineRow{"NoSlash", "\xb2\xf1\xbc\xd2 [\xa4\xab\xa4\xa4\xa4\xb7\xa4\xe3] company", "none"},
        LineRow{"AnUnclosedReading", "\xc7\xad [\xa4\xcd\xa4\xb3 /(n) cat/", "none"},
        LineRow{"AnEmptyReading", "\xc7\xad [] /(n) cat/", "none"},
        LineRow{"ABlankWithinAHeadword",
                "\xb2\xf1 \xbc\xd2 [\xa4\xab\xa4\xa4\xa4\xb7\xa4\xe3] /(n) company/", "none"},
        LineRow{"NoHeadword", " [\xa4\xcd\xa4\xb3] /(n) cat/", "none"},
        LineRow{"Empty", "", "none"}, LineRow{"Blanks", "   \r", "none"}),
    kRowName);

TEST(EucJp, EachByteThatStartsNoCharacterIsOneReplacement) {
    const std::pair<QByteArray, QString> rows[] = {
        {"a\xa4\xa2\x8e\xb1", "aあｱ"},
        {"\xa2\xaf", "\uFFFD"},       // a pair the JIS table leaves empty
        {"\x8f\xa2", "\uFFFD\uFFFD"}, // a three-byte character cut short
        {"\xa4\x41", "\uFFFDA"},      // a lead byte before ASCII
        {"\x80\xff\x1a\x7f", "\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"a\tb", "a\tb"},
    };
    for (const auto& [bytes, text] : rows)
        EXPECT_EQ(DecodeEucJp(bytes), text) << bytes.toHex().toStdString();
}

// ---- the index ----

namespace {

// A small dictionary of our own, in file order.
const char* const kDictionary[] = {
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

QByteArray Euc(const QStringList& lines) {
    QStringEncoder enc("EUC-JP");
    return enc.encode(lines.join('\n') + '\n');
}

QStringList Lines() {
    QStringList lines;
    for (const char* l : kDictionary)
        lines << QString::fromUtf8(l);
    return lines;
}

// "written [reading] gloss|gloss +more =same", or "none".
std::string Show(const std::optional<DictionaryHit>& h) {
    if (!h)
        return "none";
    return QString("%1 [%2] %3 +%4 =%5")
        .arg(h->written, h->reading, h->glosses.join('|'))
        .arg(h->moreSenses)
        .arg(h->sameReading)
        .toStdString();
}

struct IndexFolder : Folder {
    QString dictionary = path("edict");
    QString cache = path("cache");
    QString cacheFile = path("cache/edict.index");
    explicit IndexFolder(const QStringList& lines = Lines()) { write("edict", Euc(lines)); }
    std::unique_ptr<DictionaryIndex> open(DictionaryIndex::OpenReport* r = nullptr,
                                          const QString& in = QString()) const {
        return DictionaryIndex::open(dictionary, in.isEmpty() ? cache : in, r);
    }
};

} // namespace

struct LookUpRow {
    const char* name;
    const char* word;
    const char* hit;
};

class DictionaryLookUp : public testing::TestWithParam<LookUpRow> {
protected:
    static void SetUpTestSuite() {
        folder = new IndexFolder;
        index = folder->open().release();
    }
    static void TearDownTestSuite() {
        delete index;
        delete folder;
    }
    static inline IndexFolder* folder = nullptr;
    static inline DictionaryIndex* index = nullptr;
};

TEST_P(DictionaryLookUp, FindsTheEntryALearnerMeans) {
    ASSERT_TRUE(index);
    EXPECT_EQ(Show(index->lookUp(QString::fromUtf8(GetParam().word))), GetParam().hit);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DictionaryLookUp,
    testing::Values(
        LookUpRow{"CommonFirstThenFileOrder", "はし", "橋 [はし] bridge +0 =3"},
        LookUpRow{"UsuallyKanaNextForAWordInKana", "ある", "有る [ある] to be|to have +0 =1"},
        LookUpRow{"UsuallyKanaCountsNothingForAWordInKanji", "生", "生 [せい] life +0 =0"},
        LookUpRow{"AReadingFindsItsOwnEntry", "なま", "生 [なま] raw +0 =0"},
        LookUpRow{"RegularWritingBeforeIrregular", "ねこ", "猫 [ねこ] cat +0 =1"},
        LookUpRow{"KanjiGiveTheirReading", "会社", "会社 [かいしゃ] company|firm +1 =1"},
        LookUpRow{"ASecondHeadwordFindsTheEntry", "會社", "会社 [かいしゃ] company|firm +1 =1"},
        LookUpRow{"KanaGiveTheKanjiForm", "かいしゃ", "会社 [かいしゃ] company|firm +1 =1"},
        LookUpRow{"AKatakanaReading", "コーヒー", "珈琲 [コーヒー] coffee +0 =0"},
        LookUpRow{"KatakanaNoEntryHasAreTriedInHiragana", "リンゴ", "林檎 [りんご] apple +0 =0"},
        LookUpRow{"AWordInKanaAlone", "ありがとう", "ありがとう [ありがとう] thank you +0 =0"},
        LookUpRow{"BlanksAroundTheWord", " 猫 ", "猫 [ねこ] cat +0 =1"},
        LookUpRow{"AWordNoEntryHas", "いぬ", "none"}, LookUpRow{"Nothing", "", "none"},
        LookUpRow{"APartOfAWord", "会", "none"}, LookUpRow{"TheHeader", "？？？", "none"}),
    kRowName);

TEST(DictionaryIndexCache, IsUsedUntilTheDictionaryChangesAndThenRebuilt) {
    IndexFolder f;
    DictionaryIndex::OpenReport r;
    ASSERT_TRUE(f.open(&r));
    EXPECT_EQ(r.cache, Cache::Missing);
    EXPECT_TRUE(r.saved);
    auto index = f.open(&r);
    ASSERT_TRUE(index);
    EXPECT_EQ(r.cache, Cache::Used);
    EXPECT_FALSE(r.saved);
    EXPECT_FALSE(index->inMemory());
    EXPECT_EQ(Show(index->lookUp(u"猫")), "猫 [ねこ] cat +0 =1");

    // Same size, new content, and the old time put back to the nanosecond:
    // only the content tells.
    const QByteArray name = f.dictionary.toLocal8Bit();
    struct stat before {};
    ASSERT_EQ(stat(name.constData(), &before), 0);
    QStringList lines = Lines();
    lines.replaceInStrings("/(n) cat/", "/(n) dog/");
    f.write("edict", Euc(lines));
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, name.constData(), times, 0), 0);
    index = f.open(&r);
    ASSERT_TRUE(index);
    EXPECT_EQ(r.cache, Cache::Stale);
    EXPECT_TRUE(r.saved);
    EXPECT_EQ(Show(index->lookUp(u"猫")), "猫 [ねこ] dog +0 =1");

    // The same bytes with a new time.
    QFile file(f.dictionary);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) &&
                file.setFileTime(QDateTime::currentDateTime().addSecs(60),
                                 QFileDevice::FileModificationTime));
    file.close();
    index = f.open(&r);
    EXPECT_EQ(r.cache, Cache::Stale);
    EXPECT_TRUE(f.open(&r));
    EXPECT_EQ(r.cache, Cache::Used);

    // An index of another format version.
    QByteArray bytes = f.read("cache/edict.index");
    bytes[8] = char(DictionaryIndex::kFormatVersion + 1);
    ResealDictionaryIndex(bytes);
    f.write("cache/edict.index", bytes);
    index = f.open(&r);
    EXPECT_EQ(r.cache, Cache::Stale);
    EXPECT_EQ(Show(index->lookUp(u"猫")), "猫 [ねこ] dog +0 =1");
}

struct DamageRow {
    const char* name;
    std::function<QByteArray(QByteArray)> damage;
};

class DamagedCache : public testing::TestWithParam<DamageRow> {};

TEST_P(DamagedCache, IsNeverTrustedButRebuilt) {
    IndexFolder f;
    ASSERT_TRUE(f.open());
    const QByteArray sound = f.read("cache/edict.index");
    f.write("cache/edict.index", GetParam().damage(sound));
    DictionaryIndex::OpenReport r;
    auto index = f.open(&r);
    ASSERT_TRUE(index);
    EXPECT_EQ(r.cache, Cache::Damaged);
    EXPECT_TRUE(r.saved);
    EXPECT_EQ(Show(index->lookUp(u"はし")), "橋 [はし] bridge +0 =3");
    EXPECT_EQ(f.read("cache/edict.index"), sound);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DamagedCache,
    testing::Values(DamageRow{"Truncated", [](QByteArray b) { return b.left(b.size() / 2); }},
                    DamageRow{"OneByteChanged",
                              [](QByteArray b) {
                                  b[b.size() / 2] = char(b[b.size() / 2] ^ 0x40);
                                  return b;
                              }},
                    DamageRow{"OneByteMore", [](QByteArray b) { return b + '\0'; }},
                    DamageRow{"Empty", [](QByteArray) { return QByteArray(); }},
                    DamageRow{"Foreign", [](QByteArray b) { return QByteArray(b.size(), 'x'); }},
                    DamageRow{"HeaderOnly", [](QByteArray b) { return b.left(72); }},
                    // Counts that would place the sections past the end, checksum and all.
                    DamageRow{"CountsBeyondTheFile",
                              [](QByteArray b) {
                                  b[50] = char(b[50] + 1); // 65536 postings more
                                  ResealDictionaryIndex(b);
                                  return b;
                              }}),
    kRowName);

TEST(DamagedCache, ThatPassesItsChecksumStillAnswersNothingWrong) {
    // Every posting led to the line of 猫, or into its middle: look-ups check
    // each line they are led to.
    IndexFolder f;
    ASSERT_TRUE(f.open());
    const QByteArray sound = f.read("cache/edict.index");
    quint32 postings = 0, buckets = 0;
    std::memcpy(&postings, sound.constData() + 48, 4);
    std::memcpy(&buckets, sound.constData() + 52, 4);
    const qsizetype at = 72 + ((qsizetype(buckets) + 1) * 4 + 7) / 8 * 8;
    const auto cat = quint32(f.read("edict").indexOf(Euc({"猫 [ねこ]"}).chopped(1)));
    for (const quint32 offset : {cat, cat + 1}) {
        QByteArray bytes = sound;
        for (quint32 i = 0; i < postings; ++i)
            std::memcpy(bytes.data() + at + 4 * i, &offset, 4);
        ResealDictionaryIndex(bytes);
        f.write("cache/edict.index", bytes);
        DictionaryIndex::OpenReport r;
        auto index = f.open(&r);
        ASSERT_TRUE(index);
        EXPECT_EQ(r.cache, Cache::Used);
        for (const QString& line : Lines())
            for (const QString& word : line.section(' ', 0, 0).split(';') +
                                           QStringList{line.section('[', 1).section(']', 0, 0)})
                if (const auto hit = index->lookUp(word)) {
                    EXPECT_TRUE(offset == cat && (word == "猫" || word == "ねこ"))
                        << word.toStdString() << " " << Show(hit);
                }
        EXPECT_EQ(Show(index->lookUp(u"ねこ")), offset == cat ? "猫 [ねこ] cat +0 =0" : "none");
    }
}

TEST(DictionaryIndexCache, AFolderThatCannotBeWrittenStillAnswersFromMemory) {
    IndexFolder f;
    f.write("file", "not a folder");
    DictionaryIndex::OpenReport r;
    auto index = f.open(&r, f.path("file"));
    ASSERT_TRUE(index);
    EXPECT_FALSE(r.saved);
    EXPECT_TRUE(index->inMemory());
    EXPECT_EQ(Show(index->lookUp(u"猫")), "猫 [ねこ] cat +0 =1");

    // No folder given: not the current folder either.
    const QString old = QDir::currentPath();
    QDir::setCurrent(f.path(""));
    index = DictionaryIndex::open(f.dictionary, QString(), &r);
    QDir::setCurrent(old);
    ASSERT_TRUE(index);
    EXPECT_TRUE(index->inMemory());
    EXPECT_FALSE(r.saved || f.exists("edict.index"));

    QDir().mkpath(f.cache);
    const std::optional<bool> locked = InLockedFolder(f.cache, f.dictionary, [&f] {
        DictionaryIndex::OpenReport lockedReport;
        auto inMemory = f.open(&lockedReport);
        return inMemory && !lockedReport.saved && inMemory->inMemory() &&
               Show(inMemory->lookUp(u"林檎")) == "林檎 [りんご] apple +0 =0";
    });
    if (!locked)
        GTEST_SKIP() << "no user to lock the folder against";
    EXPECT_TRUE(*locked);
    EXPECT_FALSE(f.exists("cache/edict.index"));
}

TEST(DictionaryIndexCache, NoDictionaryNoIndex) {
    IndexFolder f;
    EXPECT_FALSE(DictionaryIndex::open(f.path("missing"), f.cache));
    EXPECT_FALSE(DictionaryIndex::open(f.cache + "/..", f.cache)); // a folder
    f.write("empty", "");
    auto empty = DictionaryIndex::open(f.path("empty"), f.cache);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->entryCount(), 0);
    EXPECT_FALSE(empty->lookUp(u"猫"));
}

TEST(DictionaryIndexEntries, GiveEachEntryInFileOrderWithWhatFiltersNeed) {
    IndexFolder f({"会社 [かいしゃ] /(n) company/(P)/", "broken line", "テレビ /(n) television/",
                   "食べる [たべる] /(v1,vt) (uk) to eat/", "ＡＢＣ /(n) the letters/",
                   "会者 [かいしゃ] /(iK) (n) attendee/"});
    auto index = f.open();
    ASSERT_TRUE(index);
    QStringList shown;
    for (qsizetype i = 0; i < index->entryCount(); ++i) {
        const IndexedEntry e = index->entry(i);
        shown << QString("%1:%2:%3%4%5%6:%7")
                     .arg(index->reading(e.reading))
                     .arg(index->readingLength(e.reading))
                     .arg(int(e.headword))
                     .arg(e.common ? "P" : "")
                     .arg(e.usuallyKana ? "uk" : "")
                     .arg(e.irregular ? "i" : "")
                     .arg(PosName(e.pos));
    }
    // Scripts: 0 kanji, 1 hiragana, 2 katakana, 3 other.
    EXPECT_EQ(shown.join(' '),
              "かいしゃ:4:0P:N テレビ:3:2:N たべる:3:0uk:V :0:3:N かいしゃ:4:0i:N");
    EXPECT_EQ(index->readingCount(), 3);
}
