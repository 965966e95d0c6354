#pragma once

#include "records/word_store.h"

#include <QList>
#include <QStringList>

namespace game {

// A practice round draws from at most this many of the weakest words.
constexpr int kPracticeWords = 20;

// Characters per second over every right answer in the record, from the
// question shown to the answer; 0 when nothing has been solved.
double UsualSpeed(const QList<records::WordStats>& words);

// 100 × (2 × wrong + 3 × revealed + hints + slowness) ÷ (asked + 1): a look at
// the answer weighs most, a wrong answer next, a look at the meaning least,
// and each solve slower than 1.5 times the player's usual time for its
// length adds up to 1 more. Dividing
// by the times asked ranks a word missed once in twenty below one missed
// once in one.
double WeaknessScore(const records::WordStats& word, double usualSpeed);

struct RankedWord {
    records::WordStats stats;
    double score = 0;
};

// Weakest first; ties go to more wrong answers, then to the word's order.
QList<RankedWord> RankWords(const QList<records::WordStats>& words, double usualSpeed);

// The weakest words that have been missed (a wrong answer or a look at the
// answer) and not retired, at most `count`.
QStringList PracticeWords(const QList<RankedWord>& ranked, int count = kPracticeWords);

} // namespace game
