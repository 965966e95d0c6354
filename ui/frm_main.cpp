#include "ui/frm_main.h"

#include "records/history_csv.h"
#include "records/history_file.h"
#include "records/settings_file.h"
#include "ui/look.h"
#include "ui/pictures.h"
#include "ui/question_fit.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QScreen>
#include <QStringListModel>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

#include <limits>
#include <utility>

namespace ui {
namespace {

const QString kSettingsFile = QStringLiteral("設定.txt");
const QString& kHistoryFile = records::kHistoryFileName;
// How long start-up waits for the first frame before reading on without it.
constexpr int kFirstFrameWaitMs = 500;
constexpr int kSoundStartMs = 1000;

} // namespace

frmMain::frmMain(const MainServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      services_(services), book_(state_, services.clock, services.record),
      round_(state_, *this, book_, book_, services.clock, services.random),
      rirekiModel_(new RirekiModel(this)), jisyoModel_(new QStringListModel(this)) {
    InstallFontSubstitutes();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("モジロタイピング"));
    setWindowIcon(QIcon(Picture("start")));
    setFixedSize(631, 452);
    CreateControls();
    ArrangeOrder();
    Retranslate();

    tmrStart = new QTimer(this);
    tmrBp = new QTimer(this);
    tmrStart->setInterval(1000);
    tmrBp->setInterval(1000);
    connect(tmrStart, &QTimer::timeout, this, [this] { tmrStart_Timer(); });
    connect(tmrBp, &QTimer::timeout, this, [this] { tmrBp_Timer(); });
    tmrStart->start();
    tmrBp->start();
    book_.setKeyCounter([this] { return txtKaitou->takeKeyCounts(); });
    services_.record.setProblemHandler(
        [this](game::WordRecord::Problem problem, const QString& aside) {
            recordProblems_.append(ProblemText(problem, aside));
            TellRecordProblems();
        });
}

frmMain::~frmMain() {
    txtKaitou->focusChanged = nullptr; // the box loses the focus as the window goes
    services_.record.setProblemHandler(nullptr);
}

void frmMain::Form_Load(records::HistoryPreload* history) {
    state_.strHelpFile = QStringLiteral("ZkHelp.chm");
    rirekiModel_->InitRirekiGrid();
    rirekiModel_->AddRirekiRows(
        (history ? history->take() : records::LoadHistory(kHistoryFile)).rows);
    rirekiModel_->ScrollRirekiToEnd();
    // The design-time texts go before the first frame, which then shows the
    // window as it stays; the time limit follows once the settings are read.
    cboJikan->setEditText(QString());
    txtKaitou->setText(QString());
    for (game::Caption c : {game::Caption::Mondai, game::Caption::Ok, game::Caption::Ng,
                            game::Caption::MojiT, game::Caption::Byou, game::Caption::Ritu})
        setCaption(c, QString());

    if (!isVisible()) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
        show();
    }
    cmdStart->setFocus();
    // Paint the window, and see the frame reach the display, before the word
    // list is read. It is painted once the display has mapped it, which a
    // window manager may delay; the wait for that is short and bounded.
    QElapsedTimer waited;
    waited.start();
    QTimer wakeUp; // ends the last wait
    wakeUp.start(kFirstFrameWaitMs);
    while (!framePainted_ && waited.elapsed() < kFirstFrameWaitMs)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                        QEventLoop::WaitForMoreEvents);
    QGuiApplication::sync();
    if (rirekiModel_->topRow() > 0)
        msgRireki->scrollTo(rirekiModel_->index(rirekiModel_->topRow(), 0),
                            QAbstractItemView::PositionAtTop);

    const records::Settings settings = records::LoadSettings(kSettingsFile);
    state_.intJikan = settings.jikan;
    state_.intAutoSave = settings.autoSave;
    chkAs->setChecked(state_.intAutoSave == 1); // setChecked does not emit clicked

    for (int s = 10; s <= 180; s += 10)
        cboJikan->addItem(QString::number(s));
    const QString jikan = QString::number(state_.intJikan);
    cboJikan->setCurrentIndex(cboJikan->findText(jikan));
    cboJikan->setEditText(jikan);

    RestoreWordList();
    sound_ = services_.options.sound();
    input_ = services_.options.input();
    ApplyInput();
    // The dictionary is opened once the window is up, on a thread of its own.
    if (services_.options.learn().readings)
        QTimer::singleShot(0, this, [this] { setLearnOptions({true}); });
    // Whether an input method reaches the box, asked now the window is up.
    services_.reach.check(this, [this](const ime::Reach& reach) {
        reach_ = reach;
        ApplyInput();
    });
    // The audio starts a moment after the first frame is on the screen, so
    // that neither its libraries nor the audio server's connection weigh on
    // start-up; スタート starts it at once when pressed before.
    QTimer::singleShot(kSoundStartMs, this, [this] { services_.sounds.start(); });

    state_.intBarFull = kBarDesignWidth;
}

void frmMain::closeEvent(QCloseEvent* event) {
    FinishRecord();
    QWidget::closeEvent(event);
}

void frmMain::contextMenuEvent(QContextMenuEvent* event) {
    Form_ContextMenu(event->globalPos());
}

void frmMain::paintEvent(QPaintEvent* event) {
    framePainted_ = true;
    QWidget::paintEvent(event);
}

void frmMain::SaveSettings() {
    // The new value is in effect already. A file that cannot be written is
    // told once, not at every change, so that the player knows it will be gone
    // at the next start.
    if (!records::SaveSettings(kSettingsFile, {state_.intJikan, state_.intAutoSave}))
        SaveErrorOnce(settingsFailureTold_, tr("設定を設定.txtに保存できませんでした。\n"
                                               "変更した設定は、ゲームを終えるまで使われます。"));
}

void frmMain::SaveErrorOnce(bool& told, const QString& text) {
    if (!std::exchange(told, true))
        services_.boxes.warn(this, tr("保存エラー"), text);
}

void frmMain::cboJikan_Click() {
    bool ok = false;
    const int value = cboJikan->currentText().trimmed().toInt(&ok);
    if (!ok || value < 1 || value > 32767)
        return;
    state_.intJikan = int16_t(value);
    SaveSettings();
}

void frmMain::chkAs_Click() {
    state_.intAutoSave = chkAs->isChecked() ? 1 : 0;
    SaveSettings();
}

void frmMain::cmdHozon_Click() {
    if (!game::SaveAllowed(state_))
        return;
    const records::HistoryRecord record = records::MakeHistoryRecord(
        state_.intOk, state_.intNg, state_.intMoji, state_.intJikan, services_.clock.Now());
    // Noted before the row reaches the chart, which asks what kind of round it
    // was. A line that then fails to be written matches no line of the file.
    book_.saved(record);
    rirekiModel_->AddRirekiRow(record);
    AskRoundKinds();
    rirekiModel_->ScrollRirekiToEnd();
    if (!records::AppendHistory(kHistoryFile, record)) {
        rirekiModel_->RemoveLastRow();
        services_.boxes.warn(this, tr("保存エラー"), tr("結果を履歴.txtに保存できませんでした。"));
    }
}

void frmMain::cmdClear_Click() {
    if (services_.boxes.ask(this, QMessageBox::Warning, tr("クリア確認"),
                            tr("履歴データをクリアします。よろしいですか？"),
                            QMessageBox::Ok | QMessageBox::Cancel,
                            QMessageBox::Ok) != QMessageBox::Ok)
        return;
    if (!records::ClearHistory(kHistoryFile)) {
        services_.boxes.warn(this, tr("クリアエラー"), tr("履歴データをクリアできませんでした。"));
        return;
    }
    rirekiModel_->ClearRirekiGrid();
    services_.boxes.tell(this, tr("クリア終了"), tr("履歴データをクリアしました"));
}

QString frmMain::HelpFile() const {
    // ZkHelp.chm, and ZkHelp_en.chm beside it for English.
    if (services_.languages.current() == Language::Japanese)
        return state_.strHelpFile;
    const QFileInfo file(state_.strHelpFile);
    return file.completeBaseName() + QStringLiteral("_en.") + file.suffix();
}

void frmMain::cmdHelp_Click() {
    services_.help.showDefaultTopic(QDir::current().absoluteFilePath(HelpFile()), this);
}

void frmMain::cmdEnd_Click() {
    services_.help.closeAll();
    services_.progress.closeAll();
    services_.weakWords.closeAll();
    services_.ime.restore();
    FinishRecord();
    QCoreApplication::exit(0);
}

void frmMain::fraJisyo_Click() {
    frmRireki->show();
}

void frmMain::frmRireki_Click() {
    frmRireki->hide();
}

void frmMain::cmdStart_Click() {
    // A list that went while it was chosen gives way to 辞書.txt before the round.
    const game::ListChoice chosen = book_.list();
    if (!chosen.list.isEmpty() && !QFileInfo(game::ListPath(chosen.list)).isReadable()) {
        services_.boxes.warn(this, tr("単語リスト"),
                             tr("単語リスト「%1」が見つからないか、読めません。\n"
                                "辞書.txtの単語で遊びます。")
                                 .arg(ShownList(chosen.list)));
        if (UseWordList({QString(), chosen.level}) != ListUse::Used)
            UseWordList({});
        KeepWordListChoice();
    }
    // With the game's own input, the words it cannot type are left out.
    const game::RoundBook::Draw draw = book_.prepare(OwnInput());
    const QString listName = ShownList(book_.list().list);
    if (draw.words == 0 && draw.leftOut > 0) {
        services_.boxes.warn(this, tr("単語リスト"),
                             tr("「%1」の単語は、ゲーム内ローマ字入力では打てません"
                                "（漢字やアルファベットの単語です）。\n"
                                "日本語入力を使うか、ほかのリストを選んでください。")
                                 .arg(listName));
        return;
    }
    if (draw.leftOut > 0 && !leftOutTold_.contains(book_.list().list)) {
        leftOutTold_ << book_.list().list;
        Notice(lblMondai, tr("ゲーム内ローマ字入力では打てない%n語（漢字や"
                             "アルファベットの単語）は、出題しません。",
                             nullptr, draw.leftOut));
    }
    services_.sounds.start();
    round_.start();
    setWindowTitle(book_.practising() ? QStringLiteral("モジロタイピング") + tr("（練習）")
                                      : QStringLiteral("モジロタイピング"));
    services_.weakWords.contextChanged(WeakContext());
}

void frmMain::roundEnded() {
    setWindowTitle(QStringLiteral("モジロタイピング"));
    AskRoundKinds();
    services_.weakWords.contextChanged(WeakContext());
    TellRecordProblems();
    if (const std::optional<game::ListChoice> choice = book_.takePending())
        ApplyChoice(*choice, choice->list == book_.list().list);
}

void frmMain::msgRireki_ContextMenu(QPoint pos) {
    mnuCopy->setEnabled(!game::ResultLine(state_, services_.clock, rirekiModel_->rows()).isEmpty());
    // A point of the cell area: the mouse's, or the current cell's for the menu key.
    mnuRireki->popup(msgRireki->viewport()->mapToGlobal(pos));
}

void frmMain::mnuGraph_Click() {
    services_.progress.show(*rirekiModel_, this, [this](QObject* context, auto then) {
        services_.record.roundKinds(context, std::move(then));
    });
}

void frmMain::mnuCsv_Click() {
    const QString path = services_.share.chooseCsvFile(this);
    if (path.isEmpty())
        return;
    // The whole file, not only the rows the table can number.
    const records::HistoryLoad history =
        records::LoadHistory(kHistoryFile, std::numeric_limits<qsizetype>::max());
    QStringList header;
    for (int c = 1; c < RirekiModel::kColumns; ++c)
        header << RirekiModel::SourceColumnTitle(c);
    const QString shown = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    if (!records::ReplaceFile(path, records::HistoryCsv(header, history.rows), true)) {
        services_.boxes.warn(this, tr("書き出しエラー"),
                             tr("履歴を %1 に書き出せませんでした。").arg(shown));
        return;
    }
    QString done =
        tr("履歴 %n件を %1 に書き出しました。", nullptr, int(history.rows.size())).arg(shown);
    if (history.skippedLines > 0)
        done +=
            tr("\n記録として読めない %n行は書き出していません。", nullptr, history.skippedLines);
    services_.boxes.tell(this, tr("書き出し終了"), done);
}

void frmMain::mnuCopy_Click() {
    const QString text =
        game::ResultLine(state_, services_.clock, rirekiModel_->rows(), book_.lastKeys());
    if (!text.isEmpty())
        services_.share.copy(text, grab().toImage());
}

void frmMain::setCaption(game::Caption label, const QString& text) {
    // In the order of game::Caption.
    QLabel* const labels[] = {lblMondai, lblOk, lblNg, lblMoji_T, lblByou, lblRitu};
    caption_[int(label)] = text;
    if (label == game::Caption::Mondai)
        SetQuestionText(lblMondai, kMondaiPixelSize, text); // smaller only when it would be cut
    else
        SetFittedText(labels[int(label)], label == game::Caption::Byou ? Shown(text) : text);
    ShowValue(label);
}

QString frmMain::answerText() const {
    return txtKaitou->text();
}

void frmMain::setAnswerText(const QString& text) {
    txtKaitou->setText(text);
}

void frmMain::focusAnswer() {
    txtKaitou->setFocus(Qt::OtherFocusReason);
}

void frmMain::focusWordList() {
    lstJisyo->setFocus(Qt::OtherFocusReason);
}

void frmMain::setStartEnabled(bool enabled) {
    cmdStart->setEnabled(enabled);
}

void frmMain::showLight(int index, bool visible) {
    if (index >= 1 && index <= 3)
        imgStart[index]->setVisible(visible);
}

void frmMain::setBarWidth(int width) {
    shpJikanK->resize(Px(std::min(width, 1 << 24)), shpJikanK->height());
    shpJikanK->setAccessibleDescription(
        state_.blnPlaying ? tr("残り %n 秒", nullptr, state_.intRemain) : QString());
}

void frmMain::clearSolved() {
    lstRireki->clear();
}

void frmMain::addSolved(const QString& question) {
    lstRireki->addItem(question);
}

void frmMain::showSolved() {
    frmRireki->show();
}

void frmMain::tellWrong() {
    services_.boxes.ask(this, QMessageBox::Critical, tr("間違い"), tr("違います！！"),
                        QMessageBox::Ok, QMessageBox::Ok);
}

} // namespace ui
