#pragma once

#include "records/history_file.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <ostream>
#include <sys/resource.h>

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

// A scratch folder with helpers to put exact bytes in files and read them back.
struct Folder {
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate), f.write(bytes);
    }
    QByteArray read(const QString& name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
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
