// Feeds arbitrary bytes to the reader that imports and edits word lists, in
// each encoding a caller may be unsure of, and checks what the import and the
// editor make of it: items that agree with the game's own reading, a file
// written back that reads as the same items in the same encoding and line
// end, and a refusal that names a character the encoding really lacks.
#include "game/word_list.h"
#include "records/cp932.h"
#include "records/text_file.h"
#include "records/word_list_file.h"

#include <QSet>

#include <cstdlib>

namespace {

using records::ListText;
using records::TextEncoding;

bool IsAscii(QByteArrayView bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

// Whether written bytes in code page 932 would be taken for UTF-8 by a reader
// that guesses: the guess then goes the other way, as it must for a file
// that is both.
bool ReadsAsUtf8(QByteArrayView bytes, TextEncoding encoding) {
    return encoding == TextEncoding::Cp932 && !IsAscii(bytes) && records::LooksLikeUtf8(bytes);
}

// The length of the character at `at`: a pair, or a code unit on its own.
qsizetype CharAt(const QString& s, qsizetype at) {
    return s[at].isHighSurrogate() && at + 1 < s.size() && s[at + 1].isLowSurrogate() ? 2 : 1;
}

// The game decodes each item on its own, and a UTF-8 decoder takes a byte
// order mark at the start of what it decodes for no character.
QString AsGameDecodes(QString item) {
    if (item.startsWith(QChar(0xFEFF)))
        item.remove(0, 1);
    return item;
}

// The words the game plays of these items.
QStringList Playable(const QStringList& items) {
    QStringList words;
    for (const QString& item : items) {
        const QString word = AsGameDecodes(item);
        if (!word.isEmpty() && word.size() <= game::kMaxWordLength &&
            words.size() < game::kMaxWords)
            words.append(word);
    }
    return words;
}

// A first item that starts with a byte order mark cannot be told from the
// file's own in UTF-8 without one.
bool StartsLikeBom(const QStringList& items, TextEncoding encoding) {
    return encoding == TextEncoding::Utf8 && !items.isEmpty() && items[0].startsWith(QChar(0xFEFF));
}

bool Cp932Holds(const QString& one) {
    return records::EncodeCp932Exactly(one).has_value();
}

// Only code page 932 can refuse a word, and then at the first character of
// the first word that it has no bytes for.
void CheckRefusal(const QStringList& words, TextEncoding encoding, qsizetype badWord,
                  qsizetype badAt) {
    if (encoding != TextEncoding::Cp932 || badWord < 0 || badWord >= words.size())
        std::abort();
    for (qsizetype w = 0; w < badWord; ++w)
        if (!records::EncodeCp932Exactly(words[w]))
            std::abort();
    const QString folded = records::FoldCp932LookAlikes(words[badWord]);
    if (badAt < 0 || badAt >= folded.size())
        std::abort();
    for (qsizetype i = 0; i < badAt; i += CharAt(folded, i))
        if (!Cp932Holds(folded.sliced(i, CharAt(folded, i))))
            std::abort();
    if (Cp932Holds(folded.sliced(badAt, CharAt(folded, badAt))))
        std::abort();
}

// What is written reads back as what was written: the same items, the same
// encoding (a file of ASCII only is in whatever the reader is unsure of) and
// the same line end when there is a line at all.
void CheckWritten(const QStringList& items, TextEncoding encoding, const QByteArray& lineEnd) {
    qsizetype badWord = -1, badAt = -1;
    const auto bytes = records::EncodeListText(items, encoding, lineEnd, &badWord, &badAt);
    if (!bytes) {
        CheckRefusal(items, encoding, badWord, badAt);
        return;
    }
    const ListText back = records::ParseListText(*bytes, encoding);
    if (ReadsAsUtf8(*bytes, encoding) || StartsLikeBom(items, encoding))
        return; // another reading of the same bytes
    bool nul = false;
    for (const QString& item : items)
        nul = nul || item.contains(QChar(0));
    if (back.items != items || back.encoding != encoding || back.binary != nul || back.truncated ||
        (!items.isEmpty() && back.lineEnd != lineEnd))
        std::abort();
}

// Each parse as such: the NUL test, the guess of the encoding, and line ends
// as the three the format knows.
void CheckParse(QByteArrayView bytes, TextEncoding unsure, const ListText& list) {
    if (list.binary != bytes.contains('\0') || list.truncated)
        std::abort();
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        if (list.encoding != TextEncoding::Utf8WithBom)
            std::abort();
    } else if (IsAscii(bytes)) {
        if (list.encoding != unsure)
            std::abort();
    } else if (list.encoding == TextEncoding::Utf8WithBom ||
               (list.encoding == TextEncoding::Utf8) != records::LooksLikeUtf8(bytes)) {
        std::abort();
    }
    if (list.lineEnd != "\r\n" && list.lineEnd != "\n" && list.lineEnd != "\r")
        std::abort();
    if (!bytes.contains('\r') && !bytes.contains('\n') &&
        list.lineEnd != (list.encoding == TextEncoding::Cp932 ? "\r\n" : "\n"))
        std::abort();
    for (const QString& item : list.items)
        if (item.contains(u'\r') || item.contains(u'\n'))
            std::abort();
}

// The check takes, in order and up to the cap, each item that is not blank,
// too long, unreadable or taken already, and counts why it leaves out each
// other one.
void CheckChecked(const QStringList& items, const game::ListCheck& check) {
    if (check.marks.size() != size_t(items.size()))
        std::abort();
    int counts[6] = {};
    QStringList taken;
    QSet<QString> seen;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const game::ListCheck::Mark mark = check.marks[size_t(i)];
        ++counts[mark];
        const QString& item = items[i];
        const bool blank = item.isEmpty();
        const bool tooLong = !blank && item.size() > game::kMaxWordLength;
        const bool unreadable = !blank && !tooLong && item.contains(QChar::ReplacementCharacter);
        const bool duplicate = !blank && !tooLong && !unreadable && seen.contains(item);
        const bool full = taken.size() >= game::kMaxWords;
        const game::ListCheck::Mark expected = blank        ? game::ListCheck::Blank
                                               : tooLong    ? game::ListCheck::TooLong
                                               : unreadable ? game::ListCheck::Unreadable
                                               : duplicate  ? game::ListCheck::Duplicate
                                               : full       ? game::ListCheck::OverLimit
                                                            : game::ListCheck::Taken;
        if (mark != expected)
            std::abort();
        if (mark == game::ListCheck::Taken)
            taken.append(item), seen.insert(item);
    }
    if (taken != check.words || counts[game::ListCheck::Blank] != check.blanks ||
        counts[game::ListCheck::Duplicate] != check.duplicates ||
        counts[game::ListCheck::TooLong] != check.tooLong ||
        counts[game::ListCheck::Unreadable] != check.unreadable ||
        counts[game::ListCheck::OverLimit] != check.overLimit)
        std::abort();
}

// The import: the file's words, written in its own encoding or else in UTF-8,
// are the words the game then plays from the copy, and the editor reads the
// copy as those words.
void CheckImport(const ListText& list) {
    const game::ListCheck check = game::CheckList(list.items);
    CheckChecked(list.items, check);
    TextEncoding encoding = list.encoding;
    std::optional<QByteArray> bytes = records::EncodeListText(check.words, encoding, list.lineEnd);
    if (!bytes) {
        encoding = TextEncoding::Utf8;
        bytes = records::EncodeListText(check.words, encoding, list.lineEnd);
    }
    if (!bytes)
        std::abort(); // UTF-8 holds every word
    if (ReadsAsUtf8(*bytes, encoding) || StartsLikeBom(check.words, encoding))
        return;
    if (game::ParseWordList(*bytes) != Playable(check.words) ||
        records::ParseListText(*bytes, encoding).items != check.words)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const ListText lists[] = {records::ParseListText(bytes, TextEncoding::Cp932),
                              records::ParseListText(bytes, TextEncoding::Utf8),
                              records::ParseListText(bytes, TextEncoding::Utf8WithBom)};
    const TextEncoding unsure[] = {TextEncoding::Cp932, TextEncoding::Utf8,
                                   TextEncoding::Utf8WithBom};
    for (int k = 0; k < 3; ++k) {
        CheckParse(bytes, unsure[k], lists[k]);
        // Only a file of ASCII, whose items read the same in any of them,
        // takes the encoding it is given.
        if (lists[k].items != lists[0].items)
            std::abort();
        CheckWritten(lists[k].items, lists[k].encoding, lists[k].lineEnd);
        // The editor shows and saves the items that are not blank.
        QStringList shown = lists[k].items;
        shown.removeAll(QString());
        CheckWritten(shown, lists[k].encoding, lists[k].lineEnd);
    }
    // The game, reading the same bytes, plays the items that are not blank
    // and short enough; it does not look for duplicates or unreadable ones.
    if (game::ParseWordList(bytes) != Playable(lists[1].items))
        std::abort();
    // The import reads as the caller is unsure of: UTF-8.
    CheckImport(lists[1]);
    return 0;
}
