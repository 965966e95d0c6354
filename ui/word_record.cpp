#include "ui/word_record.h"

#include "game/alignment.h"
#include "ui/weak_words_window.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>

namespace ui {

QString ProblemText(records::WordStore::Problem problem, const QString& setAsidePath) {
    const QString& file = records::kWordStoreFileName;
    switch (problem) {
    case records::WordStore::Problem::Unwritable:
        return QStringLiteral(
                   "単語の記録を%1に書けませんでした。\n"
                   "ゲームはそのまま遊べますが、この後の単語は記録されないことがあります。")
            .arg(file);
    case records::WordStore::Problem::Newer:
        return QStringLiteral("%1は、新しい版のモジロタイピングで作られています。\n"
                              "壊さないように読むだけにして、このゲームでは書き込みません。")
            .arg(file);
    case records::WordStore::Problem::SetAside:
        return QStringLiteral("%1が壊れていたので、%2として残し、新しい記録を始めました。")
            .arg(file, QFileInfo(setAsidePath).fileName());
    case records::WordStore::Problem::None:
        break;
    }
    return {};
}

StoreWordRecord::StoreWordRecord(QString path) : path_(std::move(path)) {}

StoreWordRecord::~StoreWordRecord() {
    delete window_.data();
    PostDeferred();
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable())
        thread_.join();
}

void StoreWordRecord::post(Job job) {
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
        if (!thread_.joinable())
            thread_ = std::thread([this] { Run(); });
    }
    wake_.notify_one();
}

// After the paint: a widget's repaint is a posted event of low priority, and
// this one is lower still.
constexpr int kAfterPaintPriority = Qt::LowEventPriority - 1;
constexpr QEvent::Type kWriteLater = QEvent::User;

void StoreWordRecord::later(Job job) {
    deferred_.push_back(std::move(job));
    if (!std::exchange(deferPosted_, true))
        QCoreApplication::postEvent(this, new QEvent(kWriteLater), kAfterPaintPriority);
}

bool StoreWordRecord::event(QEvent* event) {
    if (event->type() != kWriteLater)
        return QObject::event(event);
    PostDeferred();
    return true;
}

void StoreWordRecord::PostDeferred() {
    deferPosted_ = false;
    for (Job& job : std::exchange(deferred_, {}))
        post(std::move(job));
}

void StoreWordRecord::Run() {
    records::WordStore store(path_);
    for (;;) {
        std::deque<Job> jobs;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
            if (jobs_.empty())
                return; // stopping, with everything written
            jobs.swap(jobs_);
        }
        // All that waits in one commit, however far behind the writes are.
        store.together([&] {
            for (Job& job : jobs)
                job(store);
        });
        for (const records::WordStore::Problem problem : store.takeProblems()) {
            const QString text = ProblemText(problem, store.setAsidePath());
            QMetaObject::invokeMethod(
                this,
                [this, text] {
                    if (problemHandler_)
                        problemHandler_(text);
                },
                Qt::QueuedConnection);
        }
    }
}

void StoreWordRecord::addQuestion(const records::QuestionRecord& question) {
    later([q = question](records::WordStore& store) mutable {
        // Lined up here, off the window's thread: a long answer takes a while.
        for (const QString& answer : q.wrongAnswers)
            for (const game::Slip& slip : game::AnswerSlips(q.word, answer))
                q.slips.append({slip.expected, slip.typed});
        store.addQuestion(q);
    });
}

void StoreWordRecord::addRound(const records::RoundRecord& round) {
    later([round](records::WordStore& store) { store.addRound(round); });
}

void StoreWordRecord::addSave(const QString& roundKey, const QString& date, const QString& time) {
    later([=](records::WordStore& store) { store.addSave(roundKey, date, time); });
}

void StoreWordRecord::setProblemHandler(std::function<void(const QString&)> handler) {
    problemHandler_ = std::move(handler);
}

records::WordRecordRead StoreWordRecord::read() {
    return call<records::WordRecordRead>([](records::WordStore& s) { return s.read(); });
}

game::RoundKinds StoreWordRecord::roundKinds() {
    const QList<records::SavedRound> saved =
        call<QList<records::SavedRound>>([](records::WordStore& s) { return s.savedRounds(); });
    game::RoundKinds kinds;
    for (const records::SavedRound& r : saved)
        kinds.insert(game::RoundKindKey(r.date.toLatin1(), r.time.toLatin1()),
                     game::RoundKind{r.practice, r.list});
    return kinds;
}

bool StoreWordRecord::removeWord(const QString& word) {
    return call<bool>([&](records::WordStore& s) { return s.removeWord(word); });
}

bool StoreWordRecord::bringBack(const QString& word) {
    return call<bool>([&](records::WordStore& s) { return s.bringBack(word); });
}

bool StoreWordRecord::clear() {
    return call<bool>([](records::WordStore& s) { return s.clear(); });
}

void StoreWordRecord::showWeakWords(const WeakWordsContext& context, QWidget* owner) {
    if (!window_)
        window_ = new WeakWordsWindow(*this, owner);
    window_->setContext(context);
    window_->Refresh(); // what was recorded since it last showed
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void StoreWordRecord::contextChanged(const WeakWordsContext& context) {
    if (window_)
        window_->setContext(context);
}

void StoreWordRecord::CloseAll() {
    delete window_.data();
}

} // namespace ui
