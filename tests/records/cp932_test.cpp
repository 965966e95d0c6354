#include "records/cp932.h"
#include "records/figures.h"
#include "records/items.h"
#include "records/text_file.h"

#include <gtest/gtest.h>

using namespace records;

TEST(Cp932, ConvertsMicrosoftCharactersAndAsciiControlsExactly) {
    const QByteArray bytes("\x81\x60\x87\x40\x95\x62\xB1\x1A\x1C\x7F", 10);
    const QString text = QStringLiteral("～①秒ｱ\x1A\x1C\x7F");
    EXPECT_EQ(DecodeCp932(bytes), text);
    EXPECT_EQ(EncodeCp932(text), bytes);
    EXPECT_EQ(EncodeCp932(QStringLiteral("a😀b한")), QByteArray("a?b?"));
}

TEST(Cp932, InvalidBytesBecomeReplacementCharacters) {
    // A stray 0x80, a lead byte before a space, 0xFD, a lead byte at the very end.
    EXPECT_EQ(DecodeCp932(QByteArray("\x80"
                                     "a\x82 b\xFD\x82",
                                     7)),
              QStringLiteral("\uFFFDa\uFFFD b\uFFFD\uFFFD"));
    for (int a = 0; a < 256; ++a)
        for (int b = 0; b < 256; b += 5) {
            const char raw[2] = {char(a), char(b)};
            const qsizetype n = DecodeCp932(QByteArrayView(raw, 2)).size();
            ASSERT_TRUE(n == 1 || n == 2) << a << " " << b;
        }
}

TEST(WordListText, ReadsUtf8ListsAndLeavesCp932Alone) {
    const QString words = QStringLiteral("りんご\r\n電車\r\n");
    EXPECT_EQ(DecodeWordList(words.toUtf8()), words);
    EXPECT_EQ(DecodeWordList("\xEF\xBB\xBF" + words.toUtf8()), words);
    EXPECT_EQ(DecodeWordList(EncodeCp932(words)), words);
}

TEST(ItemReader, SplitsAtCommasAndLineEndsAndStripsQuotes) {
    ItemReader reader(QStringLiteral("いぬ,ねこ\r\n\" a,b \" , 12 ,\"x\"junk\ry\n\"open\r\nz"));
    QStringList texts, kinds;
    while (!reader.atEnd()) {
        const Item item = reader.next();
        texts << item.text;
        kinds << QString("%1%2").arg(item.quoted ? 'q' : 'b').arg(item.endsLine ? '|' : ',');
    }
    EXPECT_EQ(texts, (QStringList{"いぬ", "ねこ", " a,b ", "12", "x", "y", "open", "z"}));
    EXPECT_EQ(kinds, (QStringList{"b,", "b|", "q,", "b,", "q|", "b|", "q|", "b|"}));
    ItemReader quoted(QuoteItem(QStringLiteral("a\"b,c\r\nd")) + ",x");
    EXPECT_EQ(ReadLine(quoted).size(), 2); // quoting never adds items
}

TEST(Figures, RoundExactHalvesAwayFromZeroAndNeverDivideByZero) {
    EXPECT_EQ(FormatSpeed(1, 8), "0.13/秒"); // 0.125
    EXPECT_EQ(FormatRate(1, 15), "6.3%");    // 6.25
    EXPECT_EQ(FormatSpeed(130, 60) + FormatSpeed(90, 60), "2.17/秒1.50/秒");
    EXPECT_EQ(FormatRate(18, 2) + FormatRate(2, 1) + FormatRate(32767, 0), "90.0%66.7%100.0%");
    EXPECT_EQ(FormatRate(0, 0) + FormatSpeed(5, 0) + FormatJikan(60), "0.0%0.00/秒60秒");
}
