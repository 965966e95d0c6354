#include "records/text_file.h"

#include "records/cp932.h"

#include <QFile>
#include <QFileInfo>

namespace records {

ReadStatus ReadWholeFile(const QString& path, QByteArray& bytes, qint64 cap) {
    bytes.clear();
    QFileInfo info(path);
    if (!info.exists())
        return ReadStatus::Missing;
    // Folders, pipes and devices are not files to read: a pipe would block forever.
    if (!info.isFile())
        return ReadStatus::Unreadable;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ReadStatus::Unreadable;
    bytes = file.read(cap);
    if (file.error() != QFileDevice::NoError) {
        bytes.clear();
        return ReadStatus::Unreadable;
    }
    return ReadStatus::Ok;
}

QString DecodeWordList(const QByteArray& bytes) {
    static const QByteArray bom("\xEF\xBB\xBF");
    if (bytes.startsWith(bom))
        return QString::fromUtf8(QByteArrayView(bytes).sliced(3));
    bool ascii = true;
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    if (!ascii && IsValidUtf8(bytes))
        return QString::fromUtf8(bytes);
    return DecodeCp932(bytes);
}

} // namespace records
