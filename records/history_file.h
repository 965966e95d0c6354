#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <string>

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

// The history file of the game, in its working folder.
inline const QString kHistoryFileName = QStringLiteral("履歴.txt");

// Rows beyond this cannot be numbered by the table's 16-bit row counter.
constexpr qsizetype kMaxHistoryRows = 32766;
// A line longer than this was not written by a save and is not a record.
constexpr qsizetype kMaxRecordBytes = 1024;

// Records kept as their nine items in code page 932, oldest first, and decoded
// only when asked for: a long history costs one pass over its bytes and no
// strings until a row is shown.
class HistoryRows {
public:
    qsizetype size() const { return starts_.size(); }
    bool isEmpty() const { return starts_.isEmpty(); }
    HistoryRecord at(qsizetype row) const;
    QStringList fields(qsizetype row) const;
    // Item 0 to 8 of a row, in code page 932.
    QByteArrayView item(qsizetype row, int index) const;

    void append(const HistoryRecord& record);
    // Items in code page 932, items 4 to 6 already plain decimal numbers.
    void appendItems(const std::array<QByteArrayView, 9>& items);
    void removeFirst(qsizetype count);
    void removeLast();
    void clear();

private:
    std::string bytes_;       // the items of each row, each followed by '\n'
    QList<qsizetype> starts_; // where each row begins in bytes_
};

struct HistoryLoad {
    HistoryRows rows;      // the newest records, at most the cap asked for
    int skippedLines = 0;  // lines that were not a record
    qsizetype dropped = 0; // older records beyond the cap, still in the file
};

// Reads the records, oldest first, keeping the newest `keep`. A line without
// exactly nine items, whose items 4 to 6 are not signed 16-bit integers, or
// longer than kMaxRecordBytes, is skipped. A missing or unreadable file is an
// empty history. The file is read in pieces, so its size does not matter.
HistoryLoad LoadHistory(const QString& path, qsizetype keep = kMaxHistoryRows);
HistoryLoad ParseHistory(QByteArrayView bytes, qsizetype keep = kMaxHistoryRows);

// Appends the record as one line. On failure the file is cut back to its
// length before the write, so that no partial line remains.
bool AppendHistory(const QString& path, const HistoryRecord& record);

// Empties the file to zero bytes, creating it when missing.
bool ClearHistory(const QString& path);

} // namespace records
