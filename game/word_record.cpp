#include "game/word_record.h"

#include "game/alignment.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>
#include <chrono>

namespace game {
namespace {

// After the paint: a widget's repaint is a posted event of low priority, and
// this one is lower still.
constexpr int kAfterPaintPriority = Qt::LowEventPriority - 1;
constexpr QEvent::Type kWriteLater = QEvent::User;

// How long the thread waits before it tries a file another program holds
// again: soon at first, then at most once a second.
constexpr std::chrono::milliseconds kFirstRetry(50), kLastRetry(1000);
constexpr int kLastChanceMs = 10000;

} // namespace

WordRecordThread::WordRecordThread(QString path) : path_(std::move(path)) {}

WordRecordThread::~WordRecordThread() {
    // The program calls finish() before; this only keeps a test from hanging.
    finish(kLastChanceMs);
}

void WordRecordThread::Post(Job job) {
    {
        std::lock_guard lock(mutex_);
        if (giveUp_) {
            leftOut_ += job.answer ? 1 : 0;
            return;
        }
        jobs_.push_back(std::move(job));
        if (!thread_.joinable())
            thread_ = std::thread([this] { Run(); });
    }
    wake_.notify_one();
}

void WordRecordThread::Later(Job job) {
    deferred_.push_back(std::move(job));
    if (!std::exchange(deferPosted_, true))
        QCoreApplication::postEvent(this, new QEvent(kWriteLater), kAfterPaintPriority);
}

bool WordRecordThread::event(QEvent* event) {
    if (event->type() != kWriteLater)
        return QObject::event(event);
    PostDeferred();
    return true;
}

void WordRecordThread::PostDeferred() {
    deferPosted_ = false;
    for (Job& job : std::exchange(deferred_, {}))
        Post(std::move(job));
}

void WordRecordThread::Tell(std::function<void()> call) {
    QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
}

void WordRecordThread::Run() {
    records::WordStore store(path_);
    auto retry = kFirstRetry;
    bool waiting = false;
    for (;;) {
        std::deque<Job> jobs;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || giveUp_ || !jobs_.empty(); });
            if (giveUp_ || jobs_.empty()) {
                for (const Job& job : jobs_)
                    leftOut_ += job.answer ? 1 : 0;
                jobs_.clear();
                idle_.notify_all();
                return; // stopping, with everything written or given up
            }
            jobs.swap(jobs_);
            running_ = true;
        }
        // All that waits in one commit, however far behind the writes are;
        // the first that finds the file held takes the whole batch back.
        const records::WriteOutcome outcome = store.together([&] {
            return std::all_of(jobs.begin(), jobs.end(),
                               [&](Job& job) { return !job.run(store).busy(); });
        });
        for (const records::WordStore::Problem problem : store.takeProblems())
            Tell([this, problem, aside = store.setAsidePath()] {
                if (problemHandler_)
                    problemHandler_(problem, aside);
            });
        if (outcome.busy()) {
            if (!std::exchange(waiting, true))
                Tell([this] {
                    if (waitingHandler_)
                        waitingHandler_(true);
                });
            std::unique_lock lock(mutex_);
            // Ahead of anything asked since, so that the order holds.
            jobs_.insert(jobs_.begin(), std::make_move_iterator(jobs.begin()),
                         std::make_move_iterator(jobs.end()));
            running_ = false;
            idle_.notify_all();
            wake_.wait_for(lock, retry, [this] { return giveUp_; });
            retry = std::min(retry * 2, kLastRetry);
            continue;
        }
        retry = kFirstRetry;
        if (std::exchange(waiting, false))
            Tell([this] {
                if (waitingHandler_)
                    waitingHandler_(false);
            });
        // What was read is true of the file only once the batch is in it.
        for (Job& job : jobs)
            if (job.deliver)
                job.deliver();
        std::lock_guard lock(mutex_);
        running_ = false;
        idle_.notify_all();
    }
}

int WordRecordThread::finish(int waitMs) {
    PostDeferred();
    std::unique_lock lock(mutex_);
    stopping_ = true;
    wake_.notify_one();
    if (thread_.joinable() && waitMs >= 0 &&
        !idle_.wait_for(lock, std::chrono::milliseconds(waitMs),
                        [this] { return jobs_.empty() && !running_; })) {
        giveUp_ = true;
        wake_.notify_one();
    }
    lock.unlock();
    if (thread_.joinable())
        thread_.join();
    lock.lock();
    giveUp_ = true; // anything asked from now on is left out
    return std::exchange(leftOut_, 0);
}

template <class T>
WordRecordThread::Job
WordRecordThread::Ask(QObject* context, std::function<std::optional<T>(records::WordStore&)> run,
                      std::function<void(const T&)> then) {
    auto answer = std::make_shared<T>();
    Job job;
    job.run = [run = std::move(run), answer](records::WordStore& store) -> records::WriteOutcome {
        std::optional<T> got = run(store);
        if (!got)
            return records::WriteOutcome::Busy;
        *answer = std::move(*got);
        return records::WriteOutcome::Written;
    };
    job.deliver = [this, context = QPointer<QObject>(context), answer, then = std::move(then)] {
        Tell([context, answer, then] {
            if (context)
                then(*answer);
        });
    };
    return job;
}

void WordRecordThread::addQuestion(const records::QuestionRecord& question) {
    Job job;
    job.answer = true;
    job.run = [q = question](records::WordStore& store) mutable {
        // Lined up here, off the window's thread: a long answer takes a while.
        if (q.slips.isEmpty())
            for (const QString& answer : q.wrongAnswers)
                for (const Slip& slip : AnswerSlips(q.word, answer))
                    q.slips.append({slip.expected, slip.typed});
        return store.addQuestion(q);
    };
    Later(std::move(job));
}

void WordRecordThread::addRound(const records::RoundRecord& round) {
    Later({[round](records::WordStore& store) { return store.addRound(round); }, {}, false});
}

void WordRecordThread::addSave(const QString& roundKey, const QString& date, const QString& time) {
    Later({[=](records::WordStore& store) { return store.addSave(roundKey, date, time); },
           {},
           false});
}

void WordRecordThread::read(QObject* context,
                            std::function<void(const records::WordRecordRead&)> then) {
    PostDeferred(); // a read sees every write asked for before it
    Post(Ask<records::WordRecordRead>(
        context, [](records::WordStore& store) { return store.read(); }, std::move(then)));
}

void WordRecordThread::roundKinds(QObject* context, std::function<void(const RoundKinds&)> then) {
    PostDeferred();
    Post(Ask<RoundKinds>(
        context,
        [](records::WordStore& store) -> std::optional<RoundKinds> {
            const std::optional<QList<records::SavedRound>> saved = store.savedRounds();
            if (!saved)
                return std::nullopt;
            RoundKinds kinds;
            for (const records::SavedRound& r : *saved)
                kinds[RoundKindKey(r.date.toLatin1(), r.time.toLatin1())].append(
                    RoundKind{r.practice, r.list, r.keys});
            return kinds;
        },
        std::move(then)));
}

void WordRecordThread::typedInstead(const QString& word, QObject* context,
                                    std::function<void(const QList<records::TypedInstead>&)> then) {
    PostDeferred();
    Post(Ask<QList<records::TypedInstead>>(
        context, [word](records::WordStore& store) { return store.typedInstead(word); },
        std::move(then)));
}

namespace {

// A change the player asked for: answered with whether it was written.
std::function<std::optional<bool>(records::WordStore&)>
Change(std::function<records::WriteOutcome(records::WordStore&)> write) {
    return [write = std::move(write)](records::WordStore& store) -> std::optional<bool> {
        const records::WriteOutcome outcome = write(store);
        if (outcome.busy())
            return std::nullopt;
        return bool(outcome);
    };
}

} // namespace

void WordRecordThread::removeWord(const QString& word, QObject* context,
                                  std::function<void(bool)> then) {
    PostDeferred();
    Post(Ask<bool>(context, Change([word](records::WordStore& s) { return s.removeWord(word); }),
                   std::move(then)));
}

void WordRecordThread::bringBack(const QString& word, QObject* context,
                                 std::function<void(bool)> then) {
    PostDeferred();
    Post(Ask<bool>(context, Change([word](records::WordStore& s) { return s.bringBack(word); }),
                   std::move(then)));
}

void WordRecordThread::clear(QObject* context, std::function<void(bool)> then) {
    PostDeferred();
    Post(Ask<bool>(context, Change([](records::WordStore& s) { return s.clear(); }),
                   std::move(then)));
}

void WordRecordThread::setProblemHandler(
    std::function<void(Problem problem, const QString& setAsidePath)> handler) {
    problemHandler_ = std::move(handler);
}

void WordRecordThread::setWaitingHandler(std::function<void(bool waiting)> handler) {
    waitingHandler_ = std::move(handler);
}

} // namespace game
