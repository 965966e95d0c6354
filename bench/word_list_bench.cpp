#include "bench_files.h"

#include <QApplication>
#include <QDir>
#include <QListView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_SwitchToTheLargestList(benchmark::State& state) {
    // From the sample-sized 辞書.txt to a list of 32767 words: read, sorted,
    // narrowed to the level and the panel painted.
    QTemporaryDir dir;
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    WriteWords("辞書.txt", 250);
    QDir().mkdir("単語リスト");
    WriteWords("単語リスト/largest.txt", 32767);
    LoadedWindow loaded;
    ui::frmMain& w = loaded.w;
    const auto level = game::LengthLevel(state.range(0));
    for (auto _ : state) {
        w.ChooseLevel(level);
        w.ChooseList(QStringLiteral("largest.txt"));
        w.lstJisyo->viewport()->repaint();
        state.PauseTiming();
        w.ChooseList(QString());
        w.ChooseLevel(game::LengthLevel::All);
        w.lstJisyo->viewport()->repaint();
        state.ResumeTiming();
    }
    QDir::setCurrent(old);
}
BENCHMARK(BM_SwitchToTheLargestList)
    ->ArgName("level")
    ->Arg(int(game::LengthLevel::All))
    ->Arg(int(game::LengthLevel::From4To5))
    ->Unit(benchmark::kMillisecond);

} // namespace
