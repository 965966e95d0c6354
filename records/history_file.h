#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace records {

// One saved round: the nine texts of a line of the history file, which are
// also columns 1 to 9 of the results table.
struct HistoryRecord {
    QString date;      // yyyy/MM/dd
    QString time;      // hh:mm:ss
    QString questions; // ok + ng
    QString ok;
    QString ng;
    QString moji;
    QString rate;  // 0.0%
    QString speed; // 0.00/秒
    QString jikan; // N秒

    QStringList fields() const;
    bool operator==(const HistoryRecord&) const = default;
};

HistoryRecord MakeHistoryRecord(int16_t ok, int16_t ng, int16_t moji, int16_t jikan,
                                const QDateTime& now);

// The record as one line of the file, in code page 932, with CR LF.
QByteArray HistoryLine(const HistoryRecord& record);

struct HistoryLoad {
    QList<HistoryRecord> records;
    int skippedLines = 0; // lines that were not a record
};

// Reads every record, oldest first. A line without exactly nine items, or
// whose items 4 to 6 are not signed 16-bit integers, is skipped. A missing
// or unreadable file is an empty history.
HistoryLoad LoadHistory(const QString& path);
HistoryLoad ParseHistory(const QByteArray& bytes);

// Appends the record as one line. On failure the file is cut back to its
// length before the write, so that no partial line remains.
bool AppendHistory(const QString& path, const HistoryRecord& record);

// Empties the file to zero bytes, creating it when missing.
bool ClearHistory(const QString& path);

} // namespace records
