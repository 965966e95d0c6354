// What each file dialog opened leaves behind: the heap and the resident
// memory kept per dialog, over the export's and the import's questions taken
// in turn, each dialog shown until its file list is painted and then
// cancelled. A new dialog each time, as Qt's static functions make one,
// against the one kept on the owner. Run it on a real display
// (QT_QPA_PLATFORM=xcb) as the game is; --benchmark_repetitions gives the spread.
#include "ui/file_dialog.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <functional>

namespace {

using Ask = std::function<QString(QWidget*, const ui::FileQuestion&)>;

qint64 HeapBytes() {
    return qint64(mallinfo2().uordblks);
}

qint64 ResidentBytes() {
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    return f.readAll().split(' ').value(1).toLongLong() * 4096;
}

// Cancels each file dialog once its list has been painted with every file of
// the folder in it, as a player would have seen it.
class Closer : public QObject {
public:
    Closer(QString folder, int files) : folder_(std::move(folder)), files_(files) {
        qApp->installEventFilter(this);
    }
    ~Closer() override { qApp->removeEventFilter(this); }
    bool timedOut = false;

    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::Paint ||
            o->objectName() != QLatin1String("qt_scrollarea_viewport"))
            return false;
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        auto* model = dialog ? dialog->findChild<QFileSystemModel*>() : nullptr;
        if (model && model->rowCount(model->index(folder_)) >= files_ && o->parent() &&
            o->parent()->objectName() == QLatin1String("treeView"))
            QTimer::singleShot(0, dialog, &QDialog::reject);
        return false;
    }
    // Cancels whatever is still open after a generous while.
    void limit() {
        QTimer::singleShot(10000, this, [this] {
            if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                timedOut = true;
                d->reject();
            }
        });
    }

private:
    QString folder_;
    int files_;
};

void DialogsOpened(benchmark::State& state, const Ask& ask) {
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QTemporaryDir folder;
    const int files = 30;
    for (int i = 1; i < files; ++i) {
        QFile f(folder.filePath(QStringLiteral("単語%1.csv").arg(i)));
        f.open(QIODevice::WriteOnly), f.write("ねこ\n");
    }
    QDir(folder.path()).mkdir(QStringLiteral("sub"));
    const ui::FileQuestion questions[] = {
        {.title = QStringLiteral("CSVに書き出す"),
         .filters = QStringLiteral("CSV (*.csv);;すべてのファイル (*)"),
         .start = QDir(folder.path()).filePath(QStringLiteral("モジロ履歴.csv")),
         .save = true},
        {.title = QStringLiteral("単語リストを読み込む"),
         .filters = QStringLiteral("テキストファイル (*.txt *.csv);;すべてのファイル (*)"),
         .start = folder.path()},
    };
    QWidget owner;
    owner.resize(640, 480);
    owner.show();
    Closer closer(folder.path(), files);
    int asked = 0;
    const auto askOne = [&] {
        closer.limit();
        ask(&owner, questions[asked++ % 2]);
        // What a closed dialog leaves to be deleted later goes now.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    };
    // The first dialogs load what any dialog needs once: fonts, the style's
    // pictures, the translations.
    for (int i = 0; i < 10; ++i)
        askOne();
    malloc_trim(0);
    const qint64 heap = HeapBytes(), resident = ResidentBytes();
    for (auto _ : state)
        askOne();
    if (closer.timedOut)
        state.SkipWithError("a dialog never painted its list");
    const double n = double(state.iterations());
    state.counters["heap_kept_per_dialog_B"] = double(HeapBytes() - heap) / n;
    state.counters["rss_kept_per_dialog_B"] = double(ResidentBytes() - resident) / n;
}

QString AskAsQtDoes(QWidget* owner, const ui::FileQuestion& q) {
    return q.save ? QFileDialog::getSaveFileName(owner, q.title, q.start, q.filters)
                  : QFileDialog::getOpenFileName(owner, q.title, q.start, q.filters);
}

void BM_FileDialogNewEachTime(benchmark::State& state) {
    DialogsOpened(state, AskAsQtDoes);
}
BENCHMARK(BM_FileDialogNewEachTime)->Iterations(200)->Unit(benchmark::kMillisecond);

void BM_FileDialogKept(benchmark::State& state) {
    DialogsOpened(state, ui::AskForFile);
}
BENCHMARK(BM_FileDialogKept)->Iterations(200)->Unit(benchmark::kMillisecond);

} // namespace
