#pragma once

#include "game/progress.h"
#include "records/word_store.h"

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace ui {

// What the window of weak words needs of the main window.
struct WeakWordsContext {
    QString listName;      // as the player sees it: 辞書.txt, or the list's base name
    QStringList listWords; // the words of the chosen list
    bool inRound = false;
    // Starts a practice round of these words.
    std::function<void(const QStringList&)> practise;
};

// The record of every word asked: written in the background, read for the
// window of weak words and for the chart.
class WordRecordService {
public:
    virtual ~WordRecordService() = default;

    // These never wait for the file; they are written in order.
    virtual void addQuestion(const records::QuestionRecord& question) = 0;
    virtual void addRound(const records::RoundRecord& round) = 0;
    virtual void addSave(const QString& roundKey, const QString& date, const QString& time) = 0;
    // Called on the window's thread with each problem to tell the player:
    // each kind once per start.
    virtual void setProblemHandler(std::function<void(const QString& text)> handler) = 0;

    // These see every write made before them.
    virtual records::WordRecordRead read() = 0;
    virtual game::RoundKinds roundKinds() = 0;
    virtual bool removeWord(const QString& word) = 0;
    virtual bool bringBack(const QString& word) = 0;
    virtual bool clear() = 0;

    // The window of weak words, owned by `owner`; a second call raises it.
    virtual void showWeakWords(const WeakWordsContext& context, QWidget* owner) = 0;
    // A round began or ended, or another list was chosen: an open window follows.
    virtual void contextChanged(const WeakWordsContext& context) = 0;
    virtual void CloseAll() = 0;
};

} // namespace ui
