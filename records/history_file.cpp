#include "records/history_file.h"

#include "records/cp932.h"
#include "records/figures.h"
#include "records/items.h"
#include "records/text_file.h"
#include "records/write_points.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cstring>
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

bool IsAsciiSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// A count item as QString::trimmed().toInt() reads it, without making strings
// for the plain ASCII items that every saved line holds.
std::optional<int16_t> ParseCount(QByteArrayView item) {
    // Plain digits, as every saved line holds, in one pass.
    if (!item.isEmpty() && item.size() <= 5) {
        int v = 0;
        for (char c : item)
            v = c >= '0' && c <= '9' && v >= 0 ? v * 10 + (c - '0') : -1;
        if (v >= 0 && v <= std::numeric_limits<int16_t>::max())
            return int16_t(v);
    }
    // toInt would stop at a NUL and read "8\0junk" as 8: not a count.
    if (item.contains('\0'))
        return std::nullopt;
    for (char c : item)
        if (static_cast<unsigned char>(c) >= 0x80)
            return ParseInt16(DecodeCp932(item));
    while (!item.isEmpty() && IsAsciiSpace(item.front()))
        item = item.sliced(1);
    while (!item.isEmpty() && IsAsciiSpace(item.back()))
        item.chop(1);
    bool negative = false;
    if (!item.isEmpty() && (item.front() == '-' || item.front() == '+')) {
        negative = item.front() == '-';
        item = item.sliced(1);
    }
    if (item.isEmpty())
        return std::nullopt;
    int64_t v = 0;
    for (char c : item) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = std::min<int64_t>(v * 10 + (c - '0'), 1 << 20);
    }
    v = negative ? -v : v;
    if (v < std::numeric_limits<int16_t>::min() || v > std::numeric_limits<int16_t>::max())
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

HistoryRecord HistoryRows::at(qsizetype row) const {
    const QStringList f = fields(row);
    return {f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8]};
}

QStringList HistoryRows::fields(qsizetype row) const {
    const qsizetype begin = starts_.at(row);
    const qsizetype end = row + 1 < starts_.size() ? starts_[row + 1] : qsizetype(bytes_.size());
    // Items never hold a line end, so '\n' separates them unambiguously.
    QStringList f =
        DecodeCp932(QByteArrayView(bytes_.data() + begin, end - begin - 1)).split(u'\n');
    f.resize(9);
    return f;
}

QByteArrayView HistoryRows::item(qsizetype row, int index) const {
    // Every item of a row, the last too, is followed by '\n'.
    const char* const end = bytes_.data() + bytes_.size();
    const char* p = bytes_.data() + starts_.at(row);
    for (int i = 0; i < index; ++i)
        p = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p))) + 1;
    return QByteArrayView(p, static_cast<const char*>(std::memchr(p, '\n', size_t(end - p))));
}

void HistoryRows::append(const HistoryRecord& record) {
    starts_.append(bytes_.size());
    for (const QString& field : record.fields()) {
        QString item = field;
        item.replace(u'\r', u' ').replace(u'\n', u' ');
        const QByteArray encoded = EncodeCp932(item);
        bytes_.append(encoded.constData(), size_t(encoded.size())).push_back('\n');
    }
}

void HistoryRows::appendItems(const std::array<QByteArrayView, 9>& items) {
    const size_t start = bytes_.size();
    size_t size = items.size();
    for (QByteArrayView item : items)
        size += size_t(item.size());
    bytes_.resize(start + size);
    char* out = bytes_.data() + start;
    for (QByteArrayView item : items) {
        out = std::copy(item.begin(), item.end(), out);
        *out++ = '\n';
    }
    starts_.append(qsizetype(start));
}

void HistoryRows::removeFirst(qsizetype count) {
    count = std::min(count, size());
    if (count <= 0)
        return;
    const qsizetype cut = count < size() ? starts_[count] : qsizetype(bytes_.size());
    bytes_.erase(0, size_t(cut));
    starts_.remove(0, count);
    for (qsizetype& s : starts_)
        s -= cut;
}

void HistoryRows::removeLast() {
    if (isEmpty())
        return;
    bytes_.resize(size_t(starts_.takeLast()));
}

void HistoryRows::clear() {
    bytes_.clear();
    starts_.clear();
}

namespace {

// Builds records from the items of a history file as they come.
class HistoryParser {
public:
    explicit HistoryParser(qsizetype keep)
        // Any number of rows may be asked for; more than memory holds is all of them.
        : keep_(std::clamp<qsizetype>(keep, 0, std::numeric_limits<qsizetype>::max() / 4)),
          scanner_(kMaxRecordBytes, [this](QByteArrayView item, bool endsLine, bool tooLong) {
              Item(item, endsLine, tooLong);
              return true;
          }) {}

    // A line as a save writes it is taken whole, without the item scanner;
    // anything else, and a line cut at the end of a piece, goes through it.
    void feed(QByteArrayView piece) {
        while (!piece.isEmpty()) {
            const char* nl = static_cast<const char*>(memchr(piece.data(), '\n', piece.size()));
            const qsizetype end = nl ? nl - piece.data() + 1 : piece.size();
            const QByteArrayView line = piece.first(end);
            std::array<QByteArrayView, 9> items;
            if (pending_ || !nl || !SplitPlainLine(line, items) || !AddRecord(items))
                scanner_.feed(line);
            pending_ = !nl;
            piece = piece.sliced(end);
        }
    }
    HistoryLoad finish() {
        scanner_.finish();
        if (items_ > 0) // a last line that ends in a comma and no line end
            EndLine();
        DropOldest();
        return std::move(load_);
    }

private:
    void Item(QByteArrayView item, bool endsLine, bool tooLong) {
        if (items_ < 9 && !tooLong_) {
            spans_[items_] = {qsizetype(line_.size()), item.size()};
            line_.append(item.data(), size_t(item.size()));
            tooLong_ = tooLong || qsizetype(line_.size()) > kMaxRecordBytes;
        }
        blank_ = items_ == 0 && item.isEmpty() && !tooLong;
        ++items_;
        if (endsLine)
            EndLine();
    }

    void EndLine() {
        if (items_ == 1 && blank_) {
            items_ = 0;
            return;
        }
        std::array<QByteArrayView, 9> items;
        for (int k = 0; k < 9; ++k)
            items[k] = Span(k);
        if (items_ != 9 || tooLong_ || !AddRecord(items))
            ++load_.skippedLines;
        items_ = 0;
        line_.clear();
        tooLong_ = false;
    }

    // Keeps the items as a record when their counts are numbers.
    bool AddRecord(std::array<QByteArrayView, 9> items) {
        std::optional<int16_t> numbers[3];
        for (int k = 0; k < 3; ++k)
            if (!(numbers[k] = ParseCount(items[3 + k])))
                return false;
        // The counts are shown again in plain decimal, "+07" as "7".
        char counts[3][8];
        for (int k = 0; k < 3; ++k)
            items[3 + k] = Decimal(*numbers[k], counts[k]);
        load_.rows.appendItems(items);
        // Keep memory bounded: drop the oldest in batches.
        if (load_.rows.size() >= 2 * keep_ + 1024)
            DropOldest();
        return true;
    }

    // Splits a whole line of nine items, each bare or quoted, with nothing
    // the item scanner would have to read differently: no quote inside an
    // item, no blank around a bare one, no other line end. False otherwise.
    static bool SplitPlainLine(QByteArrayView line, std::array<QByteArrayView, 9>& items) {
        if (line.size() > kMaxRecordBytes)
            return false;
        line.chop(line.size() > 1 && line[line.size() - 2] == '\r' ? 2 : 1);
        const char* p = line.data();
        const char* const end = p + line.size();
        for (int k = 0; k < 9; ++k) {
            const bool quoted = p < end && *p == '"';
            const char* from = p + quoted;
            const char* to = from;
            if (quoted) {
                while (to < end && *to != '"' && *to != '\r')
                    ++to;
                if (to == end || *to != '"')
                    return false;
            } else {
                while (to < end && *to != ',' && *to != '"' && *to != '\r')
                    ++to;
                if ((to < end && *to != ',') || (to > from && (IsBlank(*from) || IsBlank(to[-1]))))
                    return false;
            }
            items[k] = QByteArrayView(from, to - from);
            p = to + quoted;
            if (k < 8 && (p == end || *p++ != ','))
                return false;
        }
        return p == end;
    }

    static bool IsBlank(char c) { return c == ' ' || c == '\t'; }

    static QByteArrayView Decimal(int16_t value, char (&buffer)[8]) {
        char* end = buffer + sizeof buffer;
        char* p = end;
        int v = value < 0 ? -int(value) : int(value);
        do {
            *--p = char('0' + v % 10);
            v /= 10;
        } while (v != 0);
        if (value < 0)
            *--p = '-';
        return QByteArrayView(p, end - p);
    }

    void DropOldest() {
        const qsizetype extra = load_.rows.size() - keep_;
        if (extra > 0) {
            load_.rows.removeFirst(extra);
            load_.dropped += extra;
        }
    }

    QByteArrayView Span(int k) const {
        return QByteArrayView(line_.data() + spans_[k].first, spans_[k].second);
    }

    qsizetype keep_;
    ByteItemScanner scanner_;
    HistoryLoad load_;
    int items_ = 0;
    bool blank_ = false;
    bool tooLong_ = false;
    bool pending_ = false; // the scanner holds part of a line
    std::string line_;
    std::pair<qsizetype, qsizetype> spans_[9];
};

} // namespace

HistoryLoad LoadHistory(const QString& path, qsizetype keep) {
    HistoryParser parser(keep);
    if (ReadFileInPieces(path, [&](QByteArrayView piece) {
            parser.feed(piece);
            return true;
        }) != ReadStatus::Ok)
        return {};
    return parser.finish();
}

HistoryLoad ParseHistory(QByteArrayView bytes, qsizetype keep) {
    HistoryParser parser(keep);
    parser.feed(bytes);
    return parser.finish();
}

bool AppendHistory(const QString& path, const HistoryRecord& record) {
    if (QFileInfo(path).isDir())
        return false;
    QFile file(path);
    // Unbuffered, so that a failed write leaves nothing behind to be flushed later.
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    // A second copy of the game may append at the same moment: the lock keeps
    // the size read here true until this line is in, so that undoing a failed
    // write never cuts off the other copy's line.
    const FileLock lock(file.handle());
    AtWritePoint("history.opened");
    const qint64 before = file.size();
    QByteArray line = HistoryLine(record);
    // A last line without its line end (written by something else) would
    // otherwise swallow this record.
    if (before > 0 && file.seek(before - 1)) {
        const QByteArray last = file.read(1);
        if (last != "\n")
            line.prepend("\r\n");
    }
    // One write, so that a kill leaves the line whole or not there at all.
    const bool written = file.write(line) == line.size();
    AtWritePoint("history.written");
    // On the disk before the save is told done, so that a power cut cannot
    // take back a result the player saw saved.
    if (!written || !SyncFile(file.handle())) {
        file.resize(before);
        return false;
    }
    AtWritePoint("history.synced");
    file.close();
    return file.error() == QFileDevice::NoError;
}

bool ClearHistory(const QString& path) {
    if (QFileInfo(path).isDir())
        return false;
    QFile file(path);
    // Emptied under the lock rather than at the open, so that it never lands
    // in the middle of another copy's append.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const FileLock lock(file.handle());
    AtWritePoint("clear.opened");
    const bool cleared = file.resize(0) && SyncFile(file.handle());
    AtWritePoint("clear.synced");
    file.close();
    return cleared && file.error() == QFileDevice::NoError;
}

} // namespace records
