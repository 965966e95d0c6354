// The record of every word: its problems told, the window of weak words and
// its practice rounds, and the wait for the record at the end.
#include "game/word_list.h"
#include "ui/frm_main.h"

#include <QApplication>
#include <QCoreApplication>
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
        return QCoreApplication::translate(
                   "frmMain",
                   "単語の記録を%1に書けませんでした。\n"
                   "ゲームはそのまま遊べますが、この後の単語は記録されないことがあります。")
            .arg(file);
    case game::WordRecord::Problem::Newer:
        return QCoreApplication::translate(
                   "frmMain", "%1は、新しい版のモジロタイピングで作られています。\n"
                              "壊さないように読むだけにして、このゲームでは書き込みません。")
            .arg(file);
    case game::WordRecord::Problem::SetAside:
        return QCoreApplication::translate(
                   "frmMain", "%1が壊れていたので、%2として残し、新しい記録を始めました。")
            .arg(file, QFileInfo(setAsidePath).fileName());
    case game::WordRecord::Problem::None:
        break;
    }
    return {};
}

void frmMain::TellRecordProblems() {
    if (InRound())
        return;
    for (const QString& text : std::exchange(recordProblems_, {}))
        services_.boxes.warn(this, tr("単語の記録"), text);
}

WeakWordsContext frmMain::WeakContext() {
    std::function<std::optional<records::DictionaryHit>(const QString&)> lookUp;
    if (ReadingsShown())
        lookUp = [this](const QString& word) { return services_.dictionary.lookUp(word); };
    return {ShownList(book_.list().list), jisyoModel_->stringList(), InRound(),
            [this](const QStringList& words) { StartPractice(words); }, std::move(lookUp)};
}

void frmMain::AskRoundKinds() {
    services_.record.roundKinds(
        this, [this](const game::RoundKinds& kinds) { rirekiModel_->setKinds(kinds); });
}

void frmMain::mnuWeak_Click() {
    services_.weakWords.show(WeakContext(), this);
    TellRecordProblems();
}

void frmMain::StartPractice(const QStringList& words) {
    if (InRound() || words.isEmpty())
        return;
    book_.setPracticeWords(words);
    activateWindow();
    raise();
    cmdStart_Click();
}

void frmMain::FinishRecord() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int left = services_.record.finish(kEndWaitMs);
    QApplication::restoreOverrideCursor();
    if (left > 0)
        services_.boxes.warn(this, tr("単語の記録"),
                             tr("ほかのプログラムが%1を使っていたため、"
                                "%n問の答えを記録できませんでした。",
                                nullptr, left)
                                 .arg(records::kWordStoreFileName));
}

} // namespace ui
