#include "game/round_book.h"

#include "game/romaji.h"
#include "game/round.h"
#include "records/figures.h"
#include "records/word_list_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QUuid>

namespace game {
namespace {

// Enough wrong answers to see the slips; a key held on Enter adds no more.
constexpr int kWrongAnswersKept = 20;

} // namespace

QString ListPath(const QString& list) {
    return list.isEmpty() ? kJisyoFileName : QDir(records::kWordListFolder).filePath(list);
}

RoundBook::RoundBook(const RoundState& state, Clock& clock, WordRecord& record)
    : s_(state), clock_(clock), record_(record) {}

RoundBook::Draw RoundBook::prepare(bool ownInput) {
    QStringList words =
        practising() ? practice_ : OfLevel(ReadWordList(ListPath(list_.list)), list_.level);
    Draw draw;
    if (ownInput) {
        const qsizetype all = words.size();
        words.removeIf([](const QString& word) { return !RomajiTypable(word); });
        draw.leftOut = all - words.size();
    }
    draw.words = words.size();
    ownInput_ = ownInput;
    prepared_ = std::move(words);
    return draw;
}

QStringList RoundBook::playWords() {
    if (prepared_)
        return *std::exchange(prepared_, std::nullopt);
    return practising() ? practice_ : OfLevel(ReadWordList(ListPath(list_.list)), list_.level);
}

void RoundBook::roundStarted() {
    key_ = QUuid::createUuid().toString(QUuid::WithoutBraces);
    started_ = clock_.Now();
    practiceRound_ = practising();
    if (keyCounter_)
        keyCounter_(); // what was typed before the round is not the round's
}

void RoundBook::questionAsked(const QString& word) {
    if (question_) // never left open by the round, but kept rather than lost
        record_.addQuestion(*std::exchange(question_, std::nullopt));
    question_ = records::QuestionRecord{};
    question_->word = word;
    question_->asked = clock_.Now();
    questionShownMs_ = clock_.Milliseconds();
}

void RoundBook::answerJudged(const QString& answer, bool right) {
    if (!question_)
        return;
    if (!right) {
        ++question_->wrong;
        if (question_->wrongAnswers.size() < kWrongAnswersKept)
            question_->wrongAnswers.append(answer);
        return;
    }
    question_->solved = true;
    question_->solveMs = clock_.Milliseconds() - questionShownMs_;
    record_.addQuestion(*std::exchange(question_, std::nullopt));
}

void RoundBook::meaningShown() {
    // One look at a question's meaning counts, however often F2 is pressed.
    if (question_)
        question_->hints = 1;
}

void RoundBook::answerShown() {
    if (question_)
        question_->revealed = true;
}

void RoundBook::roundOver() {
    if (question_)
        record_.addQuestion(*std::exchange(question_, std::nullopt));
    const auto [keys, backspaces] =
        keyCounter_ && ownInput_ ? keyCounter_() : std::pair<int, int>{0, 0};
    lastKeys_ = ownInput_ ? std::optional(keys) : std::nullopt;
    record_.addRound({key_, started_, s_.intJikan, list_.list, practiceRound_, s_.intOk, s_.intNg,
                      s_.intMoji, ownInput_, keys, backspaces});
    practice_.clear(); // the next Start plays the chosen list
}

void RoundBook::saved(const records::HistoryRecord& line) {
    if (!key_.isEmpty())
        record_.addSave(key_, line.date, line.time);
}

QString ResultLine(const RoundState& s, Clock& clock, const records::HistoryRows& saved,
                   std::optional<int> keys) {
    records::HistoryRecord r;
    const bool justPlayed = SaveAllowed(s);
    if (justPlayed)
        r = records::MakeHistoryRecord(s.intOk, s.intNg, s.intMoji, s.intJikan, clock.Now());
    else if (!s.blnStartWait && !s.blnPlaying && !saved.isEmpty())
        r = saved.at(saved.size() - 1);
    else
        return QString();
    // The saved items' units as the game's language reads them.
    const auto units = [](QString item) {
        item.replace(QStringLiteral("/秒"), QCoreApplication::translate("ResultLine", "/秒"));
        return item.replace(QStringLiteral("秒"), QCoreApplication::translate("ResultLine", "秒"));
    };
    QString line =
        QCoreApplication::translate(
            "ResultLine", "モジロタイピング %1 %2 %3：ＯＫ %4　ＮＧ %5　文字数 %6　正解率 %7　%8")
            .arg(r.date, r.time, units(r.jikan), r.ok, r.ng, r.moji, r.rate, units(r.speed));
    if (justPlayed && keys && s.intJikan > 0) // a saved line's own round may be another
        line += QCoreApplication::translate("ResultLine", "　%1打鍵/秒")
                    .arg(records::FormatSpeed(*keys, s.intJikan).chopped(2));
    return line;
}

} // namespace game
