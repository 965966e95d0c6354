#include "records/text_file.h"

#include "records/cp932.h"
#include "records/write_points.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

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
    AtWritePoint("replace.opened");
    if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    AtWritePoint("replace.written");
    // The commit syncs the new file before it takes the old one's name.
    if (!file.commit())
        return false;
    AtWritePoint("replace.committed");
    // The new name is kept only once the folder is on the disk too.
    SyncFolderOf(target);
    AtWritePoint("replace.synced");
    return true;
}

bool SyncFile(int fd) {
    while (::fsync(fd) != 0) {
        // A file system that cannot sync (a pipe, some network mounts) keeps
        // what it was given as well as it can; that is no failure of ours.
        if (errno == EINVAL || errno == EROFS)
            return true;
        if (errno != EINTR)
            return false;
    }
    return true;
}

bool SyncFolderOf(const QString& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = SyncFile(fd);
    ::close(fd);
    return synced;
}

FileLock::FileLock(int fd) : fd_(fd) {
    while (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
    }
}

FileLock::~FileLock() {
    if (fd_ >= 0)
        ::flock(fd_, LOCK_UN);
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
