#pragma once

#include "records/text_file.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace game {

// The game's own word list, in the data folder.
inline const QString kJisyoFileName = QStringLiteral("辞書.txt");
// A list as the player sees it: 辞書.txt as it is ("" stands for it), a file
// of the list folder by its base name.
QString ShownListName(const QString& list);

// At most this many words are used, the range of the 16-bit word count.
constexpr int kMaxWords = 32767;
// A word longer than this (in UTF-16 code units) is no word a player could
// type in a round; such an item is skipped.
constexpr int kMaxWordLength = 200;

// The words of the list in file order: blank and over-long items skipped, at
// most kMaxWords. The list is code page 932, or UTF-8 when it reads as such.
// A missing or unreadable file gives the built-in sample list.
QStringList ReadWordList(const QString& path);
// The same without the sample: nothing when the file cannot be read.
records::ReadStatus ReadWordListFile(const QString& path, QStringList& words);
QStringList ParseWordList(const QByteArray& bytes);

// "登録ワード一覧 N個", in the language of the game's texts.
QString JisyoCaption(qsizetype words);

// A word's length as the player sees it: a surrogate pair is one character.
int CharacterCount(QStringView word);

// The lengths a player may choose to play; All is every word.
enum class LengthLevel { All, From2To3, From4To5, From6 };
constexpr int kLengthLevels = 4;
LengthLevel LengthLevelOf(int number); // All for a number out of range
bool InLevel(QStringView word, LengthLevel level);
// The words of the level, in their order.
QStringList OfLevel(QStringList words, LengthLevel level);

// What a list's items give when it is imported or edited: the words, and why
// each of the others is left out.
struct ListCheck {
    enum Mark { Taken, Blank, Duplicate, TooLong, Unreadable, OverLimit };
    std::vector<Mark> marks; // one for each item
    QStringList words;       // the distinct words, in order, at most kMaxWords
    int blanks = 0, duplicates = 0, tooLong = 0, unreadable = 0, overLimit = 0;
};
ListCheck CheckList(const QStringList& items);

// Sorts in Japanese collation order; words that collate equal keep a fixed order.
void SortJapanese(QStringList& words);
// The same order as the words' indexes, and the words put in such an order.
QList<int> JapaneseOrder(const QStringList& words);
QStringList InOrder(const QStringList& words, const QList<int>& order);

} // namespace game
