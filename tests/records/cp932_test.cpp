#include "records/cp932.h"
#include "records/text_file.h"

#include <gtest/gtest.h>

using namespace records;

TEST(Cp932, EncodesAndDecodesTheMicrosoftCharacters) {
    const QByteArray bytes("\x81\x60\x87\x40\x95\x62", 6);
    EXPECT_EQ(DecodeCp932(bytes), QStringLiteral("～①秒"));
    EXPECT_EQ(EncodeCp932(QStringLiteral("～①秒")), bytes);
    EXPECT_EQ(EncodeCp932(QStringLiteral("\"60秒\"\r\n")), QByteArray("\"60\x95\x62\"\r\n"));
}

TEST(Cp932, KeepsAsciiControlBytesAsThemselves) {
    const QByteArray bytes("a\x1a\x1c\x7f"
                           "b",
                           5);
    const QString text = DecodeCp932(bytes);
    ASSERT_EQ(text.size(), 5);
    EXPECT_EQ(text[1].unicode(), 0x1A);
    EXPECT_EQ(text[2].unicode(), 0x1C);
    EXPECT_EQ(text[3].unicode(), 0x7F);
    EXPECT_EQ(EncodeCp932(text), bytes);
}

TEST(Cp932, InvalidBytesBecomeReplacementCharacters) {
    // A stray 0x80, a lead byte before a space, a lead byte at the very end.
    const QByteArray bytes("\x80"
                           "a\x82 b\xFD\x82",
                           7);
    EXPECT_EQ(DecodeCp932(bytes), QStringLiteral("\uFFFDa\uFFFD b\uFFFD\uFFFD"));
    // Half-width katakana is a single byte.
    EXPECT_EQ(DecodeCp932(QByteArray("\xB1", 1)), QStringLiteral("ｱ"));
}

TEST(Cp932, UnmappableCharactersEncodeAsQuestionMarks) {
    EXPECT_EQ(EncodeCp932(QStringLiteral("a😀b한")), QByteArray("a?b?"));
}

TEST(Cp932, DecodesEveryByteStringWithoutLosingTrack) {
    // Every pair of bytes, including the invalid ones, decodes to one or two characters.
    for (int a = 0; a < 256; ++a)
        for (int b = 0; b < 256; b += 7) {
            const char raw[2] = {char(a), char(b)};
            const QString s = DecodeCp932(QByteArrayView(raw, 2));
            ASSERT_GE(s.size(), 1);
            ASSERT_LE(s.size(), 2);
        }
}

TEST(WordListText, ReadsUtf8ListsAndLeavesCp932Alone) {
    const QString words = QStringLiteral("りんご\r\nねこ\r\n");
    EXPECT_EQ(DecodeWordList(words.toUtf8()), words);
    EXPECT_EQ(DecodeWordList("\xEF\xBB\xBF" + words.toUtf8()), words);
    EXPECT_EQ(DecodeWordList(EncodeCp932(words)), words);
    // Two-byte CP932 text that happens to look like UTF-8 lead bytes stays CP932.
    const QString kanji = QStringLiteral("電車\r\n");
    EXPECT_EQ(DecodeWordList(EncodeCp932(kanji)), kanji);
    EXPECT_EQ(DecodeWordList("abc\r\n"), QStringLiteral("abc\r\n"));
}
