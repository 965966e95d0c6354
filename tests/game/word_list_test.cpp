#include "fakes.h"
#include "game/round.h"
#include "game/system_ports.h"
#include "game/word_list.h"
#include "records/cp932.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>

#include <random>

#include <gtest/gtest.h>

using namespace game;

namespace {

struct WordFile {
    QTemporaryDir dir;
    QString path = dir.filePath("辞書.txt");
    void write(const QByteArray& bytes) {
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes);
    }
    void write(const QString& text) { write(records::EncodeCp932(text)); }
};

// MakeQuestion over the given words.
struct Maker {
    RoundState s;
    FakeWindow w;
    FakeClock c;
    explicit Maker(const QStringList& words) {
        s.strJisyo = QStringList{QString()} + words;
        s.intWordCount = int16_t(words.size());
    }
};

} // namespace

TEST(PlayWordList, ReadsItemsInFileOrderAndAfreshOnEveryLoad) {
    WordFile file;
    file.write(QStringLiteral("あさ\r\nひる\r\nよる\r\n"));
    Maker m({});
    FakeRandom r;
    Round round(m.s, m.w, m.c, r, file.path);
    round.LoadPlayWords();
    EXPECT_EQ(m.s.intWordCount, 3);
    EXPECT_EQ(m.s.strJisyo, (QStringList{"", "あさ", "ひる", "よる"}));
    EXPECT_EQ(FillJisyoPanel(file.path).caption, "登録ワード一覧 3個");
    file.write(QStringLiteral("いぬ,ねこ\r\n"));
    round.LoadPlayWords();
    EXPECT_EQ(m.s.strJisyo, (QStringList{"", "いぬ", "ねこ"}));
    // Blank items are skipped, bare ones trimmed, quoted ones kept as they are.
    file.write(QStringLiteral("\r\n  うみ \r\n\r\n\" やま \",,かわ\nそら"));
    EXPECT_EQ(ReadWordList(file.path), (QStringList{"うみ", " やま ", "かわ", "そら"}));
    file.write(QStringLiteral("\uFEFFりんご\r\n𠮷野家\r\n").toUtf8());
    EXPECT_EQ(ReadWordList(file.path), (QStringList{"りんご", "𠮷野家"}));
}

TEST(PlayWordList, ReadsCodePage932AndUtf8WithAnyLineEnd) {
    const QStringList words{"abc", "りんご", "電車", "ｶﾀｶﾅ", "ａ"};
    for (const char* end : {"\r\n", "\n", "\r", ","}) {
        const QString text = words.join(QString::fromLatin1(end)) + QString::fromLatin1(end);
        EXPECT_EQ(ParseWordList(records::EncodeCp932(text)), words) << end;
        EXPECT_EQ(ParseWordList(text.toUtf8()), words) << end;
    }
    // Bytes that are not UTF-8 are code page 932, even where they look like it.
    EXPECT_EQ(ParseWordList(",\xEF\xBB\xBF,x"), QStringList{"x"}); // a stray byte order mark
    const QByteArray utf8A("\xE3\x81\x82");
    EXPECT_EQ(ParseWordList("\x82\xA0\r\n" + utf8A),
              (QStringList{"あ", records::DecodeCp932(utf8A)}));
}

TEST(PlayWordList, SkipsWordsNoPlayerCouldTypeAndStopsAtTheLast) {
    const QByteArray longWord(kMaxWordLength + 1, 'x');
    const QByteArray longest = records::EncodeCp932(QString(kMaxWordLength, u'あ'));
    EXPECT_EQ(ParseWordList("a\r\n" + longWord + "\r\n" + longest + ",b").size(), 3);
    EXPECT_EQ(ParseWordList(QByteArray(50 << 20, 'y') + "\r\nz"), QStringList{"z"});
    // The reading stops once it has every word it may use.
    QByteArray many;
    for (int i = 0; i < kMaxWords + 5; ++i)
        many += "w" + QByteArray::number(i) + ",";
    const QStringList read = ParseWordList(many);
    ASSERT_EQ(read.size(), kMaxWords);
    EXPECT_EQ(read.last(), "w" + QString::number(kMaxWords - 1));
}

TEST(PlayWordList, MissingListsUseTheBuiltInOneAndEmptyOnesNone) {
    WordFile file;
    const QStringList builtIn = ReadWordList(file.path);
    EXPECT_EQ(builtIn.size(), 250);
    QDir().mkdir(file.path);
    EXPECT_EQ(ReadWordList(file.path), builtIn);
    QDir().rmdir(file.path);
    file.write(QByteArray("\r\n\r\n"));
    EXPECT_EQ(FillJisyoPanel(file.path).caption, "登録ワード一覧 0個");
}

TEST(JisyoPanel, SortsKanaOfOneReadingTogether) {
    WordFile file;
    file.write(QStringLiteral("ねこ\r\nイヌ\r\nあめ\r\nうし\r\nアメ\r\nいか\r\n"));
    const QStringList words = FillJisyoPanel(file.path).words;
    EXPECT_EQ(words.mid(2), (QStringList{"いか", "イヌ", "うし", "ねこ"}));
    EXPECT_EQ(QSet<QString>(words.begin(), words.begin() + 2), (QSet<QString>{"あめ", "アメ"}));
}

TEST(MakeQuestion, DrawsAWordAndShufflesItThroughTheScratchList) {
    Maker m({"あさ", "りんご"});
    FakeRandom r;
    r.draws = {0.5, 0.9, 0.0, 0.0}; // word 2, then pieces 3, 1, 1 of the shrinking list
    Round round(m.s, m.w, m.c, r, {});
    round.MakeQuestion();
    EXPECT_EQ(m.s.strSeikai, "りんご");
    EXPECT_EQ(m.s.strMondai, "ごりん");
    EXPECT_EQ(m.w.caption["lblMondai"], "ごりん");
    EXPECT_TRUE(round.lstMojiro().isEmpty());
    EXPECT_EQ(r.reseeds, 1);
    Maker empty({}); // no words: an empty question
    Round none(empty.s, empty.w, empty.c, r, {});
    empty.s.strSeikai = "old";
    none.MakeQuestion();
    EXPECT_EQ(empty.s.strSeikai + empty.s.strMondai + empty.w.caption["lblMondai"], "");
}

TEST(MakeQuestion, EachDrawTakesThePthOfThePiecesStillIn) {
    // Against taking the pieces out of a list one by one, for words of every
    // length up to 70 and draws anywhere in [0, 1).
    std::mt19937 gen(7);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int length = 1; length <= 70; ++length) {
        QString word;
        for (int i = 0; i < length; ++i)
            word += QChar(u'ぁ' + i);
        FakeRandom r;
        r.draws = {0.0};
        for (int i = 0; i < length; ++i)
            r.draws.push_back(i % 7 == 0 ? 0.9999999 : unit(gen));
        QStringList list = SplitForShuffle(word);
        QString expected;
        for (size_t i = 1; i < r.draws.size(); ++i) {
            const int p = int(list.size() * r.draws[i]) + 1;
            expected += list.takeAt(p - 1);
        }
        Maker m({word});
        Round round(m.s, m.w, m.c, r, {});
        round.MakeQuestion();
        ASSERT_EQ(m.s.strMondai, expected) << length;
    }
}

TEST(MakeQuestion, KeepsSurrogatePairsAndCombiningMarksWhole) {
    EXPECT_EQ(SplitForShuffle(QStringLiteral("𠮷か\u3099")), (QStringList{"𠮷", "か\u3099"}));
    Maker m({QStringLiteral("𠮷野家")});
    SystemRandom r;
    Round round(m.s, m.w, m.c, r, {});
    for (int i = 0; i < 50; ++i) {
        round.MakeQuestion();
        ASSERT_TRUE(m.s.strMondai.contains(QStringLiteral("𠮷")));
    }
}

TEST(MakeQuestion, AllSixArrangementsOfRingoAreEquallyLikely) {
    Maker m({"りんご"});
    SystemRandom r;
    Round round(m.s, m.w, m.c, r, {});
    QMap<QString, int> counts;
    for (int i = 0; i < 60000; ++i) {
        round.MakeQuestion();
        ++counts[m.s.strMondai];
    }
    ASSERT_EQ(counts.size(), 6);
    for (int n : counts) // a standard deviation is about 91
        EXPECT_NEAR(n, 10000, 700);
}

TEST(SystemRandom, ReseedsWithinOneMillisecondStillDiffer) {
    SystemRandom a;
    a.Reseed();
    const double first = a.Draw();
    a.Reseed();
    EXPECT_NE(first, a.Draw());
}
