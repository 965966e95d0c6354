#include "records/text_file.h"

#include "records/cp932.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace records {

namespace {

ReadStatus OpenRegularFile(const QString& path, QFile& file) {
    QFileInfo info(path);
    if (!info.exists())
        return ReadStatus::Missing;
    // Folders, pipes and devices are not files to read: a pipe would block forever.
    if (!info.isFile())
        return ReadStatus::Unreadable;
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly) ? ReadStatus::Ok : ReadStatus::Unreadable;
}

} // namespace

ReadStatus ReadWholeFile(const QString& path, QByteArray& bytes, qint64 cap) {
    bytes.clear();
    QFile file;
    if (const ReadStatus status = OpenRegularFile(path, file); status != ReadStatus::Ok)
        return status;
    bytes = file.read(cap);
    if (file.error() != QFileDevice::NoError) {
        bytes.clear();
        return ReadStatus::Unreadable;
    }
    return ReadStatus::Ok;
}

ReadStatus ReadFileInPieces(const QString& path,
                            const std::function<bool(QByteArrayView piece)>& consume) {
    QFile file;
    if (const ReadStatus status = OpenRegularFile(path, file); status != ReadStatus::Ok)
        return status;
    QByteArray piece(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 n = file.read(piece.data(), piece.size());
        if (n < 0)
            return ReadStatus::Unreadable;
        if (n == 0 || !consume(QByteArrayView(piece.constData(), n)))
            return ReadStatus::Ok;
    }
}

bool ReplaceFile(const QString& path, QByteArrayView bytes, bool atomicOnly) {
    const QFileInfo info(path);
    QString target = path;
    if (info.isSymLink()) {
        if (!info.isFile())
            return false;
        target = info.canonicalFilePath();
    } else if (info.exists() && !info.isFile()) {
        return false;
    }
    QSaveFile file(target);
    // A folder that refuses new files can still have its files rewritten in place.
    file.setDirectWriteFallback(!atomicOnly);
    // Unbuffered, so that a failing write is seen before the rename.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool LooksLikeUtf8(QByteArrayView piece) {
    // Drop a sequence that the end of the piece cuts short.
    qsizetype end = piece.size();
    for (qsizetype back = 1; back <= 3 && back <= piece.size(); ++back) {
        const auto c = static_cast<unsigned char>(piece[piece.size() - back]);
        if ((c & 0xC0) == 0xC0) {
            const qsizetype need = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
            if (back < need)
                end = piece.size() - back;
            break;
        }
        if ((c & 0xC0) != 0x80)
            break;
    }
    return IsValidUtf8(piece.first(end));
}

} // namespace records
