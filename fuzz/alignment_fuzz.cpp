// Feeds arbitrary pairs of a word and a typed answer to the slip finder, in
// UTF-8 or as raw UTF-16 so that pairs and lone surrogates occur, and checks
// its slips against an edit distance worked out here: no slips for an equal
// answer, the fewest edits when there are any, each slip a character that
// stands where the alignment puts it, and nothing past the documented limits.
#include "game/alignment.h"
#include "records/cp932.h"

#include <QString>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

// The slip finder's own bounds: at most this many table cells are aligned,
// and an answer that differs in more than about half its characters is
// another word.
constexpr qint64 kMaxCells = 4'000'000;
qsizetype Limit(qsizetype wn, qsizetype an) {
    return std::max<qsizetype>(1, (std::max(wn, an) + 1) / 2);
}

// A character: a surrogate pair, or any other code unit on its own.
struct Char {
    QString text; // as written
    char32_t key; // as compared, look-alikes folded
};

std::vector<Char> Chars(const QString& s) {
    const QString folded = records::FoldCp932LookAlikes(s);
    std::vector<Char> out;
    for (qsizetype i = 0; i < s.size();) {
        const qsizetype len =
            s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate() ? 2 : 1;
        const char32_t key = len == 2 ? QChar::surrogateToUcs4(folded[i], folded[i + 1])
                                      : char32_t(folded[i].unicode());
        out.push_back({s.sliced(i, len), key});
        i += len;
    }
    return out;
}

// Levenshtein distance of w[from, w.size() - tail) and a[from, a.size() - tail),
// two rows at a time.
qsizetype Distance(const std::vector<Char>& w, const std::vector<Char>& a, size_t head,
                   size_t tail) {
    const size_t n = w.size() - head - tail, m = a.size() - head - tail;
    std::vector<qsizetype> prev(m + 1), cur(m + 1);
    for (size_t j = 0; j <= m; ++j)
        prev[j] = qsizetype(j);
    for (size_t i = 1; i <= n; ++i) {
        cur[0] = qsizetype(i);
        for (size_t j = 1; j <= m; ++j)
            cur[j] = std::min({prev[j - 1] + (w[head + i - 1].key != a[head + j - 1].key),
                               prev[j] + 1, cur[j - 1] + 1});
        std::swap(prev, cur);
    }
    return prev[m];
}

// Whether the slips, taken in order with equal characters between them, turn
// the word into the answer: each slip's texts are the characters that stand
// at that point of the word and of the answer.
bool Replays(const std::vector<Char>& w, const std::vector<Char>& a, const QList<game::Slip>& s) {
    const size_t n = w.size(), m = a.size(), k = size_t(s.size());
    std::vector<bool> seen((n + 1) * (m + 1) * (k + 1));
    std::vector<size_t> todo{0};
    const auto at = [&](size_t i, size_t j, size_t l) { return (i * (m + 1) + j) * (k + 1) + l; };
    const auto go = [&](size_t i, size_t j, size_t l) {
        if (!seen[at(i, j, l)])
            seen[at(i, j, l)] = true, todo.push_back(at(i, j, l));
    };
    seen[0] = true;
    while (!todo.empty()) {
        const size_t state = todo.back();
        todo.pop_back();
        const size_t l = state % (k + 1), j = state / (k + 1) % (m + 1),
                     i = state / (k + 1) / (m + 1);
        if (i == n && j == m && l == k)
            return true;
        if (i < n && j < m && w[i].key == a[j].key)
            go(i + 1, j + 1, l);
        if (l < k) {
            const game::Slip& slip = s[qsizetype(l)];
            const bool takesWord = !slip.expected.isEmpty(), takesAnswer = !slip.typed.isEmpty();
            if ((!takesWord || (i < n && w[i].text == slip.expected)) &&
                (!takesAnswer || (j < m && a[j].text == slip.typed)))
                go(i + takesWord, j + takesAnswer, l + 1);
        }
    }
    return false;
}

// A lone surrogate is a character of its own, as a pair is one.
bool IsOneChar(const QString& s) {
    return s.size() == 1 || (s.size() == 2 && s[0].isHighSurrogate() && s[1].isLowSurrogate());
}

// `distance` is the edit distance once worked out; it is the same either way
// round, so the other order takes it as it is.
void Check(const QString& word, const QString& answer, std::optional<qsizetype>& distance) {
    const auto start = std::chrono::steady_clock::now();
    const QList<game::Slip> slips = game::AnswerSlips(word, answer);
    // Far beyond what the capped table costs, even instrumented.
    if (std::chrono::steady_clock::now() - start > std::chrono::seconds(2))
        std::abort();

    const std::vector<Char> w = Chars(word), a = Chars(answer);
    const qsizetype wn = qsizetype(w.size()), an = qsizetype(a.size());
    const qsizetype limit = Limit(wn, an);
    size_t head = 0, tail = 0;
    while (head < w.size() && head < a.size() && w[head].key == a[head].key)
        ++head;
    while (tail < w.size() - head && tail < a.size() - head &&
           w[w.size() - 1 - tail].key == a[a.size() - 1 - tail].key)
        ++tail;
    const qint64 cells = qint64(w.size() - head - tail + 1) * qint64(a.size() - head - tail + 1);
    const bool equal = head == w.size() && head == a.size();
    const auto cheapest = [&] {
        if (!distance)
            distance = Distance(w, a, head, tail);
        return *distance;
    };

    if (slips.isEmpty()) {
        // Nothing only for the reasons the finder gives.
        if (answer.isEmpty() || equal || std::abs(wn - an) > limit || cells > kMaxCells)
            return;
        if (cheapest() <= limit)
            std::abort();
        return;
    }
    if (answer.isEmpty() || equal || cells > kMaxCells || slips.size() > limit)
        std::abort();
    for (const game::Slip& s : slips) {
        if ((s.expected.isEmpty() && s.typed.isEmpty()) ||
            (!s.expected.isEmpty() && !IsOneChar(s.expected)) ||
            (!s.typed.isEmpty() && !IsOneChar(s.typed)))
            std::abort();
        if (!s.expected.isEmpty() && !s.typed.isEmpty() &&
            Chars(s.expected)[0].key == Chars(s.typed)[0].key)
            std::abort(); // a character typed for itself is no slip
        if ((!s.expected.isEmpty() && !word.contains(s.expected)) ||
            (!s.typed.isEmpty() && !answer.contains(s.typed)))
            std::abort();
    }
    if (cheapest() != slips.size())
        std::abort(); // not a cheapest way
    // The replay's table grows with the slips too: short texts only.
    if (qint64(wn + 1) * (an + 1) * (slips.size() + 1) <= 1'000'000 && !Replays(w, a, slips))
        std::abort();
}

// The text of a part of the input: UTF-8, or UTF-16 in the machine's order.
QString Text(QByteArrayView part, bool utf16) {
    if (!utf16)
        return QString::fromUtf8(part);
    return QString(reinterpret_cast<const QChar*>(part.data()), part.size() / 2);
}

QString Repeated(const QString& s, int times) {
    // Long enough for the table's cap, short enough to stay quick.
    constexpr qsizetype kMaxUnits = 1 << 15;
    if (s.isEmpty())
        return s;
    return s.repeated(std::min<qsizetype>(times, std::max<qsizetype>(1, kMaxUnits / s.size())));
}

// Mostly a few times; the most is enough for texts past the table's cap.
int Times(int nibble) {
    return nibble < 15 ? nibble + 1 : 2048;
}

} // namespace

// The first byte chooses UTF-16 (bit 0) and repeating (bit 1), which takes the
// next byte for how often the word (high half) and the answer (low half) are
// repeated. The rest is the word and the answer, split at the first NUL (in
// UTF-16, the first NUL code unit).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const bool utf16 = data[0] & 1, repeat = data[0] & 2;
    size_t from = 1;
    int wordTimes = 1, answerTimes = 1;
    if (repeat) {
        if (size < 2)
            return 0;
        wordTimes = Times(data[1] >> 4), answerTimes = Times(data[1] & 15);
        from = 2;
    }
    const QByteArrayView rest(reinterpret_cast<const char*>(data) + from, qsizetype(size - from));
    qsizetype split = -1;
    for (qsizetype i = 0; utf16 ? i + 1 < rest.size() : i < rest.size(); i += utf16 ? 2 : 1)
        if (rest[i] == 0 && (!utf16 || rest[i + 1] == 0)) {
            split = i;
            break;
        }
    const qsizetype skip = utf16 ? 2 : 1;
    const QString word = Repeated(Text(split < 0 ? rest : rest.first(split), utf16), wordTimes);
    const QString answer =
        split < 0 ? QString() : Repeated(Text(rest.sliced(split + skip), utf16), answerTimes);

    std::optional<qsizetype> distance;
    Check(word, answer, distance);
    Check(answer, word, distance);
    // An answer equal to the word, or to it with look-alikes folded, has no slips.
    if (!game::AnswerSlips(word, word).isEmpty() ||
        !game::AnswerSlips(word, records::FoldCp932LookAlikes(word)).isEmpty() ||
        !game::AnswerSlips(records::FoldCp932LookAlikes(answer), answer).isEmpty())
        std::abort();
    return 0;
}
