// Feeds arbitrary bytes to the readers of the three files and checks what
// they give back: no crash, no hang, and texts and records that survive being
// written back.
#include "game/word_list.h"
#include "records/cp932.h"
#include "records/history_file.h"
#include "records/settings_file.h"

#include "records/items.h"

#include <cstdlib>

namespace {

// The history as a plain reading of decoded text gives it: every line of nine
// items whose items 4 to 6 are 16-bit numbers.
QList<QStringList> TextRecords(const QByteArray& bytes) {
    QList<QStringList> records;
    records::ItemReader reader(records::DecodeCp932(bytes));
    while (!reader.atEnd()) {
        QStringList items = records::ReadLine(reader);
        if (items.size() != 9)
            continue;
        bool good = true;
        for (int k = 3; k <= 5; ++k) {
            bool ok = false;
            const int v = items[k].trimmed().toInt(&ok);
            // toInt stops at a NUL; the reader takes such an item for what it
            // is, not a number.
            good = good && ok && v >= -32768 && v <= 32767 && !items[k].contains(QChar(0));
            items[k] = QString::number(v);
        }
        if (good)
            records.append(items);
    }
    return records;
}

bool HasLineOver(const QByteArray& bytes, qsizetype limit) {
    qsizetype run = 0;
    for (char c : bytes) {
        run = (c == '\r' || c == '\n') ? 0 : run + 1;
        if (run > limit)
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    const QString text = records::DecodeCp932(bytes);
    if (text.size() > bytes.size())
        std::abort(); // every byte gives at most one character
    // Text read from valid bytes reads the same after writing it back (the code
    // page has duplicate codes for some characters, so the bytes may differ).
    if (!text.contains(QChar::ReplacementCharacter) &&
        records::DecodeCp932(records::EncodeCp932(text)) != text)
        std::abort();

    const records::Settings s = records::ParseSettings(bytes);
    if (s.jikan < 1 || (s.autoSave != 0 && s.autoSave != 1))
        std::abort();

    const records::HistoryRows rows = records::ParseHistory(bytes).rows;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const records::HistoryRecord r = rows.at(i);
        const records::HistoryLoad back = records::ParseHistory(records::HistoryLine(r));
        if (back.rows.size() != 1)
            std::abort(); // whatever was read is written back as one line
    }

    // The byte-level reading agrees with reading decoded text, line by line.
    if (!HasLineOver(bytes, records::kMaxRecordBytes)) {
        const QList<QStringList> expected = TextRecords(bytes);
        if (expected.size() != rows.size())
            std::abort();
        for (qsizetype i = 0; i < rows.size(); ++i)
            if (rows.fields(i) != expected[i])
                std::abort();
    }

    const QStringList words = game::ParseWordList(bytes);
    if (words.size() > game::kMaxWords)
        std::abort();
    for (const QString& w : words)
        if (w.isEmpty())
            std::abort();
    return 0;
}
