#pragma once

#include "records/dictionary_index.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

namespace game {

// Readings and meanings from the dictionary, opened on first need: its index
// is read or built on a thread of its own, never before the window is up.
class Dictionary {
public:
    enum class State { Closed, Opening, Ready, Missing };
    virtual ~Dictionary() = default;
    // Opens it once; `then` runs on this thread when it is ready or missing,
    // unless `context` has gone by then.
    virtual void open(QObject* context, std::function<void()> then) = 0;
    virtual State state() const = 0;
    // Nothing until it is ready.
    virtual std::optional<records::DictionaryHit> lookUp(const QString& word) const = 0;
    virtual const records::DictionaryIndex* index() const = 0;
};

// The Debian package that brings the dictionary, for the player.
inline const QString kDictionaryPackage = QStringLiteral("edict");

// EDICT as Debian's edict package installs it, its index kept in a cache folder.
class EdictDictionary : public QObject, public Dictionary {
public:
    EdictDictionary(QString dictionary, QString cacheFolder);
    ~EdictDictionary() override;

    void open(QObject* context, std::function<void()> then) override;
    State state() const override { return state_; }
    std::optional<records::DictionaryHit> lookUp(const QString& word) const override;
    const records::DictionaryIndex* index() const override { return index_.get(); }

private:
    const QString dictionary_, cacheFolder_;
    State state_ = State::Closed;
    std::unique_ptr<records::DictionaryIndex> index_;
    std::unique_ptr<records::DictionaryIndex> built_; // by the thread, until it is taken
    std::thread opening_;
    std::vector<std::pair<QPointer<QObject>, std::function<void()>>> waiting_;
};

} // namespace game
