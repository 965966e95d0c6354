#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace records {

enum class ReadStatus { Ok, Missing, Unreadable };

// Reads a whole file. Files larger than the cap are read up to the cap only,
// so a runaway file cannot exhaust memory.
constexpr qint64 kMaxFileBytes = 256ll * 1024 * 1024;
ReadStatus ReadWholeFile(const QString& path, QByteArray& bytes, qint64 cap = kMaxFileBytes);

// Reads a file piece by piece, so that memory stays bounded whatever its size;
// `consume` gets each piece and returns false once it needs no more.
ReadStatus ReadFileInPieces(const QString& path,
                            const std::function<bool(QByteArrayView piece)>& consume);

// Replaces a file's bytes atomically: on failure the old file stays as it was.
// Only a regular file is written over: a link to one is followed, so that a
// file kept elsewhere stays where it is; a link to a device, a pipe or nothing
// is refused rather than replaced by a new file. In a folder that refuses new
// files the file is rewritten in place, unless `atomicOnly` asks for a
// failure instead, so that the old file is never half replaced.
bool ReplaceFile(const QString& path, QByteArrayView bytes, bool atomicOnly = false);

// Waits for the bytes written to the file, and then its folder's names, to
// reach the disk, so that what was told saved survives a power cut.
bool SyncFile(int fd);
bool SyncFolderOf(const QString& path);

// Holds the file's advisory lock from construction to destruction; the copies
// of the game take it around every change of a file they share.
class FileLock {
public:
    explicit FileLock(int fd);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int fd_;
};

// True when the bytes hold non-ASCII text that is well-formed UTF-8, allowing
// for a character cut off at the end of a piece of a file.
bool LooksLikeUtf8(QByteArrayView piece);

} // namespace records
