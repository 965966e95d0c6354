// Feeds arbitrary bytes to the readers of the three files and checks what
// they give back: no crash, no hang, and texts and records that survive being
// written back.
#include "game/word_list.h"
#include "records/cp932.h"
#include "records/history_file.h"
#include "records/settings_file.h"

#include <cstdlib>

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
        if (back.rows.size() != 1 || back.rows.at(0) != r)
            std::abort(); // whatever was read is written back as one line
    }

    const QStringList words = game::ParseWordList(bytes);
    if (words.size() > game::kMaxWords)
        std::abort();
    for (const QString& w : words)
        if (w.isEmpty())
            std::abort();
    return 0;
}
