#pragma once

#include "records/history_file.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>
#include <functional>
#include <optional>
#include <ostream>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// Readable test failures.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

// The history line of a 60 s round with 20 right and 5 wrong answers.
inline const QByteArray kExampleLine =
    "\"2024/05/01\",\"21:03:45\",25,20,5,90,\"80.0%\",\"1.50/\x95\x62\",\"60\x95\x62\"\r\n";

// The record of a 60 s round of n right answers and 2n characters, saved then.
inline const QDateTime kMay1(QDate(2024, 5, 1), QTime(21, 3, 45));
inline records::HistoryRecord Rec(int n) {
    return records::MakeHistoryRecord(int16_t(n), 0, int16_t(2 * n), 60, kMay1);
}

// The file's bytes; none when it cannot be read.
inline QByteArray FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A scratch folder with helpers to put exact bytes in files and read them back.
struct Folder {
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate), f.write(bytes);
    }
    QByteArray read(const QString& name) const { return FileBytes(path(name)); }
    bool exists(const QString& name) const { return QFile::exists(path(name)); }
};

// Makes writes past the given size fail as on a full disk, for this process.
struct FileSizeLimit {
    rlimit old{};
    void (*oldHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit limit = old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old), std::signal(SIGXFSZ, oldHandler); }
};

// Runs `work` where the folder refuses new files but its file is the
// player's. Root may write anywhere, so as root the work runs in a child
// process as the unprivileged user "nobody", who is given the file; nothing
// when there is no such user.
inline std::optional<bool> InLockedFolder(const QString& folder, const QString& file,
                                          const std::function<bool()>& work) {
    const QByteArray f = folder.toLocal8Bit();
    if (geteuid() != 0) {
        chmod(f.constData(), 0555);
        const bool ok = work();
        chmod(f.constData(), 0755);
        return ok;
    }
    const passwd* nobody = getpwnam("nobody");
    if (!nobody)
        return std::nullopt;
    // The scratch folder above is the owner's alone; nobody must reach the
    // file. Its mode is put back after: it may be a folder others share.
    const QByteArray above = QFileInfo(folder).absolutePath().toLocal8Bit();
    struct stat old {};
    if (stat(above.constData(), &old) != 0)
        return false;
    chmod(above.constData(), 0755);
    chmod(f.constData(), 0755);
    bool ok = false;
    if (chown(file.toLocal8Bit().constData(), nobody->pw_uid, nobody->pw_gid) == 0) {
        const pid_t child = fork();
        if (child == 0)
            _exit(setgid(nobody->pw_gid) == 0 && setuid(nobody->pw_uid) == 0 && work() ? 0 : 1);
        int status = 0;
        waitpid(child, &status, 0);
        ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    chmod(above.constData(), old.st_mode & 07777);
    return ok;
}
