#include "../files.h"
#include "records/word_list_file.h"

#include <gtest/gtest.h>

using namespace records;

namespace {

QString Show(const ListText& t) {
    const char* encodings[] = {"cp932", "utf8", "utf8bom"};
    return QString("%1 %2 %3%4%5")
        .arg(encodings[int(t.encoding)],
             t.lineEnd == "\r\n" ? "crlf"
             : t.lineEnd == "\r" ? "cr"
                                 : "lf",
             t.items.join('|').replace(QChar(0), "\\0"), t.binary ? " binary" : "",
             t.truncated ? " truncated" : "");
}

} // namespace

TEST(ListText, ReadsEachEncodingAndLineEndAsThePlayingReaderSplitsIt) {
    const std::pair<QByteArray, QString> rows[] = {
        {"\x82\xA2\x82\xCA\r\n\x82\xCB\x82\xB1,\r\n", "cp932 crlf いぬ|ねこ|"},
        {"いぬ\nねこ", "utf8 lf いぬ|ねこ"},
        {"\xEF\xBB\xBFいぬ\r\" ねこ \",a", "utf8bom cr いぬ| ねこ |a"},
        {"inu, neko ", "utf8 lf inu|neko"},                  // ASCII: as the caller is unsure
        {"\"x\"junk\ry\n\"open\r\nz", "utf8 cr x|y|open|z"}, // an unclosed quote ends at its line
        {"", "utf8 lf "},                                    // nothing at all
        {QByteArray("a\0b\n", 4), "utf8 lf a\\0b binary"},   // UTF-16 or a picture
        {"\x81\x60\n", "cp932 lf ～"},
        // A second byte order mark is text, so the quote after it starts no quoted item.
        {"\xEF\xBB\xBF\xEF\xBB\xBF\"a,b\"", "utf8bom lf \uFEFF\"a|b\""},
    };
    for (const auto& [bytes, shown] : rows)
        EXPECT_EQ(Show(ParseListText(bytes, TextEncoding::Utf8)), shown) << shown.toStdString();
    EXPECT_EQ(Show(ParseListText("inu", TextEncoding::Cp932)), "cp932 crlf inu");

    Folder f;
    ListText text;
    // Larger than a list can be: the start, up to its last whole line.
    QByteArray big(kMaxListBytes - 2, 'a');
    big += "\nbbbb\n";
    f.write("big.txt", big);
    ASSERT_EQ(ReadListText(f.path("big.txt"), TextEncoding::Utf8, text), ReadStatus::Ok);
    EXPECT_TRUE(text.truncated);
    EXPECT_EQ(text.items.size(), 1);
}

TEST(ListText, WritesWholeInItsEncodingOrNamesWhatItCannotHold) {
    const QStringList words{"いぬ", "〜", "ab"};
    EXPECT_EQ(EncodeListText(words, TextEncoding::Cp932, "\r\n"),
              QByteArray("\x82\xA2\x82\xCA\r\n\x81\x60\r\nab\r\n"));
    EXPECT_EQ(EncodeListText(words, TextEncoding::Utf8WithBom, "\n"),
              QByteArray("\xEF\xBB\xBFいぬ\n〜\nab\n"));
    qsizetype word = -1, at = -1;
    EXPECT_FALSE(EncodeListText({"いぬ", "ねこ", "吉𠮷"}, TextEncoding::Cp932, "\r\n", &word, &at));
    EXPECT_EQ(word * 10 + at, 21);
    // What is written reads back as the same words.
    const QByteArray bytes = *EncodeListText(words, TextEncoding::Cp932, "\r");
    EXPECT_EQ(ParseListText(bytes, TextEncoding::Cp932).items, (QStringList{"いぬ", "～", "ab"}));
    // Items that would not read back bare, as a quoted item gives them, are
    // quoted; a blank item is an empty line.
    const QStringList quoted{"a,b", " ねこ ", "\tx", "", "y\""};
    EXPECT_EQ(EncodeListText(quoted, TextEncoding::Utf8, "\n"),
              QByteArray("\"a,b\"\n\" ねこ \"\n\"\tx\"\n\ny\"\n"));
    for (TextEncoding e : {TextEncoding::Cp932, TextEncoding::Utf8, TextEncoding::Utf8WithBom})
        EXPECT_EQ(ParseListText(*EncodeListText(quoted, e, "\r\n"), e).items, quoted);
}

TEST(ListFolder, FindsTheTextFilesAndNamesACopyWithoutTakingAName) {
    Folder f;
    EXPECT_TRUE(FindWordLists(f.path("none")).isEmpty());
    f.write("b.txt", "x"), f.write("あ.TXT", "x"), f.write("c.csv", "x"), f.write(".txt", "x");
    QDir().mkdir(f.path("d.txt"));
    QFile::link(f.path("gone"), f.path("e.txt"));
    QStringList found = FindWordLists(f.dir.path());
    found.sort();
    EXPECT_EQ(found, (QStringList{"b.txt", "あ.TXT"})); // no hidden file, folder or dead link

    EXPECT_EQ(ListFileName(f.dir.path(), "/home/p/b.csv", false), "b.txt");
    f.write("b (2).txt", "x");
    EXPECT_EQ(ListFileName(f.dir.path(), "/home/p/b.csv", true), "b (3).txt");
    EXPECT_EQ(ListFileName(f.dir.path(), "/home/p/e.txt", true), "e (2).txt"); // a link takes it
    EXPECT_EQ(ListFileName(f.dir.path(), "/home/p/.hidden", false), "単語リスト.txt");
}
