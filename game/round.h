#pragma once

#include "game/ports.h"
#include "game/round_state.h"

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

// The round: its start, the countdown, the clock, judging and the hint.
class Round {
public:
    Round(RoundState& state, RoundWindow& window, RoundEvents& events, WordSource& words,
          Clock& clock, Random& random);

    // The words are read afresh, the figures cleared and the countdown armed.
    void start();
    void countdownTick();
    void clockTick();
    // Judges what the answer box holds.
    void answer();
    // Shows the word itself in place of the question.
    void reveal();

    void LoadPlayWords();
    void MakeQuestion();

private:
    void TimeUp();

    RoundState& s_;
    RoundWindow& window_;
    RoundEvents& events_;
    WordSource& words_;
    Clock& clock_;
    Random& random_;
    bool wrongBoxOpen_ = false;
    bool timeUpWaiting_ = false; // for the wrong-answer box to close
};

// A key typed into the answer box, as its character code: Enter answers and
// never reaches the box (the code is set to 0), Esc reveals the word.
void AnswerBoxKey(Round& round, int16_t& keyAscii);

} // namespace game
