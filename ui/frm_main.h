#pragma once

#include "game/ports.h"
#include "game/round.h"
#include "game/round_state.h"
#include "game/word_record.h"
#include "ime/switch.h"
#include "records/history_preload.h"
#include "ui/help_service.h"
#include "ui/progress_service.h"
#include "ui/rireki_model.h"
#include "ui/share_service.h"
#include "ui/sound_service.h"
#include "ui/weak_words_service.h"
#include "ui/word_list_service.h"

#include <QMessageBox>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QListView;
class QListWidget;
class QMenu;
class QStringListModel;
class QTableView;
class QTimer;
class QToolButton;

namespace ui {

class ClickFrame;
class ColourBox;
class TagLabel;
class JikanCombo;
class KaitouEdit;

// What the player is told of a lasting problem with the record's file.
QString ProblemText(game::WordRecord::Problem problem, const QString& setAsidePath);

// Twips to pixels at 96 dots per inch, rounded to the nearest pixel.
constexpr int Px(int twips) {
    return (2 * twips + 15) / 30;
}

// The one window of the game: its controls by their names, the two timers and
// the handlers of their events.
class frmMain : public QWidget, public game::RoundWindow {
    Q_OBJECT
public:
    // Files are looked for in the working directory.
    frmMain(game::Clock& clock, game::Random& random, ime::Switch& ime, HelpService& help,
            ProgressService& progress, WordListService& wordLists, ShareService& share,
            SoundService& sounds, game::WordRecord& record, WeakWordsService& weakWords,
            QWidget* parent = nullptr);
    ~frmMain() override;

    // Runs a modal box and returns the button pressed; tests answer it themselves.
    std::function<QMessageBox::StandardButton(QMessageBox&)> runBox;

    // Fills the table from the history read ahead, or reads it here when
    // there is none, and shows the window.
    void Form_Load(records::HistoryPreload* history = nullptr);

    void cmdStart_Click();
    void tmrStart_Timer() { round_.tmrStart_Timer(); }
    void tmrBp_Timer() { round_.tmrBp_Timer(); }
    void txtKaitou_KeyPress(int16_t& keyAscii) { round_.txtKaitou_KeyPress(keyAscii); }
    void lblHint_Click() { round_.lblHint_Click(); }
    void cboJikan_Click();
    void chkAs_Click();
    void cmdHozon_Click();
    void cmdClear_Click();
    void cmdHelp_Click();
    void cmdEnd_Click();
    void fraJisyo_Click();
    void frmRireki_Click();
    // The table's menu, at a point of the table (by the mouse or the menu key).
    void msgRireki_ContextMenu(QPoint pos);
    void mnuGraph_Click();
    // The window of weak words, from the table's menu or the word panel's.
    void mnuWeak_Click();
    // A round of these words, then the chosen list again.
    void StartPractice(const QStringList& words);
    void mnuCsv_Click();
    void mnuCopy_Click();
    // The last round's figures as a line to paste elsewhere; empty before any.
    QString ResultText();

    // The word panel's menu of lists and length levels, at a point on the screen.
    void fraJisyo_ContextMenu(QPoint globalPos);
    // The lists in the menu's order: "" for 辞書.txt first, then the files
    // of the list folder by name.
    QStringList WordLists() const;
    // Take effect at once, or when the round in play ends.
    void ChooseList(const QString& list);
    void ChooseLevel(game::LengthLevel level);
    void mnuImport_Click();
    void mnuEdit_Click();

    game::RoundState& state() { return state_; }
    RirekiModel& rirekiModel() { return *rirekiModel_; }

    // RoundWindow
    void setCaption(game::Caption label, const QString& text) override;
    QString kaitouText() const override;
    void setKaitouText(const QString& text) override;
    void focusKaitou() override;
    void focusJisyo() override;
    void setStartEnabled(bool enabled) override;
    void setStartLampVisible(int index, bool visible) override;
    void setBarWidth(int twips) override;
    void clearSolved() override;
    void appendSolved(const QString& question) override;
    void showHistoryPanel() override;
    void showWrongAnswerBox() override;
    void saveResult() override { cmdHozon_Click(); }
    void playSound(game::Sound sound) override;
    void questionAsked(const QString& word) override;
    void answerJudged(const QString& answer, bool right) override;
    void answerShown() override;
    void roundOver() override;
    void roundEnded() override;

    // The window's own menu, on its free area and banner: sounds and how
    // answers are given.
    void Form_ContextMenu(QPoint globalPos);
    const WindowOptions& options() const { return options_; }
    void setOptions(const WindowOptions& options);
    // With answerOnCommit, a commit that completes the word answers it.
    void txtKaitou_Committed();

    // Controls, named as in the design of the window.
    QToolButton* cmdStart;
    QToolButton* cmdHozon;
    QToolButton* cmdClear;
    QToolButton* cmdHelp;
    QToolButton* cmdEnd;
    QLabel* Image1;
    ColourBox* Line1_0; // white, lower
    ColourBox* Line1_1; // black, upper
    QWidget* Frame1;
    std::array<QLabel*, 4> imgStart{}; // 1 to 3; 0 unused
    QLabel* Label1;
    JikanCombo* cboJikan;
    QToolButton* chkAs;
    QWidget* Frame2;
    QLabel* lblOk;
    QLabel* lblNg;
    QLabel* lblMoji_T;
    QLabel* lblRitu;
    QLabel* lblByou;
    ColourBox* shpJikanB;
    ColourBox* shpJikanK;
    TagLabel* lblHint;
    QLabel* lblMondai;
    TagLabel* Label2;
    KaitouEdit* txtKaitou;
    ClickFrame* fraJisyo;
    QListView* lstJisyo;
    ClickFrame* frmRireki;
    QListWidget* lstRireki;
    QTableView* msgRireki;
    QMenu* mnuRireki;
    QAction* mnuGraph;
    QAction* mnuWeak;
    QAction* mnuCsv;
    QAction* mnuCopy;
    QMenu* mnuJisyo;  // filled as it opens
    QMenu* mnuWindow; // filled as it opens
    QTimer* tmrStart;
    QTimer* tmrBp;

    static constexpr int kBarDesignWidth = 8745; // twips

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void ArrangeOrder();
    QMessageBox::StandardButton Box(QMessageBox::Icon icon, const QString& title,
                                    const QString& text, QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton);
    void SaveSettings();
    // A choice that will not last beyond this start is told once, not at every change.
    void SaveErrorOnce(bool& told, const QString& text);

    enum class ListUse { Used, Unreadable, LevelEmpty };
    // Shows the list's words of the level in the panel for the next Start.
    ListUse UseWordList(const QString& list, game::LengthLevel level);
    void RestoreWordList();
    struct Choice {
        QString list;
        game::LengthLevel level;
    };
    // A level the player chose that leaves no word is refused; one that a
    // new list leaves without words gives way to every word.
    void ApplyChoice(const Choice& choice, bool levelChosen);
    void KeepWordListChoice();
    QString ListPath(const QString& list) const;
    bool InRound() const { return state_.blnStartWait || state_.blnPlaying; }
    // Told once the round is over, never over a round in play.
    void TellRecordProblems();
    // Waits a moment for the answers still to be recorded, and tells of
    // any left out.
    void FinishRecord();
    WeakWordsContext WeakContext();

    game::RoundState state_;
    game::Clock& clock_;
    ime::Switch& ime_;
    HelpService& help_;
    ProgressService& progress_;
    WordListService& wordLists_;
    ShareService& share_;
    SoundService& sounds_;
    game::WordRecord& record_;
    WeakWordsService& weakWords_;
    std::optional<records::QuestionRecord> question_; // the question up, as the record takes it
    qint64 questionShownMs_ = 0;
    QString roundKey_;
    QDateTime roundStarted_;
    QStringList recordProblems_;
    WindowOptions options_;
    bool optionsFailureTold_ = false;
    RirekiModel* rirekiModel_;
    QStringListModel* jisyoModel_;
    game::Round round_;
    bool settingsFailureTold_ = false;
    bool listChoiceFailureTold_ = false;
    QString listName_; // empty for 辞書.txt
    game::LengthLevel level_ = game::LengthLevel::All;
    std::optional<Choice> pending_; // chosen during a round
    bool framePainted_ = false;
};

} // namespace ui
