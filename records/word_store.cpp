#include "records/word_store.h"

#include "records/write_points.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <limits>

namespace records {
namespace {

// SQLite's result codes, as Qt gives them in the error's native code.
const QString kBusy = QStringLiteral("5"), kLocked = QStringLiteral("6");
const QString kCorrupt = QStringLiteral("11"), kNotADatabase = QStringLiteral("26");

// Each step brings a file of the version before it up by one, so that a file
// of any earlier version keeps what it holds.
const char* const kSteps[] = {
    "CREATE TABLE words(word TEXT PRIMARY KEY NOT NULL, asked INTEGER NOT NULL DEFAULT 0,"
    " solved INTEGER NOT NULL DEFAULT 0, wrong INTEGER NOT NULL DEFAULT 0,"
    " revealed INTEGER NOT NULL DEFAULT 0, best_ms INTEGER, sum_ms INTEGER NOT NULL DEFAULT 0,"
    " last_asked TEXT, clean_run INTEGER NOT NULL DEFAULT 0,"
    " retired INTEGER NOT NULL DEFAULT 0);"
    "CREATE TABLE confusions(expected TEXT NOT NULL, typed TEXT NOT NULL,"
    " count INTEGER NOT NULL, PRIMARY KEY(expected, typed))",
    "CREATE TABLE rounds(key TEXT PRIMARY KEY NOT NULL, started TEXT NOT NULL,"
    " limit_s INTEGER NOT NULL, list TEXT NOT NULL, practice INTEGER NOT NULL,"
    " ok INTEGER NOT NULL, ng INTEGER NOT NULL, chars INTEGER NOT NULL);"
    "CREATE TABLE saves(round TEXT NOT NULL, date TEXT NOT NULL, time TEXT NOT NULL);"
    "CREATE INDEX saves_by_line ON saves(date, time)",
    // How a round was typed, the keys only for the game's own input; looks
    // at a word's meaning; and what was typed instead of a word.
    "ALTER TABLE rounds ADD COLUMN own_input INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE rounds ADD COLUMN keys INTEGER;"
    "ALTER TABLE rounds ADD COLUMN backspaces INTEGER;"
    "ALTER TABLE words ADD COLUMN hints INTEGER NOT NULL DEFAULT 0;"
    "CREATE TABLE typed_instead(word TEXT NOT NULL, typed TEXT NOT NULL,"
    " count INTEGER NOT NULL, PRIMARY KEY(word, typed))",
};
static_assert(std::size(kSteps) == kWordStoreVersion);

QString NewConnectionName() {
    static QAtomicInt next;
    return QStringLiteral("mojiro-words-%1").arg(next.fetchAndAddRelaxed(1));
}

// A count read back from the file may be anything the file says: one already
// at the top stays there rather than wrapping round.
template <typename T> T Plus(T count, T more) {
    T sum;
    return __builtin_add_overflow(count, more, &sum) ? std::numeric_limits<T>::max() : sum;
}

QString Stamp(const QDateTime& t) {
    return t.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

bool Run(QSqlDatabase& db, const QString& statements) {
    for (const QString& s : statements.split(u';', Qt::SkipEmptyParts)) {
        QSqlQuery q(db);
        if (!q.exec(s))
            return false;
    }
    return true;
}

bool IsBusy(const QSqlError& error) {
    const QString code = error.nativeErrorCode();
    return code == kBusy || code == kLocked;
}

enum class Health { Sound, Damaged, Busy, Unreadable };

// A file that is not a database, or whose pages do not hold together, is
// damaged; one held by another program is only busy.
Health Inspect(QSqlDatabase& db, int& version) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        const QString code = q.lastError().nativeErrorCode();
        if (code == kCorrupt || code == kNotADatabase)
            return Health::Damaged;
        return IsBusy(q.lastError()) ? Health::Busy : Health::Unreadable;
    }
    version = q.value(0).toInt();
    QSqlQuery check(db);
    if (!check.exec(QStringLiteral("PRAGMA quick_check")) || !check.next())
        return IsBusy(check.lastError()) ? Health::Busy : Health::Damaged;
    return check.value(0).toString() == QStringLiteral("ok") ? Health::Sound : Health::Damaged;
}

} // namespace

WordStore::WordStore(QString path, int busyTimeoutMs)
    : path_(std::move(path)), busyTimeoutMs_(busyTimeoutMs), connection_(NewConnectionName()) {}

WordStore::~WordStore() {
    if (QSqlDatabase::contains(connection_)) {
        QSqlDatabase::database(connection_, false).close();
        QSqlDatabase::removeDatabase(connection_);
    }
}

void WordStore::report(Problem problem) {
    if (told_.contains(problem))
        return;
    told_.append(problem);
    pending_.append(problem);
}

QList<WordStore::Problem> WordStore::takeProblems() {
    return std::exchange(pending_, {});
}

WriteOutcome WordStore::open(bool create) {
    if (state_ != State::Closed)
        return WriteOutcome::Written;
    const auto drop = [this] {
        QSqlDatabase::database(connection_, false).close();
        QSqlDatabase::removeDatabase(connection_);
    };
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!QFileInfo::exists(path_) && !create)
            return WriteOutcome::Failed;
        Health health = Health::Unreadable;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
            db.setDatabaseName(path_);
            // A second copy of the game writing the file holds it for a moment.
            const QString wait = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs_);
            db.setConnectOptions(wait);
            int version = 0;
            health = db.open() ? Inspect(db, version) : Health::Unreadable;
            if (health == Health::Sound && version > kWordStoreVersion) {
                db.close();
                db.setConnectOptions(wait + QStringLiteral(";QSQLITE_OPEN_READONLY"));
                if (db.open()) {
                    state_ = State::ReadOnly;
                    report(Problem::Newer);
                    return WriteOutcome::Written;
                }
                health = Health::Unreadable;
            } else if (health == Health::Sound) {
                // Each commit waits for the journal and the file to reach the
                // disk, so that a power cut loses at most the question still
                // open. A deleted journal is not: its name may come back
                // after a power cut and undo the commit, so it is emptied and
                // synced instead. A rollback journal rather than a log, as
                // two copies on a network folder cannot share a log's memory.
                QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous = FULL"));
                QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode = TRUNCATE"));
                // No version of ours is below zero: a file that says so is
                // taken for one of none.
                for (int v = std::max(version, 0); v < kWordStoreVersion; ++v) {
                    QSqlQuery q(db);
                    const bool done =
                        q.exec(QStringLiteral("BEGIN IMMEDIATE")) && Run(db, kSteps[v]) &&
                        q.exec(QStringLiteral("PRAGMA user_version = %1").arg(v + 1)) &&
                        q.exec(QStringLiteral("COMMIT"));
                    if (!done) {
                        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
                        break;
                    }
                }
                // A file that could not be brought up to date still reads.
                state_ = State::Open;
                return WriteOutcome::Written;
            }
        }
        drop();
        if (health == Health::Busy)
            return WriteOutcome::Busy; // opened again at the next use
        if (health != Health::Damaged) {
            report(Problem::Unwritable);
            return WriteOutcome::Failed;
        }
        // Kept beside it under a name of its own, for the player to look into.
        const QFileInfo info(path_);
        const QString stamp = QDateTime::currentDateTime().toString(u"yyyyMMdd-hhmmss");
        QString aside;
        for (int n = 1;; ++n) {
            aside = info.dir().filePath(info.completeBaseName() + QStringLiteral(".damaged-") +
                                        stamp + (n > 1 ? QStringLiteral("-%1").arg(n) : "") + u'.' +
                                        info.suffix());
            if (!QFileInfo::exists(aside))
                break;
        }
        if (!QFile::rename(path_, aside)) {
            report(Problem::Unwritable);
            return WriteOutcome::Failed;
        }
        setAside_ = aside;
        report(Problem::SetAside);
    }
    return WriteOutcome::Failed;
}

WriteOutcome WordStore::write(const std::function<bool()>& work) {
    if (const WriteOutcome opened = open(true); !opened)
        return opened;
    if (state_ == State::ReadOnly)
        return WriteOutcome::Failed; // told once as Newer
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    const auto run = [&](const char* sql) { return QSqlQuery(db).exec(QLatin1String(sql)); };
    // Another program's hold on the file passes; anything else is told.
    const auto begin = [&]() -> WriteOutcome {
        QSqlQuery q(db);
        if (q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
            AtWritePoint("store.begun");
            return WriteOutcome::Written;
        }
        if (IsBusy(q.lastError()))
            return WriteOutcome::Busy;
        report(Problem::Unwritable);
        return WriteOutcome::Failed;
    };
    if (together_) {
        // Tried once: a file held by another program is not waited for again
        // for each write of the batch.
        if (!begun_ && !refused_) {
            const WriteOutcome begun = begin();
            begun_ = bool(begun);
            if (!begun_)
                refused_ = begun;
        }
        if (!begun_)
            return *refused_;
        // The savepoint takes back a write that fails half done, and only it.
        if (run("SAVEPOINT one")) {
            if (work())
                return run("RELEASE one") ? WriteOutcome::Written : WriteOutcome::Failed;
            run("ROLLBACK TO one");
            run("RELEASE one");
        }
        report(Problem::Unwritable);
        return WriteOutcome::Failed;
    }
    if (const WriteOutcome begun = begin(); !begun)
        return begun;
    const bool worked = work();
    AtWritePoint("store.worked");
    QSqlQuery commit(db);
    if (worked && commit.exec(QStringLiteral("COMMIT"))) {
        AtWritePoint("store.committed");
        return WriteOutcome::Written;
    }
    run("ROLLBACK");
    if (worked && IsBusy(commit.lastError()))
        return WriteOutcome::Busy;
    report(Problem::Unwritable);
    return WriteOutcome::Failed;
}

WriteOutcome WordStore::together(const std::function<bool()>& work) {
    together_ = true;
    const bool keep = work();
    together_ = false;
    const std::optional<WriteOutcome> refused = std::exchange(refused_, std::nullopt);
    if (!std::exchange(begun_, false))
        return keep ? refused.value_or(WriteOutcome::Written) : WriteOutcome::Busy;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!keep) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return WriteOutcome::Busy;
    }
    AtWritePoint("store.worked");
    QSqlQuery commit(db);
    if (commit.exec(QStringLiteral("COMMIT"))) {
        AtWritePoint("store.committed");
        return WriteOutcome::Written;
    }
    QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    if (IsBusy(commit.lastError()))
        return WriteOutcome::Busy;
    report(Problem::Unwritable);
    return WriteOutcome::Failed;
}

WriteOutcome WordStore::addQuestion(const QuestionRecord& r) {
    return write([&] {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        QSqlQuery old(db);
        old.prepare(QStringLiteral("SELECT asked, solved, wrong, revealed, best_ms, sum_ms, "
                                   "clean_run, retired, hints FROM words WHERE word = ?"));
        old.addBindValue(r.word);
        if (!old.exec())
            return false;
        WordStats w;
        if (old.next()) {
            w.asked = old.value(0).toInt(), w.solved = old.value(1).toInt();
            w.wrong = old.value(2).toInt(), w.revealed = old.value(3).toInt();
            w.bestMs = old.value(4).isNull() ? -1 : old.value(4).toLongLong();
            w.sumMs = old.value(5).toLongLong(), w.cleanRun = old.value(6).toInt();
            w.retired = old.value(7).toInt() != 0, w.hints = old.value(8).toInt();
        }
        const int wrong = std::max(0, r.wrong);
        const bool missed = wrong > 0 || r.revealed;
        w.asked = Plus(w.asked, 1);
        w.wrong = Plus(w.wrong, wrong);
        w.revealed = Plus(w.revealed, r.revealed ? 1 : 0);
        w.hints = Plus(w.hints, std::max(0, r.hints));
        if (r.solved) {
            w.solved = Plus(w.solved, 1);
            const qint64 ms = std::max<qint64>(0, r.solveMs);
            w.bestMs = w.bestMs < 0 ? ms : std::min(w.bestMs, ms);
            w.sumMs = Plus(w.sumMs, ms);
        }
        // A question left open at time-up neither breaks the run nor adds to it.
        if (missed) {
            w.cleanRun = 0;
            w.retired = false;
        } else if (r.solved) {
            w.cleanRun = Plus(w.cleanRun, 1);
            if (w.cleanRun >= kCleanSolvesToRetire && (w.wrong > 0 || w.revealed > 0))
                w.retired = true;
        }
        QSqlQuery put(db);
        put.prepare(QStringLiteral(
            "INSERT OR REPLACE INTO words(word, asked, solved, wrong, revealed, best_ms, sum_ms, "
            "last_asked, clean_run, retired, hints) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (const QVariant& v :
             {QVariant(r.word), QVariant(w.asked), QVariant(w.solved), QVariant(w.wrong),
              QVariant(w.revealed), w.bestMs < 0 ? QVariant() : QVariant(w.bestMs),
              QVariant(w.sumMs), QVariant(Stamp(r.asked)), QVariant(w.cleanRun),
              QVariant(w.retired ? 1 : 0), QVariant(w.hints)})
            put.addBindValue(v);
        if (!put.exec())
            return false;
        AtWritePoint("store.row");
        QSqlQuery slip(db);
        slip.prepare(
            QStringLiteral("INSERT INTO confusions(expected, typed, count) VALUES(?, ?, 1) "
                           "ON CONFLICT(expected, typed) DO UPDATE SET count = count + 1"));
        for (const auto& [expected, typed] : r.slips) {
            slip.addBindValue(expected);
            slip.addBindValue(typed);
            if (!slip.exec())
                return false;
            AtWritePoint("store.row");
        }
        // What was typed, cut short: counted again when it was typed before,
        // kept as a new one while the word has fewer than the most it keeps.
        QSqlQuery again(db), kept(db), first(db);
        again.prepare(QStringLiteral(
            "UPDATE typed_instead SET count = count + 1 WHERE word = ? AND typed = ?"));
        kept.prepare(QStringLiteral("SELECT COUNT(*) FROM typed_instead WHERE word = ?"));
        first.prepare(
            QStringLiteral("INSERT INTO typed_instead(word, typed, count) VALUES(?, ?, 1)"));
        for (const QString& answer : r.wrongAnswers) {
            const QString typed = answer.left(kTypedInsteadLength);
            again.addBindValue(r.word);
            again.addBindValue(typed);
            if (!again.exec())
                return false;
            if (again.numRowsAffected() == 0) {
                kept.addBindValue(r.word);
                if (!kept.exec() || !kept.next())
                    return false;
                if (kept.value(0).toInt() < kTypedInsteadPerWord) {
                    first.addBindValue(r.word);
                    first.addBindValue(typed);
                    if (!first.exec())
                        return false;
                }
            }
            AtWritePoint("store.row");
        }
        return true;
    });
}

WriteOutcome WordStore::addRound(const RoundRecord& r) {
    return write([&] {
        QSqlQuery q(QSqlDatabase::database(connection_, false));
        q.prepare(QStringLiteral(
            "INSERT OR REPLACE INTO rounds(key, started, limit_s, list, practice, ok, ng, chars, "
            "own_input, keys, backspaces) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (const QVariant& v :
             {QVariant(r.key), QVariant(Stamp(r.started)), QVariant(r.limit),
              QVariant(r.list.isNull() ? QString("") : r.list), QVariant(r.practice ? 1 : 0),
              QVariant(r.ok), QVariant(r.ng), QVariant(r.chars), QVariant(r.ownInput ? 1 : 0),
              r.ownInput ? QVariant(r.keys) : QVariant(),
              r.ownInput ? QVariant(r.backspaces) : QVariant()})
            q.addBindValue(v);
        return q.exec();
    });
}

WriteOutcome WordStore::addSave(const QString& roundKey, const QString& date, const QString& time) {
    return write([&] {
        QSqlQuery q(QSqlDatabase::database(connection_, false));
        q.prepare(QStringLiteral("INSERT INTO saves(round, date, time) VALUES(?, ?, ?)"));
        q.addBindValue(roundKey);
        q.addBindValue(date);
        q.addBindValue(time);
        return q.exec();
    });
}

WriteOutcome WordStore::removeWord(const QString& word) {
    return write([&] {
        QSqlQuery q(QSqlDatabase::database(connection_, false));
        q.prepare(QStringLiteral("DELETE FROM words WHERE word = ?"));
        q.addBindValue(word);
        QSqlQuery typed(QSqlDatabase::database(connection_, false));
        typed.prepare(QStringLiteral("DELETE FROM typed_instead WHERE word = ?"));
        typed.addBindValue(word);
        return q.exec() && typed.exec();
    });
}

WriteOutcome WordStore::bringBack(const QString& word) {
    return write([&] {
        QSqlQuery q(QSqlDatabase::database(connection_, false));
        q.prepare(QStringLiteral("UPDATE words SET retired = 0, clean_run = 0 WHERE word = ?"));
        q.addBindValue(word);
        return q.exec();
    });
}

WriteOutcome WordStore::clear() {
    return write([&] {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        return Run(db, QStringLiteral("DELETE FROM words; DELETE FROM confusions;"
                                      "DELETE FROM typed_instead;"
                                      "DELETE FROM rounds; DELETE FROM saves"));
    });
}

std::optional<WordRecordRead> WordStore::read() {
    WordRecordRead out;
    if (const WriteOutcome opened = open(false); !opened)
        return opened.busy() ? std::nullopt : std::optional(out);
    out.readOnly = state_ == State::ReadOnly;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT word, asked, solved, wrong, revealed, best_ms, sum_ms, "
                               "clean_run, retired, hints FROM words"))) {
        if (IsBusy(q.lastError()))
            return std::nullopt;
    } else {
        while (q.next()) {
            WordStats w;
            w.word = q.value(0).toString();
            w.asked = q.value(1).toInt(), w.solved = q.value(2).toInt();
            w.wrong = q.value(3).toInt(), w.revealed = q.value(4).toInt();
            w.bestMs = q.value(5).isNull() ? -1 : q.value(5).toLongLong();
            w.sumMs = q.value(6).toLongLong();
            w.cleanRun = q.value(7).toInt(), w.retired = q.value(8).toInt() != 0;
            w.hints = q.value(9).toInt();
            out.words.append(std::move(w));
        }
    }
    QSqlQuery c(db);
    c.setForwardOnly(true);
    if (!c.exec(QStringLiteral(
            "SELECT expected, typed, count FROM confusions ORDER BY count DESC, expected, typed")))
        return IsBusy(c.lastError()) ? std::nullopt : std::optional(out);
    while (c.next())
        out.confusions.append({c.value(0).toString(), c.value(1).toString(), c.value(2).toInt()});
    return out;
}

std::optional<QList<SavedRound>> WordStore::savedRounds() {
    QList<SavedRound> out;
    if (const WriteOutcome opened = open(false); !opened)
        return opened.busy() ? std::nullopt : std::optional(out);
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.setForwardOnly(true);
    // In the order they were saved, so that rounds saved in one second keep theirs.
    if (!q.exec(QStringLiteral("SELECT s.date, s.time, r.list, r.practice, r.limit_s, r.keys "
                               "FROM saves s JOIN rounds r ON r.key = s.round ORDER BY s.rowid")))
        return IsBusy(q.lastError()) ? std::nullopt : std::optional(out);
    while (q.next())
        out.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                    q.value(3).toInt() != 0, q.value(4).toInt(),
                    q.value(5).isNull() ? std::nullopt : std::optional(q.value(5).toInt())});
    return out;
}

std::optional<QList<TypedInstead>> WordStore::typedInstead(const QString& word) {
    QList<TypedInstead> out;
    if (const WriteOutcome opened = open(false); !opened)
        return opened.busy() ? std::nullopt : std::optional(out);
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral(
        "SELECT typed, count FROM typed_instead WHERE word = ? ORDER BY count DESC, typed"));
    q.addBindValue(word);
    if (!q.exec())
        return IsBusy(q.lastError()) ? std::nullopt : std::optional(out);
    while (q.next())
        out.append({q.value(0).toString(), q.value(1).toInt()});
    return out;
}

} // namespace records
