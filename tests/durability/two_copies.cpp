// Two copies of the game on one folder, as a player with two windows open has
// them: each plays a round in real time, answering as fast as it can (every
// fifth answer wrong), then saves its result 100 times, turning auto-save on
// or off between saves. Afterwards the history holds exactly the 200 lines,
// whole and in each copy's order, each copy's table shows its own 100, the
// settings file is one whole line, and the word record counts every answer of
// both copies.
//
//   two_copies            runs both copies and checks the folder
//   two_copies --copy N   one copy, in the current folder
#include "../ui/window_fixture.h"
#include "game/system_ports.h"
#include "game/word_record.h"
#include "records/cp932.h"
#include "records/history_file.h"
#include "records/settings_file.h"
#include "records/word_store.h"
#include "sql_file.h"
#include "ui/weak_words_window.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kSaves = 100;
// Each copy plays its own time limit, so that a line tells whose it is.
constexpr int kLimit[] = {10, 20};

int RunCopy(int copy) {
    game::SystemClock clock;
    game::SystemRandom random;
    FakeSwitch ime;
    FakeReach reach;
    FakeHelp help;
    ui::WindowProgressService progress;
    FakeWordLists wordLists;
    FakeShare share;
    FakeSounds sounds;
    QStringList boxes;
    int wrong = 0;
    {
        game::WordRecordThread record(
            QDir::current().absoluteFilePath(records::kWordStoreFileName));
        records::Options options;
        ui::MessageBoxes messageBoxes;
        ui::Languages languages{QLocale()};
        game::CollatedOrder panelOrder;
        ui::WeakWordsWindows weak(record, messageBoxes);
        FakeDictionary dictionary;
        ui::frmMain w({clock, random, ime, reach, help, progress, wordLists, share, sounds, record,
                       weak, dictionary, options, messageBoxes, languages, panelOrder});
        messageBoxes.run = [&](QMessageBox& box) {
            if (box.text() != QStringLiteral("違います！！"))
                boxes << box.text();
            return QMessageBox::Ok;
        };
        w.Form_Load();
        w.show();
        w.cboJikan->setCurrentText(QString::number(kLimit[copy]));
        w.cboJikan_Click();
        const int tableBefore = w.rirekiModel().rowCount();
        w.cmdStart_Click();
        if (!QTest::qWaitFor([&] { return w.state().blnPlaying; }, 10000))
            return 1;
        for (int n = 0; w.state().blnPlaying; ++n) {
            const bool miss = n % 5 == 4;
            wrong += miss ? 1 : 0;
            w.txtKaitou->setText(miss ? QStringLiteral("ちがう") : w.state().strSeikai);
            QTest::keyClick(w.txtKaitou, Qt::Key_Return);
            QTest::qWait(5); // the clock's ticks come between answers
        }
        const auto& s = w.state();
        for (int i = 0; i < kSaves; ++i) {
            QTest::mouseClick(w.cmdHozon, Qt::LeftButton);
            QTest::mouseClick(w.chkAs, Qt::LeftButton);
        }
        const auto cell = [&](int r, int c) {
            return w.rirekiModel().index(r, c).data().toString();
        };
        int shown = 0;
        for (int r = tableBefore; r < w.rirekiModel().rowCount(); ++r)
            shown += cell(r, 4).toInt() == s.intOk && cell(r, 5).toInt() == s.intNg &&
                     cell(r, 9).startsWith(QString::number(kLimit[copy]));
        std::printf("ok %d ng %d moji %d shown %d rows %d\n", s.intOk, s.intNg, s.intMoji, shown,
                    w.rirekiModel().rowCount() - tableBefore);
        w.cmdEnd_Click();
    } // the record's writes are all in once it is gone
    for (const QString& b : boxes)
        std::printf("box %s\n", qPrintable(b));
    return wrong > 0 ? 0 : 1;
}

struct Copy {
    int ok = -1, ng = 0, moji = 0, shown = 0, rows = 0;
    QStringList boxes;
};

Copy Parse(const QByteArray& out) {
    Copy c;
    for (const QByteArray& line : out.split('\n')) {
        std::sscanf(line.constData(), "ok %d ng %d moji %d shown %d rows %d", &c.ok, &c.ng, &c.moji,
                    &c.shown, &c.rows);
        if (line.startsWith("box "))
            c.boxes << QString::fromUtf8(line.mid(4));
    }
    return c;
}

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (app.arguments().value(1) == "--copy")
        return RunCopy(app.arguments().value(2).toInt());

    QTemporaryDir dir;
    const auto path = [&](const char* name) { return dir.filePath(QString::fromUtf8(name)); };
    const std::pair<const char*, QByteArray> files[] = {
        {"辞書.txt", records::EncodeCp932(u"ねこ\r\nいぬ\r\nうさぎ\r\nきりん\r\n")},
        {"設定.txt", "10,0\r\n"}, // auto-save off: every line is a 保存
        {"履歴.txt", records::HistoryLine(records::MakeHistoryRecord(
                         5, 1, 20, 60, QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5))))}};
    for (const auto& [name, bytes] : files) {
        QFile f(path(name));
        f.open(QIODevice::WriteOnly), f.write(bytes);
    }
    const QByteArray oldHistory = Bytes(path("履歴.txt"));
    QStringList failures;

    QProcess copies[2];
    for (int i = 0; i < 2; ++i) {
        copies[i].setWorkingDirectory(dir.path());
        copies[i].setProcessChannelMode(QProcess::ForwardedErrorChannel);
        copies[i].start(QCoreApplication::applicationFilePath(), {"--copy", QString::number(i)});
    }
    Copy copy[2];
    for (int i = 0; i < 2; ++i) {
        if (!copies[i].waitForFinished(240000) || copies[i].exitCode() != 0)
            failures << QString::asprintf("copy %d did not end well", i);
        copy[i] = Parse(copies[i].readAllStandardOutput());
        for (const QString& b : copy[i].boxes)
            failures << QString::asprintf("copy %d told: ", i) + b;
        if (copy[i].ok <= 0)
            failures << QString::asprintf("copy %d answered nothing right", i);
        if (copy[i].rows != kSaves || copy[i].shown != kSaves)
            failures << QString::asprintf("copy %d's table gained %d rows, %d of them its own", i,
                                          copy[i].rows, copy[i].shown);
    }

    // The old bytes, then each copy's lines whole, in its own order.
    const QByteArray history = Bytes(path("履歴.txt"));
    if (!history.startsWith(oldHistory))
        failures << "the old history lines changed";
    const QByteArray added = history.mid(oldHistory.size());
    if (!added.isEmpty() && !added.endsWith("\r\n"))
        failures << "the history ends in a torn line";
    int of[2] = {0, 0};
    QByteArray last[2];
    for (const QByteArray& text : added.split('\n')) {
        if (text.isEmpty())
            continue;
        const QByteArray line = text + '\n';
        const records::HistoryRows rows = records::ParseHistory(line, 1).rows;
        bool mine = false;
        for (int i = 0; i < 2 && rows.size() == 1 && !mine; ++i) {
            const QStringList f = rows.fields(0);
            const records::HistoryRecord expect = records::MakeHistoryRecord(
                int16_t(copy[i].ok), int16_t(copy[i].ng), int16_t(copy[i].moji), int16_t(kLimit[i]),
                QDateTime::fromString(f.value(0) + ' ' + f.value(1), "yyyy/MM/dd hh:mm:ss"));
            mine = line == records::HistoryLine(expect) && line >= last[i];
            if (mine)
                ++of[i], last[i] = line;
        }
        if (!mine)
            failures << "a line is no copy's whole line: " + QString::fromLatin1(line.toHex(' '));
    }
    if (of[0] != kSaves || of[1] != kSaves)
        failures << QString::asprintf("the history gained %d and %d lines", of[0], of[1]);

    const QByteArray settings = Bytes(path("設定.txt"));
    bool settingsWhole = false;
    for (int i = 0; i < 2; ++i)
        for (int16_t autoSave : {0, 1})
            settingsWhole |= settings == records::SettingsLine({int16_t(kLimit[i]), autoSave});
    if (!settingsWhole)
        failures << "設定.txt is " + QString::fromLatin1(settings.toHex(' '));

    // Every answer of both copies: each right one, each wrong one, and the
    // question left open at each time-up.
    SqlFile db(path("単語記録.db"));
    const QString sums = db.rows("SELECT SUM(asked), SUM(solved), SUM(wrong) FROM words").value(0);
    const QString expect = QString::asprintf("%d|%d|%d", copy[0].ok + copy[1].ok + 2,
                                             copy[0].ok + copy[1].ok, copy[0].ng + copy[1].ng);
    if (sums != expect)
        failures << "the word record counts asked|solved|wrong " + sums + ", not " + expect;
    if (db.rows("SELECT COUNT(*) FROM rounds") != QStringList{"2"} ||
        db.rows("SELECT COUNT(*) FROM saves") != QStringList{QString::number(2 * kSaves)})
        failures << "the word record lost a round or a save";

    std::printf("copy 0: %d right, %d wrong; copy 1: %d right, %d wrong; %d lines; record %s\n",
                copy[0].ok, copy[0].ng, copy[1].ok, copy[1].ng, of[0] + of[1], qPrintable(sums));
    for (const QString& f : failures)
        std::printf("FAILED %s\n", qPrintable(f));
    return failures.isEmpty() ? 0 : 1;
}
