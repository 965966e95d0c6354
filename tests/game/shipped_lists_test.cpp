#include "game/word_list.h"
#include "records/cp932.h"
#include "records/word_list_file.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

bool IsKana(char32_t c) {
    const bool hiragana = c >= 0x3041 && c <= 0x3096;
    const bool katakana = c >= 0x30A1 && c <= 0x30FA;
    return hiragana || katakana || c == 0x30FC; // ー
}

bool IsKanji(char32_t c) {
    return (c >= 0x4E00 && c <= 0x9FFF) || c == 0x3005; // 々
}

} // namespace

TEST(ShippedLists, EachHoldsEnoughDistinctWordsThatAPlayerCanTypeAndTheCodePageCanHold) {
    const QDir folder(QStringLiteral(MOJIRO_SOURCE_DIR "/data/") + records::kWordListFolder);
    const QStringList lists = records::FindWordLists(folder.path());
    EXPECT_GE(lists.size(), 10);
    for (const QString& name : lists) {
        SCOPED_TRACE(name.toStdString());
        records::ListText text;
        ASSERT_EQ(records::ReadListText(folder.filePath(name), records::TextEncoding::Utf8, text),
                  records::ReadStatus::Ok);
        const game::ListCheck check = game::CheckList(text.items);
        // Every item is a word the game takes: none blank, repeated or too long.
        EXPECT_EQ(check.words, text.items);
        EXPECT_GE(check.words.size(), 150);
        // The game plays them as they stand.
        QStringList played;
        ASSERT_EQ(game::ReadWordListFile(folder.filePath(name), played), records::ReadStatus::Ok);
        EXPECT_EQ(played, check.words);

        const bool kanji = name.startsWith(QStringLiteral("かんじ"));
        const bool isLong = name.startsWith(QStringLiteral("ながい"));
        for (const QString& word : check.words) {
            const int length = game::CharacterCount(word);
            EXPECT_TRUE(length >= (isLong ? 7 : 2) && length <= (kanji ? 4 : 20))
                << word.toStdString();
            EXPECT_TRUE(records::EncodeCp932Exactly(word)) << word.toStdString();
            for (char32_t c : word.toUcs4())
                EXPECT_TRUE(kanji ? IsKanji(c) : IsKana(c)) << word.toStdString();
        }
    }
}
