#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <cstdint>

namespace game {

// Romaji keys in, kana out, for a player without a Japanese input method. The
// table is that of the common input methods: every usual spelling of the
// rows, the voiced rows and the y-combinations (si shi ci, tu tsu, ja jya zya,
// cha tya cya, ca cu qu...), the sounds of loanwords (fa, thi, dhu, vu, wi,
// qa, tsa...), small kana after x or l (xa, xya, xtu, ltsu, xwa, xka),
// っ for a doubled consonant (kka, tcha), and ん as nn, n', xn, a lone n
// before any key but a vowel, y or n, and a lone n at Enter.
//
// Marks: - ー  , 、  . 。  [ 「  ] 」  / ・  ~ 〜, and after z: z- 〜  z. …
// z, ‥  z/ ・  z[ 『  z] 』  zh ←  zj ↓  zk ↑  zl →. Every other printable
// ASCII character but the space comes out in its full-width form (1 １,
// ! ！, ? ？...), except " and ', which give ” and ’, as the input methods
// type them in hiragana mode.
class RomajiConverter {
public:
    // Whether type() takes the key: printable ASCII but the space. Any other
    // key (the space, control keys, kana, full-width characters) is the
    // answer box's own; type() returns nothing for it and changes nothing.
    static bool accepts(QChar key);

    // One typed character; a capital letter counts as the small one. Returns
    // the text the key completes (kana, marks), possibly empty; pending() is
    // what still waits. When the waiting letters cannot go on with the key
    // (kz, qx), they are dropped and the key starts afresh, so that the box
    // holds only kana, marks and letters that can still become kana; a lone
    // waiting n gives its ん first (nk: ん, then k waits).
    QString type(QChar key);
    // Removes the last waiting letter; false when none waits (the box then
    // deletes a character of its own).
    bool backspace();
    // At Enter: what waits comes out, a lone n as ん, any other letters as
    // typed.
    QString finish();
    // Only ASCII letters, as typed, at most three.
    const QString& pending() const { return pending_; }
    // Drops the waiting letters; the script stays as set.
    void clear();

    // The kana come out in full-width katakana while set (after F7), in
    // hiragana otherwise (after F6); the marks are the same in both.
    void setKatakana(bool on) { katakana_ = on; }
    bool katakana() const { return katakana_; }

private:
    QString pending_;
    std::uint32_t pendingKey_ = 0; // pending_, small, packed as the table's keys
    bool katakana_ = false;
};

// A whole key sequence typed one key at a time, then finish(), in hiragana.
// Keys the converter does not accept are left out.
QString RomajiToKana(QStringView keys);

// F7 and F6 on the box's text: hiragana to full-width katakana and back
// (ゔ ヴ, ゕ ヵ, ゖ ヶ, ゝ ヽ, ゞ ヾ included); other characters stay as they are.
QString ToKatakana(QStringView text);
QString ToHiragana(QStringView text);

// Whether the word can be typed with the converter, F6 and F7: it holds only
// kana and marks the converter makes, and its kana are all hiragana or all
// katakana, since F7 turns the whole box. A character the answer check takes
// for one the converter makes counts as made (the list's ～ for the 〜 of ~).
// Kanji, Latin letters, ゝ and an empty word cannot be typed.
bool RomajiTypable(QStringView word);

} // namespace game
