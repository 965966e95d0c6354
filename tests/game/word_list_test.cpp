#include "../files.h"
#include "game/panel_order.h"
#include "game/word_list.h"
#include "records/cp932.h"
#include "records/sort_order_file.h"
#include "records/word_list_file.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QThreadPool>

#include <algorithm>

#include <gtest/gtest.h>

using namespace game;

TEST(PlayWordList, ReadsCodePage932AndUtf8WithAnyLineEnd) {
    const QStringList words{"abc", "りんご", "電車", "ｶﾀｶﾅ", "ａ", "𠮷野家"};
    for (const char* end : {"\r\n", "\n", "\r", ","}) {
        const QString text = words.join(QString::fromLatin1(end)) + QString::fromLatin1(end);
        EXPECT_EQ(ParseWordList(records::EncodeCp932(text)), words.mid(0, 5) << "?野家") << end;
        EXPECT_EQ(ParseWordList(text.toUtf8()), words) << end;
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
    // The last word, ended by the end of the file, is judged with the bytes
    // around it: a half-width kana before a closing quote or a blank is no
    // UTF-8 cut short.
    EXPECT_EQ(ParseWordList("\"\xD5\""), QStringList{"ﾕ"});
    EXPECT_EQ(ParseWordList("ab,\xC3 "), (QStringList{"ab", "ﾃ"}));
}

TEST(PlayWordList, SkipsWordsNoPlayerCouldTypeAndStopsAtTheLast) {
    const QByteArray longest = records::EncodeCp932(QString(kMaxWordLength, u'あ'));
    EXPECT_EQ(ParseWordList("a\r\n" + QByteArray(kMaxWordLength + 1, 'x') + "\r\n" + longest + "," +
                            QByteArray(5000, 'y') + "\r\nb"),
              (QStringList{"a", QString(kMaxWordLength, u'あ'), "b"}));
    // Blanks trimmed off a word are not part of it, however many; blanks
    // inside one are.
    EXPECT_EQ(
        ParseWordList("c" + QByteArray(5000, ' ') + "\r\nd" + QByteArray(700, '\t') + "e\r\n"),
        QStringList{"c"});
    QByteArray many;
    for (int i = 0; i < kMaxWords + 5; ++i)
        many += "w" + QByteArray::number(i) + ",";
    const QStringList read = ParseWordList(many);
    ASSERT_EQ(read.size(), kMaxWords);
    EXPECT_EQ(read.last(), "w" + QString::number(kMaxWords - 1));
}

TEST(PlayWordList, AListWithoutWordsIsEmptyAndAMissingOrUnreadableOneIsTheBuiltInList) {
    Folder f;
    const QStringList builtIn = ReadWordList(f.path("none.txt"));
    EXPECT_EQ(builtIn.size(), 250);
    QDir().mkdir(f.path("dir.txt"));
    EXPECT_EQ(ReadWordList(f.path("dir.txt")), builtIn);
    f.write("blank.txt", "\r\n\r\n");
    EXPECT_TRUE(ReadWordList(f.path("blank.txt")).isEmpty());
    // The first kana in the last word, with no line end after it: that word is
    // taken once the reading is over, in the encoding its piece showed.
    f.write("cp932.txt", "apple\r\n" + records::EncodeCp932(u"りんご"));
    f.write("utf8.txt", QStringLiteral("apple,りんご").toUtf8());
    EXPECT_EQ(ReadWordList(f.path("cp932.txt")), (QStringList{"apple", "りんご"}));
    EXPECT_EQ(ReadWordList(f.path("utf8.txt")), (QStringList{"apple", "りんご"}));
}

TEST(JisyoPanel, SortsKanaOfOneReadingTogether) {
    QStringList words{"ねこ", "イヌ", "あめ", "うし", "アメ", "いか"};
    SortJapanese(words);
    EXPECT_EQ(words.mid(2), (QStringList{"いか", "イヌ", "うし", "ねこ"}));
    EXPECT_EQ(QSet<QString>(words.begin(), words.begin() + 2), (QSet<QString>{"あめ", "アメ"}));
}

TEST(PanelOrder, AListShownBeforeTakesItsKeptOrderAndAnyOtherIsCollated) {
    Folder cache;
    const QString file = cache.path(records::kSortOrderFileName);
    const QStringList words{"ばら", "はし", "パン", "ぱり", "はこ", "ぼうし", "ほし"};
    const QStringList collated = CollatedOrder().sorted(words);
    ASSERT_NE(collated, words);
    EXPECT_EQ(CachedOrder(cache.dir.path()).sorted(words), collated);
    QThreadPool::globalInstance()->waitForDone(); // the order is kept off the caller's thread
    ASSERT_TRUE(cache.exists(records::kSortOrderFileName));

    // The next start reads the order kept: one put there by hand shows it is read.
    QList<int> reversed;
    for (qsizetype i = words.size() - 1; i >= 0; --i)
        reversed << int(i);
    ASSERT_TRUE(records::WriteSortOrder(file, PanelOrderKey(words), reversed));
    QStringList backwards = words;
    std::reverse(backwards.begin(), backwards.end());
    EXPECT_EQ(CachedOrder(cache.dir.path()).sorted(words), backwards);

    // A list changed by one word is collated afresh.
    QStringList changed = words;
    changed[0] = "ぱら";
    EXPECT_EQ(CachedOrder(cache.dir.path()).sorted(changed), CollatedOrder().sorted(changed));
    QThreadPool::globalInstance()->waitForDone();
    // Two lists of the same characters split apart differently keep apart.
    EXPECT_NE(PanelOrderKey({"ab", "c"}), PanelOrderKey({"a", "bc"}));
}

TEST(LengthLevel, CountsASurrogatePairAsOneCharacterAndKeepsTheListsOrder) {
    const QStringList words{"き", "いぬ", "𠮷野家", "りんご𠮷", "ねこ", "さつまいも", "しゃ"};
    EXPECT_EQ(OfLevel(words, LengthLevel::From2To3),
              (QStringList{"いぬ", "𠮷野家", "ねこ", "しゃ"}));
    EXPECT_EQ(OfLevel(words, LengthLevel::From4To5), (QStringList{"りんご𠮷", "さつまいも"}));
    EXPECT_EQ(LengthLevelOf(4), LengthLevel::All); // a hand-edited number
    EXPECT_EQ(LengthLevelOf(-1), LengthLevel::All);
}

TEST(ListCheck, TakesEachWordOnceAndCountsWhatItLeavesOut) {
    const QString tooLong(kMaxWordLength + 1, u'あ');
    const ListCheck check =
        CheckList({"いぬ", "", "ねこ", "いぬ", tooLong, "ね\uFFFDこ", "ねこ", "イヌ"});
    EXPECT_EQ(check.words, (QStringList{"いぬ", "ねこ", "イヌ"}));
    using M = ListCheck::Mark;
    EXPECT_EQ(check.marks, (std::vector<M>{M::Taken, M::Blank, M::Taken, M::Duplicate, M::TooLong,
                                           M::Unreadable, M::Duplicate, M::Taken}));
    QStringList many;
    for (int i = 0; i <= kMaxWords; ++i)
        many << QString::number(i);
    const ListCheck full = CheckList(many);
    EXPECT_EQ(full.words.size(), kMaxWords);
    EXPECT_EQ(full.overLimit, 1);
}

TEST(ShippedLists, EachHoldsEnoughDistinctWordsThatAPlayerCanTypeAndTheCodePageCanHold) {
    const QDir folder(QStringLiteral(MOJIRO_SOURCE_DIR "/data/") + records::kWordListFolder);
    const QStringList lists = records::FindWordLists(folder.path());
    const QRegularExpression kanaOnly("^[\\x{3041}-\\x{3096}\\x{30A1}-\\x{30FA}ー]+$"),
        kanjiOnly("^[\\x{4E00}-\\x{9FFF}々]+$");
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
            EXPECT_TRUE((kanji ? kanjiOnly : kanaOnly).match(word).hasMatch())
                << word.toStdString();
        }
    }
}
