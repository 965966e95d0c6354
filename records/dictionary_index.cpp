#include "records/dictionary_index.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace records {
namespace {

constexpr char kMagic[8] = {'M', 'O', 'J', 'I', 'E', 'D', 'I', 'X'};
constexpr quint32 kByteOrder = 0x01020304;

struct Header {
    char magic[8];
    quint32 version;
    quint32 byteOrder;
    quint64 dictSize;
    qint64 dictMtimeNs;
    quint64 dictSample;
    quint32 lines, entries, postings, buckets, readings, poolBytes;
    quint64 checksum;
};
static_assert(sizeof(Header) == 72);
constexpr qsizetype kChecksumAt = offsetof(Header, checksum);

// Far above the real file's counts, and low enough that no size overflows.
constexpr quint32 kMaxCount = 1u << 28;

enum EntryFlag : uint8_t { kCommon = 1, kUsuallyKana = 2, kIrregular = 4, kScriptShift = 3 };

// ---- hashes ----

quint64 Mix(quint64 h) {
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdull;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ull;
    h ^= h >> 33;
    return h;
}

quint64 KeyHash(QStringView key) {
    quint64 h = 0xcbf29ce484222325ull;
    for (QChar c : key) {
        h ^= c.unicode();
        h *= 0x100000001b3ull;
    }
    return Mix(h);
}

// Eight bytes a step: the checksum of some megabytes costs about a
// millisecond. The pieces it is given may split the bytes anywhere.
struct Checksum {
    quint64 h = 0x9e3779b97f4a7c15ull;
    quint64 length = 0;
    char carry[8];
    int carried = 0;
    void word(const char* p) {
        quint64 w;
        std::memcpy(&w, p, 8);
        h = (h ^ w) * 0x9e3779b97f4a7c15ull;
        h ^= h >> 29;
    }
    void add(const char* p, qsizetype n) {
        length += quint64(n);
        while (carried > 0 && carried < 8 && n > 0)
            carry[carried++] = *p++, --n;
        if (carried == 8)
            word(carry), carried = 0;
        for (; n >= 8; p += 8, n -= 8)
            word(p);
        while (n-- > 0)
            carry[carried++] = *p++;
    }
    quint64 value() const {
        quint64 v = h;
        for (int i = 0; i < carried; ++i)
            v = (v ^ quint64(uchar(carry[i]))) * 0x100000001b3ull;
        return Mix(v ^ length);
    }
};

// ---- layout ----

constexpr quint64 Align(quint64 n) {
    return (n + 7) & ~quint64(7);
}

struct Layout {
    quint64 buckets, postings, fingerprints, entryReadings, entryFlags, entryPos, readingStarts,
        pool, size;
};

Layout LayoutOf(const Header& h) {
    Layout l{};
    quint64 at = sizeof(Header);
    const auto place = [&at](quint64& field, quint64 bytes) {
        field = at;
        at = Align(at + bytes);
    };
    place(l.buckets, (quint64(h.buckets) + 1) * 4);
    place(l.postings, quint64(h.postings) * 4);
    place(l.fingerprints, h.postings);
    place(l.entryReadings, quint64(h.entries) * 4);
    place(l.entryFlags, h.entries);
    place(l.entryPos, h.entries);
    place(l.readingStarts, (quint64(h.readings) + 1) * 4);
    place(l.pool, h.poolBytes);
    l.size = at;
    return l;
}

bool SaneCounts(const Header& h) {
    const bool pow2 = h.buckets != 0 && (h.buckets & (h.buckets - 1)) == 0;
    return pow2 && h.buckets <= kMaxCount && h.postings <= kMaxCount && h.entries <= kMaxCount &&
           h.readings <= kMaxCount && h.poolBytes <= kMaxCount;
}

// ---- the dictionary file ----

struct Identity {
    quint64 size = 0;
    qint64 mtimeNs = 0;
    quint64 sample = 0;
};

bool ReadAt(int fd, char* buf, qsizetype n, qint64 offset, qsizetype* got) {
    qsizetype done = 0;
    while (done < n) {
        const ssize_t r = ::pread(fd, buf + done, size_t(n - done), off_t(offset + done));
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            return false;
        if (r == 0)
            break;
        done += r;
    }
    *got = done;
    return true;
}

std::optional<Identity> IdentityOf(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    Identity id;
    id.size = quint64(st.st_size);
    id.mtimeNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    Checksum sum;
    QByteArray buf;
    const auto add = [&](qint64 at, qint64 n) {
        buf.resize(n);
        qsizetype got = 0;
        if (!ReadAt(fd, buf.data(), n, at, &got))
            return false;
        sum.add(buf.constData(), got);
        return true;
    };
    const qint64 size = st.st_size;
    constexpr qint64 kWhole = 1 << 20, kEnd = 64 << 10, kPiece = 4 << 10, kPieces = 16;
    bool ok = true;
    if (size <= kWhole) {
        ok = add(0, size);
    } else {
        ok = add(0, kEnd) && add(size - kEnd, kEnd);
        for (qint64 i = 1; ok && i <= kPieces; ++i)
            ok = add(kEnd + (size - 2 * kEnd - kPiece) * i / (kPieces + 1), kPiece);
    }
    if (!ok)
        return std::nullopt;
    id.sample = sum.value();
    return id;
}

// The line that starts at `offset`, or nothing when none does (a damaged
// index may point anywhere).
std::optional<QByteArray> LineAt(int fd, quint32 offset) {
    // From the byte before, which must end the line before.
    const qint64 from = offset == 0 ? 0 : qint64(offset) - 1;
    const qsizetype lead = offset == 0 ? 0 : 1;
    QByteArray buf(4096, Qt::Uninitialized);
    qsizetype got = 0;
    for (;;) {
        if (!ReadAt(fd, buf.data(), buf.size(), from, &got))
            return std::nullopt;
        if (lead && (got < 1 || buf[0] != '\n'))
            return std::nullopt;
        const qsizetype end = QByteArrayView(buf).first(got).indexOf('\n', lead);
        if (end >= 0)
            return buf.sliced(lead, end - lead);
        if (got < buf.size()) // the last line, with no line end
            return buf.sliced(lead, got - lead);
        if (buf.size() > DictionaryIndex::kMaxLineBytes)
            return std::nullopt;
        buf.resize(buf.size() * 4);
    }
}

// ---- kana ----

bool IsHiragana(char16_t c) {
    return c >= 0x3041 && c <= 0x309F;
}
bool IsKatakana(char16_t c) {
    return c >= 0x30A1 && c <= 0x30FF && c != 0x30FB && c != 0x30FC; // not ・ ー
}
bool IsKanji(char16_t c) {
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0x3005 && c <= 0x3007) ||
           QChar::isSurrogate(c); // the kanji beyond the BMP
}

HeadwordScript ScriptOf(QStringView word) {
    bool hira = false, kata = false, other = false;
    for (QChar ch : word) {
        const char16_t c = ch.unicode();
        if (IsKanji(c))
            return HeadwordScript::Kanji;
        if (IsHiragana(c))
            hira = true;
        else if (IsKatakana(c))
            kata = true;
        else if (c != 0x30FC)
            other = true;
    }
    if (other || hira == kata)
        return HeadwordScript::Other;
    return hira ? HeadwordScript::Hiragana : HeadwordScript::Katakana;
}

bool IsKana(QStringView word) {
    return !word.isEmpty() && std::all_of(word.begin(), word.end(), [](QChar c) {
        return IsHiragana(c.unicode()) || IsKatakana(c.unicode()) || c.unicode() == 0x30FC;
    });
}

std::optional<QString> KatakanaAsHiragana(QStringView word) {
    QString out;
    out.reserve(word.size());
    bool kata = false;
    for (QChar c : word) {
        const char16_t u = c.unicode();
        if (u >= 0x30A1 && u <= 0x30F6) { // ァ to ヶ have hiragana
            out += QChar(char16_t(u - 0x60));
            kata = true;
        } else if (u == 0x30FC) {
            out += c;
        } else {
            return std::nullopt;
        }
    }
    return kata ? std::optional(out) : std::nullopt;
}

// Distinct readings, one byte a character.
class ReadingPool {
public:
    quint32 intern(QStringView reading) {
        if (reading.isEmpty())
            return DictionaryIndex::kNoReading;
        for (QChar c : reading)
            if (c.unicode() < 0x3000 || c.unicode() > 0x30FF)
                return DictionaryIndex::kNoReading;
        if (starts.size() * 2 >= table.size())
            grow();
        const quint64 h = KeyHash(reading);
        for (size_t i = h & (table.size() - 1);; i = (i + 1) & (table.size() - 1)) {
            if (table[i] == 0) {
                const quint32 id = quint32(starts.size());
                starts.push_back(quint32(pool.size()));
                for (QChar c : reading)
                    pool.push_back(uint8_t(c.unicode() - 0x3000));
                table[i] = id + 1;
                hashes.push_back(h);
                return id;
            }
            const quint32 id = table[i] - 1;
            if (hashes[id] == h && same(id, reading))
                return id;
        }
    }
    std::vector<uint8_t> pool;
    std::vector<quint32> starts; // the end of the last is pool.size()

private:
    bool same(quint32 id, QStringView reading) const {
        const size_t begin = starts[id];
        const size_t end = id + 1 < starts.size() ? starts[id + 1] : pool.size();
        if (end - begin != size_t(reading.size()))
            return false;
        for (size_t k = 0; k < end - begin; ++k)
            if (pool[begin + k] != reading[qsizetype(k)].unicode() - 0x3000)
                return false;
        return true;
    }
    void grow() {
        std::vector<quint32> bigger(std::max<size_t>(1024, table.size() * 2), 0);
        for (quint32 id = 0; id < starts.size(); ++id)
            for (size_t i = hashes[id] & (bigger.size() - 1);; i = (i + 1) & (bigger.size() - 1))
                if (bigger[i] == 0) {
                    bigger[i] = id + 1;
                    break;
                }
        table.swap(bigger);
    }
    std::vector<quint32> table; // id + 1; 0 for none
    std::vector<quint64> hashes;
};

template <typename T> void Put(QByteArray& out, quint64 at, const T* items, size_t n) {
    if (n)
        std::memcpy(out.data() + at, items, n * sizeof(T));
}

// The index of the dictionary behind fd, as the cache file's bytes.
std::optional<QByteArray> Build(int fd, const Identity& id) {
    struct Posting {
        quint64 hash;
        quint32 offset;
    };
    std::vector<Posting> postings;
    std::vector<quint32> entryReadings;
    std::vector<uint8_t> entryFlags, entryPos;
    ReadingPool readings;
    quint32 lines = 0;

    const auto addLine = [&](QByteArrayView line, quint32 offset) {
        ++lines;
        const std::optional<EdictEntry> e = ParseEdictLine(line);
        if (!e)
            return;
        QStringList keys;
        for (const QStringList* list : {&e->headwords, &e->readings})
            for (const QString& k : *list)
                if (!keys.contains(k)) {
                    keys.append(k);
                    postings.push_back({KeyHash(k), offset});
                }
        const QString& reading = e->readings.isEmpty() ? e->headwords[0] : e->readings[0];
        entryReadings.push_back(readings.intern(reading));
        entryFlags.push_back(uint8_t(
            (e->common ? kCommon : 0) | (e->usuallyKana ? kUsuallyKana : 0) |
            (e->irregular ? kIrregular : 0) | (int(ScriptOf(e->headwords[0])) << kScriptShift)));
        entryPos.push_back(uint8_t(e->senses[0].pos.toInt()));
    };

    // Read a piece at a time: the whole file would double the build's memory.
    constexpr qsizetype kPiece = 1 << 20;
    QByteArray buf;
    qint64 bufAt = 0;      // file offset of buf[0]
    bool skipping = false; // inside a line too long to be an entry
    for (qint64 at = 0;;) {
        const qsizetype old = buf.size();
        buf.resize(old + kPiece);
        qsizetype got = 0;
        if (!ReadAt(fd, buf.data() + old, kPiece, at, &got))
            return std::nullopt;
        buf.resize(old + got);
        at += got;
        qsizetype start = 0;
        for (;;) {
            const qsizetype end = buf.indexOf('\n', start);
            if (end < 0)
                break;
            if (!skipping && end - start <= DictionaryIndex::kMaxLineBytes)
                addLine(QByteArrayView(buf).sliced(start, end - start), quint32(bufAt + start));
            skipping = false;
            start = end + 1;
        }
        if (got == 0) { // the end: a last line without a line end
            if (!skipping && start < buf.size() &&
                buf.size() - start <= DictionaryIndex::kMaxLineBytes)
                addLine(QByteArrayView(buf).sliced(start), quint32(bufAt + start));
            break;
        }
        if (buf.size() - start > DictionaryIndex::kMaxLineBytes) {
            skipping = true;
            start = buf.size();
        }
        buf.remove(0, start);
        bufAt += start;
        if (at >= DictionaryIndex::kMaxDictionaryBytes)
            return std::nullopt;
    }
    if (postings.size() >= kMaxCount || readings.pool.size() >= kMaxCount)
        return std::nullopt;

    Header h{};
    std::memcpy(h.magic, kMagic, sizeof kMagic);
    h.version = DictionaryIndex::kFormatVersion;
    h.byteOrder = kByteOrder;
    h.dictSize = id.size;
    h.dictMtimeNs = id.mtimeNs;
    h.dictSample = id.sample;
    h.lines = lines;
    h.entries = quint32(entryReadings.size());
    h.postings = quint32(postings.size());
    h.buckets = 16;
    while (h.buckets * 4 < h.postings)
        h.buckets *= 2;
    h.readings = quint32(readings.starts.size());
    h.poolBytes = quint32(readings.pool.size());

    const quint32 mask = h.buckets - 1;
    std::sort(postings.begin(), postings.end(), [mask](const Posting& a, const Posting& b) {
        const quint32 ba = quint32(a.hash) & mask, bb = quint32(b.hash) & mask;
        return ba != bb ? ba < bb : a.offset < b.offset;
    });
    std::vector<quint32> bucketStarts(size_t(h.buckets) + 1, 0), offsets;
    std::vector<uint8_t> fingerprints;
    offsets.reserve(postings.size());
    fingerprints.reserve(postings.size());
    for (const Posting& p : postings) {
        ++bucketStarts[(quint32(p.hash) & mask) + 1];
        offsets.push_back(p.offset);
        fingerprints.push_back(uint8_t(p.hash >> 56));
    }
    for (size_t b = 1; b < bucketStarts.size(); ++b)
        bucketStarts[b] += bucketStarts[b - 1];
    std::vector<quint32> readingStarts = readings.starts;
    readingStarts.push_back(quint32(readings.pool.size()));

    const Layout l = LayoutOf(h);
    QByteArray out(qsizetype(l.size), '\0');
    Put(out, l.buckets, bucketStarts.data(), bucketStarts.size());
    Put(out, l.postings, offsets.data(), offsets.size());
    Put(out, l.fingerprints, fingerprints.data(), fingerprints.size());
    Put(out, l.entryReadings, entryReadings.data(), entryReadings.size());
    Put(out, l.entryFlags, entryFlags.data(), entryFlags.size());
    Put(out, l.entryPos, entryPos.data(), entryPos.size());
    Put(out, l.readingStarts, readingStarts.data(), readingStarts.size());
    Put(out, l.pool, readings.pool.data(), readings.pool.size());
    std::memcpy(out.data(), &h, sizeof h);
    ResealDictionaryIndex(out);
    return out;
}

// ---- reading the cache file ----

using Cache = DictionaryIndex::OpenReport::Cache;

// The header of sound index bytes made from the dictionary; else what is
// wrong with them. The checksum is left to the caller.
std::optional<Header> CheckHeader(const char* bytes, qint64 size, const Identity& id, Cache* why) {
    Header h{};
    *why = Cache::Damaged;
    if (size < qint64(sizeof h))
        return std::nullopt;
    std::memcpy(&h, bytes, sizeof h);
    if (std::memcmp(h.magic, kMagic, sizeof kMagic) != 0 || h.byteOrder != kByteOrder)
        return std::nullopt;
    if (h.version != DictionaryIndex::kFormatVersion) {
        *why = Cache::Stale;
        return std::nullopt;
    }
    // An index takes a few bytes for each byte of its dictionary; a header
    // that claims far more would have a foreign file read whole.
    if (!SaneCounts(h) || LayoutOf(h).size != quint64(size) ||
        quint64(size) > 16 * id.size + (1 << 16))
        return std::nullopt;
    if (h.dictSize != id.size || h.dictMtimeNs != id.mtimeNs || h.dictSample != id.sample) {
        *why = Cache::Stale;
        return std::nullopt;
    }
    return h;
}

quint64 ChecksumOf(const char* bytes, qsizetype size) {
    Checksum sum;
    sum.add(bytes, kChecksumAt);
    sum.add(bytes + sizeof(Header), size - qsizetype(sizeof(Header)));
    return sum.value();
}

} // namespace

struct DictionaryIndex::Data {
    QFile dictionary; // kept open: look-ups read the file the index was made from
    QFile cache;      // mapped, or
    QByteArray owned; // the index in memory
    const uchar* bytes = nullptr;
    Header h{};
    Layout l{};

    template <typename T> T at(quint64 section, quint64 i) const {
        T v;
        std::memcpy(&v, bytes + section + i * sizeof(T), sizeof(T));
        return v;
    }
    void use(const uchar* b) {
        bytes = b;
        std::memcpy(&h, b, sizeof h);
        l = LayoutOf(h);
    }

    // The entries with the key among their headwords or readings, with
    // their line offsets, in file order.
    struct Found {
        quint32 offset;
        EdictEntry entry;
    };
    std::vector<Found> find(QStringView key) const {
        std::vector<Found> found;
        const quint64 hash = KeyHash(key);
        const quint32 b = quint32(hash) & (h.buckets - 1);
        const quint32 begin = std::min(at<quint32>(l.buckets, b), h.postings);
        const quint32 end = std::min(at<quint32>(l.buckets, b + 1), h.postings);
        std::vector<quint32> offsets;
        for (quint32 i = begin; i < end; ++i)
            if (at<uint8_t>(l.fingerprints, i) == uint8_t(hash >> 56))
                offsets.push_back(at<quint32>(l.postings, i));
        std::sort(offsets.begin(), offsets.end());
        offsets.erase(std::unique(offsets.begin(), offsets.end()), offsets.end());
        for (quint32 offset : offsets) {
            const std::optional<QByteArray> line = LineAt(dictionary.handle(), offset);
            if (!line)
                continue;
            std::optional<EdictEntry> e = ParseEdictLine(*line);
            if (e && (e->headwords.contains(key) || e->readings.contains(key)))
                found.push_back({offset, std::move(*e)});
        }
        return found;
    }
};

namespace {

bool ReadsAs(const EdictEntry& e, QStringView reading) {
    return e.readings.isEmpty() ? e.headwords.contains(reading) : e.readings.contains(reading);
}

QString ReadingOf(const EdictEntry& e) {
    return e.readings.isEmpty() ? e.headwords[0] : e.readings[0];
}

// Reads the cache file whole through `file` to check it, then maps it.
const uchar* OpenCache(QFile& file, const Identity& id, Cache* why) {
    *why = Cache::Damaged;
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    const qint64 size = file.size();
    Header h{};
    if (file.read(reinterpret_cast<char*>(&h), sizeof h) != qint64(sizeof h))
        return nullptr;
    if (!CheckHeader(reinterpret_cast<const char*>(&h), size, id, why))
        return nullptr;
    *why = Cache::Damaged;
    // Through read(), not the map: the pages stay out of the game's memory.
    Checksum sum;
    sum.add(reinterpret_cast<const char*>(&h), kChecksumAt);
    QByteArray buf(256 << 10, Qt::Uninitialized);
    qint64 total = sizeof h;
    for (;;) {
        const qint64 n = file.read(buf.data(), buf.size());
        if (n < 0)
            return nullptr;
        if (n == 0)
            break;
        sum.add(buf.constData(), n);
        total += n;
    }
    if (total != size || sum.value() != h.checksum)
        return nullptr;
    const uchar* mapped = file.map(0, size);
    if (!mapped)
        return nullptr;
    // A look-up touches a few scattered pages; reading ahead of them would
    // only fill the game's memory.
    ::madvise(const_cast<uchar*>(mapped), size_t(size), MADV_RANDOM);
    *why = Cache::Used;
    return mapped;
}

} // namespace

DictionaryIndex::DictionaryIndex(std::unique_ptr<Data> data) : d(std::move(data)) {}
DictionaryIndex::~DictionaryIndex() = default;

std::unique_ptr<DictionaryIndex>
DictionaryIndex::open(const QString& dictionary, const QString& cacheFolder, OpenReport* report) {
    OpenReport ignored;
    OpenReport& r = report ? *report : ignored;
    r = OpenReport();
    auto data = std::make_unique<Data>();
    data->dictionary.setFileName(dictionary);
    if (!data->dictionary.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return nullptr;
    const std::optional<Identity> id = IdentityOf(data->dictionary.handle());
    if (!id || id->size > quint64(kMaxDictionaryBytes))
        return nullptr;

    // No folder, no cache: never the current folder instead.
    const QString path =
        cacheFolder.isEmpty() ? QString() : QDir(cacheFolder).filePath(kCacheFileName);
    if (!path.isEmpty() && QFileInfo::exists(path)) {
        data->cache.setFileName(path);
        if (const uchar* mapped = OpenCache(data->cache, *id, &r.cache)) {
            data->use(mapped);
            return std::unique_ptr<DictionaryIndex>(new DictionaryIndex(std::move(data)));
        }
        data->cache.close();
    } else {
        r.cache = OpenReport::Cache::Missing;
    }

    std::optional<QByteArray> built = Build(data->dictionary.handle(), *id);
    if (!built)
        return nullptr;
    if (!path.isEmpty() && QDir().mkpath(cacheFolder)) {
        QSaveFile out(path);
        r.saved =
            out.open(QIODevice::WriteOnly) && out.write(*built) == built->size() && out.commit();
    }
    // Mapped from the file just written, if it reads back as written.
    if (r.saved) {
        data->cache.setFileName(path);
        Cache again;
        if (const uchar* mapped = OpenCache(data->cache, *id, &again)) {
            data->use(mapped);
            return std::unique_ptr<DictionaryIndex>(new DictionaryIndex(std::move(data)));
        }
        data->cache.close();
    }
    data->owned = std::move(*built);
    data->use(reinterpret_cast<const uchar*>(data->owned.constData()));
    return std::unique_ptr<DictionaryIndex>(new DictionaryIndex(std::move(data)));
}

std::optional<DictionaryHit> DictionaryIndex::lookUp(QStringView word) const {
    QString key = word.trimmed().toString();
    if (key.isEmpty() || key.size() > 256)
        return std::nullopt;
    std::vector<Data::Found> found = d->find(key);
    if (found.empty()) {
        if (const std::optional<QString> hira = KatakanaAsHiragana(key)) {
            key = *hira;
            found = d->find(key);
        }
    }
    if (found.empty())
        return std::nullopt;
    const bool kana = IsKana(key);
    const auto rank = [kana](const EdictEntry& e) {
        return (e.common ? 4 : 0) + (kana && e.usuallyKana ? 2 : 0) + (e.irregular ? 0 : 1);
    };
    // Found is in file order, so the first of the highest rank wins.
    const Data::Found* best = &found[0];
    for (const Data::Found& f : found)
        if (rank(f.entry) > rank(best->entry))
            best = &f;

    const EdictEntry& e = best->entry;
    DictionaryHit hit;
    hit.written = e.headwords[0];
    hit.reading = ReadingOf(e);
    hit.glosses = e.senses[0].glosses;
    hit.moreSenses = int(e.senses.size()) - 1;
    hit.common = e.common;
    hit.usuallyKana = e.usuallyKana;
    const std::vector<Data::Found> same =
        hit.reading == key ? std::move(found) : d->find(hit.reading);
    for (const Data::Found& f : same)
        if (f.offset != best->offset && ReadsAs(f.entry, hit.reading))
            ++hit.sameReading;
    return hit;
}

qsizetype DictionaryIndex::entryCount() const {
    return d->h.entries;
}

IndexedEntry DictionaryIndex::entry(qsizetype i) const {
    IndexedEntry e;
    if (i < 0 || i >= qsizetype(d->h.entries))
        return e;
    const quint32 reading = d->at<quint32>(d->l.entryReadings, quint64(i));
    e.reading = reading < d->h.readings ? reading : kNoReading;
    const uint8_t flags = d->at<uint8_t>(d->l.entryFlags, quint64(i));
    e.common = flags & kCommon;
    e.usuallyKana = flags & kUsuallyKana;
    e.irregular = flags & kIrregular;
    e.headword = HeadwordScript((flags >> kScriptShift) & 3);
    e.pos = PartsOfSpeech::fromInt(d->at<uint8_t>(d->l.entryPos, quint64(i)) & 0x1F);
    return e;
}

qsizetype DictionaryIndex::readingCount() const {
    return d->h.readings;
}

QString DictionaryIndex::reading(quint32 id) const {
    if (id >= d->h.readings)
        return QString();
    const quint32 begin = d->at<quint32>(d->l.readingStarts, id);
    const quint32 end = d->at<quint32>(d->l.readingStarts, quint64(id) + 1);
    if (end < begin || end > d->h.poolBytes)
        return QString();
    QString s(qsizetype(end - begin), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(s.data());
    const uchar* in = d->bytes + d->l.pool + begin;
    for (quint32 k = 0; k < end - begin; ++k)
        out[k] = char16_t(0x3000 + in[k]);
    return s;
}

int DictionaryIndex::readingLength(quint32 id) const {
    if (id >= d->h.readings)
        return 0;
    const quint32 begin = d->at<quint32>(d->l.readingStarts, id);
    const quint32 end = d->at<quint32>(d->l.readingStarts, quint64(id) + 1);
    return end < begin || end > d->h.poolBytes ? 0 : int(end - begin);
}

bool DictionaryIndex::inMemory() const {
    return !d->owned.isEmpty();
}

void ResealDictionaryIndex(QByteArray& cacheFile) {
    if (cacheFile.size() < qsizetype(sizeof(Header)))
        return;
    const quint64 sum = ChecksumOf(cacheFile.constData(), cacheFile.size());
    std::memcpy(cacheFile.data() + kChecksumAt, &sum, sizeof sum);
}

} // namespace records
