// How soon the help window shows its first page: from the Help command's call
// of the service to the first paint of the page area, with the shipped file.
#include "ui/help_window.h"
#include "ui/look.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Notes the first paint of a help window's page.
class PagePainted : public QObject {
public:
    QElapsedTimer clock;
    qint64 paintedAt = -1;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && paintedAt < 0 && o->parent() &&
            dynamic_cast<ui::ChmBrowser*>(o->parent()))
            paintedAt = clock.nsecsElapsed();
        return false;
    }
};

void BM_HelpWindowPainted(benchmark::State& state) {
    QTemporaryDir folder;
    records::Options options(folder.filePath("オプション.txt"));
    ui::MessageBoxes boxes;
    QWidget owner;
    owner.show();
    ui::WindowHelpService service(options, boxes);
    const QString file = QStringLiteral(MOJIRO_DATA_DIR "/ZkHelp.chm");
    for (auto _ : state) {
        PagePainted probe;
        qApp->installEventFilter(&probe);
        probe.clock.start();
        service.showDefaultTopic(file, &owner);
        while (probe.paintedAt < 0 && probe.clock.elapsed() < 5000)
            QCoreApplication::processEvents();
        qApp->removeEventFilter(&probe);
        if (probe.paintedAt < 0) {
            state.SkipWithError("the help window was never painted");
            break;
        }
        state.SetIterationTime(double(probe.paintedAt) / 1e9);
        service.closeAll();
    }
}
BENCHMARK(BM_HelpWindowPainted)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
