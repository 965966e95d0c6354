// How soon the window of weak words is on the screen with the largest list
// fully recorded: from the command's call of the real service, whose read
// goes to the file on its own thread, to the window's first paint with the
// words read.
#include "game/word_record.h"
#include "records/word_store.h"
#include "ui/weak_words_window.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <functional>

#include <benchmark/benchmark.h>

namespace {

constexpr int kWords = 32767;
constexpr int kQuestions = 100000;

const QString kKana = QStringLiteral(
    "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん");

// The same figures on every run, so that runs compare.
struct Draw {
    uint32_t x = 1;
    int operator()(int n) {
        x = x * 1664525u + 1013904223u;
        return int((x >> 8) % uint32_t(n));
    }
};

// Distinct words of three to eight kana: three that tell them apart, then a
// few more.
QStringList MakeWords(Draw& draw) {
    const int n = int(kKana.size());
    QStringList words;
    for (int i = 0; i < kWords; ++i) {
        QString word = QString(kKana[i % n]) + kKana[i / n % n] + kKana[i / (n * n)];
        for (int extra = draw(6); extra > 0; --extra)
            word += kKana[draw(n)];
        words.append(word);
    }
    return words;
}

// A record as a long-played game leaves it: every word asked, 100 000
// questions in all, a fifth of the words missed and some of those retired.
// Written in one transaction, as question after question would take hours.
bool WriteRecord(const QString& path, const QStringList& words, Draw& draw) {
    {
        // The store makes the file with its own schema.
        records::WordStore store(path);
        records::QuestionRecord first;
        first.word = words[0];
        first.asked = QDateTime::currentDateTime();
        first.solved = true;
        first.solveMs = 1000;
        if (!store.addQuestion(first))
            return false;
    }
    QList<int> asked(words.size(), 1);
    for (qsizetype n = words.size(); n < kQuestions; ++n)
        ++asked[draw(int(words.size()))];

    const QString connection = QStringLiteral("bench-word-record");
    bool written = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (db.open() && db.transaction()) {
            QSqlQuery put(db);
            put.prepare(QStringLiteral(
                "INSERT OR REPLACE INTO words(word, asked, solved, wrong, revealed, best_ms, "
                "sum_ms, last_asked, clean_run, retired) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
            const QDateTime start(QDate(2025, 1, 1), QTime(7, 0));
            written = true;
            for (qsizetype i = 0; i < words.size() && written; ++i) {
                const int a = asked[i];
                const bool missed = draw(100) < 20;
                const bool retired = missed && draw(100) < 15;
                const int revealed = missed && draw(4) == 0 ? 1 : 0;
                const int wrong = missed && revealed == 0 ? 1 + draw(3) : 0;
                // Now and then a question is still open when time is up.
                const int open = a - revealed > 1 && draw(50) == 0 ? 1 : 0;
                const int solved = a - revealed - open;
                const qint64 best = 600 + draw(400) * qint64(words[i].size());
                const qint64 sum = solved * best + solved * qint64(draw(900));
                const int cleanRun = retired ? 3 : missed ? draw(3) : solved;
                for (const QVariant& v :
                     {QVariant(words[i]), QVariant(a), QVariant(solved), QVariant(wrong),
                      QVariant(revealed), solved > 0 ? QVariant(best) : QVariant(), QVariant(sum),
                      QVariant(start.addSecs(draw(365 * 86400)).toString(u"yyyy-MM-ddTHH:mm:ss")),
                      QVariant(cleanRun), QVariant(retired ? 1 : 0)})
                    put.addBindValue(v);
                written = put.exec();
            }
            QSqlQuery slip(db);
            slip.prepare(
                QStringLiteral("INSERT INTO confusions(expected, typed, count) VALUES(?, ?, ?)"));
            const int n = int(kKana.size());
            // Distinct pairs; the last lot are characters left out.
            for (int i = 0; i < 300 && written; ++i) {
                const int shift = i / n;
                slip.addBindValue(QString(kKana[i % n]));
                slip.addBindValue(shift == 6 ? QString("")
                                             : QString(kKana[(i % n + 1 + shift) % n]));
                slip.addBindValue(1 + draw(40));
                written = slip.exec();
            }
            written = written && db.commit();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return written;
}

// The file, made once for every run.
struct Record {
    QTemporaryDir dir;
    QStringList words;
    QString path;
    bool ok = false;
    Record() {
        Draw draw;
        words = MakeWords(draw);
        path = dir.filePath(records::kWordStoreFileName);
        ok = dir.isValid() && WriteRecord(path, words, draw);
    }
};

const Record& TheRecord() {
    static const Record record;
    return record;
}

// Notes the first paint of the window of weak words or of any part of it.
class WindowPainted : public QObject {
public:
    QElapsedTimer clock;
    qint64 paintedAt = -1;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::Paint || paintedAt >= 0)
            return false;
        const auto* widget = qobject_cast<QWidget*>(o);
        if (widget && dynamic_cast<ui::WeakWordsWindow*>(widget->window()))
            paintedAt = clock.nsecsElapsed();
        return false;
    }
};

// Does `action` and runs events until `ready` and the window paints after
// that. The paint goes over the whole window at once, so when the events that
// held it are done the frame is drawn: that time, a little late at worst, is
// `frameAt`.
struct Paint {
    qint64 at = -1, frameAt = -1; // nanoseconds after the action began
};
Paint PaintAfter(const std::function<void()>& action, const std::function<bool()>& ready) {
    WindowPainted probe;
    qApp->installEventFilter(&probe);
    probe.clock.start();
    action();
    while (!ready() && probe.clock.elapsed() < 5000)
        QCoreApplication::processEvents();
    probe.paintedAt = -1;
    while (probe.paintedAt < 0 && probe.clock.elapsed() < 5000)
        QCoreApplication::processEvents();
    qApp->removeEventFilter(&probe);
    return {probe.paintedAt, probe.paintedAt < 0 ? -1 : probe.clock.nsecsElapsed()};
}

// An owner shown and painted before the clock starts, as the main window is.
void ShowOwner(QWidget& owner) {
    owner.show();
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 100)
        QCoreApplication::processEvents();
}

int Rows(const ui::WeakWordsWindows& service) {
    const ui::WeakWordsWindow* w = service.window();
    return w ? w->weakModel->rowCount() + w->retiredModel->rowCount() : 0;
}

// From the command to the first paint, with the chosen list's words to show
// when `chosen`: every word of the record.
void WeakWordsPainted(benchmark::State& state, bool chosen) {
    const Record& record = TheRecord();
    if (!record.ok) {
        state.SkipWithError("the record could not be written");
        return;
    }
    QWidget owner;
    ShowOwner(owner);
    double frames = 0;
    int rows = 0;
    for (auto _ : state) {
        // A record of its own each time, so that the file is opened and read anew.
        game::WordRecordThread file(record.path);
        ui::MessageBoxes boxes;
        ui::WeakWordsWindows service(file, boxes);
        const ui::WeakWordsContext context{
            QStringLiteral("辞書.txt"), chosen ? record.words : QStringList(), false, {}, {}};
        Paint paint =
            PaintAfter([&] { service.show(context, &owner); }, [&] { return Rows(service) > 0; });
        ui::WeakWordsWindow* w = service.window();
        if (chosen && paint.at >= 0 && w)
            paint = PaintAfter(
                [&] {
                    w->cboShow->setCurrentIndex(1);
                    emit w->cboShow->activated(1);
                },
                [] { return true; });
        if (paint.at < 0 || !w) {
            state.SkipWithError("the window of weak words was never painted");
            break;
        }
        state.SetIterationTime(double(paint.at) / 1e9);
        frames += double(paint.frameAt) / 1e6;
        rows = Rows(service);
        service.closeAll();
    }
    state.counters["frame_ms"] = benchmark::Counter(frames, benchmark::Counter::kAvgIterations);
    state.counters["rows"] = rows;
}

void BM_WeakWordsWindowPainted(benchmark::State& state) {
    WeakWordsPainted(state, false);
}
BENCHMARK(BM_WeakWordsWindowPainted)->UseManualTime()->Unit(benchmark::kMillisecond);

// The player shows only the words of the chosen list: from the choice to the next paint.
void BM_WeakWordsListChosenPainted(benchmark::State& state) {
    WeakWordsPainted(state, true);
}
BENCHMARK(BM_WeakWordsListChosenPainted)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
