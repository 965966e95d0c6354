// The record of every word: what each question came to, the window of weak
// words and its practice rounds.
#include "game/word_list.h"
#include "ui/frm_main.h"

#include <QApplication>
#include <QFileInfo>
#include <QStringListModel>

namespace ui {
namespace {

// How long the end of the game waits for answers another program keeps out
// of the record.
constexpr int kEndWaitMs = 5000;

} // namespace

QString ProblemText(game::WordRecord::Problem problem, const QString& setAsidePath) {
    const QString& file = records::kWordStoreFileName;
    switch (problem) {
    case game::WordRecord::Problem::Unwritable:
        return QStringLiteral(
                   "単語の記録を%1に書けませんでした。\n"
                   "ゲームはそのまま遊べますが、この後の単語は記録されないことがあります。")
            .arg(file);
    case game::WordRecord::Problem::Newer:
        return QStringLiteral("%1は、新しい版のモジロタイピングで作られています。\n"
                              "壊さないように読むだけにして、このゲームでは書き込みません。")
            .arg(file);
    case game::WordRecord::Problem::SetAside:
        return QStringLiteral("%1が壊れていたので、%2として残し、新しい記録を始めました。")
            .arg(file, QFileInfo(setAsidePath).fileName());
    case game::WordRecord::Problem::None:
        break;
    }
    return {};
}

void frmMain::questionAsked(const QString& word) {
    if (question_) // never left open by the round, but kept rather than lost
        record_.addQuestion(*std::exchange(question_, std::nullopt));
    question_ = records::QuestionRecord{};
    question_->word = word;
    question_->asked = clock_.Now();
    questionShownMs_ = clock_.Milliseconds();
}

void frmMain::answerJudged(const QString& answer, bool right) {
    if (!question_)
        return;
    if (!right) {
        ++question_->wrong;
        // Enough to see the slips; a key held on Enter adds no more.
        if (question_->wrongAnswers.size() < 20)
            question_->wrongAnswers.append(answer);
        return;
    }
    question_->solved = true;
    question_->solveMs = clock_.Milliseconds() - questionShownMs_;
    record_.addQuestion(*std::exchange(question_, std::nullopt));
}

void frmMain::answerShown() {
    if (question_)
        question_->revealed = true;
}

void frmMain::roundOver() {
    if (question_)
        record_.addQuestion(*std::exchange(question_, std::nullopt));
    record_.addRound({roundKey_, roundStarted_, state_.intJikan, listName_, round_.practising(),
                      state_.intOk, state_.intNg, state_.intMoji});
}

void frmMain::TellRecordProblems() {
    if (InRound())
        return;
    for (const QString& text : std::exchange(recordProblems_, {}))
        Box(QMessageBox::Warning, QStringLiteral("単語の記録"), text, QMessageBox::Ok,
            QMessageBox::Ok);
}

WeakWordsContext frmMain::WeakContext() {
    return {game::ShownListName(listName_), jisyoModel_->stringList(), InRound(),
            [this](const QStringList& words) { StartPractice(words); }};
}

void frmMain::mnuWeak_Click() {
    weakWords_.show(WeakContext(), this);
    TellRecordProblems();
}

void frmMain::StartPractice(const QStringList& words) {
    if (InRound() || words.isEmpty())
        return;
    round_.setPracticeWords(words);
    activateWindow();
    raise();
    cmdStart_Click();
}

void frmMain::FinishRecord() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int left = record_.finish(kEndWaitMs);
    QApplication::restoreOverrideCursor();
    if (left > 0)
        Box(QMessageBox::Warning, QStringLiteral("単語の記録"),
            QStringLiteral("ほかのプログラムが%1を使っていたため、"
                           "%2問の答えを記録できませんでした。")
                .arg(records::kWordStoreFileName)
                .arg(left),
            QMessageBox::Ok, QMessageBox::Ok);
}

} // namespace ui
