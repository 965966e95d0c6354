#include "game/word_list.h"

#include "records/items.h"
#include "records/text_file.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <vector>

static void InitWordsResource() {
    Q_INIT_RESOURCE(words);
}

namespace game {

QStringList ReadWordList(const QString& path) {
    QByteArray bytes;
    if (records::ReadWholeFile(path, bytes) != records::ReadStatus::Ok) {
        InitWordsResource();
        records::ReadWholeFile(QStringLiteral(":/game/words.txt"), bytes);
    }
    return ParseWordList(bytes);
}

QStringList ParseWordList(const QByteArray& bytes) {
    QStringList words;
    records::ItemReader reader(records::DecodeWordList(bytes));
    while (!reader.atEnd() && words.size() < kMaxWords) {
        records::Item item = reader.next();
        if (!item.text.isEmpty())
            words.append(std::move(item.text));
    }
    return words;
}

void SortJapanese(QStringList& words) {
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
    QStringList sorted;
    sorted.reserve(words.size());
    for (const Keyed& k : keyed)
        sorted.append(words[k.index]);
    words = std::move(sorted);
}

JisyoPanel FillJisyoPanel(const QString& path) {
    JisyoPanel panel;
    panel.words = ReadWordList(path);
    SortJapanese(panel.words);
    panel.caption = QStringLiteral("登録ワード一覧 ") + QString::number(panel.words.size()) +
                    QStringLiteral("個");
    return panel;
}

} // namespace game
