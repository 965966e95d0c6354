// Kills a copy of this program with SIGKILL in the middle of each kind of
// write the game makes to the player's files, half the time at one of the
// write's named points, half at a random moment, and checks every file after
// each kill: the history is its old bytes and whole new lines, the settings
// and a word list are old or new and whole, and the word record holds
// together and lost at most the question being written.
//
//   kill_test                                  in a temporary folder
//   kill_test --power-cut IMAGE LIVE SNAPSHOT  in LIVE, a file system on a
//       loop device over IMAGE; after each kill IMAGE is copied as a disk
//       holds it when the power goes, mounted at SNAPSHOT and checked too
//
// MOJIRO_FULL=1 makes it 200 kills of each kind, else 20.
#include "records/history_file.h"
#include "records/settings_file.h"
#include "records/text_file.h"
#include "records/word_list_file.h"
#include "records/word_store.h"
#include "records/write_points.h"
#include "sql_file.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace records;

const QStringList kKinds = {"history", "settings", "clear", "wordlist", "store"};
const QString kList = QStringLiteral("単語リスト/どうぶつ.txt");
constexpr int kWrites = 3; // each child writes this many times, one after another

HistoryRecord Record(int i) {
    return MakeHistoryRecord(int16_t(10 + i), int16_t(i), int16_t(40 + i), 60,
                             QDateTime(QDate(2026, 12, 9), QTime(20, 0, i)));
}

Settings Values(int i) {
    return {int16_t(i < 0 ? 60 : 10 * (i + 2)), int16_t(i < 0 ? 1 : i % 2)};
}

QByteArray ListBytes(int i) {
    QStringList words = {"いぬ", "ねこ", "うさぎ"};
    for (int k = 0; k <= i; ++k)
        words << QStringLiteral("きりん%1").arg(k);
    return *EncodeListText(words, TextEncoding::Cp932, "\r\n");
}

QuestionRecord Question(int i) {
    QuestionRecord q;
    q.word = QStringList{"ねこ", "いぬ", "うさぎ"}[i % 3];
    q.asked = QDateTime(QDate(2026, 12, 9), QTime(20, 1, i));
    q.solved = true;
    q.solveMs = 900 + i;
    q.wrong = 1;
    q.slips = {{"ね", "め"}};
    return q;
}

// The folder as it was before the write: every file the game keeps.
void MakeOldFiles(const QString& dir) {
    QDir(dir).mkpath("単語リスト");
    const std::pair<QString, QByteArray> files[] = {
        {"履歴.txt", HistoryLine(Record(-2)) + HistoryLine(Record(-1))},
        {"設定.txt", SettingsLine(Values(-1))},
        {kList, ListBytes(-1)}};
    for (const auto& [name, bytes] : files) {
        QFile f(QDir(dir).filePath(name));
        f.open(QIODevice::WriteOnly), f.write(bytes);
    }
    WordStore store(QDir(dir).filePath(kWordStoreFileName));
    for (int i = 0; i < 4; ++i)
        store.addQuestion(Question(i));
}

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// What the word record counts: asked, wrong, slips.
struct Sums {
    int asked = 0, wrong = 0, slips = 0;
};
Sums SumsOf(const QString& path) {
    const QStringList s = SqlFile(path)
                              .rows("SELECT (SELECT SUM(asked) FROM words), (SELECT SUM(wrong) "
                                    "FROM words), (SELECT SUM(count) FROM confusions)")
                              .value(0)
                              .split('|');
    return {s.value(0).toInt(), s.value(1).toInt(), s.value(2).toInt()};
}

// --- the child: writes, and stops at a point when asked --------------------

int stopAt = 0, points = 0;

void AtPoint(const char*) {
    if (++points == stopAt)
        raise(SIGSTOP);
}

int RunChild(const QString& kind, const QString& dir, int stop) {
    QDir::setCurrent(dir);
    std::unique_ptr<WordStore> store;
    if (kind == "store") // opened before the writing starts, as the game has it open
        store = std::make_unique<WordStore>(kWordStoreFileName), (void)store->read();
    stopAt = stop;
    SetWritePointHook(AtPoint);
    std::setvbuf(stdout, nullptr, _IONBF, 0); // each line out before a kill can come
    std::printf("ready\n");
    const auto start = std::chrono::steady_clock::now();
    const int writes = kind == "clear" ? 1 : kWrites;
    for (int i = 0; i < writes; ++i) {
        bool ok = false;
        if (kind == "history")
            ok = AppendHistory("履歴.txt", Record(i));
        else if (kind == "settings")
            ok = SaveSettings("設定.txt", Values(i));
        else if (kind == "clear")
            ok = ClearHistory("履歴.txt");
        else if (kind == "wordlist") // as the word-list editor saves
            ok = ReplaceFile(kList, ListBytes(i), true);
        else if (kind == "store") // as the game's writing thread does
            ok = bool(store->together([&] { return !store->addQuestion(Question(i)).busy(); }));
        if (!ok) {
            std::printf("failed %d\n", i);
            return 1;
        }
        std::printf("done %d\n", i + 1);
    }
    const auto us = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);
    std::printf("points %d %lld\n", points, static_cast<long long>(us.count()));
    return 0;
}

// --- the parent: kills and checks -----------------------------------------

struct Outcome {
    int done = 0;     // writes the child had told finished
    int points = 0;   // of a run to the end
    long long us = 0; // the same
    bool ended = false;
};

Outcome Spawn(const QString& kind, const QString& dir, int stop, long long killAfterUs) {
    int out[2];
    if (pipe(out) != 0)
        std::abort();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], 1);
        close(out[0]);
        const QByteArray k = kind.toUtf8(), d = QFile::encodeName(dir),
                         s = QByteArray::number(stop);
        execl("/proc/self/exe", "kill_test", "--child", k.constData(), d.constData(), s.constData(),
              nullptr);
        _exit(127);
    }
    close(out[1]);
    FILE* in = fdopen(out[0], "r");
    Outcome o;
    char line[128];
    int status = 0;
    const auto readLine = [&] {
        if (!std::fgets(line, sizeof line, in))
            return false;
        int n = 0;
        long long us = 0;
        if (std::sscanf(line, "done %d", &n) == 1)
            o.done = n;
        else if (std::sscanf(line, "points %d %lld", &n, &us) == 2)
            o.points = n, o.us = us, o.ended = true;
        return true;
    };
    if (stop > 0) {
        // Stopped at its point, or at its end if it never got there.
        if (waitpid(pid, &status, WUNTRACED) == pid && WIFSTOPPED(status))
            kill(pid, SIGKILL);
    } else if (killAfterUs >= 0) {
        while (readLine() && std::strncmp(line, "ready", 5) != 0) {
        }
        usleep(useconds_t(killAfterUs));
        kill(pid, SIGKILL);
    }
    while (readLine()) {
    }
    fclose(in);
    waitpid(pid, &status, 0);
    return o;
}

struct Old {
    std::map<QString, QByteArray> bytes; // the text files, by name
    Sums sums;
};

QStringList failures;

// The bytes of the last write told done, or of the one after it (or the old
// bytes, before the first was done).
bool OldOrNew(const QByteArray& bytes, const QByteArray& old, const auto& nth, int done,
              int writes) {
    for (int i = done - 1; i <= std::min(done, writes - 1); ++i)
        if (bytes == (i < 0 ? old : nth(i)))
            return true;
    return false;
}

void Check(const QString& kind, const QString& dir, const Old& old, int done, const QString& at) {
    const auto path = [&](const QString& name) { return QDir(dir).filePath(name); };
    for (const auto& [name, before] : old.bytes) {
        const QByteArray now = Bytes(path(name));
        bool good = now == before;
        if (name == "履歴.txt" && kind == "history") {
            // The old bytes, then whole lines in the order they were saved.
            QByteArray expect = before;
            good = false;
            for (int i = 0; i <= std::min(done + 1, kWrites) && !good; ++i) {
                good = i >= done && now == expect;
                if (i < kWrites)
                    expect += HistoryLine(Record(i));
            }
        } else if (name == "履歴.txt" && kind == "clear") {
            good = now.isEmpty() || (done == 0 && now == before);
        } else if (name == "設定.txt" && kind == "settings") {
            good = OldOrNew(
                now, before, [](int i) { return SettingsLine(Values(i)); }, done, kWrites);
        } else if (name == kList && kind == "wordlist") {
            good = OldOrNew(now, before, ListBytes, done, kWrites);
        }
        if (!good)
            failures << QString::asprintf("%s %s: %s after %d writes is %s", qPrintable(kind),
                                          qPrintable(at), qPrintable(name), done,
                                          now.toHex(' ').left(120).constData());
    }
    const QString where = kind + " " + at + ": ";
    if (!QDir(dir).entryList({"*.damaged-*"}).isEmpty())
        failures << where + "the word record was set aside as damaged";
    const QStringList check = SqlFile(path(kWordStoreFileName)).rows("PRAGMA integrity_check");
    if (check != QStringList{"ok"})
        failures << where + "integrity_check says " + check.join(' ');
    const Sums now = SumsOf(path(kWordStoreFileName));
    const int asked = now.asked - old.sums.asked, wrong = now.wrong - old.sums.wrong,
              slips = now.slips - old.sums.slips;
    const bool store = kind == "store";
    // A question is all in or all out: its word, its wrong answer, its slip.
    // Only the one being written may be missing.
    if (asked != wrong || asked != slips || asked < (store ? done : 0) ||
        asked > (store ? done + 1 : 0))
        failures << where + QString::asprintf("the word record gained %d asked, %d wrong, %d "
                                              "slips after %d questions",
                                              asked, wrong, slips, done);
}

void CopyFolder(const QString& from, const QString& to) {
    QDir(to).removeRecursively();
    QDir().mkpath(to + "/単語リスト");
    for (const QString& name :
         {QString("履歴.txt"), QString("設定.txt"), kList, kWordStoreFileName})
        QFile::copy(from + "/" + name, to + "/" + name);
}

bool Shell(const QString& command) {
    return std::system(command.toLocal8Bit().constData()) == 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.value(1) == "--child")
        return RunChild(args.value(2), args.value(3), args.value(4).toInt());

    const bool powerCut = args.value(1) == "--power-cut";
    const QString image = args.value(2), live = powerCut ? args.value(3) : QString();
    const QString snapshot = args.value(4);
    const int kills = qEnvironmentVariableIntValue("MOJIRO_FULL") ? 200 : 20;

    QTemporaryDir scratch;
    const QString model = scratch.filePath("old");
    MakeOldFiles(model);
    Old old{{}, SumsOf(model + "/" + kWordStoreFileName)};
    for (const QString& name : {QString("履歴.txt"), QString("設定.txt"), kList})
        old.bytes[name] = Bytes(model + "/" + name);
    const QString work = powerCut ? live + "/work" : scratch.filePath("work");
    const QString snapWork = snapshot + "/work";

    QRandomGenerator random(quint32(QDateTime::currentMSecsSinceEpoch()));
    std::printf("kills of each kind: %d%s\n", kills, powerCut ? ", each with a power cut" : "");
    for (const QString& kind : kKinds) {
        CopyFolder(model, work);
        const Outcome whole = Spawn(kind, work, 0, -1);
        if (!whole.ended || whole.points == 0) {
            failures << kind + ": the writer did not run to its end";
            continue;
        }
        Check(kind, work, old, whole.done, "run to the end");
        int told[kWrites + 1] = {}; // kills by the writes already told done
        for (int k = 0; k < kills; ++k) {
            CopyFolder(model, work);
            if (powerCut)
                ::sync(); // the old files are on the disk before the write starts
            const bool atPoint = k % 2 == 0;
            const int stop = atPoint ? 1 + int(random.bounded(whole.points)) : 0;
            const long long after =
                atPoint ? -1 : (long long)random.bounded(quint32(whole.us + whole.us / 5 + 1));
            const Outcome o = Spawn(kind, work, stop, after);
            const QString where = atPoint ? QStringLiteral("at point %1").arg(stop)
                                          : QStringLiteral("after %1 µs").arg(after);
            ++told[o.done];
            // The disk is copied first: looking at the live record rolls
            // back its journal, which would reach the copy.
            const QString snap = scratch.filePath("snapshot.img");
            if (powerCut &&
                !Shell(QStringLiteral("cp --sparse=always '%1' '%2'").arg(image, snap))) {
                failures << kind + ": the disk could not be copied";
                break;
            }
            Check(kind, work, old, o.done, where);
            if (powerCut) {
                if (!Shell(QStringLiteral("mount -o loop '%1' '%2'").arg(snap, snapshot))) {
                    failures << kind + ": the copy of the disk did not mount";
                    break;
                }
                Check(kind, snapWork, old, o.done, where + " and a power cut");
                Shell(QStringLiteral("umount '%1'").arg(snapshot));
                QFile::remove(snap);
            }
        }
        std::printf("%-8s %d kills at %d points, after 0/1/2/3 writes: %d/%d/%d/%d\n",
                    qPrintable(kind), kills, whole.points, told[0], told[1], told[2], told[3]);
    }
    for (const QString& f : failures)
        std::printf("FAILED %s\n", qPrintable(f));
    return failures.isEmpty() ? 0 : 1;
}
