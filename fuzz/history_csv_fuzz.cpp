// Feeds arbitrary history files and header texts to the export of the
// history as comma-separated values, and reads what it writes with a strict
// reader of RFC 4180 kept here: a byte order mark, then the header and one
// line for each record, each line ended by CR LF, every field as it was.
#include "records/history_csv.h"
#include "records/history_file.h"

#include <QStringDecoder>

#include <cstdlib>
#include <limits>
#include <optional>

namespace {

// The records of the text, or nothing when it is not strictly well-formed:
// every record ends with CR LF, a field is either bare (no comma, quote, CR or
// LF) or quoted with its quotes doubled, and a closing quote is followed by a
// comma or the line end. Fields must be UTF-8.
std::optional<QList<QStringList>> ReadCsv(QByteArrayView text) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless |
                                                  QStringConverter::Flag::ConvertInitialBom);
    QList<QStringList> records;
    QStringList fields;
    QByteArray field;
    qsizetype i = 0;
    const qsizetype n = text.size();
    const auto endField = [&]() -> bool {
        QString decoded = utf8.decode(field);
        if (utf8.hasError())
            return false;
        fields.append(std::move(decoded));
        field.clear();
        return true;
    };
    while (i < n) {
        if (text[i] == '"') {
            for (++i;; ++i) {
                if (i >= n)
                    return std::nullopt; // never closed
                if (text[i] == '"') {
                    if (i + 1 < n && text[i + 1] == '"') {
                        field += '"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i];
            }
        } else {
            while (i < n && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                if (text[i] == '"')
                    return std::nullopt; // a quote inside a bare field
                field += text[i++];
            }
        }
        if (!endField())
            return std::nullopt;
        if (i < n && text[i] == ',') {
            ++i;
            continue;
        }
        if (i + 1 < n && text[i] == '\r' && text[i + 1] == '\n') {
            i += 2;
            records.append(std::exchange(fields, {}));
            continue;
        }
        return std::nullopt; // junk after a quote, a lone CR or LF, or no line end at the end
    }
    if (!fields.isEmpty())
        return std::nullopt;
    return records;
}

bool NeedsQuotes(const QString& f) {
    return f.contains(u',') || f.contains(u'"') || f.contains(u'\r') || f.contains(u'\n') ||
           (!f.isEmpty() && (f.front().isSpace() || f.back().isSpace()));
}

// A field is written as it is unless it needs quotes, and reads back alone.
void CheckField(const QString& f) {
    const QString written = records::CsvField(f);
    if ((written == f) == NeedsQuotes(f))
        std::abort();
    const auto back = ReadCsv(written.toUtf8() + "\r\n");
    if (!back || back->size() != 1 || back->at(0) != QStringList{f})
        std::abort();
}

// An empty header is a line with nothing on it, which any reader takes for
// one empty field.
QStringList AsRead(QStringList fields) {
    if (fields.isEmpty())
        fields.append(QString());
    return fields;
}

const QStringList kTableHeader = {
    QStringLiteral("日付"),   QStringLiteral("時間"),     QStringLiteral("問数"),
    QStringLiteral("ＯＫ"),   QStringLiteral("ＮＧ"),     QStringLiteral("文字数"),
    QStringLiteral("正解率"), QStringLiteral("秒当たり"), QStringLiteral("表示秒数")};

} // namespace

// The bytes up to the first NUL are the header, in UTF-8, its fields split at
// U+001F, and the rest a history file; with no NUL, all of it is the history
// under the results table's own header. A header of nine fields or more is
// also saved as a record, so that any text goes through a row.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype nul = bytes.indexOf('\0');
    // A byte order mark of the header's own is kept: the export's goes before it.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless |
                                                  QStringConverter::Flag::ConvertInitialBom);
    const QStringList header =
        nul < 0 ? kTableHeader : QString(utf8.decode(bytes.first(nul))).split(QChar(0x1F));
    records::HistoryLoad load = records::ParseHistory(nul < 0 ? bytes : bytes.sliced(nul + 1),
                                                      std::numeric_limits<qsizetype>::max());
    records::HistoryRows& rows = load.rows;
    if (header.size() >= 9)
        rows.append({header[0], header[1], header[2], header[3], header[4], header[5], header[6],
                     header[7], header[8]});

    for (const QString& f : header)
        CheckField(f);
    const QByteArray csv = records::HistoryCsv(header, rows);
    if (!csv.startsWith("\xEF\xBB\xBF"))
        std::abort();
    const auto read = ReadCsv(QByteArrayView(csv).sliced(3));
    if (!read || read->size() != 1 + rows.size() || read->at(0) != AsRead(header))
        std::abort();
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const QStringList fields = rows.fields(r);
        if (fields.size() != 9 || read->at(1 + r) != fields || rows.at(r).fields() != fields)
            std::abort();
    }
    return 0;
}
