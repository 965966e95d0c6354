#pragma once

#include "game/ports.h"
#include "game/round_state.h"
#include "game/word_list.h"
#include "game/word_record.h"
#include "records/history_file.h"

#include <QDateTime>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>

namespace game {

// A word list as the player chose it: a file of the list folder (empty for
// 辞書.txt) and a length level.
struct ListChoice {
    QString list;
    LengthLevel level = LengthLevel::All;
    bool operator==(const ListChoice&) const = default;
};

// The file the list's words are read from, relative to the game's folder.
QString ListPath(const QString& list);

// What a round means beyond its rules: the words it draws from (the chosen
// list, or the weak words of a practice round), each question's record and
// timing, the round's own record and its key, and a list chosen while a
// round runs, which waits for its end.
class RoundBook : public RoundEvents, public WordSource {
public:
    RoundBook(const RoundState& state, Clock& clock, WordRecord& record);

    const ListChoice& list() const { return list_; }
    // The list the rounds play from the next Start.
    void setList(const ListChoice& choice) { list_ = choice; }
    // A choice made during a round waits for its end; the last one counts.
    void keepForRoundEnd(const ListChoice& choice) { pending_ = choice; }
    const std::optional<ListChoice>& pending() const { return pending_; }
    std::optional<ListChoice> takePending() { return std::exchange(pending_, std::nullopt); }

    // The next round draws from these words alone; the one after from the list.
    void setPracticeWords(QStringList words) { practice_ = std::move(words); }
    bool practising() const { return !practice_.isEmpty(); }

    // Reads the words the next round draws from, before its Start. With the
    // game's own input, words it cannot type are left out of the draw.
    struct Draw {
        qsizetype words = 0;   // that the round draws from
        qsizetype leftOut = 0; // that the game's own input cannot type
    };
    Draw prepare(bool ownInput);
    // Where the round's keys are counted, when typed with the game's own input:
    // the keys that typed or changed the answer, and the Backspaces, since asked last.
    void setKeyCounter(std::function<std::pair<int, int>()> counter) {
        keyCounter_ = std::move(counter);
    }
    // The keys of the last round over, when typed with the game's own input.
    std::optional<int> lastKeys() const { return lastKeys_; }

    // The player looked at the meaning of the word asked: counted once a question.
    void meaningShown();
    // The round's result was saved as this line of the history.
    void saved(const records::HistoryRecord& line);

    QStringList playWords() override;
    void roundStarted() override;
    void questionAsked(const QString& word) override;
    void answerJudged(const QString& answer, bool right) override;
    void answerShown() override;
    void roundOver() override;

private:
    const RoundState& s_;
    Clock& clock_;
    WordRecord& record_;
    ListChoice list_;
    std::optional<ListChoice> pending_;
    QStringList practice_;
    std::optional<QStringList> prepared_;
    bool ownInput_ = false; // the round in play, or the next
    std::function<std::pair<int, int>()> keyCounter_;
    std::optional<int> lastKeys_;
    QString key_; // made at each start; ties the round to its saved lines
    QDateTime started_;
    bool practiceRound_ = false;
    std::optional<records::QuestionRecord> question_; // the question up
    qint64 questionShownMs_ = 0;
};

// The last round's figures as a line to paste elsewhere: the round just
// played while it may be saved, else the newest saved line unless a round
// runs; empty when there is neither. The keys per second follow for the
// round just played when it was typed with the game's own input.
QString ResultLine(const RoundState& state, Clock& clock, const records::HistoryRows& saved,
                   std::optional<int> keys = std::nullopt);

} // namespace game
