// Plays one round in the real window on the Wayland display that the caller
// started, through the window's own timers, and ends it with 終了.
// Exits 0 when every step did what a player would see, 77 when Qt has no
// Wayland plug-in, and 1 with the failed step named otherwise.

#include "bench/bench_files.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <cstdio>
#include <cstdlib>

namespace {

int failures = 0;

void Check(bool ok, const char* step, const QString& seen = {}) {
    std::printf("%s: %s%s\n", ok ? "ok" : "FAILED", step,
                seen.isEmpty() ? "" : qPrintable(" (" + seen + ")"));
    std::fflush(stdout); // what passed shows even if a later step aborts
    failures += ok ? 0 : 1;
}

void Write(const QString& name, const QByteArray& bytes) {
    QFile f(name);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        std::exit(1);
}

} // namespace

int main(int argc, char** argv) {
    // Without the plug-in Qt would abort rather than say so.
    const QString plugins = QLibraryInfo::path(QLibraryInfo::PluginsPath);
    if (!QFile::exists(plugins + "/platforms/libqwayland-generic.so")) {
        std::fprintf(stderr, "no Wayland platform plug-in in %s (qt6-wayland)\n",
                     qPrintable(plugins));
        return 77;
    }
    QApplication app(argc, argv);
    Check(QGuiApplication::platformName() == "wayland", "runs on Wayland",
          QGuiApplication::platformName());
    // Slower under the sanitizers, where the caller gives a longer wait.
    const int waitS = qEnvironmentVariableIntValue("MOJIRO_WINDOW_WAIT");
    const int waitMs = 1000 * (waitS > 0 ? waitS : 10);

    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    Write("辞書.txt", "\x82\xCB\x82\xB1\r\n"); // ねこ in code page 932
    Write("設定.txt", "10,0\r\n");             // 10 seconds, no auto-save

    LoadedWindow loaded; // the real services, shown from the files above
    ui::frmMain& w = loaded.w;
    QStringList boxes; // a wrong answer or a failed save would show one
    w.runBox = [&](QMessageBox& box) { return boxes << box.text(), QMessageBox::Ok; };
    Check(QTest::qWaitForWindowExposed(&w, waitMs), "the compositor showed the window");

    QTest::mouseClick(w.cmdStart, Qt::LeftButton);
    Check(!w.cmdStart->isEnabled(), "スタート starts the countdown");
    const bool asked = QTest::qWaitFor([&] { return !w.lblMondai->text().isEmpty(); }, waitMs);
    QElapsedTimer round;
    round.start();
    Check(asked && (w.lblMondai->text() == "ねこ" || w.lblMondai->text() == "こね"),
          "the lights gave way to the shuffled word", w.lblMondai->text());

    // Kana reach the box as an input method's commit, as Mozc sends them.
    QInputMethodEvent commit;
    commit.setCommitString("ねこ");
    QCoreApplication::sendEvent(w.txtKaitou, &commit);
    QTest::keyClick(w.txtKaitou, Qt::Key_Return);
    Check(w.lblOk->text() == "1" && w.lblNg->text() == "0", "the answer counts as right",
          w.lblOk->text() + "/" + w.lblNg->text());

    // The round's clock runs its 10 seconds in real time.
    const bool ended = QTest::qWaitFor([&] { return w.cmdStart->isEnabled(); }, 10000 + waitMs);
    Check(ended && round.elapsed() >= 8500, "the round ends at time-up",
          QString::number(round.elapsed()) + " ms");
    // The figures and the save are the offscreen tests' part; here, a click still saves.
    QTest::mouseClick(w.cmdHozon, Qt::LeftButton);
    Check(QFileInfo("履歴.txt").size() > 0 && boxes.isEmpty(), "保存 saves, and no box was shown",
          boxes.join(" | "));

    // 終了 must end the event loop itself; the guard only stops a hang.
    QTimer::singleShot(0, &w, [&] { QTest::mouseClick(w.cmdEnd, Qt::LeftButton); });
    QTimer::singleShot(waitMs, &app, [] { QCoreApplication::exit(3); });
    const int code = app.exec();
    Check(code == 0, "終了 ends the game", "exit code " + QString::number(code));
    return failures == 0 ? 0 : 1;
}
