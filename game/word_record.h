#pragma once

#include "game/progress.h"
#include "records/word_store.h"

#include <QObject>
#include <QPointer>

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace game {

// The record of every word asked. Nothing here waits for the file: writes go
// in order on a thread of their own, and each answer comes later, on the
// thread that asked, after every write asked for before it, unless its
// `context` has gone by then. A file another program holds is waited for,
// however long; nothing asked for is dropped because of it.
class WordRecord {
public:
    using Problem = records::WordStore::Problem;
    virtual ~WordRecord() = default;

    virtual void addQuestion(const records::QuestionRecord& question) = 0;
    virtual void addRound(const records::RoundRecord& round) = 0;
    virtual void addSave(const QString& roundKey, const QString& date, const QString& time) = 0;

    virtual void read(QObject* context,
                      std::function<void(const records::WordRecordRead&)> then) = 0;
    virtual void roundKinds(QObject* context, std::function<void(const RoundKinds&)> then) = 0;
    // What was typed instead of the word, most frequent first.
    virtual void typedInstead(const QString& word, QObject* context,
                              std::function<void(const QList<records::TypedInstead>&)> then) = 0;
    // `then` is told whether the change was written.
    virtual void removeWord(const QString& word, QObject* context,
                            std::function<void(bool)> then) = 0;
    virtual void bringBack(const QString& word, QObject* context,
                           std::function<void(bool)> then) = 0;
    virtual void clear(QObject* context, std::function<void(bool)> then) = 0;

    // Lasting problems with the file (not another program's hold on it), each
    // kind once per start.
    virtual void setProblemHandler(
        std::function<void(Problem problem, const QString& setAsidePath)> handler) = 0;
    // Told true when a write or read has to wait for another program to let go
    // of the file, and false once it has.
    virtual void setWaitingHandler(std::function<void(bool waiting)> handler) = 0;

    // At the end of the game: waits at most `waitMs` for what is still to be
    // written, and returns how many answers are left out.
    virtual int finish(int waitMs) = 0;
};

// The record in an SQLite file, written on a thread that starts with the
// first use.
class WordRecordThread : public QObject, public WordRecord {
public:
    explicit WordRecordThread(QString path);
    ~WordRecordThread() override; // finish(), unless called before

    void addQuestion(const records::QuestionRecord& question) override;
    void addRound(const records::RoundRecord& round) override;
    void addSave(const QString& roundKey, const QString& date, const QString& time) override;
    void read(QObject* context, std::function<void(const records::WordRecordRead&)> then) override;
    void roundKinds(QObject* context, std::function<void(const RoundKinds&)> then) override;
    void typedInstead(const QString& word, QObject* context,
                      std::function<void(const QList<records::TypedInstead>&)> then) override;
    void removeWord(const QString& word, QObject* context, std::function<void(bool)> then) override;
    void bringBack(const QString& word, QObject* context, std::function<void(bool)> then) override;
    void clear(QObject* context, std::function<void(bool)> then) override;
    void setProblemHandler(
        std::function<void(Problem problem, const QString& setAsidePath)> handler) override;
    void setWaitingHandler(std::function<void(bool waiting)> handler) override;
    int finish(int waitMs) override;

protected:
    bool event(QEvent* event) override;

private:
    struct Job {
        // Written, busy (to be run again) or failed for good.
        std::function<records::WriteOutcome(records::WordStore&)> run;
        // After the commit: hands what was read to the window's thread.
        std::function<void()> deliver;
        bool answer = false; // an answered question
    };
    void Post(Job job);
    // A write waits until the window has painted what the key changed.
    void Later(Job job);
    void PostDeferred();
    // What `run` reads, answered on this object's thread.
    template <class T>
    Job Ask(QObject* context, std::function<std::optional<T>(records::WordStore&)> run,
            std::function<void(const T&)> then);
    void Run();
    void Tell(std::function<void()> call);

    const QString path_;
    std::mutex mutex_;
    std::condition_variable wake_, idle_;
    std::deque<Job> jobs_;
    bool running_ = false;  // a batch is out of the queue
    bool stopping_ = false; // write what is left, then end
    bool giveUp_ = false;   // end now, leaving what is left
    int leftOut_ = 0;
    std::thread thread_;
    std::vector<Job> deferred_; // on the window's thread
    bool deferPosted_ = false;
    std::function<void(Problem, const QString&)> problemHandler_;
    std::function<void(bool)> waitingHandler_;
};

} // namespace game
