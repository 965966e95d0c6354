#include "fakes.h"
#include "game/round.h"
#include "game/word_list.h"
#include "records/cp932.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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

} // namespace

TEST(PlayWordList, ThreeLinesGiveThreeWordsInFileOrder) {
    WordFile file;
    file.write(QStringLiteral("あさ\r\nひる\r\nよる\r\n"));
    RoundState s;
    FakeWindow w;
    FakeClock c;
    FakeRandom r;
    Round round(s, w, c, r, file.path);
    round.LoadPlayWords();
    EXPECT_EQ(s.intWordCount, 3);
    ASSERT_EQ(s.strJisyo.size(), 4);
    EXPECT_EQ(s.strJisyo[1], "あさ");
    EXPECT_EQ(s.strJisyo[3], "よる");
    EXPECT_EQ(FillJisyoPanel(file.path).caption, "登録ワード一覧 3個");

    // The next load reads the edited file afresh instead of adding to the old words.
    file.write(QStringLiteral("いぬ,ねこ\r\n"));
    round.LoadPlayWords();
    EXPECT_EQ(s.intWordCount, 2);
    EXPECT_EQ(s.strJisyo, (QStringList{"", "いぬ", "ねこ"}));
}

TEST(PlayWordList, SkipsBlankItemsTrimsBareOnesAndKeepsQuotedOnes) {
    WordFile file;
    file.write(QStringLiteral("\r\n  うみ \r\n\r\n\" やま \",,かわ\nそら"));
    EXPECT_EQ(ReadWordList(file.path), (QStringList{"うみ", " やま ", "かわ", "そら"}));
}

TEST(PlayWordList, ReadsUtf8Lists) {
    WordFile file;
    file.write(QStringLiteral("\uFEFFりんご\r\n𠮷野家\r\n").toUtf8());
    EXPECT_EQ(ReadWordList(file.path), (QStringList{"りんご", "𠮷野家"}));
}

TEST(PlayWordList, MissingListFallsBackToTheBuiltInOneAndEmptyListHasNoWords) {
    WordFile file;
    const QStringList builtIn = ReadWordList(file.path);
    EXPECT_EQ(builtIn.size(), 250);
    EXPECT_EQ(FillJisyoPanel(file.path).caption, "登録ワード一覧 250個");
    QDir().mkdir(file.path); // a folder in place of the file cannot be read either
    EXPECT_EQ(ReadWordList(file.path), builtIn);
    QDir().rmdir(file.path);
    file.write(QByteArray("\r\n\r\n"));
    EXPECT_TRUE(ReadWordList(file.path).isEmpty());
    EXPECT_EQ(FillJisyoPanel(file.path).caption, "登録ワード一覧 0個");
}

TEST(PlayWordList, UsesAtMost32767Words) {
    WordFile file;
    QByteArray bytes;
    for (int i = 0; i < 33000; ++i)
        bytes += "w" + QByteArray::number(i) + "\r\n";
    file.write(bytes);
    const QStringList words = ReadWordList(file.path);
    ASSERT_EQ(words.size(), kMaxWords);
    EXPECT_EQ(words.last(), "w32766");
}

TEST(JisyoPanel, SortsInJapaneseOrder) {
    WordFile file;
    file.write(QStringLiteral("ねこ\r\nイヌ\r\nあめ\r\nうし\r\nアメ\r\nいか\r\n"));
    const JisyoPanel panel = FillJisyoPanel(file.path);
    ASSERT_EQ(panel.words.size(), 6);
    // Kana of one reading stand together; katakana and hiragana interleave by reading.
    EXPECT_EQ(panel.words.indexOf("ねこ"), 5);
    EXPECT_EQ(panel.words.indexOf("うし"), 4);
    EXPECT_LT(panel.words.indexOf("いか"), panel.words.indexOf("イヌ"));
    EXPECT_LT(std::max(panel.words.indexOf("あめ"), panel.words.indexOf("アメ")), 2);
    EXPECT_EQ(panel.caption, "登録ワード一覧 6個");
}
