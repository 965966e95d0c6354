#pragma once

#include "game/ports.h"
#include "game/round_state.h"
#include "game/word_list.h"

#include <QStringList>

#include <cstdint>

namespace game {

constexpr int16_t kKeyEnter = 13;
constexpr int16_t kKeyEsc = 27;

// Adds to a 16-bit counter, stopping at its largest value instead of wrapping.
int16_t SaturatingAdd(int16_t value, qsizetype add);

// The characters of a word as the shuffle moves them: one code unit each, but a
// surrogate pair or a base with its combining marks stays one piece.
QStringList SplitForShuffle(const QString& word);

// The pieces in the order the draws take them out, each draw choosing the
// p-th of those still in, as taking them out of a list one by one would.
QString DrawOut(const QStringList& pieces, Random& random);

// The answer is right when it is the word, with the characters that input
// methods type differently from the code page folded to one.
bool SameAnswer(const QString& answer, const QString& word);

// Save is accepted only in Idle and after at least one answer.
bool SaveAllowed(const RoundState& state);

// The round: Start, the countdown, the clock, judging and the hint.
class Round {
public:
    Round(RoundState& state, RoundWindow& window, Clock& clock, Random& random, QString jisyoPath);

    void cmdStart_Click();
    void tmrStart_Timer();
    void tmrBp_Timer();
    // keyAscii is set to 0 when the key is taken here and must not reach the box.
    void txtKaitou_KeyPress(int16_t& keyAscii);
    void lblHint_Click();

    // The list the next Start plays, and the length of its words.
    void setWordSource(QString path, LengthLevel level);
    // Words the next rounds draw from instead of the list; none for the list.
    void setPracticeWords(QStringList words) { practice_ = std::move(words); }
    bool practising() const { return !practice_.isEmpty(); }

    void LoadPlayWords();
    void MakeQuestion();

private:
    void TimeUp();

    RoundState& s_;
    RoundWindow& window_;
    Clock& clock_;
    Random& random_;
    QString jisyoPath_;
    LengthLevel level_ = LengthLevel::All;
    QStringList practice_;
    bool wrongBoxOpen_ = false;
    bool timeUpWaiting_ = false; // for the wrong-answer box to close
};

} // namespace game
