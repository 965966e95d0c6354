#pragma once

#include "help/chm_archive.h"

#include <QFile>

inline QByteArray FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The bytes with the first `from` replaced by `to` (same length, so no offset moves).
inline QByteArray Patched(QByteArray bytes, const QByteArray& from, const QByteArray& to) {
    const qsizetype at = bytes.indexOf(from);
    if (at >= 0 && from.size() == to.size())
        bytes.replace(at, from.size(), to);
    return bytes;
}
