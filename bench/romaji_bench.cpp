// What a key costs the game's own romaji input, and its first use.
#include "game/romaji.h"

#include <QString>

#include <benchmark/benchmark.h>

namespace {

// A sentence with the usual mix: y-combinations, っ, ん both ways, marks.
const QString kKeys = QStringLiteral("kyouhaottonotomodachitoissyonikonnnyakuwotabeni"
                                     "ikimashita.shinbunnyaraje-mususannto,ko-hi-mo[nonda].");

void BM_RomajiKey(benchmark::State& state) {
    game::RomajiConverter converter;
    converter.setKatakana(state.range(0) != 0);
    qsizetype at = 0;
    qsizetype chars = 0;
    for (auto _ : state) {
        const QString out = converter.type(kKeys[at]);
        chars += out.size();
        benchmark::DoNotOptimize(out.constData());
        if (++at == kKeys.size()) {
            at = 0;
            chars += converter.finish().size();
        }
    }
    state.counters["kana"] = benchmark::Counter(double(chars), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_RomajiKey)->ArgName("katakana")->Arg(0)->Arg(1);

// The table is built by the compiler, so the first key of a converter made
// just now is all that a first use costs.
void BM_RomajiFirstKey(benchmark::State& state) {
    for (auto _ : state) {
        game::RomajiConverter converter;
        benchmark::DoNotOptimize(converter.type(QChar('k')).constData());
        benchmark::DoNotOptimize(converter.type(QChar('a')).constData());
    }
}
BENCHMARK(BM_RomajiFirstKey);

void BM_RomajiTypable(benchmark::State& state) {
    const QString word = QStringLiteral("ちゅうしゃじょうのこーひー");
    for (auto _ : state)
        benchmark::DoNotOptimize(game::RomajiTypable(word));
}
BENCHMARK(BM_RomajiTypable);

} // namespace
