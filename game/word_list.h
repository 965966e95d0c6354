#pragma once

#include <QString>
#include <QStringList>

namespace game {

// At most this many words are used, the range of the 16-bit word count.
constexpr int kMaxWords = 32767;
// A word longer than this (in UTF-16 code units) is no word a player could
// type in a round; such an item is skipped.
constexpr int kMaxWordLength = 200;

// The words of the list in file order: blank and over-long items skipped, at
// most kMaxWords. The list is code page 932, or UTF-8 when it reads as such.
// A missing or unreadable file gives the built-in sample list.
QStringList ReadWordList(const QString& path);
QStringList ParseWordList(const QByteArray& bytes);

struct JisyoPanel {
    QStringList words; // in Japanese collation order
    QString caption;   // "登録ワード一覧 N個"
};

JisyoPanel FillJisyoPanel(const QString& path);

// Sorts in Japanese collation order; words that collate equal keep a fixed order.
void SortJapanese(QStringList& words);

} // namespace game
