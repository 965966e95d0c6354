#include "game/word_list.h"

#include <QCoreApplication>

#include "records/cp932.h"
#include "records/items.h"
#include "records/text_file.h"

#include <QCollator>
#include <QFileInfo>
#include <QLocale>
#include <QSet>

#include <algorithm>
#include <vector>

static void InitWordsResource() {
    Q_INIT_RESOURCE(words);
}

namespace game {

namespace {

bool IsAscii(QByteArrayView bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

// Collects the words of a list as its bytes come, and stops as soon as it has
// all it may use: a huge file costs no more than its first kMaxWords words.
class WordCollector {
public:
    WordCollector()
        : scanner_(kMaxWordBytes, [this](QByteArrayView item, bool, bool tooLong) {
              return Take(item, tooLong);
          }) {}

    bool feed(QByteArrayView piece) {
        if (first_) {
            first_ = false;
            if (piece.startsWith("\xEF\xBB\xBF")) {
                piece = piece.sliced(3);
                encoding_ = Encoding::Utf8;
            }
        }
        // Today's editors write UTF-8; a list that is not valid UTF-8 is code
        // page 932. The first piece that holds more than ASCII decides, once,
        // for the whole file: an item alone lacks the bytes around it (a
        // closing quote, blanks, skipped items) that tell the two apart.
        if (encoding_ == Encoding::Unknown && !IsAscii(piece))
            encoding_ = records::LooksLikeUtf8(piece) ? Encoding::Utf8 : Encoding::Cp932;
        return scanner_.feed(piece);
    }

    QStringList finish() {
        scanner_.finish();
        return std::move(words_);
    }

private:
    // Longer items cannot decode to kMaxWordLength characters in either encoding.
    static constexpr qsizetype kMaxWordBytes = 3 * kMaxWordLength;
    enum class Encoding { Unknown, Utf8, Cp932 };

    bool Take(QByteArrayView item, bool tooLong) {
        if (tooLong || item.isEmpty())
            return true;
        QString word;
        if (IsAscii(item))
            word = QString::fromLatin1(item);
        else // the piece the item came in has decided the encoding
            word =
                encoding_ == Encoding::Utf8 ? QString::fromUtf8(item) : records::DecodeCp932(item);
        // (A lone byte order mark decodes to nothing.)
        if (!word.isEmpty() && word.size() <= kMaxWordLength)
            words_.append(std::move(word));
        return words_.size() < kMaxWords;
    }

    records::ByteItemScanner scanner_;
    bool first_ = true;
    Encoding encoding_ = Encoding::Unknown;
    QStringList words_;
};

} // namespace

records::ReadStatus ReadWordListFile(const QString& path, QStringList& words) {
    WordCollector collector;
    const auto feed = [&](QByteArrayView piece) { return collector.feed(piece); };
    const records::ReadStatus status = records::ReadFileInPieces(path, feed);
    words = status == records::ReadStatus::Ok ? collector.finish() : QStringList();
    return status;
}

QStringList ReadWordList(const QString& path) {
    QStringList words;
    if (ReadWordListFile(path, words) != records::ReadStatus::Ok) {
        InitWordsResource();
        WordCollector builtIn;
        records::ReadFileInPieces(QStringLiteral(":/game/words.txt"),
                                  [&](QByteArrayView piece) { return builtIn.feed(piece); });
        return builtIn.finish();
    }
    return words;
}

QStringList ParseWordList(const QByteArray& bytes) {
    WordCollector words;
    words.feed(bytes);
    return words.finish();
}

QList<int> JapaneseOrder(const QStringList& words) {
    QCollator collator(QLocale(QLocale::Japanese, QLocale::Japan));
    struct Keyed {
        QCollatorSortKey key;
        qsizetype index;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(words.size());
    for (qsizetype i = 0; i < words.size(); ++i)
        keyed.push_back({collator.sortKey(words[i]), i});
    std::sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
        const int c = a.key.compare(b.key);
        if (c != 0)
            return c < 0;
        const int plain = QString::compare(words[a.index], words[b.index]);
        return plain != 0 ? plain < 0 : a.index < b.index;
    });
    QList<int> order;
    order.reserve(words.size());
    for (const Keyed& k : keyed)
        order.append(int(k.index));
    return order;
}

QStringList InOrder(const QStringList& words, const QList<int>& order) {
    QStringList sorted;
    sorted.reserve(order.size());
    for (int i : order)
        sorted.append(words[i]);
    return sorted;
}

void SortJapanese(QStringList& words) {
    words = InOrder(words, JapaneseOrder(words));
}

QString JisyoCaption(qsizetype words) {
    return QCoreApplication::translate("WordList", "登録ワード一覧 %1個").arg(words);
}

int CharacterCount(QStringView word) {
    int n = 0;
    for (qsizetype i = 0; i < word.size(); ++i, ++n)
        if (word[i].isHighSurrogate() && i + 1 < word.size() && word[i + 1].isLowSurrogate())
            ++i;
    return n;
}

LengthLevel LengthLevelOf(int number) {
    return number >= 0 && number < kLengthLevels ? LengthLevel(number) : LengthLevel::All;
}

bool InLevel(QStringView word, LengthLevel level) {
    const int n = CharacterCount(word);
    switch (level) {
    case LengthLevel::All:
        return true;
    case LengthLevel::From2To3:
        return n >= 2 && n <= 3;
    case LengthLevel::From4To5:
        return n >= 4 && n <= 5;
    case LengthLevel::From6:
        return n >= 6;
    }
    return true;
}

QStringList OfLevel(QStringList words, LengthLevel level) {
    if (level != LengthLevel::All)
        words.removeIf([level](const QString& w) { return !InLevel(w, level); });
    return words;
}

ListCheck CheckList(const QStringList& items) {
    ListCheck check;
    check.marks.reserve(items.size());
    QSet<QString> seen;
    for (const QString& item : items) {
        ListCheck::Mark mark = ListCheck::Taken;
        if (item.isEmpty())
            mark = ListCheck::Blank, ++check.blanks;
        else if (item.size() > kMaxWordLength)
            mark = ListCheck::TooLong, ++check.tooLong;
        else if (item.contains(QChar::ReplacementCharacter))
            mark = ListCheck::Unreadable, ++check.unreadable;
        else if (seen.contains(item))
            mark = ListCheck::Duplicate, ++check.duplicates;
        else if (check.words.size() >= kMaxWords)
            mark = ListCheck::OverLimit, ++check.overLimit;
        else
            seen.insert(item), check.words.append(item);
        check.marks.push_back(mark);
    }
    return check;
}

QString ShownListName(const QString& list) {
    return list.isEmpty() ? kJisyoFileName : QFileInfo(list).completeBaseName();
}

} // namespace game
