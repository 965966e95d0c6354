#include "../files.h"
#include "../sql_file.h"
#include "records/word_store.h"

#include <gtest/gtest.h>

using records::QuestionRecord;
using records::WordStore;
using Problem = records::WordStore::Problem;

namespace {

QuestionRecord Asked(const QString& word, bool solved, int wrong = 0, bool revealed = false,
                     qint64 ms = 1500) {
    const QDateTime asked(QDate(2026, 12, 9), QTime(10, 0));
    return {word, asked, solved, ms, revealed, 0, wrong, {}, {}};
}

// asked solved wrong revealed best sum run, and R when retired; "-" for none.
QString Stats(WordStore& store, const QString& word) {
    const records::WordRecordRead read = store.read().value();
    for (const records::WordStats& w : read.words)
        if (w.word == word)
            return QString::asprintf("%d %d %d %d %lld %lld %d%s", w.asked, w.solved, w.wrong,
                                     w.revealed, w.bestMs, w.sumMs, w.cleanRun,
                                     w.retired ? "R" : "");
    return "-";
}

} // namespace

TEST(WordStore, NothingIsMadeUntilTheFirstAnswerThenEachQuestionAddsUp) {
    Folder f;
    const QString path = f.path("単語記録.db");
    {
        WordStore store(path);
        EXPECT_TRUE(store.read()->words.isEmpty() && store.savedRounds()->isEmpty());
        EXPECT_FALSE(f.exists("単語記録.db"));
        QuestionRecord wrong = Asked("ちず", true, 2, false, 4000);
        wrong.slips = {{"ず", "じ"}, {"ず", "じ"}, {"", "ー"}};
        for (const QuestionRecord& q : {wrong, Asked("ちず", true, 0, false, 2500),
                                        Asked("ちず", false, 0, true), Asked("ねこ", false)})
            ASSERT_TRUE(store.addQuestion(q));
        ASSERT_TRUE(store.addRound({"k1", QDateTime(QDate(2026, 12, 9), QTime(10, 0)), 60,
                                    "どうぶつ.txt", true, 3, 2, 6}));
        ASSERT_TRUE(store.addSave("k1", "2026/12/09", "10:01:00"));
        EXPECT_TRUE(store.takeProblems().isEmpty());
    }
    WordStore again(path); // a later start reads all of it
    EXPECT_EQ(Stats(again, "ちず"), "3 2 2 1 2500 6500 0");
    EXPECT_EQ(Stats(again, "ねこ"), "1 0 0 0 -1 0 0"); // left open at time-up
    EXPECT_EQ(again.read()->confusions,
              (QList<records::Confusion>{{"ず", "じ", 2}, {"", "ー", 1}}));
    const QList<records::SavedRound> saved = again.savedRounds().value();
    ASSERT_EQ(saved.size(), 1);
    EXPECT_EQ(saved[0].date + saved[0].time + saved[0].list + QString::number(saved[0].practice),
              "2026/12/0910:01:00どうぶつ.txt1");
}

TEST(WordStore, AMissedWordRetiresAfterThreeCleanSolvesAndComesBackWhenMissedOrBroughtBack) {
    Folder f;
    WordStore store(f.path("単語記録.db"));
    const auto run = [&] { return Stats(store, "がっこう").section(' ', 6); };
    // Clean solves of a word never missed retire nothing: it was never weak.
    for (int i = 0; i < 3; ++i)
        store.addQuestion(Asked("がっこう", true));
    EXPECT_EQ(run(), "3");
    QString seen;
    for (const QuestionRecord& q : {Asked("がっこう", true, 1), Asked("がっこう", true),
                                    Asked("がっこう", false), // left open: the run holds
                                    Asked("がっこう", true), Asked("がっこう", true),
                                    Asked("がっこう", true), Asked("がっこう", false, 0, true)}) {
        store.addQuestion(q);
        seen += run() + " ";
    }
    EXPECT_EQ(seen, "0 1 1 2 3R 4R 0 ");
    for (int i = 0; i < 3; ++i) // retired again, and brought back
        store.addQuestion(Asked("がっこう", true));
    EXPECT_TRUE(store.bringBack("がっこう"));
    EXPECT_EQ(run(), "0");
    EXPECT_TRUE(store.removeWord("がっこう"));
    EXPECT_EQ(Stats(store, "がっこう"), "-");
    store.addQuestion(Asked("えき", true, 1));
    EXPECT_TRUE(store.clear());
    EXPECT_TRUE(store.read()->words.isEmpty());
}

TEST(WordStore, AnOlderFileIsBroughtUpToDateKeepingItsWordsAndANewerOneIsOnlyRead) {
    Folder f;
    const QString path = f.path("単語記録.db");
    // A file as version 2 of the game wrote it, with a word, a slip and a saved round.
    {
        SqlFile old(path);
        for (const char* sql :
             {"CREATE TABLE words(word TEXT PRIMARY KEY NOT NULL, asked INTEGER NOT NULL DEFAULT 0,"
              " solved INTEGER NOT NULL DEFAULT 0, wrong INTEGER NOT NULL DEFAULT 0,"
              " revealed INTEGER NOT NULL DEFAULT 0, best_ms INTEGER, sum_ms INTEGER NOT NULL"
              " DEFAULT 0, last_asked TEXT, clean_run INTEGER NOT NULL DEFAULT 0,"
              " retired INTEGER NOT NULL DEFAULT 0)",
              "CREATE TABLE confusions(expected TEXT NOT NULL, typed TEXT NOT NULL,"
              " count INTEGER NOT NULL, PRIMARY KEY(expected, typed))",
              "CREATE TABLE rounds(key TEXT PRIMARY KEY NOT NULL, started TEXT NOT NULL,"
              " limit_s INTEGER NOT NULL, list TEXT NOT NULL, practice INTEGER NOT NULL,"
              " ok INTEGER NOT NULL, ng INTEGER NOT NULL, chars INTEGER NOT NULL)",
              "CREATE TABLE saves(round TEXT NOT NULL, date TEXT NOT NULL, time TEXT NOT NULL)",
              "CREATE INDEX saves_by_line ON saves(date, time)",
              "INSERT INTO words VALUES('いぬ', 5, 4, 2, 1, 900, 4000, '2026-12-09T10:00:00', 3, "
              "1)",
              "INSERT INTO confusions VALUES('ぬ', 'ね', 7)",
              "INSERT INTO rounds VALUES('k', '2026-12-09T10:00:00', 30, 'どうぶつ.txt', 1, 4, 2, "
              "8)",
              "INSERT INTO saves VALUES('k', '2026/12/09', '11:00:00')", "PRAGMA user_version = 2"})
            ASSERT_TRUE(old.exec(sql)) << sql;
    }
    {
        WordStore store(path);
        EXPECT_EQ(Stats(store, "いぬ"), "5 4 2 1 900 4000 3R"); // every count kept
        EXPECT_EQ(store.read()->confusions, (QList<records::Confusion>{{"ぬ", "ね", 7}}));
        const QList<records::SavedRound> saved = store.savedRounds().value();
        ASSERT_EQ(saved.size(), 1);
        EXPECT_EQ(saved[0].list + QString::number(saved[0].practice) +
                      QString::number(saved[0].keys.has_value()),
                  "どうぶつ.txt10");
        // And what the new version keeps goes in beside it.
        QuestionRecord q = Asked("いぬ", true, 1);
        q.wrongAnswers = {"いね"}, q.hints = 1;
        ASSERT_TRUE(store.addQuestion(q));
        records::RoundRecord r{"k2", QDateTime::currentDateTime(), 30, "", false, 1, 0, 2};
        r.ownInput = true, r.keys = 12;
        ASSERT_TRUE(store.addRound(r));
        EXPECT_EQ(store.read()->words.value(0).hints, 1);
        EXPECT_EQ(store.typedInstead("いぬ").value(), (QList<records::TypedInstead>{{"いね", 1}}));
    }
    EXPECT_EQ(SqlFile(path).rows("PRAGMA user_version"),
              QStringList{QString::number(records::kWordStoreVersion)});

    SqlFile(path).exec(QString("PRAGMA user_version = %1").arg(records::kWordStoreVersion + 1));
    const QByteArray before = f.read("単語記録.db");
    WordStore store(path);
    EXPECT_TRUE(store.read()->readOnly);
    EXPECT_EQ(Stats(store, "いぬ"), "6 5 3 1 900 5500 0");
    EXPECT_FALSE(store.addQuestion(Asked("いぬ", true)));
    EXPECT_FALSE(store.clear());
    EXPECT_EQ(store.takeProblems(), QList{Problem::Newer}); // once, not at every write
    EXPECT_EQ(f.read("単語記録.db"), before);
}

TEST(WordStore, AFileWhoseVersionReadsBelowZeroIsTakenAsOneOfNoVersion) {
    // No version of ours is below zero: only another program or a damaged
    // header says so.
    Folder f;
    const QString path = f.path("単語記録.db");
    ASSERT_TRUE(SqlFile(path).exec("PRAGMA user_version = -1"));
    {
        WordStore store(path);
        EXPECT_TRUE(store.addQuestion(Asked("いぬ", true, 2)));
        EXPECT_TRUE(store.takeProblems().isEmpty());
    }
    EXPECT_EQ(SqlFile(path).rows("PRAGMA user_version"),
              QStringList{QString::number(records::kWordStoreVersion)});
}

TEST(WordStore, ACountAtTheTopOfItsRangeStaysThere) {
    // Only a file written elsewhere holds such counts, but it reads as sound.
    Folder f;
    const QString path = f.path("単語記録.db");
    WordStore(path).addQuestion(Asked("いぬ", true));
    ASSERT_TRUE(SqlFile(path).exec(
        "UPDATE words SET asked = 2147483647, solved = 2147483647, wrong = 2147483647,"
        " revealed = 2147483647, sum_ms = 9223372036854775807, clean_run = 2147483647"));
    WordStore store(path);
    const QString top = "2147483647 2147483647 2147483647 2147483647 1500 9223372036854775807 ";
    EXPECT_TRUE(store.addQuestion(Asked("いぬ", true)));
    EXPECT_EQ(Stats(store, "いぬ"), top + "2147483647R");
    EXPECT_TRUE(store.addQuestion(Asked("いぬ", true, 1, true)));
    EXPECT_EQ(Stats(store, "いぬ"), top + "0");
}

TEST(WordStore, ADamagedFileIsKeptAsideAndAFreshOneStarted) {
    const auto setAside = [](Folder& f, const QByteArray& bytes) {
        f.write("単語記録.db", bytes);
        WordStore store(f.path("単語記録.db"));
        (void)store.read();
        EXPECT_EQ(store.takeProblems(), QList{Problem::SetAside});
        const QString aside = QFileInfo(store.setAsidePath()).fileName();
        EXPECT_TRUE(aside.startsWith("単語記録.damaged-") && aside.endsWith(".db"))
            << aside.toStdString();
        EXPECT_EQ(f.read(aside), bytes);
        EXPECT_TRUE(store.addQuestion(Asked("やま", true)));
        EXPECT_EQ(store.read()->words.size(), 1);
    };
    Folder text;
    setAside(text, QByteArray("this was the record\n").repeated(300));
    // A real one with a page overwritten in the middle is damaged as well.
    Folder pages;
    {
        WordStore good(pages.path("単語記録.db"));
        for (int i = 0; i < 400; ++i)
            good.addQuestion(Asked(QString("ことば%1").arg(i), true));
    }
    QByteArray bytes = pages.read("単語記録.db");
    ASSERT_GT(bytes.size(), 8192);
    setAside(pages, bytes.replace(4096, 4096, QByteArray(4096, '\xA5')));
}

TEST(WordStore, AFolderThatRefusesFilesOrAFullDiskIsToldOnceAndLosesNothing) {
    Folder f;
    QDir(f.dir.path()).mkdir("locked");
    f.write("locked/履歴.txt", kExampleLine);
    const auto refused = InLockedFolder(f.path("locked"), f.path("locked/履歴.txt"), [&] {
        WordStore store(f.path("locked/単語記録.db"));
        return !store.addQuestion(Asked("そら", true)) && !store.addQuestion(Asked("そら", true)) &&
               store.takeProblems() == QList{Problem::Unwritable} && store.takeProblems().isEmpty();
    });
    if (refused) {
        EXPECT_TRUE(*refused);
        EXPECT_FALSE(f.exists("locked/単語記録.db"));
        EXPECT_EQ(f.read("locked/履歴.txt"), kExampleLine);
    }

    const QString path = f.path("単語記録.db");
    WordStore store(path);
    ASSERT_TRUE(store.addQuestion(Asked("ほし", true)));
    {
        FileSizeLimit full(QFileInfo(path).size());
        bool failed = false;
        for (int i = 0; i < 50 && !failed; ++i) // words long enough to need new pages
            failed = !store.addQuestion(Asked(QString(200, QChar(0x3042 + i)), true));
        EXPECT_TRUE(failed);
    }
    EXPECT_EQ(store.takeProblems(), QList{Problem::Unwritable});
    EXPECT_EQ(SqlFile(path).rows("PRAGMA integrity_check"), QStringList{"ok"});
    ASSERT_TRUE(store.addQuestion(Asked("ほし", true))); // room again: it goes on
    EXPECT_EQ(Stats(store, "ほし").section(' ', 0, 0), "2");
    if (!refused)
        GTEST_SKIP() << "no unprivileged user to lock a folder for";
}

TEST(WordStore, AFileAnotherProgramHoldsIsBusyNotFailedAndTakesTheWriteOnceFree) {
    Folder f;
    const QString path = f.path("単語記録.db");
    for (const bool opened : {true, false}) { // held before or after the store opened it
        const QString word = opened ? "かわ" : "やま";
        auto store = std::make_unique<WordStore>(path, 50);
        ASSERT_TRUE(!opened || store->addQuestion(Asked(word, true)));
        SqlFile other(path);
        ASSERT_TRUE(other.exec("BEGIN EXCLUSIVE"));
        EXPECT_TRUE(store->addQuestion(Asked(word, true, 1)).busy());
        EXPECT_FALSE(store->read()) << "a read waits too";
        EXPECT_TRUE(
            store->together([&] { return !store->addQuestion(Asked(word, true)).busy(); }).busy());
        EXPECT_TRUE(store->takeProblems().isEmpty()) << "another program's hold is no problem";
        other.exec("ROLLBACK");
        // Once the other lets go, the same writes go in where they were.
        ASSERT_TRUE(store->addQuestion(Asked(word, true, 1)));
        ASSERT_TRUE(store->together([&] { return bool(store->addQuestion(Asked(word, true))); }));
        EXPECT_EQ(Stats(*store, word).section(' ', 0, 2), opened ? "3 3 1" : "2 2 1");
    }
}
