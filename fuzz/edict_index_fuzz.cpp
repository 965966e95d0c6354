// Feeds arbitrary cache files to the dictionary index, beside a dictionary of
// our own: the bytes as they come, a sound index with bytes changed and its
// checksum set again, or changed without. A file that fails its checks is
// rebuilt into the very index a fresh build makes; one that passes them (only
// a resealed one can) may lose answers but never gives a wrong one, and its
// entries and lists stay within what the format allows.
#include "game/dictionary_lists.h"
#include "records/dictionary_index.h"
#include "records/edict.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

using records::DictionaryIndex;
using Cache = DictionaryIndex::OpenReport::Cache;

const char* const kDictionary[] = {
    "　？？？ /FUZZ DICTIONARY/",
    "端 [はし] /(n) (1) end/edge/(2) beginning/",
    "橋 [はし] /(n) bridge/(P)/",
    "箸 [はし] /(n) chopsticks/(P)/",
    "在る [ある] /(v5r-i) to exist/(P)/",
    "有る [ある] /(v5r-i) (uk) to be/(P)/",
    "寝子 [ねこ] /(iK) (n) sleeper/",
    "猫 [ねこ] /(n) cat/",
    "林檎 [りんご] /(n) (uk) apple/(P)/",
    "リンゴ /(n) apple/",
    "珈琲 [コーヒー] /(n) (uk) coffee/(P)/",
    "会社;會社 [かいしゃ;がいしゃ] /(n) (1) company/(2) office/(P)/",
    "会者 [かいしゃ] /(n) attendee/",
    "静か [しずか] /(adj-na) quiet/",
    "赤い [あかい] /(adj-i) red/",
    "ありがとう /(int) thank you/(P)/",
};

struct World {
    explicit World(const QString& pattern) : dir(pattern) {}
    QTemporaryDir dir;
    QString dictionary;
    QByteArray sound;                      // the cache file a fresh build writes
    QStringList keys;                      // every headword and reading, and a few others
    QStringList answers;                   // of the sound index, for each key
    QHash<QString, QSet<QString>> fitting; // what an entry with the key may answer
};
std::unique_ptr<World> world;

void Require(bool ok) {
    if (!ok)
        std::abort();
}

QString Answer(const std::optional<records::DictionaryHit>& h) {
    if (!h)
        return QStringLiteral("-");
    return h->written + u'[' + h->reading + u']' + h->glosses.join(u'/') + u'+' +
           QString::number(h->moreSenses) + u'=' + QString::number(h->sameReading);
}

// The answer without the count of others read alike, which lost postings lower.
QString Entry(const QString& answer) {
    return answer.left(answer.lastIndexOf(u'='));
}

QString AsHiragana(const QString& word) {
    QString out = word;
    for (QChar& c : out)
        if (c.unicode() >= 0x30A1 && c.unicode() <= 0x30F6)
            c = QChar(char16_t(c.unicode() - 0x60));
    return out;
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void CheckEntriesAndLists(const DictionaryIndex& index) {
    for (qsizetype i = 0; i < index.entryCount(); ++i) {
        const records::IndexedEntry e = index.entry(i);
        const QString reading = index.reading(e.reading);
        Require(reading.size() == index.readingLength(e.reading));
        for (QChar c : reading)
            Require(c.unicode() >= 0x3000 && c.unicode() <= 0x30FF);
    }
    for (auto script : {game::DictScript::Reading, game::DictScript::Katakana}) {
        game::ListFilter filter;
        filter.commonOnly = false;
        filter.script = script;
        filter.minLength = 1;
        filter.maxLength = 300;
        const game::MadeList made = game::MakeDictionaryList(index, filter);
        Require(QSet<QString>(made.words.begin(), made.words.end()).size() == made.words.size());
        for (const QString& w : made.words)
            Require(game::IsAskableKana(w, script) && w.size() <= 300);
    }
}

void Check(const QString& cache, const QByteArray& bytes, bool sealed) {
    Require(QDir().mkpath(cache));
    const QString path = QDir(cache).filePath(DictionaryIndex::kCacheFileName);
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.flush())
            return;
    }
    DictionaryIndex::OpenReport report;
    const auto index = DictionaryIndex::open(world->dictionary, cache, &report);
    Require(index != nullptr);
    if (report.cache != Cache::Used) {
        // Rebuilt: the index a fresh build makes, written in place of the file.
        Require(report.saved && ReadAll(path) == world->sound);
        for (qsizetype i = 0; i < world->keys.size(); ++i)
            Require(Answer(index->lookUp(world->keys[i])) == world->answers[i]);
    } else {
        // Only bytes that carry the right checksum are used.
        Require(sealed || bytes == world->sound);
        for (const QString& k : world->keys) {
            const auto hit = index->lookUp(k);
            Require(!hit || world->fitting.value(k).contains(Entry(Answer(hit))) ||
                    world->fitting.value(AsHiragana(k)).contains(Entry(Answer(hit))));
        }
    }
    CheckEntriesAndLists(*index);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Memory rather than disk: every cache file written is synced.
    const QString shm = QStringLiteral("/dev/shm");
    world = std::make_unique<World>((QFileInfo(shm).isDir() ? shm : QDir::tempPath()) +
                                    QStringLiteral("/edict_index_fuzz-XXXXXX"));
    Require(world->dir.isValid());
    world->dictionary = world->dir.filePath(QStringLiteral("edict"));
    QStringList lines;
    for (const char* l : kDictionary)
        lines << QString::fromUtf8(l);
    QStringEncoder euc("EUC-JP");
    const QByteArray bytes = euc.encode(lines.join(u'\n') + u'\n');
    QFile f(world->dictionary);
    Require(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    f.close();

    const QString cache = world->dir.filePath(QStringLiteral("sound"));
    const auto index = DictionaryIndex::open(world->dictionary, cache);
    Require(index != nullptr);
    world->sound = ReadAll(QDir(cache).filePath(DictionaryIndex::kCacheFileName));
    Require(!world->sound.isEmpty());

    for (qsizetype start = 0; start < bytes.size();) {
        const qsizetype end = bytes.indexOf('\n', start);
        const std::optional<records::EdictEntry> e =
            records::ParseEdictLine(QByteArrayView(bytes).sliced(start, end - start));
        start = end + 1;
        if (!e)
            continue;
        // Each key may answer this entry, with the count of others unknown.
        records::DictionaryHit hit;
        hit.written = e->headwords[0];
        hit.reading = e->readings.isEmpty() ? e->headwords[0] : e->readings[0];
        hit.glosses = e->senses[0].glosses;
        hit.moreSenses = int(e->senses.size()) - 1;
        for (const QStringList* list : {&e->headwords, &e->readings})
            for (const QString& k : *list) {
                if (!world->keys.contains(k))
                    world->keys.append(k);
                world->fitting[k].insert(Entry(Answer(hit)));
            }
    }
    world->keys << QStringLiteral("いぬ") << QStringLiteral("コーヒー") << QStringLiteral("ネコ")
                << QString();
    for (const QString& k : world->keys)
        world->answers.append(Answer(index->lookUp(k)));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!world || size == 0)
        return 0;
    static int run = 0;
    const QString folder = world->dir.filePath(QString::number(++run));
    const QByteArray input(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    QByteArray bytes;
    bool sealed = false;
    switch (data[0] % 3) {
    case 0: // the bytes as they come
        bytes = input;
        break;
    default: { // five bytes a change: where (little-endian) and the new byte
        bytes = world->sound;
        for (qsizetype i = 0; i + 5 <= input.size(); i += 5) {
            quint32 at = 0;
            std::memcpy(&at, input.constData() + i, 4);
            bytes[qsizetype(at % quint32(bytes.size()))] = input[i + 4];
        }
        if (data[0] % 3 == 1) {
            records::ResealDictionaryIndex(bytes);
            sealed = true;
        }
    }
    }
    Check(QDir(folder).filePath(QStringLiteral("cache")), bytes, sealed);
    QDir(folder).removeRecursively();
    return 0;
}
