#include "records/cp932.h"
#include "records/figures.h"
#include "records/text_file.h"

#include <QStringList>

#include <algorithm>
#include <iconv.h>
#include <random>

#include <gtest/gtest.h>

using namespace records;

TEST(Cp932, ConvertsMicrosoftCharactersAndAsciiControlsExactly) {
    const QByteArray bytes("\x81\x60\x87\x40\x95\x62\xB1\x1A\x1C\x7F", 10);
    const QString text = QStringLiteral("～①秒ｱ\x1A\x1C\x7F");
    EXPECT_EQ(EncodeCp932(text), bytes);
    EXPECT_EQ(EncodeCp932(QStringLiteral("a😀b한")), QByteArray("a?b?"));
}

TEST(Cp932, EverySequenceGlibcAcceptsDecodesAsGlibcDecodesIt) {
    // An outside table: every one- and two-byte sequence that glibc's CP932
    // reads whole reads the same with ours, whether it is one character or two.
    iconv_t cd = iconv_open("UTF-16LE", "CP932");
    if (cd == iconv_t(-1))
        GTEST_SKIP() << "this C library has no CP932 converter";
    int agreed = 0;
    for (int n = 1; n <= 2; ++n)
        for (int v = 0; v < (n == 1 ? 0x100 : 0x10000); ++v) {
            char in[2] = {char(n == 1 ? v : v >> 8), char(v & 0xFF)};
            char16_t out[4] = {};
            char *from = in, *to = reinterpret_cast<char*>(out);
            size_t left = n, room = sizeof out;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            if (iconv(cd, &from, &left, &to, &room) == size_t(-1) || left != 0)
                continue;
            ++agreed;
            ASSERT_EQ(DecodeCp932(QByteArrayView(in, n)),
                      QString::fromUtf16(out, (sizeof out - room) / 2))
                << std::hex << v;
        }
    iconv_close(cd);
    EXPECT_GT(agreed, 40000); // not a converter that refuses everything
}

TEST(Cp932, LookAlikesTypedOnLinuxFoldAndTakeTheCodePagesOwnByte) {
    // What Mozc types for each, and the character the code page decodes.
    const QString typed = QStringLiteral("〜−‖¢£¬—"), decoded = QStringLiteral("～－∥￠￡￢―");
    EXPECT_EQ(FoldCp932LookAlikes(typed), decoded);
    EXPECT_EQ(FoldCp932LookAlikes(QStringLiteral("あア")), QStringLiteral("あア"));
    const QByteArray bytes("\x81\x60\x81\x7C\x81\x61\x81\x91\x81\x92\x81\xCA\x81\x5C");
    EXPECT_EQ(EncodeCp932Exactly(typed), bytes);
    EXPECT_EQ(EncodeCp932Exactly(decoded), bytes);
    EXPECT_EQ(DecodeCp932(bytes), decoded);
    // What the code page lacks is never a '?': the first such character is named.
    QList<qsizetype> named;
    for (const QString& text : QStringList{"よし𠮷の", "ab😀", "한", "x\uFFFD"}) {
        qsizetype bad = -1;
        named << (EncodeCp932Exactly(text, &bad) ? -2 : bad);
    }
    EXPECT_EQ(named, (QList<qsizetype>{2, 2, 0, 1}));
}

TEST(Cp932, InvalidBytesBecomeOneReplacementCharacterEach) {
    // A stray 0x80, a lead byte before a space, 0xFD, a lead byte at the very end.
    EXPECT_EQ(DecodeCp932("\x80\x61\x82 b\xFD\x82"), QStringLiteral("\uFFFDa\uFFFD b\uFFFD\uFFFD"));
    // An unassigned pair is one character wide, as a valid one.
    EXPECT_EQ(DecodeCp932(QByteArray("\x85\x40,", 3)), QStringLiteral("\uFFFD,"));
    QByteArray random(1 << 16, 0);
    std::mt19937 gen(1);
    std::generate(random.begin(), random.end(), [&] { return char(gen()); });
    const QString text = DecodeCp932(random);
    EXPECT_EQ(text.count(u','), random.count(','));
    EXPECT_EQ(text.count(u'\n'), random.count('\n'));
    // A UTF-8 sequence cut off at the end is not UTF-8.
    EXPECT_TRUE(IsValidUtf8("\xE3\x81\x82") && !IsValidUtf8("\xE3\x81\x82\xE3\x81"));
    EXPECT_FALSE(IsValidUtf8("\x82\xA0"));
}

TEST(Figures, RoundExactHalvesAwayFromZeroAndNeverDivideByZero) {
    EXPECT_EQ(FormatSpeed(1, 8), "0.13/秒"); // 0.125
    EXPECT_EQ(FormatRate(1, 15), "6.3%");    // 6.25
    EXPECT_EQ(FormatSpeed(130, 60) + FormatSpeed(90, 60), "2.17/秒1.50/秒");
    EXPECT_EQ(FormatRate(18, 2) + FormatRate(2, 1) + FormatRate(32767, 0), "90.0%66.7%100.0%");
    EXPECT_EQ(FormatRate(0, 0) + FormatSpeed(5, 0) + FormatJikan(60), "0.0%0.00/秒60秒");
}
