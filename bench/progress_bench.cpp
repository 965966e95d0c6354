// How soon the chart of a full history is on the screen, and what a save
// costs while it is open.
#include "records/history_file.h"
#include "ui/progress_window.h"
#include "ui/rireki_model.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A year of rounds of three limits at varied figures, as the table loads them.
void LoadFullHistory(ui::RirekiModel& table) {
    QTemporaryDir dir;
    const QString path = dir.filePath("履歴.txt");
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        const QDateTime start(QDate(2025, 1, 1), QTime(7, 0));
        uint32_t x = 1;
        for (int i = 0; i < records::kMaxHistoryRows; ++i) {
            const int jikan = 30 * (1 + i % 3);
            const int ok = int((x = x * 1664525 + 1013904223) >> 27);
            const int ng = int((x = x * 1664525 + 1013904223) >> 29);
            f.write(records::HistoryLine(
                records::MakeHistoryRecord(int16_t(ok), int16_t(ng), int16_t(ok * 4 + i % 50),
                                           int16_t(jikan), start.addSecs(qint64(i) * 960))));
        }
    }
    table.AddRirekiRows(records::LoadHistory(path).rows);
}

// Notes the end of the chart's first paint.
class ChartPainted : public QObject {
public:
    QElapsedTimer clock;
    qint64 paintedAt = -1;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::Paint || paintedAt >= 0 || !dynamic_cast<ui::ProgressChart*>(o))
            return false;
        o->event(e);
        paintedAt = clock.nsecsElapsed();
        return true;
    }
};

void BM_ChartPainted(benchmark::State& state) {
    ui::RirekiModel table;
    LoadFullHistory(table);
    QWidget owner;
    owner.show();
    ui::WindowProgressService service;
    for (auto _ : state) {
        ChartPainted probe;
        qApp->installEventFilter(&probe);
        probe.clock.start();
        service.show(table, &owner);
        while (probe.paintedAt < 0 && probe.clock.elapsed() < 5000)
            QCoreApplication::processEvents();
        qApp->removeEventFilter(&probe);
        if (probe.paintedAt < 0) {
            state.SkipWithError("the chart was never painted");
            break;
        }
        state.SetIterationTime(double(probe.paintedAt) / 1e9);
        service.closeAll();
    }
}
BENCHMARK(BM_ChartPainted)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ChartFollowsASaveToAFullTable(benchmark::State& state) {
    ui::RirekiModel table;
    LoadFullHistory(table);
    QWidget owner;
    ui::WindowProgressService service;
    service.show(table, &owner);
    const records::HistoryRecord saved =
        records::MakeHistoryRecord(30, 2, 130, 60, QDateTime(QDate(2026, 1, 1), QTime(7, 0)));
    for (auto _ : state)
        table.AddRirekiRow(saved); // the oldest row goes, the new one comes
    service.closeAll();
}
BENCHMARK(BM_ChartFollowsASaveToAFullTable)->Unit(benchmark::kMillisecond);

} // namespace
