#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

namespace records {

// The record of every word, beside the history in the game's folder.
inline const QString kWordStoreFileName = QStringLiteral("単語記録.db");
// The schema this program writes; a file of a later one is only read.
constexpr int kWordStoreVersion = 2;
// A missed word leaves practice after this many clean solves in a row.
constexpr int kCleanSolvesToRetire = 3;

// What one question of a round came to, written when it is solved or the
// round ends with it open.
struct QuestionRecord {
    QString word;
    QDateTime asked; // local time it was shown
    bool solved = false;
    qint64 solveMs = 0; // from shown to the right answer
    bool revealed = false;
    int wrong = 0;
    QStringList wrongAnswers; // the first few, for the slips
    // Each (expected, typed) character the wrong answers slipped on; an empty
    // side is a character left out or typed too many.
    QList<std::pair<QString, QString>> slips;
};

struct RoundRecord {
    QString key; // made at Start; ties the round to its saves
    QDateTime started;
    int limit = 0;
    QString list; // file name of the list; empty for 辞書.txt
    bool practice = false;
    int ok = 0, ng = 0, chars = 0;
};

struct WordStats {
    QString word;
    int asked = 0, solved = 0, wrong = 0, revealed = 0;
    qint64 bestMs = -1; // none before the first solve
    qint64 sumMs = 0;
    int cleanRun = 0;
    bool retired = false;
    bool operator==(const WordStats&) const = default;
};

struct Confusion {
    QString expected, typed;
    int count = 0;
    bool operator==(const Confusion&) const = default;
};

// A line of the history a round saved, with what the record knows of it.
struct SavedRound {
    QString date, time; // as written in the history
    QString list;
    bool practice = false;
};

struct WordRecordRead {
    QList<WordStats> words;
    QList<Confusion> confusions; // most frequent first
    bool readOnly = false;       // made by a later version
};

// One connection to the file, for one thread. Nothing is made until the
// first write; a missing file reads as an empty record.
class WordStore {
public:
    enum class Problem { None, Unwritable, Newer, SetAside };

    // A write waits this long for a second copy of the game to let go.
    explicit WordStore(QString path, int busyTimeoutMs = 3000);
    ~WordStore();
    WordStore(const WordStore&) = delete;
    WordStore& operator=(const WordStore&) = delete;

    // Each is one transaction; false when nothing was written.
    bool addQuestion(const QuestionRecord& question);
    bool addRound(const RoundRecord& round);
    bool addSave(const QString& roundKey, const QString& date, const QString& time);
    bool removeWord(const QString& word);
    bool bringBack(const QString& word);
    bool clear();

    WordRecordRead read();
    QList<SavedRound> savedRounds();

    // Runs `work`, whose writes then share one transaction, each of them
    // still all in or all out; until it returns, their true means only that
    // they are in the transaction. A backlog of questions so costs one commit
    // and leaves the file free for a second copy of the game in between,
    // which a stream of commits one after the other would keep out.
    void together(const std::function<void()>& work);
    // Inside together(): commits what it has written so far, so that a read
    // that follows, in this program or another, sees it in the file.
    void commitSoFar();

    // The problems met since the last call, each one once for the life of
    // the store, so that the player is told once per start.
    QList<Problem> takeProblems();
    QString setAsidePath() const { return setAside_; }

private:
    bool open(bool create);
    bool write(const std::function<bool()>& work);
    void report(Problem problem);

    QString path_;
    int busyTimeoutMs_;
    QString connection_;
    enum class State { Closed, Open, ReadOnly } state_ = State::Closed;
    QString setAside_;
    QList<Problem> told_, pending_;
    bool together_ = false; // inside together()
    bool begun_ = false;    // and its transaction has begun
    bool refused_ = false;  // or could not begin
};

} // namespace records
