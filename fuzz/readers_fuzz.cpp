// Feeds arbitrary bytes to the readers of the three files and checks what
// they give back: no crash, no hang, and texts and records that survive being
// written back. The records also go to the progress chart, and each file is
// read from disk as the game reads it, the preferences file too.
#include "game/panel_order.h"
#include "game/progress.h"
#include "game/word_list.h"
#include "records/cp932.h"
#include "records/history_file.h"
#include "records/preferences.h"
#include "records/settings_file.h"

#include "records/items.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>

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

bool SameRow(const records::HistoryRows& a, qsizetype i, const records::HistoryRows& b,
             qsizetype j) {
    for (int k = 0; k < 9; ++k)
        if (a.item(i, k) != b.item(j, k))
            return false;
    return true;
}

// Keeping only the newest records drops exactly the older ones.
void CheckKeep(const QByteArray& bytes, const records::HistoryLoad& all) {
    constexpr qsizetype keep = 2;
    const records::HistoryLoad part = records::ParseHistory(bytes, keep);
    const qsizetype kept = std::min(keep, all.rows.size());
    if (part.rows.size() != kept || part.skippedLines != all.skippedLines ||
        part.dropped != all.dropped + all.rows.size() - kept)
        std::abort();
    for (qsizetype i = 0; i < kept; ++i)
        if (!SameRow(part.rows, i, all.rows, all.rows.size() - kept + i))
            std::abort();
}

// A point of the chart agrees with what Qt's own readers make of its items.
void CheckPointText(const game::ProgressPoint& p, const QStringList& f) {
    const QDateTime when(QDate::fromString(f[0], QStringLiteral("yyyy/MM/dd")),
                         QTime::fromString(f[1], QStringLiteral("HH:mm:ss")), Qt::UTC);
    if (!when.isValid() || when.toSecsSinceEpoch() != p.when)
        std::abort();
    bool rateOk = false, speedOk = false, jikanOk = false;
    const double rate = QStringView(f[6]).chopped(1).toDouble(&rateOk);
    const double speed = QStringView(f[7]).chopped(2).toDouble(&speedOk);
    const int jikan = QStringView(f[8]).chopped(1).toInt(&jikanOk);
    if (!rateOk || !speedOk || !jikanOk || std::lround(rate * 10) != p.rate ||
        std::lround(speed * 100) != p.speed || jikan != p.jikan)
        std::abort();
}

// The moving averages and figures of one time limit's rounds, as the chart
// defines them.
void CheckSeries(const game::Progress& progress, int jikan) {
    const game::ProgressSeries series = game::ChooseRounds(progress, jikan);
    qsizetype n = 0;
    int best = 0;
    for (const game::ProgressPoint& p : progress.points)
        if (jikan == 0 || p.jikan == jikan) {
            if (n >= series.points.size() || series.points[n] != p)
                std::abort();
            best = std::max(best, p.speed);
            ++n;
        }
    if (n != series.points.size() || series.speedAverage.size() != n ||
        series.rateAverage.size() != n)
        std::abort();
    for (qsizetype i = 0; i < n; ++i) {
        const qsizetype from = std::max<qsizetype>(0, i + 1 - game::kAverageRounds);
        double speed = 0, rate = 0;
        for (qsizetype k = from; k <= i; ++k)
            speed += series.points[k].speed, rate += series.points[k].rate;
        speed /= 100.0 * double(i + 1 - from);
        rate /= 10.0 * double(i + 1 - from);
        if (std::abs(series.speedAverage[i] - speed) > 1e-9 ||
            std::abs(series.rateAverage[i] - rate) > 1e-9)
            std::abort();
    }
    const game::ProgressFigures figures = game::FiguresOf(series);
    if (figures.count != n || figures.bestSpeed != best / 100.0 ||
        (n > 0 && figures.meanSpeed > figures.bestSpeed + 1e-9))
        std::abort();
}

// The chart reads each record on its own and keeps those whose figures read,
// in time order (rounds of one second in row order), with each time limit
// present listed once, ascending.
void CheckProgress(const records::HistoryRows& rows) {
    const game::Progress progress = game::ReadProgress(rows);
    if (progress.points.size() + progress.unreadable != rows.size())
        std::abort();
    if (!std::is_sorted(progress.limits.begin(), progress.limits.end()) ||
        std::adjacent_find(progress.limits.begin(), progress.limits.end()) != progress.limits.end())
        std::abort();
    std::set<int> limits;
    for (qsizetype i = 0; i < progress.points.size(); ++i) {
        const game::ProgressPoint& p = progress.points[i];
        const auto again = game::ReadProgressPoint(rows, p.row);
        if (!again || *again != p || p.rate < 0 || p.rate > 1000 || p.speed < 0 || p.jikan < 1)
            std::abort();
        if (i > 0) {
            const game::ProgressPoint& q = progress.points[i - 1];
            if (q.when > p.when || (q.when == p.when && q.row >= p.row))
                std::abort();
        }
        if (!std::binary_search(progress.limits.begin(), progress.limits.end(), p.jikan))
            std::abort();
        limits.insert(p.jikan);
        CheckPointText(p, rows.fields(p.row));
    }
    if (qsizetype(limits.size()) != progress.limits.size())
        std::abort();
    CheckSeries(progress, 0);
    if (!progress.limits.isEmpty())
        CheckSeries(progress, progress.limits.first());
}

// A round the game saves, with counts a round can have, reads back as it was
// written, and the chart reads its figures rounded as the labels show them.
void CheckSaved(int16_t ok, int16_t ng, int16_t moji, int16_t jikan) {
    const QDateTime now(QDate(2024, 5, 1), QTime(21, 3, 45));
    const records::HistoryRecord record = records::MakeHistoryRecord(ok, ng, moji, jikan, now);
    const records::HistoryLoad back = records::ParseHistory(records::HistoryLine(record));
    if (back.rows.size() != 1 || back.rows.at(0) != record)
        std::abort();
    const auto point = game::ReadProgressPoint(back.rows, 0);
    // Halves away from zero: (2a + b) / 2b is a / b rounded so.
    const int total = ok + ng;
    const int rate = total == 0 ? 0 : (2 * 1000 * ok + total) / (2 * total);
    const int speed = int((2 * 100 * int64_t(moji) + jikan) / (2 * int64_t(jikan)));
    if (!point || point->rate != rate || point->speed != speed || point->jikan != jikan)
        std::abort();
}

// Storing a preference keeps what the file says of every other key, and reads
// back as stored, whatever the value holds.
void CheckPreferences(const QString& path, const QByteArray& bytes) {
    const QString key = QStringLiteral("help/zoom");
    records::Preferences preferences(path);
    QList<std::pair<QString, QString>> others;
    for (const QByteArray& line : bytes.left(4096).split('\n')) {
        const QByteArray name = line.left(line.indexOf('=')).trimmed();
        const QString other = QString::fromUtf8(name);
        // Keys are asked for in UTF-8: one that is not cannot be asked for.
        if (line.indexOf('=') > 0 && !name.isEmpty() && other.toUtf8() == name && other != key &&
            others.size() < 8)
            others.append({other, preferences.text(other)});
    }
    const QString value = QString::fromUtf8(bytes.left(40));
    if (!preferences.set(key, value))
        return; // the file could not be replaced: nothing to compare
    if (preferences.text(key) != value)
        std::abort();
    for (const auto& [other, text] : others)
        if (preferences.text(other) != text)
            std::abort();
}

// Each file read from disk, a piece at a time, gives what its bytes give.
void CheckFiles(const QByteArray& bytes, const records::HistoryLoad& history,
                const QStringList& words) {
    static const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("file.txt"));
    QFile file(path);
    if (!dir.isValid() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size() || !file.flush())
        return; // no room for the file: nothing to compare
    file.close();

    // A settings file is read up to its first 4096 bytes only.
    const records::Settings s = records::LoadSettings(path);
    const records::Settings head = records::ParseSettings(bytes.left(4096));
    if (s.jikan != head.jikan || s.autoSave != head.autoSave)
        std::abort();

    const records::HistoryLoad load = records::LoadHistory(path);
    if (load.rows.size() != history.rows.size() || load.skippedLines != history.skippedLines ||
        load.dropped != history.dropped)
        std::abort();
    for (qsizetype i = 0; i < load.rows.size(); ++i)
        if (!SameRow(load.rows, i, history.rows, i))
            std::abort();

    if (game::ReadWordList(path) != words)
        std::abort();
    // The list panel shows the same words in collation order, the same order
    // however often it is sorted.
    const QStringList panel = game::CollatedOrder().sorted(words);
    QStringList sorted = words, shown = panel;
    std::sort(sorted.begin(), sorted.end());
    std::sort(shown.begin(), shown.end());
    QStringList again = panel;
    game::SortJapanese(again);
    if (shown != sorted || again != panel)
        std::abort();
    // Last, as it rewrites the file.
    CheckPreferences(path, bytes);
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

    const records::HistoryLoad history = records::ParseHistory(bytes);
    const records::HistoryRows& rows = history.rows;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const records::HistoryRecord r = rows.at(i);
        const records::HistoryLoad back = records::ParseHistory(records::HistoryLine(r));
        if (back.rows.size() != 1)
            std::abort(); // whatever was read is written back as one line
    }

    // The byte-level reading agrees with reading decoded text, line by line.
    if (!HasLineOver(bytes, records::kMaxRecordBytes)) {
        const QList<QStringList> expected = TextRecords(bytes);
        if (expected.size() != rows.size() + history.dropped)
            std::abort();
        for (qsizetype i = 0; i < rows.size(); ++i)
            if (rows.fields(i) != expected[history.dropped + i])
                std::abort();
    }
    CheckKeep(bytes, history);
    CheckProgress(rows);
    // The counts of the first record that a round could have saved.
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const int ok = rows.item(i, 3).toInt(), ng = rows.item(i, 4).toInt(),
                  moji = rows.item(i, 5).toInt();
        if (ok >= 0 && ng >= 0 && moji >= 0) {
            CheckSaved(int16_t(ok), int16_t(ng), int16_t(moji), s.jikan);
            break;
        }
    }

    const QStringList words = game::ParseWordList(bytes);
    if (words.size() > game::kMaxWords)
        std::abort();
    for (const QString& w : words)
        if (w.isEmpty())
            std::abort();

    CheckFiles(bytes, history, words);
    return 0;
}
