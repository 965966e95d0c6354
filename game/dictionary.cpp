#include "game/dictionary.h"

#include <QFileInfo>

namespace game {

EdictDictionary::EdictDictionary(QString dictionary, QString cacheFolder)
    : dictionary_(std::move(dictionary)), cacheFolder_(std::move(cacheFolder)) {}

EdictDictionary::~EdictDictionary() {
    if (opening_.joinable())
        opening_.join();
}

void EdictDictionary::open(QObject* context, std::function<void()> then) {
    if (state_ == State::Ready || state_ == State::Missing) {
        QMetaObject::invokeMethod(context, std::move(then), Qt::QueuedConnection);
        return;
    }
    waiting_.emplace_back(context, std::move(then));
    if (state_ == State::Opening)
        return;
    state_ = State::Opening;
    if (!QFileInfo(dictionary_).isReadable()) {
        // Said at once: nothing to build.
        QMetaObject::invokeMethod(
            this,
            [this] {
                state_ = State::Missing;
                for (auto& [c, call] : std::exchange(waiting_, {}))
                    if (c)
                        call();
            },
            Qt::QueuedConnection);
        return;
    }
    opening_ = std::thread([this] {
        built_ = records::DictionaryIndex::open(dictionary_, cacheFolder_);
        QMetaObject::invokeMethod(
            this,
            [this] {
                opening_.join();
                index_ = std::move(built_);
                state_ = index_ ? State::Ready : State::Missing;
                for (auto& [c, call] : std::exchange(waiting_, {}))
                    if (c)
                        call();
            },
            Qt::QueuedConnection);
    });
}

std::optional<records::DictionaryHit> EdictDictionary::lookUp(const QString& word) const {
    if (!index_)
        return std::nullopt;
    return index_->lookUp(word);
}

} // namespace game
