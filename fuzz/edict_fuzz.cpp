// Feeds arbitrary bytes to the EDICT reader, line by line, and as a whole
// dictionary to the index: every entry read holds what the format promises,
// every headword and reading of an entry is found again by a look-up, the
// index read back from its cache answers as the one just built, and the list
// maker gives distinct askable kana within its bounds.
#include "game/dictionary_lists.h"
#include "records/dictionary_index.h"
#include "records/edict.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>

namespace {

using records::DictionaryIndex;

std::unique_ptr<QTemporaryDir> scratch;

void Require(bool ok) {
    if (!ok)
        std::abort();
}

void CheckEntry(const records::EdictEntry& e) {
    Require(!e.headwords.isEmpty() && !e.senses.isEmpty());
    for (const QStringList* list : {&e.headwords, &e.readings})
        for (const QString& w : *list)
            Require(!w.isEmpty() && w == w.trimmed() && !w.contains(u'/') && !w.contains(u';'));
    for (const QString& w : e.headwords)
        Require(!w.contains(u' ') && !w.contains(u'['));
    for (const records::EdictSense& s : e.senses) {
        Require(!s.glosses.isEmpty());
        for (const QString& g : s.glosses)
            Require(!g.isEmpty() && g == g.trimmed() && !g.contains(u'/') && g != u"(P)");
        Require(s.usuallyKana == s.tags.contains(QStringLiteral("uk")));
    }
    Require(e.usuallyKana == e.senses[0].usuallyKana);
}

QString Answer(const std::optional<records::DictionaryHit>& h) {
    if (!h)
        return QStringLiteral("-");
    return h->written + u'[' + h->reading + u']' + h->glosses.join(u'/') + u'+' +
           QString::number(h->moreSenses) + u'=' + QString::number(h->sameReading);
}

void CheckList(const DictionaryIndex& index, const game::ListFilter& filter) {
    const game::MadeList made = game::MakeDictionaryList(index, filter);
    Require(made.count == made.words.size());
    Require(QSet<QString>(made.words.begin(), made.words.end()).size() == made.words.size());
    for (const QString& w : made.words)
        Require(game::IsAskableKana(w, filter.script) && w.size() >= filter.minLength &&
                w.size() <= filter.maxLength);
}

void Check(const QString& folder, const QByteArray& bytes) {
    // Lines as the index splits them.
    QList<std::pair<QByteArrayView, records::EdictEntry>> entries;
    for (qsizetype start = 0; start < bytes.size();) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        const QByteArrayView line = QByteArrayView(bytes).sliced(start, end - start);
        start = end + 1;
        std::optional<records::EdictEntry> e = records::ParseEdictLine(line);
        if (!e)
            continue;
        CheckEntry(*e);
        if (line.size() <= DictionaryIndex::kMaxLineBytes)
            entries.append({line, std::move(*e)});
    }

    const QString dictionary = QDir(folder).filePath(QStringLiteral("edict"));
    const QString cache = QDir(folder).filePath(QStringLiteral("cache"));
    {
        QFile f(dictionary);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.flush())
            return; // no room for the file: nothing to check
    }
    DictionaryIndex::OpenReport report;
    const auto index = DictionaryIndex::open(dictionary, cache, &report);
    Require(index && report.cache == DictionaryIndex::OpenReport::Cache::Missing);
    Require(index->entryCount() == entries.size());

    QStringList keys;
    for (const auto& [line, e] : entries)
        for (const QStringList* list : {&e.headwords, &e.readings})
            for (const QString& k : *list)
                if (k.size() <= 256)
                    keys.append(k);
    QStringList answers;
    for (const QString& k : keys) {
        const auto hit = index->lookUp(k);
        Require(hit && !hit->written.isEmpty() && !hit->reading.isEmpty() &&
                !hit->glosses.isEmpty() && hit->moreSenses >= 0 && hit->sameReading >= 0);
        answers.append(Answer(hit));
    }
    for (qsizetype i = 0; i < index->entryCount(); ++i) {
        const records::IndexedEntry e = index->entry(i);
        const QString reading = index->reading(e.reading);
        Require(reading.size() == index->readingLength(e.reading));
        Require((e.reading == DictionaryIndex::kNoReading) == reading.isEmpty());
    }
    for (bool common : {true, false})
        for (int part = 0; part <= int(game::DictPart::NaAdjective); ++part)
            for (auto script : {game::DictScript::Reading, game::DictScript::Katakana}) {
                game::ListFilter filter;
                filter.commonOnly = common;
                filter.part = game::DictPart(part);
                filter.script = script;
                filter.minLength = 1;
                filter.maxLength = 40;
                CheckList(*index, filter);
            }

    // The same answers from the cache file it wrote.
    if (report.saved) {
        const auto again = DictionaryIndex::open(dictionary, cache, &report);
        Require(again && report.cache == DictionaryIndex::OpenReport::Cache::Used);
        for (qsizetype i = 0; i < keys.size(); ++i)
            Require(Answer(again->lookUp(keys[i])) == answers[i]);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Memory rather than disk: every cache file written is synced.
    const QString shm = QStringLiteral("/dev/shm");
    scratch = std::make_unique<QTemporaryDir>((QFileInfo(shm).isDir() ? shm : QDir::tempPath()) +
                                              QStringLiteral("/edict_fuzz-XXXXXX"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!scratch || !scratch->isValid())
        return 0;
    static int run = 0;
    const QString folder = scratch->filePath(QString::number(++run));
    if (!QDir().mkpath(folder))
        return 0;
    Check(folder, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    QDir(folder).removeRecursively();
    return 0;
}
