#pragma once

#include <QByteArray>
#include <QString>

namespace records {

enum class ReadStatus { Ok, Missing, Unreadable };

// Reads a whole file. Files larger than the cap are read up to the cap only,
// so a runaway file cannot exhaust memory.
constexpr qint64 kMaxFileBytes = 256ll * 1024 * 1024;
ReadStatus ReadWholeFile(const QString& path, QByteArray& bytes, qint64 cap = kMaxFileBytes);

// Word lists may come from today's editors in UTF-8; anything that is not
// UTF-8 with at least one non-ASCII character is code page 932.
QString DecodeWordList(const QByteArray& bytes);

} // namespace records
