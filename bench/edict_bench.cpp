// The EDICT index on Debian's real dictionary: built once per dictionary
// version, opened from its cache at each start, a word looked up, and a list
// made as the player changes a choice in the dialog.
#include "game/dictionary_lists.h"
#include "records/dictionary_index.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using records::DictionaryIndex;

bool HaveDictionary(benchmark::State& state) {
    if (QFileInfo(records::kEdictPath).isReadable())
        return true;
    state.SkipWithError("Debian's edict package is not installed");
    return false;
}

// One index for the look-ups and the lists, in a cache folder of its own.
const DictionaryIndex* SharedIndex() {
    static QTemporaryDir cache;
    static const std::unique_ptr<DictionaryIndex> index =
        DictionaryIndex::open(records::kEdictPath, cache.path());
    return index.get();
}

void BM_EdictIndexBuild(benchmark::State& state) {
    if (!HaveDictionary(state))
        return;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir cache;
        state.ResumeTiming();
        DictionaryIndex::OpenReport report;
        auto index = DictionaryIndex::open(records::kEdictPath, cache.path(), &report);
        if (!index || report.cache != DictionaryIndex::OpenReport::Cache::Missing)
            state.SkipWithError("no index built");
        benchmark::DoNotOptimize(index);
    }
}
BENCHMARK(BM_EdictIndexBuild)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_EdictIndexOpenFromCache(benchmark::State& state) {
    if (!HaveDictionary(state))
        return;
    QTemporaryDir cache;
    DictionaryIndex::open(records::kEdictPath, cache.path());
    for (auto _ : state) {
        DictionaryIndex::OpenReport report;
        auto index = DictionaryIndex::open(records::kEdictPath, cache.path(), &report);
        if (!index || report.cache != DictionaryIndex::OpenReport::Cache::Used)
            state.SkipWithError("the cache was not used");
        benchmark::DoNotOptimize(index);
    }
}
BENCHMARK(BM_EdictIndexOpenFromCache)->Unit(benchmark::kMillisecond);

// Words as lists hold them: common readings and their kanji forms, taken in
// turn so that each look-up meets other pages of the index.
void BM_EdictLookUp(benchmark::State& state) {
    if (!HaveDictionary(state))
        return;
    const DictionaryIndex* index = SharedIndex();
    game::ListFilter filter;
    filter.minLength = 2;
    filter.maxLength = 6;
    const QStringList readings = game::MakeDictionaryList(*index, filter).words;
    QStringList words;
    for (qsizetype i = 0; i < readings.size(); i += 13) {
        words << readings[i];
        if (const auto hit = index->lookUp(readings[i]))
            words << hit->written;
    }
    qsizetype next = 0, found = 0;
    for (auto _ : state) {
        found += index->lookUp(words[next]).has_value();
        next = (next + 1) % words.size();
    }
    state.counters["found"] = double(found) / double(state.iterations());
}
BENCHMARK(BM_EdictLookUp)->Unit(benchmark::kMicrosecond);

// A word with the most entries of one reading, each line read and checked.
void BM_EdictLookUpCrowdedReading(benchmark::State& state) {
    if (!HaveDictionary(state))
        return;
    const DictionaryIndex* index = SharedIndex();
    for (auto _ : state)
        benchmark::DoNotOptimize(index->lookUp(u"こう"));
}
BENCHMARK(BM_EdictLookUpCrowdedReading)->Unit(benchmark::kMicrosecond);

void BM_MakeDictionaryList(benchmark::State& state) {
    if (!HaveDictionary(state))
        return;
    const DictionaryIndex* index = SharedIndex();
    game::ListFilter filter;
    filter.commonOnly = state.range(0);
    filter.part = game::DictPart(state.range(1));
    int count = 0;
    for (auto _ : state)
        count = game::MakeDictionaryList(*index, filter).count;
    state.counters["words"] = count;
}
BENCHMARK(BM_MakeDictionaryList)
    ->ArgNames({"common", "part"})
    ->Args({1, int(game::DictPart::All)})
    ->Args({1, int(game::DictPart::Verb)})
    ->Args({0, int(game::DictPart::All)})
    ->Unit(benchmark::kMillisecond);

} // namespace
