// Start-up costs: how soon the window is painted and how long the word panel
// and a long history take, with small and large files.
#include "game/panel_order.h"
#include "game/system_ports.h"
#include "game/word_list.h"
#include "ime/reach.h"
#include "ime/switch.h"
#include "records/history_file.h"
#include "records/preferences.h"
#include "ui/frm_main.h"
#include "ui/help_window.h"
#include "ui/look.h"
#include "ui/progress_window.h"
#include "ui/rireki_model.h"
#include "ui/widgets.h"
#include "ui/word_list_editor.h"

#include "bench_files.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThreadPool>

#include <benchmark/benchmark.h>

namespace {

void WriteHistory(const QString& path, int count) {
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    const QByteArray line = records::HistoryLine(
        records::MakeHistoryRecord(20, 5, 90, 60, QDateTime(QDate(2024, 5, 1), QTime(21, 3, 45))));
    for (int i = 0; i < count; ++i)
        f.write(line);
}

// Records when the window is first painted.
class FirstPaint : public QObject {
public:
    QElapsedTimer clock;
    qint64 paintedAt = -1;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && paintedAt < 0)
            paintedAt = clock.nsecsElapsed();
        return false;
    }
};

void BM_WindowPainted(benchmark::State& state) {
    QTemporaryDir dir;
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    WriteWords("辞書.txt", int(state.range(0)));
    game::SystemClock clock;
    game::SystemRandom random;
    const std::unique_ptr<ime::Switch> ime = ime::MakeSwitch();
    ime::DesktopReachCheck reach;
    records::Options options;
    ui::MessageBoxes boxes;
    ui::Languages languages{QLocale()};
    ui::WindowHelpService help(options, boxes);
    ui::WindowProgressService progress;
    ui::WordListWindows wordLists(boxes);
    ui::DesktopShareService share;
    ui::ModuleSoundService sounds({});
    game::WordRecordThread record(QDir::current().absoluteFilePath(records::kWordStoreFileName));
    ui::WeakWordsWindows weak(record, boxes);
    game::EdictDictionary dictionary(records::kEdictPath, QString());
    game::CollatedOrder panelOrder;
    for (auto _ : state) {
        ui::frmMain w({clock, random, *ime, reach, help, progress, wordLists, share, sounds, record,
                       weak, dictionary, options, boxes, languages, panelOrder});
        FirstPaint probe;
        w.installEventFilter(&probe);
        probe.clock.start();
        w.Form_Load();
        const qint64 total = probe.clock.nsecsElapsed();
        state.SetIterationTime(double(probe.paintedAt) / 1e9);
        state.counters["whole_start_ms"] = double(total) / 1e6;
    }
    QDir::setCurrent(old);
}
BENCHMARK(BM_WindowPainted)->Arg(3)->Arg(32767)->UseManualTime()->Unit(benchmark::kMillisecond);

// The panel's list read and put in order: collated (0), or in the order the
// last start kept (1).
void BM_FillJisyoPanel(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("辞書.txt");
    WriteWords(path, int(state.range(0)));
    game::CollatedOrder collated;
    game::CachedOrder kept(dir.path());
    game::PanelOrder& order = state.range(1) ? static_cast<game::PanelOrder&>(kept) : collated;
    order.sorted(game::ReadWordList(path));
    QThreadPool::globalInstance()->waitForDone(); // the order is kept
    for (auto _ : state)
        benchmark::DoNotOptimize(order.sorted(game::ReadWordList(path)));
}
BENCHMARK(BM_FillJisyoPanel)->ArgsProduct({{3, 32767}, {0, 1}})->Unit(benchmark::kMillisecond);

void BM_LoadHistoryIntoTable(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("履歴.txt");
    WriteHistory(path, int(state.range(0)));
    for (auto _ : state) {
        ui::RirekiModel model;
        model.AddRirekiRows(records::LoadHistory(path).rows);
        model.ScrollRirekiToEnd();
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(BM_LoadHistoryIntoTable)->Arg(20)->Arg(32766)->Unit(benchmark::kMillisecond);

void BM_HistoryRowAccess(benchmark::State& state) {
    // What a paint of the table asks for: every cell of a screenful of rows.
    QTemporaryDir dir;
    const QString path = dir.filePath("履歴.txt");
    WriteHistory(path, 32766);
    ui::RirekiModel model;
    model.AddRirekiRows(records::LoadHistory(path).rows);
    int top = 0;
    for (auto _ : state) {
        for (int r = top; r < top + 7; ++r)
            for (int c = 0; c < ui::RirekiModel::kColumns; ++c)
                benchmark::DoNotOptimize(model.data(model.index(r, c)));
        top = (top + 7) % 32700;
    }
}
BENCHMARK(BM_HistoryRowAccess)->Unit(benchmark::kMicrosecond);

void BM_ReadRandomWordList(benchmark::State& state) {
    // Start reloads the list: with 50 MB of random bytes it stops at the last word it may use.
    QTemporaryDir dir;
    const QString path = dir.filePath("辞書.txt");
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        QByteArray block(1 << 20, Qt::Uninitialized);
        uint32_t x = 1;
        for (int i = 0; i < int(state.range(0)); ++i) {
            for (char& c : block)
                c = char((x = x * 1664525 + 1013904223) >> 24);
            f.write(block);
        }
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(game::ReadWordList(path));
}
BENCHMARK(BM_ReadRandomWordList)->Arg(50)->Unit(benchmark::kMillisecond);

void BM_QuestionAndJudging(benchmark::State& state) {
    // A correct answer with the largest list: judging, the next question and its shuffle.
    QTemporaryDir dir;
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    WriteWords("辞書.txt", 32767);
    LoadedWindow loaded;
    ui::frmMain& w = loaded.w;
    w.cmdStart_Click();
    for (int i = 0; i < 3; ++i)
        w.tmrStart_Timer();
    for (auto _ : state) {
        w.txtKaitou->setText(w.state().strSeikai);
        int16_t key = game::kKeyEnter;
        w.txtKaitou_KeyPress(key);
    }
    QDir::setCurrent(old);
}
BENCHMARK(BM_QuestionAndJudging)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ui::UseClassicStyle();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
