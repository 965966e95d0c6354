#include "records/history_file.h"

#include "records/cp932.h"
#include "records/figures.h"
#include "records/items.h"
#include "records/text_file.h"

#include <QFile>
#include <QFileInfo>

#include <limits>
#include <optional>

namespace records {
namespace {

std::optional<int16_t> ParseInt16(const QString& text) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok || v < std::numeric_limits<int16_t>::min() || v > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return int16_t(v);
}

// Counts stand bare; anything else is quoted so that it cannot split the line.
QString NumberItem(const QString& text) {
    bool ok = false;
    text.toLongLong(&ok);
    return ok && !text.contains(u' ') ? text : QuoteItem(text);
}

} // namespace

QStringList HistoryRecord::fields() const {
    return {date, time, questions, ok, ng, moji, rate, speed, jikan};
}

HistoryRecord MakeHistoryRecord(int16_t ok, int16_t ng, int16_t moji, int16_t jikan,
                                const QDateTime& now) {
    HistoryRecord r;
    r.date = now.toString(QStringLiteral("yyyy/MM/dd"));
    r.time = now.toString(QStringLiteral("HH:mm:ss"));
    r.questions = QString::number(int(ok) + int(ng));
    r.ok = QString::number(ok);
    r.ng = QString::number(ng);
    r.moji = QString::number(moji);
    r.rate = FormatRate(ok, ng);
    r.speed = FormatSpeed(moji, jikan);
    r.jikan = FormatJikan(jikan);
    return r;
}

QByteArray HistoryLine(const HistoryRecord& r) {
    const QString line = QuoteItem(r.date) + u',' + QuoteItem(r.time) + u',' +
                         NumberItem(r.questions) + u',' + NumberItem(r.ok) + u',' +
                         NumberItem(r.ng) + u',' + NumberItem(r.moji) + u',' + QuoteItem(r.rate) +
                         u',' + QuoteItem(r.speed) + u',' + QuoteItem(r.jikan) +
                         QStringLiteral("\r\n");
    return EncodeCp932(line);
}

HistoryLoad LoadHistory(const QString& path) {
    QByteArray bytes;
    if (ReadWholeFile(path, bytes) != ReadStatus::Ok)
        return {};
    return ParseHistory(bytes);
}

HistoryLoad ParseHistory(const QByteArray& bytes) {
    HistoryLoad load;
    ItemReader reader(DecodeCp932(bytes));
    while (!reader.atEnd()) {
        const QStringList items = ReadLine(reader);
        if (items.size() == 1 && items[0].isEmpty())
            continue; // a blank line
        const auto ok = items.size() == 9 ? ParseInt16(items[3]) : std::nullopt;
        const auto ng = items.size() == 9 ? ParseInt16(items[4]) : std::nullopt;
        const auto moji = items.size() == 9 ? ParseInt16(items[5]) : std::nullopt;
        if (!ok || !ng || !moji) {
            ++load.skippedLines;
            continue;
        }
        HistoryRecord r;
        r.date = items[0];
        r.time = items[1];
        r.questions = items[2];
        r.ok = QString::number(*ok);
        r.ng = QString::number(*ng);
        r.moji = QString::number(*moji);
        r.rate = items[6];
        r.speed = items[7];
        r.jikan = items[8];
        load.records.append(std::move(r));
    }
    return load;
}

bool AppendHistory(const QString& path, const HistoryRecord& record) {
    if (QFileInfo(path).isDir())
        return false;
    QFile file(path);
    // Unbuffered, so that a failed write leaves nothing behind to be flushed later.
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    const qint64 before = file.size();
    QByteArray line = HistoryLine(record);
    // A last line without its line end (written by something else) would
    // otherwise swallow this record.
    if (before > 0 && file.seek(before - 1)) {
        const QByteArray last = file.read(1);
        if (last != "\n")
            line.prepend("\r\n");
    }
    if (file.write(line) != line.size()) {
        file.close();
        QFile::resize(path, before);
        return false;
    }
    file.close();
    return file.error() == QFileDevice::NoError;
}

bool ClearHistory(const QString& path) {
    if (QFileInfo(path).isDir())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.close();
    return file.error() == QFileDevice::NoError;
}

} // namespace records
