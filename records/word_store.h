#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>

namespace records {

// The record of every word, beside the history in the game's folder.
inline const QString kWordStoreFileName = QStringLiteral("単語記録.db");
// The schema this program writes; a file of a later one is only read.
constexpr int kWordStoreVersion = 3;
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
    int hints = 0; // looks at the word's meaning
    int wrong = 0;
    QStringList wrongAnswers; // the first few, for the slips and what was typed
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
    // Typed with the game's own romaji input: the keys that typed or changed
    // the answer box, and the Backspaces.
    bool ownInput = false;
    int keys = 0, backspaces = 0;
};

struct WordStats {
    QString word;
    int asked = 0, solved = 0, wrong = 0, revealed = 0, hints = 0;
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

// A wrong answer as it was typed, and how often, for one word.
struct TypedInstead {
    QString typed;
    int count = 0;
    bool operator==(const TypedInstead&) const = default;
};
// What is kept of the wrong answers to each word: the first this many
// different ones, each cut to this many characters.
constexpr int kTypedInsteadPerWord = 20;
constexpr int kTypedInsteadLength = 40;

// A line of the history a round saved, with what the record knows of it.
struct SavedRound {
    QString date, time; // as written in the history
    QString list;
    bool practice = false;
    int limit = 0;
    std::optional<int> keys; // typed with the game's own input
};

struct WordRecordRead {
    QList<WordStats> words;
    QList<Confusion> confusions; // most frequent first
    bool readOnly = false;       // made by a later version
};

// What a write came to. One that finds the file held by another program is
// not done but not failed either: it can be made again once the file is free.
class WriteOutcome {
public:
    enum State { Written, Busy, Failed };
    WriteOutcome(State state) : state_(state) {}
    explicit operator bool() const { return state_ == Written; }
    bool busy() const { return state_ == Busy; }
    bool operator==(const WriteOutcome&) const = default;

private:
    State state_;
};

// One connection to the file, for one thread. Nothing is made until the
// first write; a missing file reads as an empty record.
class WordStore {
public:
    enum class Problem { None, Unwritable, Newer, SetAside };

    // Each statement waits this long for another program to let go of the
    // file before it is told busy.
    explicit WordStore(QString path, int busyTimeoutMs = 250);
    ~WordStore();
    WordStore(const WordStore&) = delete;
    WordStore& operator=(const WordStore&) = delete;

    // Each is one transaction, all in or all out.
    WriteOutcome addQuestion(const QuestionRecord& question);
    WriteOutcome addRound(const RoundRecord& round);
    WriteOutcome addSave(const QString& roundKey, const QString& date, const QString& time);
    WriteOutcome removeWord(const QString& word);
    WriteOutcome bringBack(const QString& word);
    WriteOutcome clear();

    // Nothing while another program holds the file.
    std::optional<WordRecordRead> read();
    std::optional<QList<SavedRound>> savedRounds();
    // Most frequent first.
    std::optional<QList<TypedInstead>> typedInstead(const QString& word);

    // Runs `work`, whose writes and reads then share one transaction, each
    // write still all in or all out; until it returns, a write told done is
    // only in the transaction. A backlog of questions so costs one commit and
    // leaves the file free for a second copy of the game in between, which a
    // stream of commits one after the other would keep out. When `work`
    // returns false everything it did is taken back, and the outcome is busy:
    // it met a file another program holds, and is to be run again.
    WriteOutcome together(const std::function<bool()>& work);

    // The problems met since the last call, each one once for the life of
    // the store, so that the player is told once per start.
    QList<Problem> takeProblems();
    QString setAsidePath() const { return setAside_; }

private:
    WriteOutcome open(bool create);
    WriteOutcome write(const std::function<bool()>& work);
    void report(Problem problem);

    QString path_;
    int busyTimeoutMs_;
    QString connection_;
    enum class State { Closed, Open, ReadOnly } state_ = State::Closed;
    QString setAside_;
    QList<Problem> told_, pending_;
    bool together_ = false;               // inside together()
    bool begun_ = false;                  // and its transaction has begun
    std::optional<WriteOutcome> refused_; // or could not begin
};

} // namespace records
