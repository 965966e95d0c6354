// Plays one round in the real window on the display that the caller started
// (Wayland or X11, as QT_QPA_PLATFORM says), through the window's own timers
// and a real modal box, and ends it with 終了: a right answer, then a wrong one
// whose box is still open when the time is up, which must count in the round.
// Exits 0 when every step did what a player would see, 77 when Qt has no
// plug-in for the display, and 1 with the failed step named otherwise.

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
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    const QString plugins = QLibraryInfo::path(QLibraryInfo::PluginsPath);
    const QString plugin = platform == "wayland" ? "wayland-generic" : platform;
    if (!QFile::exists(plugins + "/platforms/libq" + plugin + ".so")) {
        std::fprintf(stderr, "no %s platform plug-in in %s\n", qPrintable(platform),
                     qPrintable(plugins));
        return 77;
    }
    QApplication app(argc, argv);
    Check(QGuiApplication::platformName() == platform, "runs on the display asked for",
          QGuiApplication::platformName());
    const int waitS = qEnvironmentVariableIntValue("MOJIRO_WINDOW_WAIT");
    const int waitMs = 1000 * (waitS > 0 ? waitS : 60);

    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    Write("辞書.txt", "\x82\xCB\x82\xB1\r\n"); // ねこ in code page 932
    Write("設定.txt", "10,1\r\n");             // 10 seconds, auto-save on

    LoadedWindow loaded; // the real services, shown from the files above
    ui::frmMain& w = loaded.w;
    QStringList boxes; // only the wrong answer's, which the player closes
    int tickedUnderTheBox = 0;
    loaded.boxes.run = [&](QMessageBox& box) {
        boxes << box.text();
        if (box.text() != "違います！！")
            return QMessageBox::Ok;
        // A real modal box, closed once the round's clock has passed its end
        // while it is open.
        game::SystemClock now;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, &box, [&] {
            if (now.Seconds() > w.state().lngEndTime) {
                tickedUnderTheBox = w.cmdStart->isEnabled() ? -1 : 1;
                box.accept();
            }
        });
        closer.start(50);
        return QMessageBox::StandardButton(box.exec());
    };
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

    // A wrong answer in the round's last second, its box open at time-up.
    game::SystemClock now;
    Check(
        QTest::qWaitFor([&] { return now.Seconds() >= w.state().lngEndTime - 1; }, 10000 + waitMs),
        "the round's last second came");
    w.txtKaitou->setText("x");
    QTest::keyClick(w.txtKaitou, Qt::Key_Return);
    Check(tickedUnderTheBox == 1, "the round waited for the open box",
          QString::number(tickedUnderTheBox));
    const bool ended = QTest::qWaitFor([&] { return w.cmdStart->isEnabled(); }, waitMs);
    Check(ended && round.elapsed() >= 8500, "the round ends at time-up",
          QString::number(round.elapsed()) + " ms");
    QFile saved("履歴.txt");
    saved.open(QIODevice::ReadOnly);
    const QStringList items = QString::fromLatin1(saved.readAll()).split(',');
    Check(items.value(3) == "1" && items.value(4) == "1" && items.value(6) == "\"50.0%\"" &&
              w.lblNg->text() == "1" && w.lblRitu->text() == "50.0%",
          "the wrong answer counts in the saved line and the figures", items.join(','));
    Check(boxes == QStringList{"違います！！"}, "no other box was shown", boxes.join(" | "));

    // 終了 must end the event loop itself; the guard only stops a hang.
    QTimer::singleShot(0, &w, [&] { QTest::mouseClick(w.cmdEnd, Qt::LeftButton); });
    QTimer::singleShot(waitMs, &app, [] { QCoreApplication::exit(3); });
    const int code = app.exec();
    Check(code == 0, "終了 ends the game", "exit code " + QString::number(code));
    return failures == 0 ? 0 : 1;
}
