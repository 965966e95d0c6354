#include "fakes.h"
#include "game/round.h"

#include <random>

#include <gtest/gtest.h>

using namespace game;

TEST(Shuffle, EachDrawTakesOutThePthOfThePiecesStillIn) {
    // Against taking the pieces out of a list one by one, for words of every
    // length up to 70 and draws anywhere in [0, 1). A piece is a character, a
    // surrogate pair or a kana with its voicing mark.
    std::mt19937 gen(7);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int length = 1; length <= 70; ++length) {
        QStringList pieces;
        for (int i = 0; i < length; ++i) {
            const char32_t wide = U'\U00020000' + char32_t(i);
            pieces << (i % 3 == 0 ? QString::fromUcs4(&wide, 1)
                                  : QChar(u'か' + i) + QString(i % 3 == 2 ? "\u3099" : ""));
        }
        ASSERT_EQ(SplitForShuffle(pieces.join("")), pieces);
        FakeRandom random;
        QString expected;
        for (QStringList left = pieces; !left.isEmpty();) {
            random.draws.push_back(random.draws.size() % 7 == 1 ? 0.9999999 : unit(gen));
            expected += left.takeAt(int(left.size() * random.draws.back()));
        }
        ASSERT_EQ(DrawOut(pieces, random), expected) << length;
    }
}
