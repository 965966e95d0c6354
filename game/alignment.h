#pragma once

#include <QList>
#include <QString>

namespace game {

// One place where a wrong answer differs from the word: a character typed for
// another (both set), one left out (typed empty) or one typed too many
// (expected empty).
struct Slip {
    QString expected;
    QString typed;
    bool operator==(const Slip&) const = default;
};

// The slips of a wrong answer, in the word's order, along a cheapest way to
// edit the word into the answer; a character typed for another counts as one
// slip rather than one left out and one too many. Characters are code points,
// and look-alikes the code page folds together are equal. Nothing when the
// answer is empty or equal to the word, when it differs in more than about
// half its characters (another word rather than a slip), or when the part
// that differs is too long to align.
QList<Slip> AnswerSlips(const QString& word, const QString& answer);

} // namespace game
