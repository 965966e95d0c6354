#include "../files.h"
#include "records/word_store.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <gtest/gtest.h>

using records::QuestionRecord;
using records::WordStore;
using Problem = records::WordStore::Problem;

namespace {

QuestionRecord Asked(const QString& word, bool solved, int wrong = 0, bool revealed = false,
                     qint64 ms = 1500) {
    QuestionRecord q;
    q.word = word;
    q.asked = QDateTime(QDate(2026, 12, 9), QTime(10, 0));
    q.solved = solved;
    q.solveMs = ms;
    q.wrong = wrong;
    q.revealed = revealed;
    return q;
}

// A connection of its own to the file, as a second copy of the game or the
// sqlite3 tool would hold it.
struct Direct {
    QString name;
    explicit Direct(const QString& path, const QString& options = {})
        : name("direct-" + QString::number(quintptr(this))) {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
        db.setDatabaseName(path);
        db.setConnectOptions(options);
        db.open();
    }
    ~Direct() {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
    bool exec(const QString& sql) { return QSqlQuery(QSqlDatabase::database(name)).exec(sql); }
    QVariant value(const QString& sql) {
        QSqlQuery q(QSqlDatabase::database(name));
        return q.exec(sql) && q.next() ? q.value(0) : QVariant();
    }
};

} // namespace

TEST(WordStore, NothingIsMadeUntilTheFirstAnswerThenEachQuestionAddsUp) {
    Folder f;
    const QString path = f.path("単語記録.db");
    {
        WordStore store(path);
        EXPECT_TRUE(store.read().words.isEmpty());
        EXPECT_TRUE(store.savedRounds().isEmpty());
        EXPECT_FALSE(f.exists("単語記録.db"));
        QuestionRecord wrong = Asked("ちず", true, 2, false, 4000);
        wrong.slips = {{"ず", "じ"}, {"ず", "じ"}, {"", "ー"}};
        ASSERT_TRUE(store.addQuestion(wrong));
        ASSERT_TRUE(store.addQuestion(Asked("ちず", true, 0, false, 2500)));
        ASSERT_TRUE(store.addQuestion(Asked("ちず", false, 0, true)));
        ASSERT_TRUE(store.addQuestion(Asked("ねこ", false))); // open at time-up
        ASSERT_TRUE(store.addRound({"k1", QDateTime(QDate(2026, 12, 9), QTime(10, 0)), 60,
                                    "どうぶつ.txt", true, 3, 2, 6}));
        ASSERT_TRUE(store.addSave("k1", "2026/12/09", "10:01:00"));
        EXPECT_TRUE(store.takeProblems().isEmpty());
    }
    WordStore again(path);
    const records::WordRecordRead r = again.read();
    ASSERT_EQ(r.words.size(), 2);
    const records::WordStats chizu = r.words[0].word == "ちず" ? r.words[0] : r.words[1];
    EXPECT_EQ(std::tuple(chizu.asked, chizu.solved, chizu.wrong, chizu.revealed, chizu.bestMs,
                         chizu.sumMs, chizu.cleanRun),
              std::tuple(3, 2, 2, 1, qint64(2500), qint64(6500), 0));
    const records::WordStats neko = r.words[0].word == "ねこ" ? r.words[0] : r.words[1];
    EXPECT_EQ(std::tuple(neko.asked, neko.solved, neko.bestMs), std::tuple(1, 0, qint64(-1)));
    EXPECT_EQ(r.confusions, (QList<records::Confusion>{{"ず", "じ", 2}, {"", "ー", 1}}));
    const QList<records::SavedRound> saved = again.savedRounds();
    ASSERT_EQ(saved.size(), 1);
    EXPECT_EQ(saved[0].date + saved[0].time + saved[0].list, "2026/12/0910:01:00どうぶつ.txt");
    EXPECT_TRUE(saved[0].practice);
    EXPECT_EQ(Direct(path).value("PRAGMA user_version").toInt(), records::kWordStoreVersion);
}

TEST(WordStore, AMissedWordRetiresAfterThreeCleanSolvesAndComesBackWhenMissedOrBroughtBack) {
    Folder f;
    WordStore store(f.path("単語記録.db"));
    const auto state = [&] {
        for (const records::WordStats& w : store.read().words)
            if (w.word == "がっこう")
                return QString("%1%2").arg(w.cleanRun).arg(w.retired ? "R" : "");
        return QString("-");
    };
    // Clean solves of a word never missed retire nothing: it was never weak.
    store.addQuestion(Asked("がっこう", true));
    store.addQuestion(Asked("がっこう", true));
    store.addQuestion(Asked("がっこう", true));
    EXPECT_EQ(state(), "3");
    QString seen;
    for (const QuestionRecord& q : {Asked("がっこう", true, 1), Asked("がっこう", true),
                                    Asked("がっこう", false), // left open: the run holds
                                    Asked("がっこう", true), Asked("がっこう", true),
                                    Asked("がっこう", true), Asked("がっこう", false, 0, true)}) {
        store.addQuestion(q);
        seen += state() + " ";
    }
    EXPECT_EQ(seen, "0 1 1 2 3R 4R 0 ");
    store.addQuestion(Asked("がっこう", true));
    store.addQuestion(Asked("がっこう", true));
    store.addQuestion(Asked("がっこう", true));
    EXPECT_EQ(state(), "3R");
    EXPECT_TRUE(store.bringBack("がっこう"));
    EXPECT_EQ(state(), "0");
    EXPECT_TRUE(store.removeWord("がっこう"));
    EXPECT_EQ(state(), "-");
    store.addQuestion(Asked("えき", true, 1));
    EXPECT_TRUE(store.clear());
    EXPECT_TRUE(store.read().words.isEmpty());
}

TEST(WordStore, AnOlderFileIsBroughtUpToDateKeepingItsWords) {
    Folder f;
    const QString path = f.path("単語記録.db");
    {
        Direct old(path);
        ASSERT_TRUE(old.exec(
            "CREATE TABLE words(word TEXT PRIMARY KEY NOT NULL, asked INTEGER NOT NULL DEFAULT 0,"
            " solved INTEGER NOT NULL DEFAULT 0, wrong INTEGER NOT NULL DEFAULT 0,"
            " revealed INTEGER NOT NULL DEFAULT 0, best_ms INTEGER, sum_ms INTEGER NOT NULL "
            "DEFAULT 0, last_asked TEXT, clean_run INTEGER NOT NULL DEFAULT 0,"
            " retired INTEGER NOT NULL DEFAULT 0)"));
        ASSERT_TRUE(old.exec("CREATE TABLE confusions(expected TEXT NOT NULL, typed TEXT NOT "
                             "NULL, count INTEGER NOT NULL, PRIMARY KEY(expected, typed))"));
        ASSERT_TRUE(old.exec("INSERT INTO words(word, asked, wrong) VALUES('いぬ', 4, 2)"));
        ASSERT_TRUE(old.exec("PRAGMA user_version = 1"));
    }
    WordStore store(path);
    ASSERT_TRUE(store.addRound({"k", QDateTime::currentDateTime(), 30, "", false, 1, 0, 2}));
    ASSERT_TRUE(store.addSave("k", "2026/12/09", "11:00:00"));
    EXPECT_EQ(store.savedRounds().size(), 1);
    const records::WordRecordRead r = store.read();
    ASSERT_EQ(r.words.size(), 1);
    EXPECT_EQ(std::pair(r.words[0].asked, r.words[0].wrong), std::pair(4, 2));
    EXPECT_EQ(Direct(path).value("PRAGMA user_version").toInt(), records::kWordStoreVersion);
}

TEST(WordStore, ANewerVersionsFileIsOnlyReadAndNeverDowngraded) {
    Folder f;
    const QString path = f.path("単語記録.db");
    {
        WordStore store(path);
        store.addQuestion(Asked("うみ", true, 1));
    }
    Direct(path).exec(QString("PRAGMA user_version = %1").arg(records::kWordStoreVersion + 1));
    const QByteArray before = f.read("単語記録.db");
    WordStore store(path);
    const records::WordRecordRead r = store.read();
    EXPECT_TRUE(r.readOnly);
    EXPECT_EQ(r.words.size(), 1);
    EXPECT_FALSE(store.addQuestion(Asked("うみ", true)));
    EXPECT_FALSE(store.clear());
    EXPECT_EQ(store.takeProblems(), QList{Problem::Newer}); // once, not at every write
    EXPECT_EQ(f.read("単語記録.db"), before);
}

TEST(WordStore, ADamagedFileIsKeptAsideAndAFreshOneStarted) {
    Folder f;
    const QString path = f.path("単語記録.db");
    const QByteArray garbage = QByteArray("this was the record\n").repeated(300);
    f.write("単語記録.db", garbage);
    WordStore store(path);
    ASSERT_TRUE(store.addQuestion(Asked("やま", true)));
    EXPECT_EQ(store.takeProblems(), QList{Problem::SetAside});
    const QFileInfo aside(store.setAsidePath());
    EXPECT_TRUE(aside.fileName().startsWith("単語記録.damaged-")) << aside.fileName().toStdString();
    EXPECT_TRUE(aside.fileName().endsWith(".db"));
    EXPECT_EQ(f.read(aside.fileName()), garbage);
    EXPECT_EQ(store.read().words.size(), 1);

    // A file whose pages were overwritten in the middle is damaged as well.
    Folder g;
    {
        WordStore good(g.path("単語記録.db"));
        for (int i = 0; i < 400; ++i)
            good.addQuestion(Asked(QString("ことば%1").arg(i), true));
    }
    QByteArray bytes = g.read("単語記録.db");
    ASSERT_GT(bytes.size(), 8192);
    bytes.replace(4096, 4096, QByteArray(4096, '\xA5'));
    g.write("単語記録.db", bytes);
    WordStore damaged(g.path("単語記録.db"));
    damaged.read();
    EXPECT_EQ(damaged.takeProblems(), QList{Problem::SetAside});
    EXPECT_EQ(g.read(QFileInfo(damaged.setAsidePath()).fileName()), bytes);
}

TEST(WordStore, AFolderThatRefusesFilesIsToldOnceAndLosesNothingElse) {
    Folder f;
    QDir(f.dir.path()).mkdir("locked");
    f.write("locked/履歴.txt", kExampleLine);
    const auto result = InLockedFolder(f.path("locked"), f.path("locked/履歴.txt"), [&] {
        WordStore store(f.path("locked/単語記録.db"));
        const bool refused =
            !store.addQuestion(Asked("そら", true)) && !store.addQuestion(Asked("そら", true));
        return refused && store.takeProblems() == QList{Problem::Unwritable} &&
               store.takeProblems().isEmpty() && store.read().words.isEmpty();
    });
    if (!result)
        GTEST_SKIP() << "no unprivileged user to run as";
    EXPECT_TRUE(*result);
    EXPECT_FALSE(f.exists("locked/単語記録.db"));
    EXPECT_EQ(f.read("locked/履歴.txt"), kExampleLine);
}

TEST(WordStore, AFullDiskFailsTheWriteAndKeepsWhatWasWritten) {
    Folder f;
    const QString path = f.path("単語記録.db");
    WordStore store(path);
    ASSERT_TRUE(store.addQuestion(Asked("ほし", true)));
    const qint64 size = QFileInfo(path).size();
    {
        FileSizeLimit full(size);
        bool failed = false;
        // Words long enough to need new pages soon.
        for (int i = 0; i < 50 && !failed; ++i)
            failed = !store.addQuestion(Asked(QString(200, QChar(0x3042 + i)), true));
        EXPECT_TRUE(failed);
    }
    EXPECT_EQ(store.takeProblems(), QList{Problem::Unwritable});
    EXPECT_EQ(Direct(path).value("PRAGMA integrity_check").toString(), "ok");
    EXPECT_EQ(Direct(path).value("SELECT asked FROM words WHERE word = 'ほし'").toInt(), 1);
    ASSERT_TRUE(store.addQuestion(Asked("ほし", true))); // room again: it goes on
    EXPECT_EQ(Direct(path).value("SELECT asked FROM words WHERE word = 'ほし'").toInt(), 2);
}

TEST(WordStore, ASecondCopyHoldingTheFileMakesAWriteWaitThenFailWithoutHarm) {
    Folder f;
    const QString path = f.path("単語記録.db");
    WordStore store(path, 200);
    ASSERT_TRUE(store.addQuestion(Asked("かわ", true)));
    {
        Direct other(path);
        ASSERT_TRUE(other.exec("BEGIN EXCLUSIVE"));
        EXPECT_FALSE(store.addQuestion(Asked("かわ", true, 1)));
        EXPECT_EQ(store.takeProblems(), QList{Problem::Unwritable});
        other.exec("ROLLBACK");
    }
    // Once the other lets go, the record goes on where it was.
    ASSERT_TRUE(store.addQuestion(Asked("かわ", true)));
    const records::WordRecordRead r = store.read();
    ASSERT_EQ(r.words.size(), 1);
    EXPECT_EQ(std::pair(r.words[0].asked, r.words[0].wrong), std::pair(2, 0));
}
