#include "game/alignment.h"

#include "records/cp932.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

namespace game {
namespace {

// Past this many table cells the middle of an answer is not aligned, which
// keeps the table to a few megabytes.
constexpr qint64 kMaxCells = 4'000'000;

// A character of a text: where it sits and what it compares as.
struct Char {
    qsizetype at;
    qsizetype size;
    char32_t key;
};

// The code points of the text with look-alikes folded. A lone surrogate is a
// character of its own; its code unit, as key, is no code point a pair makes.
std::vector<Char> Chars(const QString& text) {
    const QString folded = records::FoldCp932LookAlikes(text);
    std::vector<Char> chars;
    chars.reserve(folded.size());
    for (qsizetype i = 0; i < folded.size();) {
        const QChar c = folded[i];
        if (c.isHighSurrogate() && i + 1 < folded.size() && folded[i + 1].isLowSurrogate()) {
            chars.push_back({i, 2, QChar::surrogateToUcs4(c, folded[i + 1])});
            i += 2;
        } else {
            chars.push_back({i, 1, c.unicode()});
            ++i;
        }
    }
    return chars;
}

// The cheapest way into a cell of the table.
enum Step : uint8_t { kDiagonal, kMissing, kExtra };

} // namespace

QList<Slip> AnswerSlips(const QString& word, const QString& answer) {
    if (answer.isEmpty())
        return {};
    const std::vector<Char> w = Chars(word), a = Chars(answer);
    const qsizetype wn = qsizetype(w.size()), an = qsizetype(a.size());
    const qsizetype limit = std::max<qsizetype>(1, (std::max(wn, an) + 1) / 2);
    // Each character one text has over the other costs one at least.
    if (std::abs(wn - an) > limit)
        return {};

    // Equal ends are matched as they are, so only the part between is aligned.
    qsizetype head = 0;
    while (head < wn && head < an && w[head].key == a[head].key)
        ++head;
    qsizetype tail = 0;
    while (tail < wn - head && tail < an - head && w[wn - 1 - tail].key == a[an - 1 - tail].key)
        ++tail;
    const qsizetype n = wn - head - tail, m = an - head - tail;
    if (n == 0 && m == 0)
        return {};
    if (qint64(n + 1) * qint64(m + 1) > kMaxCells)
        return {};

    // Edit distances row by row, keeping only each cell's step. Ties take the
    // diagonal first: a match, or one changed character over a character left
    // out and another typed too many.
    const qsizetype cols = m + 1;
    std::vector<uint8_t> steps(size_t(n + 1) * size_t(cols), kExtra);
    std::vector<int> prev(cols), cur(cols);
    for (qsizetype j = 0; j < cols; ++j)
        prev[j] = int(j);
    for (qsizetype i = 1; i <= n; ++i) {
        cur[0] = int(i);
        steps[i * cols] = kMissing;
        const char32_t wk = w[head + i - 1].key;
        for (qsizetype j = 1; j <= m; ++j) {
            const int diagonal = prev[j - 1] + (wk != a[head + j - 1].key ? 1 : 0);
            const int missing = prev[j] + 1;
            const int extra = cur[j - 1] + 1;
            uint8_t& step = steps[i * cols + j];
            if (diagonal <= missing && diagonal <= extra)
                cur[j] = diagonal, step = kDiagonal;
            else if (missing <= extra)
                cur[j] = missing, step = kMissing;
            else
                cur[j] = extra, step = kExtra;
        }
        std::swap(prev, cur);
    }
    if (prev[m] > limit)
        return {};

    const auto text = [](const QString& s, const Char& c) { return s.sliced(c.at, c.size); };
    // A character left out or typed too many faces an empty text, never a null
    // one: the word record keeps both sides in columns that refuse NULL.
    const QString none = QStringLiteral("");
    QList<Slip> slips;
    for (qsizetype i = n, j = m; i > 0 || j > 0;) {
        switch (steps[i * cols + j]) {
        case kDiagonal: {
            const Char &x = w[head + i - 1], &y = a[head + j - 1];
            if (x.key != y.key)
                slips.append({text(word, x), text(answer, y)});
            --i, --j;
            break;
        }
        case kMissing:
            slips.append({text(word, w[head + i - 1]), none});
            --i;
            break;
        default:
            slips.append({none, text(answer, a[head + j - 1])});
            --j;
        }
    }
    std::reverse(slips.begin(), slips.end());
    return slips;
}

} // namespace game
