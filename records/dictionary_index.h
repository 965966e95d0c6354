#pragma once

#include "records/edict.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <memory>
#include <optional>

// An index of the EDICT file, kept in a cache folder and mapped from there,
// so that a look-up reads a few pages of it and the one or two dictionary
// lines it needs. The index holds no gloss: those are read from the
// dictionary at each look-up, through the file opened when the index was,
// so a dictionary replaced since (as a package upgrade does) is not mixed in.
//
// The cache file, "edict.index", version 1, in this machine's byte order:
//
//   header, 72 bytes:
//     char[8]  "MOJIEDIX"
//     u32      format version (1)
//     u32      0x01020304, which reads otherwise on a machine of the other order
//     u64      size of the dictionary
//     i64      its modification time, in ns since 1970
//     u64      a hash of its content: all of it up to 1 MiB, else its first and
//              last 64 KiB and sixteen 4 KiB pieces spread between
//     u32      lines, entries, postings, buckets (a power of two), readings,
//              pool bytes
//     u64      checksum of the whole file, counted with this field as zero
//   then these sections, each starting on a multiple of 8 bytes:
//     u32[buckets + 1]   where each bucket's postings start
//     u32[postings]      byte offset of the line of each posting in the dictionary
//     u8[postings]       the top byte of each posting's key hash
//     u32[entries]       the reading of each entry, as a reading id, or 0xFFFFFFFF
//     u8[entries]        flags: 1 common, 2 usually kana, 4 irregular, 8 and 16
//                        the script of the headword
//     u8[entries]        parts of speech of the first sense (PartsOfSpeech)
//     u32[readings + 1]  where each reading starts in the pool
//     u8[pool bytes]     the readings, one byte a character: its code point less
//                        U+3000 (every kana, ー and the Japanese punctuation)
//
// Every headword and reading of an entry is a key; a key's postings are in
// bucket (hash & (buckets - 1)), and its hash is FNV-1a over the UTF-16 code
// units, mixed by MurmurHash3's finaliser. Postings of a bucket are in file
// order. Entries are the lines that hold one, in file order; a reading is
// kept (once) when all its characters lie in U+3000 to U+30FF.

namespace records {

// What a word looked up gives, from the entry a learner most likely means.
struct DictionaryHit {
    QString written;     // the first headword: the kanji form when the entry has one
    QString reading;     // the kana: the first reading, or the headword when that is kana
    QStringList glosses; // those of the first sense
    int moreSenses = 0;  // senses after the first
    int sameReading = 0; // other entries (lines) read the same way
    bool common = false;
    bool usuallyKana = false; // the first sense is (uk)
};

enum class HeadwordScript : uint8_t {
    Kanji,    // holds a kanji (or 々 〆 〇)
    Hiragana, // hiragana and ー alone
    Katakana, // katakana and ー alone
    Other,    // anything else: Latin, digits, signs, kana of both kinds
};

// An entry as the list maker filters it.
struct IndexedEntry {
    quint32 reading = 0xFFFFFFFF; // see DictionaryIndex::reading
    HeadwordScript headword = HeadwordScript::Other;
    PartsOfSpeech pos; // of the first sense, the word's main use
    bool common = false;
    bool usuallyKana = false;
    bool irregular = false;
};

class DictionaryIndex {
public:
    static constexpr quint32 kFormatVersion = 1;
    static constexpr quint32 kNoReading = 0xFFFFFFFF;
    // The index holds line offsets in 32 bits; a larger file is no EDICT.
    static constexpr qint64 kMaxDictionaryBytes = 1ll << 30;
    // A longer line is no entry (the longest real one is under 2 KiB).
    static constexpr qsizetype kMaxLineBytes = 64 * 1024;
    static inline const QString kCacheFileName = QStringLiteral("edict.index");

    struct OpenReport {
        enum class Cache {
            Used,    // the cache file was sound and made from this dictionary
            Missing, // there was none: built
            Stale,   // made from another dictionary file or an older format: rebuilt
            Damaged, // unreadable, truncated, foreign or with a wrong checksum: rebuilt
        };
        Cache cache = Cache::Missing;
        bool saved = false; // a new index was written to the cache folder
    };

    // The index of `dictionary`, from `cacheFolder` when it holds a sound one
    // made from this very file, else built (half a second for the real file)
    // and written there whole or not at all. A cache file that cannot be
    // trusted is never used, and one that cannot be written (or no folder
    // given) leaves the index in memory. Nothing when the dictionary cannot
    // be read or is larger than kMaxDictionaryBytes.
    // Blocks: call it away from the window's thread. What it returns may be
    // used from any thread; nothing in it changes after.
    static std::unique_ptr<DictionaryIndex>
    open(const QString& dictionary, const QString& cacheFolder, OpenReport* report = nullptr);
    ~DictionaryIndex();
    DictionaryIndex(const DictionaryIndex&) = delete;
    DictionaryIndex& operator=(const DictionaryIndex&) = delete;

    // The entry a learner most likely means by a word of a word list: one
    // whose headword or reading is the word exactly (a word in katakana that
    // none has is tried in hiragana: リンゴ as りんご). Ranked common (P)
    // first, then, for a word in kana, entries usually written in kana (uk),
    // then those written and read regularly, then file order.
    std::optional<DictionaryHit> lookUp(QStringView word) const;

    qsizetype entryCount() const;
    IndexedEntry entry(qsizetype i) const; // in file order
    qsizetype readingCount() const;
    QString reading(quint32 id) const;   // empty for kNoReading
    int readingLength(quint32 id) const; // in UTF-16 code units

    bool inMemory() const; // rather than mapped from the cache file

private:
    struct Data;
    explicit DictionaryIndex(std::unique_ptr<Data> data);
    std::unique_ptr<Data> d;
};

// Sets the checksum of a cache file's bytes, so that tests and the fuzzer can
// hand the reader files that are damaged within but pass the checksum.
void ResealDictionaryIndex(QByteArray& cacheFile);

} // namespace records
