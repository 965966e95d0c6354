#pragma once

#include "records/dictionary_index.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

namespace ui {

// What the window of weak words needs of the main window.
struct WeakWordsContext {
    QString listName;      // as the player sees it: 辞書.txt, or the list's base name
    QStringList listWords; // the words of the chosen list
    bool inRound = false;
    // Starts a practice round of these words.
    std::function<void(const QStringList&)> practise;
    // A word's reading and meaning, when the player shows them; empty otherwise.
    std::function<std::optional<records::DictionaryHit>(const QString& word)> lookUp;
};

// The window of weak words, over the record of every word.
class WeakWordsService {
public:
    virtual ~WeakWordsService() = default;
    // Shows the window, owned by `owner`; a second call raises it.
    virtual void show(const WeakWordsContext& context, QWidget* owner) = 0;
    // A round began or ended, or another list was chosen: an open window follows.
    virtual void contextChanged(const WeakWordsContext& context) = 0;
    virtual void closeAll() = 0;
    virtual bool isOpen() const = 0;
};

} // namespace ui
