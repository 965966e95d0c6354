#include "game/system_ports.h"
#include "ime/switch.h"
#include "records/preferences.h"
#include "ui/frm_main.h"
#include "ui/help_window.h"
#include "ui/progress_window.h"
#include "ui/word_list_editor.h"

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
    game::SystemClock clock;
    game::SystemRandom random;
    ime::NullSwitch ime;
    records::Preferences preferences;
    ui::WindowHelpService help(preferences);
    ui::WindowProgressService progress;
    ui::WordListWindows wordLists(preferences);
    ui::frmMain w(clock, random, ime, help, progress, wordLists);
    w.runBox = [](QMessageBox&) { return QMessageBox::Ok; };
    w.Form_Load();
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
