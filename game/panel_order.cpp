#include "game/panel_order.h"

#include "game/word_list.h"
#include "records/sort_order_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QThreadPool>

#include <link.h>

namespace game {
namespace {

// The name of the ICU collation library loaded with Qt Core.
QByteArray CollationLibrary() {
    QByteArray name;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* found) {
            const QByteArrayView path(info->dlpi_name ? info->dlpi_name : "");
            if (!path.contains("libicui18n.so"))
                return 0;
            *static_cast<QByteArray*>(found) = path.toByteArray();
            return 1;
        },
        &name);
    return name;
}

} // namespace

QStringList CollatedOrder::sorted(QStringList words) {
    SortJapanese(words);
    return words;
}

CachedOrder::CachedOrder(const QString& cacheFolder)
    : path_(QDir(cacheFolder).filePath(QString::fromLatin1(records::kSortOrderFileName))) {}

QStringList CachedOrder::sorted(QStringList words) {
    const QByteArray key = PanelOrderKey(words);
    if (const auto kept = records::ReadSortOrder(path_, key, words.size()))
        return InOrder(words, *kept);
    const QList<int> order = JapaneseOrder(words);
    QThreadPool::globalInstance()->start(
        [path = path_, key, order] { records::WriteSortOrder(path, key, order); });
    return InOrder(words, order);
}

QByteArray PanelOrderKey(const QStringList& words) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(CollationLibrary());
    hash.addData("\n");
    hash.addData(qVersion());
    hash.addData("\n");
    for (const QString& word : words) {
        // Each word after its length, so that no two lists give the same bytes.
        hash.addData(QByteArray::number(word.size()) + ':');
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(word.utf16()), 2 * word.size()));
    }
    return hash.result();
}

} // namespace game
