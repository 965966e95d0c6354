#include "game/weakness.h"

#include "game/word_list.h"

#include <algorithm>

namespace game {

double UsualSpeed(const QList<records::WordStats>& words) {
    double chars = 0, ms = 0;
    for (const records::WordStats& w : words) {
        if (w.solved <= 0 || w.sumMs <= 0)
            continue;
        chars += double(CharacterCount(w.word)) * w.solved;
        ms += double(w.sumMs);
    }
    return ms > 0 ? chars * 1000.0 / ms : 0.0;
}

double WeaknessScore(const records::WordStats& w, double usualSpeed) {
    double slowness = 0;
    if (w.solved > 0 && usualSpeed > 0) {
        const double usualMs = CharacterCount(w.word) * 1000.0 / usualSpeed;
        const double meanMs = double(w.sumMs) / w.solved;
        if (usualMs > 0)
            slowness = w.solved * std::clamp(meanMs / usualMs - 1.5, 0.0, 1.0);
    }
    const double misses =
        2.0 * std::max(0, w.wrong) + 3.0 * std::max(0, w.revealed) + 1.0 * std::max(0, w.hints);
    return 100.0 * (misses + slowness) / (std::max(0, w.asked) + 1.0);
}

QList<RankedWord> RankWords(const QList<records::WordStats>& words, double usualSpeed) {
    QList<RankedWord> ranked;
    ranked.reserve(words.size());
    for (const records::WordStats& w : words)
        ranked.append({w, WeaknessScore(w, usualSpeed)});
    std::sort(ranked.begin(), ranked.end(), [](const RankedWord& a, const RankedWord& b) {
        if (a.score != b.score)
            return a.score > b.score;
        if (a.stats.wrong != b.stats.wrong)
            return a.stats.wrong > b.stats.wrong;
        return a.stats.word < b.stats.word;
    });
    return ranked;
}

QStringList PracticeWords(const QList<RankedWord>& ranked, int count) {
    QStringList words;
    for (const RankedWord& r : ranked) {
        if (words.size() >= count)
            break;
        if (!r.stats.retired && (r.stats.wrong > 0 || r.stats.revealed > 0))
            words.append(r.stats.word);
    }
    return words;
}

} // namespace game
