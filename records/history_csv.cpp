#include "records/history_csv.h"

namespace records {

QString CsvField(const QString& text) {
    const bool quote = text.contains(u',') || text.contains(u'"') || text.contains(u'\r') ||
                       text.contains(u'\n') ||
                       (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!quote)
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QByteArray HistoryCsv(const QStringList& header, const HistoryRows& rows) {
    QByteArray out = "\xEF\xBB\xBF";
    const auto line = [&out](const QStringList& fields) {
        QStringList written;
        for (const QString& f : fields)
            written << CsvField(f);
        out += written.join(u',').toUtf8() + "\r\n";
    };
    line(header);
    for (qsizetype r = 0; r < rows.size(); ++r)
        line(rows.fields(r));
    return out;
}

} // namespace records
