#pragma once

#include "records/history_file.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace records {

// A field as comma-separated values write it: between double quotes, with
// its quotes doubled, when it holds a comma, a quote, a line end or an edge
// blank; else as it is.
QString CsvField(const QString& text);

// The records as comma-separated values in UTF-8 with a byte order mark (so
// that a spreadsheet reads the Japanese), CR LF after every line, the
// header first, each record's nine items as the history file holds them.
QByteArray HistoryCsv(const QStringList& header, const HistoryRows& rows);

} // namespace records
