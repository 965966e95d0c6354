#pragma once

#include <QByteArrayView>
#include <QFlags>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <optional>

// The EDRDG's EDICT dictionary (CC BY-SA), as Debian's `edict` package
// installs it: EUC-JP, one entry a line, in the old EDICT format
//
//   KANJI [KANA] /(pos) (1) gloss/gloss/(pos) (2) gloss/(P)/
//   KANA /(pos) gloss/
//
// Headwords and readings may be several, separated by ';', each with tags in
// parentheses ("会社(P);會社 [かいしゃ(P)]"). Each gloss sits between slashes
// and may start with tags in parentheses or braces: parts of speech (n, v5k,
// adj-i ...), fields ({comp}, (food) ...), misc ((uk), (arch) ...), dialects
// ((ksb:)) and sense numbers ((1), (2) ...). A gloss "(P)" marks a common word;
// "EntL1234567X" at the end is the entry's sequence number. The first line of
// the file is a header with the headword "？？？".

namespace records {

inline const QString kEdictPath = QStringLiteral("/usr/share/edict/edict");

// Flags: a sense may be several parts of speech at once. Other is any
// part-of-speech tag besides these (adverb, expression, adj-no, a noun that
// takes する ...).
enum class PartOfSpeech : uint8_t {
    Noun = 1,        // n, n-adv, n-t, n-pr, pn
    Verb = 2,        // v1, v5*, vk, vz, vs-i, vs-s ...: never a noun that takes する
    IAdjective = 4,  // adj-i, adj-ix
    NaAdjective = 8, // adj-na
    Other = 16,
};
Q_DECLARE_FLAGS(PartsOfSpeech, PartOfSpeech)
Q_DECLARE_OPERATORS_FOR_FLAGS(PartsOfSpeech)

struct EdictSense {
    QStringList glosses;
    PartsOfSpeech pos;        // its own tags, or those of the sense before when it has none
    QStringList tags;         // every tag but sense numbers, as written: "n", "vs", "uk", "comp"
    bool usuallyKana = false; // (uk)
};

struct EdictEntry {
    QStringList headwords; // as written (kanji or kana), tags stripped
    QStringList readings;  // the kana in brackets; empty when the headword is kana itself
    QList<EdictSense> senses;
    bool common = false;      // (P) on a headword, a reading or the line
    bool usuallyKana = false; // the first sense is (uk)
    // Written or read irregularly or as no longer done: (ik), (iK), (io), (ok),
    // (oK), (rK), (sK), (sk), (rk) anywhere on the line.
    bool irregular = false;
    quint32 sequence = 0; // the EntL number; 0 when the line has none
};

// One line as the file holds it (EUC-JP, no line end); nullopt for a line
// that holds no entry (the header, blank, or too broken to use: no headword,
// no gloss, an unclosed reading, blanks within a headword).
std::optional<EdictEntry> ParseEdictLine(QByteArrayView line);

// EUC-JP with JIS X 0212; each byte that does not start a character, and
// each ASCII control but the tab, becomes one U+FFFD.
QString DecodeEucJp(QByteArrayView bytes);

} // namespace records
