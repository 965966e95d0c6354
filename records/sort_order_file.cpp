#include "records/sort_order_file.h"

#include "records/text_file.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>

namespace records {
namespace {

constexpr QByteArrayView kFormat = "mojiro panel order 1\n";
constexpr qsizetype kKeyBytes = 32;
constexpr qsizetype kHeaderBytes = kFormat.size() + kKeyBytes + 4;

quint32 NumberAt(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

void AppendNumber(QByteArray& bytes, quint32 n) {
    char le[4];
    qToLittleEndian(n, le);
    bytes.append(le, 4);
}

} // namespace

std::optional<QList<int>> ReadSortOrder(const QString& path, QByteArrayView key, qsizetype count) {
    if (key.size() != kKeyBytes || count < 0 || count > (kMaxFileBytes - kHeaderBytes) / 4)
        return std::nullopt;
    const qsizetype size = kHeaderBytes + 4 * count;
    QByteArray bytes;
    // One byte more than the order needs shows a file that is longer.
    if (ReadWholeFile(path, bytes, size + 1) != ReadStatus::Ok || bytes.size() != size ||
        !bytes.startsWith(kFormat) ||
        QByteArrayView(bytes).sliced(kFormat.size(), kKeyBytes) != key ||
        NumberAt(bytes, kFormat.size() + kKeyBytes) != quint32(count))
        return std::nullopt;
    QList<int> order(count);
    QList<bool> taken(count, false);
    for (qsizetype i = 0; i < count; ++i) {
        const quint32 index = NumberAt(bytes, kHeaderBytes + 4 * i);
        if (index >= quint32(count) || taken[index])
            return std::nullopt;
        taken[index] = true;
        order[i] = int(index);
    }
    return order;
}

bool WriteSortOrder(const QString& path, QByteArrayView key, const QList<int>& order) {
    if (key.size() != kKeyBytes || !QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QByteArray bytes;
    bytes.reserve(kHeaderBytes + 4 * order.size());
    bytes.append(kFormat);
    bytes.append(key);
    AppendNumber(bytes, quint32(order.size()));
    for (int index : order)
        AppendNumber(bytes, quint32(index));
    return ReplaceFile(path, bytes, true);
}

} // namespace records
