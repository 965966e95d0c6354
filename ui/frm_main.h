#pragma once

#include "game/dictionary.h"
#include "game/panel_order.h"
#include "game/ports.h"
#include "game/round.h"
#include "game/round_book.h"
#include "game/round_state.h"
#include "game/word_record.h"
#include "ime/reach.h"
#include "ime/switch.h"
#include "records/history_preload.h"
#include "records/options.h"
#include "records/word_list_file.h"
#include "ui/help_service.h"
#include "ui/language.h"
#include "ui/message_boxes.h"
#include "ui/progress_service.h"
#include "ui/rireki_model.h"
#include "ui/share_service.h"
#include "ui/sound_service.h"
#include "ui/weak_words_service.h"
#include "ui/word_list_service.h"

#include <QWidget>

#include <array>

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

// Twips to pixels at 96 dots per inch, rounded to the nearest pixel.
constexpr int Px(int twips) {
    return (2 * twips + 15) / 30;
}

// What the main window is given: time and chance, the input method, the
// other windows, sound, the record of words, the options file and the one
// way to show a message box.
struct MainServices {
    game::Clock& clock;
    game::Random& random;
    ime::Switch& ime;
    ime::ReachCheck& reach;
    HelpService& help;
    ProgressService& progress;
    WordListService& wordLists;
    ShareService& share;
    SoundService& sounds;
    game::WordRecord& record;
    WeakWordsService& weakWords;
    game::Dictionary& dictionary;
    records::Options& options;
    MessageBoxes& boxes;
    Languages& languages;
    game::PanelOrder& panelOrder;
};

// A word's reading and meaning as a learner sees them after answering it.
QString ReadingText(const QString& word, const records::DictionaryHit& hit);

// What the player is told of a lasting problem with the record's file.
QString ProblemText(game::WordRecord::Problem problem, const QString& setAsidePath);

// The one window of the game: its controls by their names, the two timers and
// the handlers of their events. The rules of the round are game::Round's, its
// bookkeeping game::RoundBook's; the window shows them and asks the player.
class frmMain : public QWidget, public game::RoundWindow {
    Q_OBJECT
public:
    // Files are looked for in the working directory.
    explicit frmMain(const MainServices& services, QWidget* parent = nullptr);
    ~frmMain() override;

    // Fills the table from the history read ahead, or reads it here when
    // there is none, and shows the window.
    void Form_Load(records::HistoryPreload* history = nullptr);

    void cmdStart_Click();
    void tmrStart_Timer() { round_.countdownTick(); }
    void tmrBp_Timer() { round_.clockTick(); }
    void txtKaitou_KeyPress(int16_t& keyAscii) { game::AnswerBoxKey(round_, keyAscii); }
    void lblHint_Click() { round_.reveal(); }
    void cboJikan_Click();
    void chkAs_Click();
    void cmdHozon_Click();
    void cmdClear_Click();
    void cmdHelp_Click();
    void cmdEnd_Click();
    void fraJisyo_Click();
    void frmRireki_Click();
    // With answering on the commit, a commit that completes the word answers it.
    void txtKaitou_Committed();
    // F2: the meaning of the word asked, without the word.
    void txtKaitou_MeaningHint();

    // The results table's menu, at a point of the table (by the mouse or the menu key).
    void msgRireki_ContextMenu(QPoint pos);
    void mnuGraph_Click();
    void mnuWeak_Click();
    void mnuCsv_Click();
    void mnuCopy_Click();
    // The word panel's menu of lists and length levels, at a point on the screen.
    void fraJisyo_ContextMenu(QPoint globalPos);
    void mnuImport_Click();
    void mnuFromDictionary_Click();
    void mnuEdit_Click();
    // The window's own menu, on its free area and banner: sounds and input.
    void Form_ContextMenu(QPoint globalPos);

    // A round of these words, then the chosen list again.
    void StartPractice(const QStringList& words);
    // The lists in the menu's order: "" for 辞書.txt first, then the files
    // of the list folder by name.
    QStringList WordLists() const;
    // Take effect at once, or when the round in play ends.
    void ChooseList(const QString& list);
    void ChooseLevel(game::LengthLevel level);

    const game::RoundState& state() const { return state_; }
    const RirekiModel& rirekiModel() const { return *rirekiModel_; }
    const records::SoundOptions& soundOptions() const { return sound_; }
    const records::InputOptions& inputOptions() const { return input_; }
    const records::LearnOptions& learnOptions() const { return learn_; }

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
    QLabel* lblMeaning; // over the results table, for a few seconds after an answer
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
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // RoundWindow
    void setCaption(game::Caption label, const QString& text) override;
    QString answerText() const override;
    void setAnswerText(const QString& text) override;
    void focusAnswer() override;
    void focusWordList() override;
    void setStartEnabled(bool enabled) override;
    void showLight(int index, bool visible) override;
    void setBarWidth(int width) override;
    void clearSolved() override;
    void addSolved(const QString& question) override;
    void showSolved() override;
    void tellWrong() override;
    void wordShown(const QString& word, bool solved) override;
    void save() override { cmdHozon_Click(); }
    void playSound(game::Sound sound) override;
    void roundEnded() override;

    void CreateControls();
    void ArrangeOrder();
    // Every text of the window in the language of the game's texts.
    void Retranslate();
    // A figure with its units as the language reads them ("2.17/秒", "2.17/s").
    QString Shown(QString figure) const;
    // A figure's or the question's value as a screen reader reads it.
    void ShowValue(game::Caption label);
    // The word panel's tip: the list and length level in play.
    void ShowWordListTip();
    void SaveSettings();
    // A choice that will not last beyond this start is told once, not at every change.
    void SaveErrorOnce(bool& told, const QString& text);

    enum class ListUse { Used, Unreadable, LevelEmpty };
    // Shows the list's words of the level in the panel for the next Start.
    ListUse UseWordList(const game::ListChoice& choice);
    void RestoreWordList();
    // A level the player chose that leaves no word is refused; one that a
    // new list leaves without words gives way to every word.
    void ApplyChoice(const game::ListChoice& choice, bool levelChosen);
    void KeepWordListChoice();
    // Writes the words as a list of the list folder named after `source`,
    // asking before it replaces one; its file name, or nothing when it was not
    // written (told). `title` names the command: 読み込み, or another.
    std::optional<QString> WriteNewList(const QString& source, const QStringList& words,
                                        records::TextEncoding encoding, QByteArrayView lineEnd,
                                        const QString& title);
    bool InRound() const { return state_.blnStartWait || state_.blnPlaying; }
    // Told once the round is over, never over a round in play.
    void TellRecordProblems();
    // Waits a moment for the answers still to be recorded, and tells of any left out.
    void FinishRecord();
    WeakWordsContext WeakContext();
    void setSoundOptions(const records::SoundOptions& sound);
    void setInputOptions(const records::InputOptions& input);
    // Whether the game's own romaji input types into the answer box now.
    bool OwnInput() const;
    void ApplyInput();
    void txtKaitou_FocusChanged(bool in);
    // A short note beside a control that goes by itself, for what the player
    // should know once but need not answer.
    void Notice(QWidget* beside, const QString& text);
    void setLearnOptions(const records::LearnOptions& learn);
    void ChooseLanguage(Language language);
    // The help file of the language chosen.
    QString HelpFile() const;
    bool ReadingsShown() const;
    void ShowMeaning(const QString& text);
    // What the record knows of the saved rounds, for the table's rows.
    void AskRoundKinds();

    static constexpr int kMondaiPixelSize = 51;

    MainServices services_;
    game::RoundState state_;
    game::RoundBook book_;
    game::Round round_;
    records::SoundOptions sound_;
    records::InputOptions input_;
    records::LearnOptions learn_;
    QTimer* meaningTimer_;
    QStringList unknownTold_;         // words the dictionary lacks, said once
    std::optional<ime::Reach> reach_; // unknown until asked after the first frame
    bool imeOn_ = false;              // the switch was asked to turn it on
    bool fallbackTold_ = false;
    QStringList leftOutTold_; // the lists whose untypable words were told of
    RirekiModel* rirekiModel_;
    QStringListModel* jisyoModel_;
    QStringList recordProblems_;
    bool settingsFailureTold_ = false;
    bool listChoiceFailureTold_ = false;
    bool optionsFailureTold_ = false;
    bool framePainted_ = false;
    bool panelFilled_ = false; // the word panel shows its list and count
    QString caption_[6];       // each figure's caption as the round set it
};

} // namespace ui
