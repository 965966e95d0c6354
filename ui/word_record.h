#pragma once

#include "ui/weak_words_window.h"
#include "ui/word_record_service.h"

#include <QObject>
#include <QPointer>

#include <condition_variable>
#include <deque>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace ui {

// The record in an SQLite file, written on a thread of its own so that no
// key waits for the disk. The thread starts with the first use.
class StoreWordRecord : public QObject, public WordRecordService {
public:
    explicit StoreWordRecord(QString path);
    ~StoreWordRecord() override; // writes what is left first

    void addQuestion(const records::QuestionRecord& question) override;
    void addRound(const records::RoundRecord& round) override;
    void addSave(const QString& roundKey, const QString& date, const QString& time) override;
    void setProblemHandler(std::function<void(const QString&)> handler) override;
    records::WordRecordRead read() override;
    game::RoundKinds roundKinds() override;
    bool removeWord(const QString& word) override;
    bool bringBack(const QString& word) override;
    bool clear() override;
    void showWeakWords(const WeakWordsContext& context, QWidget* owner) override;
    void contextChanged(const WeakWordsContext& context) override;
    void CloseAll() override;

    WeakWordsWindow* window() const { return window_.data(); }

protected:
    bool event(QEvent* event) override;

private:
    using Job = std::function<void(records::WordStore&)>;
    void post(Job job);
    // A write waits until the window has painted what the key changed.
    void later(Job job);
    void PostDeferred();
    template <class T> T call(std::function<T(records::WordStore&)> job) {
        std::promise<T> done;
        std::future<T> result = done.get_future();
        PostDeferred(); // a read sees every write asked for before it
        post([&](records::WordStore& store) {
            store.commitSoFar();
            done.set_value(job(store));
        });
        return result.get();
    }
    void Run();

    const QString path_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Job> jobs_;
    bool stopping_ = false;
    std::thread thread_;
    std::vector<Job> deferred_; // on the window's thread
    bool deferPosted_ = false;
    std::function<void(const QString&)> problemHandler_;
    QPointer<WeakWordsWindow> window_;
};

// The text that tells the player of a problem with the file.
QString ProblemText(records::WordStore::Problem problem, const QString& setAsidePath);

} // namespace ui
