#include "fakes.h"
#include "game/round.h"
#include "game/word_list.h"
#include "records/cp932.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace game;

TEST(PlayWordList, ReadsCodePage932AndUtf8WithAnyLineEnd) {
    const QStringList words{"abc", "りんご", "電車", "ｶﾀｶﾅ", "ａ", "𠮷野家"};
    for (const char* end : {"\r\n", "\n", "\r", ","}) {
        const QString text = words.join(QString::fromLatin1(end)) + QString::fromLatin1(end);
        EXPECT_EQ(ParseWordList(records::EncodeCp932(text)), words.mid(0, 5) << "?野家") << end;
        EXPECT_EQ(ParseWordList("\xEF\xBB\xBF" + text.toUtf8()), words) << end;
    }
    // Blank items are skipped, bare ones trimmed, quoted ones kept as they are.
    EXPECT_EQ(ParseWordList("\r\n  umi \r\n\r\n\" yama \",,kawa\nsora"),
              (QStringList{"umi", " yama ", "kawa", "sora"}));
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

TEST(PlayWordList, IsReadAfreshAtEveryStartAndMissingListsUseTheBuiltInOne) {
    Folder f;
    RoundState s;
    FakeWindow w;
    FakeClock c;
    FakeRandom r;
    Round round(s, w, c, r, f.path("辞書.txt"));
    round.LoadPlayWords();
    EXPECT_EQ(s.intWordCount, 250);
    const QStringList builtIn = s.strJisyo;
    QDir().mkdir(f.path("辞書.txt"));
    EXPECT_EQ(ReadWordList(f.path("辞書.txt")), builtIn.mid(1));
    QDir().rmdir(f.path("辞書.txt"));
    f.write("辞書.txt", records::EncodeCp932(QStringLiteral("いぬ,ねこ\r\n")));
    round.LoadPlayWords();
    EXPECT_EQ(s.strJisyo, (QStringList{"", "いぬ", "ねこ"}));
    EXPECT_EQ(FillJisyoPanel(f.path("辞書.txt")).caption, "登録ワード一覧 2個");
    f.write("辞書.txt", "\r\n\r\n");
    EXPECT_EQ(FillJisyoPanel(f.path("辞書.txt")).caption, "登録ワード一覧 0個");
}

TEST(JisyoPanel, SortsKanaOfOneReadingTogether) {
    Folder f;
    f.write("辞書.txt", records::EncodeCp932(
                            QStringLiteral("ねこ\r\nイヌ\r\nあめ\r\nうし\r\nアメ\r\nいか\r\n")));
    const QStringList words = FillJisyoPanel(f.path("辞書.txt")).words;
    EXPECT_EQ(words.mid(2), (QStringList{"いか", "イヌ", "うし", "ねこ"}));
    EXPECT_EQ(QSet<QString>(words.begin(), words.begin() + 2), (QSet<QString>{"あめ", "アメ"}));
}
