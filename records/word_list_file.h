#pragma once

#include "records/text_file.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace records {

// The folder of word lists beside 辞書.txt.
inline const QString kWordListFolder = QStringLiteral("単語リスト");

enum class TextEncoding { Cp932, Utf8, Utf8WithBom };

// A word list as a file holds it, for importing and editing: every item in
// order, blank ones too, split as the game splits them when it plays.
struct ListText {
    TextEncoding encoding = TextEncoding::Cp932;
    QByteArray lineEnd = "\r\n"; // as its first line ends
    QStringList items;           // each bare item trimmed of blanks
    bool truncated = false;      // larger than a list can be: only its start was read
    bool binary = false;         // it holds NUL bytes, which no text list does
};

// Big enough for the most words a list can use at their longest.
constexpr qint64 kMaxListBytes = 32ll * 1024 * 1024;

// A file with no byte beyond ASCII is taken to be in `unsure`.
ListText ParseListText(QByteArrayView bytes, TextEncoding unsure);
ReadStatus ReadListText(const QString& path, TextEncoding unsure, ListText& text);

// The words one a line in the encoding, for writing whole; a word that would
// not read back as it is (one with a comma or an edge blank) is quoted.
// Nothing when a word has a character the encoding cannot hold; then
// `badWord` and `badAt` say where.
std::optional<QByteArray> EncodeListText(const QStringList& words, TextEncoding encoding,
                                         QByteArrayView lineEnd, qsizetype* badWord = nullptr,
                                         qsizetype* badAt = nullptr);

// The list files in the folder (*.txt, regular and readable), by file name in
// no set order; none when the folder is missing.
QStringList FindWordLists(const QString& folder);

// The name for a copy of `source` in the folder: its base name with ".txt",
// or "name (2).txt" and on when `unique` is asked and the name is taken.
QString ListFileName(const QString& folder, const QString& source, bool unique);

} // namespace records
