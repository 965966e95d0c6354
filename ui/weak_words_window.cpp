#include "ui/weak_words_window.h"

#include "ui/look.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace ui {
namespace {

constexpr int kConfusionsShown = 30;

} // namespace

WeakWordsWindow::WeakWordsWindow(game::WordRecord& record, MessageBoxes& boxes, QWidget* owner)
    : QWidget(owner, Qt::Window), record_(record), boxes_(boxes) {
    setObjectName(QStringLiteral("frmWeak"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QCoreApplication::translate("WeakWordsWindow", "苦手な単語"));
    setFont(GothicFont(13));

    cboShow = new QComboBox(this);
    cboShow->setObjectName(QStringLiteral("cboShow"));
    auto* showLabel = new QLabel(QCoreApplication::translate("WeakWordsWindow", "表示(&F)"), this);
    showLabel->setBuddy(cboShow);
    cboShow->setAccessibleName(QCoreApplication::translate("WeakWordsWindow", "表示"));
    cboShow->addItem(QCoreApplication::translate("WeakWordsWindow", "すべての単語"));
    cboShow->addItem(QString()); // the chosen list's, named by setContext

    lstTyped = new QListWidget(this);
    lstTyped->setObjectName(QStringLiteral("lstTyped"));
    lstTyped->setAccessibleName(
        QCoreApplication::translate("WeakWordsWindow", "この単語に打った答え"));
    lstTyped->setFixedWidth(180);
    auto* typedLabel =
        new QLabel(QCoreApplication::translate("WeakWordsWindow", "この単語に打った答え"), this);
    typedLabel->setBuddy(lstTyped);
    weakModel = new WeakWordsModel(this);
    retiredModel = new WeakWordsModel(this);
    grdWeak = Grid(weakModel, &weakProxy_);
    grdWeak->setObjectName(QStringLiteral("grdWeak"));
    grdWeak->setAccessibleName(QCoreApplication::translate("WeakWordsWindow", "苦手な単語"));
    grdRetired = Grid(retiredModel, &retiredProxy_);
    grdRetired->setObjectName(QStringLiteral("grdRetired"));
    grdRetired->setAccessibleName(QCoreApplication::translate("WeakWordsWindow", "卒業した単語"));
    tabs = new QTabWidget(this);
    tabs->addTab(grdWeak, QString());
    tabs->addTab(grdRetired, QString());

    lstConfusions = new QListWidget(this);
    lstConfusions->setObjectName(QStringLiteral("lstConfusions"));
    lstConfusions->setAccessibleName(
        QCoreApplication::translate("WeakWordsWindow", "よく間違える文字"));
    lstConfusions->setFixedWidth(180);
    auto* confusionsLabel =
        new QLabel(QCoreApplication::translate("WeakWordsWindow", "よく間違える文字"), this);
    confusionsLabel->setBuddy(lstConfusions);
    lblNote = new QLabel(this);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblNote->setWordWrap(true);

    const auto button = [this](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    cmdPractise = button("cmdPractise",
                         QCoreApplication::translate("WeakWordsWindow", "苦手な単語で練習(&P)"));
    cmdRemove =
        button("cmdRemove", QCoreApplication::translate("WeakWordsWindow", "記録から消す(&D)"));
    cmdBringBack =
        button("cmdBringBack", QCoreApplication::translate("WeakWordsWindow", "練習に戻す(&B)"));
    cmdClearAll = button("cmdClearAll",
                         QCoreApplication::translate("WeakWordsWindow", "記録をすべて消す(&C)…"));
    QPushButton* cmdClose =
        button("cmdClose", QCoreApplication::translate("WeakWordsWindow", "閉じる"));

    auto* top = new QHBoxLayout;
    top->addWidget(showLabel);
    top->addWidget(cboShow);
    top->addStretch(1);
    auto* side = new QVBoxLayout;
    side->addWidget(confusionsLabel);
    side->addWidget(lstConfusions, 1);
    side->addWidget(typedLabel);
    side->addWidget(lstTyped, 1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(tabs, 1);
    middle->addLayout(side);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdPractise, cmdRemove, cmdBringBack, cmdClearAll})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addWidget(lblNote);
    layout->addLayout(buttons);
    resize(960, 560);

    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdPractise, &QPushButton::clicked, this, [this] { cmdPractise_Click(); });
    connect(cmdRemove, &QPushButton::clicked, this, [this] { cmdRemove_Click(); });
    connect(cmdBringBack, &QPushButton::clicked, this, [this] { cmdBringBack_Click(); });
    connect(cmdClearAll, &QPushButton::clicked, this, [this] { cmdClearAll_Click(); });
    connect(cboShow, &QComboBox::activated, this, [this] { ShowRead(); });
    connect(tabs, &QTabWidget::currentChanged, this, [this] { UpdateButtons(); });
}

QTableView* WeakWordsWindow::Grid(WeakWordsModel* model, QSortFilterProxyModel** proxy) {
    *proxy = new QSortFilterProxyModel(this);
    (*proxy)->setSourceModel(model);
    (*proxy)->setSortRole(WeakWordsModel::kSortRole);
    auto* grid = new QTableView(this);
    grid->setModel(*proxy);
    grid->setSortingEnabled(true);
    grid->setTabKeyNavigation(false); // Tab goes on to the next control
    // In the order of the ranking until a column is clicked.
    grid->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    grid->horizontalHeader()->setSortIndicatorShown(true);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    // Each figure as wide as its title with the sort arrow beside it, so that
    // all of them fit beside the word.
    grid->setColumnWidth(WeakWordsModel::Word, 150);
    for (int c = WeakWordsModel::Score; c < WeakWordsModel::Reading; ++c)
        grid->setColumnWidth(c, std::max(48, TitleWidth(grid->horizontalHeader(), c)));
    grid->setColumnWidth(WeakWordsModel::Reading, 150);
    grid->horizontalHeader()->setStretchLastSection(true);
    for (int c : {WeakWordsModel::Reading, WeakWordsModel::Meaning})
        grid->setColumnHidden(c, true);
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        UpdateButtons();
        ShowTyped();
    });
    return grid;
}

void WeakWordsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (widened_)
        return;
    widened_ = true;
    // Longer titles, as in English, widen the window until every figure shows
    // beside the word, with room for the scroll bar of a long record; the
    // Japanese ones fit as it is.
    int figures = 0;
    for (int c = WeakWordsModel::Word; c < WeakWordsModel::Reading; ++c)
        figures += grdWeak->columnWidth(c);
    const int over = figures - grdWeak->viewport()->width();
    if (over > 0)
        resize(width() + over + style()->pixelMetric(QStyle::PM_ScrollBarExtent), height());
}

void WeakWordsWindow::setContext(const WeakWordsContext& context) {
    const bool roundOver = context_.inRound && !context.inRound;
    const bool otherList = context.listWords != context_.listWords;
    context_ = context;
    cboShow->setItemText(1,
                         QCoreApplication::translate("WeakWordsWindow", "選んだリストの単語（%1）")
                             .arg(context_.listName));
    for (auto [grid, model] : {std::pair{grdWeak, weakModel}, {grdRetired, retiredModel}}) {
        model->setLookUp(context_.lookUp);
        for (int c : {WeakWordsModel::Reading, WeakWordsModel::Meaning})
            grid->setColumnHidden(c, !context_.lookUp);
    }
    if (roundOver)
        Refresh();
    else if (otherList && cboShow->currentIndex() == 1)
        ShowRead();
    else
        UpdateButtons();
}

void WeakWordsWindow::Refresh() {
    record_.read(this, [this](const records::WordRecordRead& read) {
        read_ = read;
        readOnce_ = true;
        ShowRead();
    });
    if (!readOnce_)
        ShowNote();
}

void WeakWordsWindow::setWaiting(bool waiting) {
    waiting_ = waiting;
    ShowNote();
}

void WeakWordsWindow::ShowRead() {
    const QString current = CurrentWord();
    const records::WordRecordRead& record = read_;
    // The player's usual speed is theirs over every word, whatever is shown.
    const double usual = game::UsualSpeed(record.words);
    QList<records::WordStats> shown;
    if (cboShow->currentIndex() == 1) {
        const QSet<QString> inList(context_.listWords.begin(), context_.listWords.end());
        for (const records::WordStats& w : record.words)
            if (inList.contains(w.word))
                shown.append(w);
    } else {
        shown = record.words;
    }
    QList<game::RankedWord> weak, retired;
    for (game::RankedWord& r : game::RankWords(shown, usual))
        (r.stats.retired ? retired : weak).append(std::move(r));
    practice_ = game::PracticeWords(weak);
    weakModel->setWords(std::move(weak));
    retiredModel->setWords(std::move(retired));
    tabs->setTabText(0, QCoreApplication::translate("WeakWordsWindow", "苦手な単語（%1）")
                            .arg(weakModel->rowCount()));
    tabs->setTabText(1, QCoreApplication::translate("WeakWordsWindow", "卒業した単語（%1）")
                            .arg(retiredModel->rowCount()));

    lstConfusions->clear();
    for (qsizetype i = 0; i < record.confusions.size() && i < kConfusionsShown; ++i)
        lstConfusions->addItem(ConfusionText(record.confusions[i]));

    ShowNote();

    // The word that was current stays so, when it is still shown.
    for (QTableView* grid : {grdWeak, grdRetired}) {
        const QModelIndexList found = grid->model()->match(
            grid->model()->index(0, 0), Qt::DisplayRole, current, 1, Qt::MatchExactly);
        if (!current.isEmpty() && !found.isEmpty())
            grid->setCurrentIndex(found.first());
    }
    UpdateButtons();
}

void WeakWordsWindow::ShowTyped() {
    const QString word = CurrentWord();
    lstTyped->clear();
    if (word.isEmpty())
        return;
    record_.typedInstead(word, this, [this, word](const QList<records::TypedInstead>& typed) {
        if (CurrentWord() != word)
            return; // another word is current by now
        lstTyped->clear();
        for (const records::TypedInstead& t : typed)
            lstTyped->addItem(TypedInsteadText(t));
    });
}

void WeakWordsWindow::ShowNote() {
    const records::WordRecordRead& record = read_;
    QString note;
    if (!readOnce_)
        note = QCoreApplication::translate("WeakWordsWindow", "記録を読んでいます…");
    else if (record.words.isEmpty())
        note = QCoreApplication::translate(
            "WeakWordsWindow",
            "まだ記録がありません。ラウンドで答えると、単語ごとに記録されます。");
    else if (practice_.isEmpty())
        note = QCoreApplication::translate(
            "WeakWordsWindow",
            "練習する単語はありません。間違えた単語や答えを見た単語が、ここで練習できます。");
    else
        note = QCoreApplication::translate("WeakWordsWindow",
                                           "練習では、苦手度の高い%1語から出題します。")
                   .arg(practice_.size());
    if (record.readOnly)
        note += QCoreApplication::translate(
                    "WeakWordsWindow",
                    "\n%1は新しい版のモジロタイピングで作られているため、読むだけにしています。")
                    .arg(records::kWordStoreFileName);
    if (waiting_)
        note += QCoreApplication::translate("WeakWordsWindow",
                                            "\nほかのプログラムが%1を使っています。"
                                            "空きしだい、記録を書き込んで表示します。")
                    .arg(records::kWordStoreFileName);
    lblNote->setText(note);
}

QStringList WeakWordsWindow::practiceWords() const {
    return practice_;
}

QString WeakWordsWindow::CurrentWord() const {
    const QTableView* grid = tabs->currentIndex() == 1 ? grdRetired : grdWeak;
    const QModelIndex index = grid->currentIndex();
    if (!index.isValid())
        return {};
    return grid->model()->index(index.row(), WeakWordsModel::Word).data().toString();
}

void WeakWordsWindow::UpdateButtons() {
    cmdPractise->setEnabled(!context_.inRound && !practice_.isEmpty() && context_.practise);
    const bool word = !CurrentWord().isEmpty();
    cmdRemove->setEnabled(word && !read_.readOnly);
    cmdBringBack->setEnabled(word && !read_.readOnly && tabs->currentIndex() == 1);
    // The whole record, whatever the choice of 表示 shows of it.
    cmdClearAll->setEnabled(!read_.readOnly &&
                            (!read_.words.isEmpty() || !read_.confusions.isEmpty()));
}

void WeakWordsWindow::cmdPractise_Click() {
    if (context_.inRound || practice_.isEmpty() || !context_.practise)
        return;
    context_.practise(practice_);
}

void WeakWordsWindow::cmdRemove_Click() {
    const QString word = CurrentWord();
    if (word.isEmpty())
        return;
    record_.removeWord(word, this, [this](bool removed) {
        if (removed)
            Refresh();
    });
}

void WeakWordsWindow::cmdBringBack_Click() {
    const QString word = CurrentWord();
    if (word.isEmpty() || tabs->currentIndex() != 1)
        return;
    record_.bringBack(word, this, [this](bool back) {
        if (back)
            Refresh();
    });
}

void WeakWordsWindow::cmdClearAll_Click() {
    if (boxes_.ask(this, QMessageBox::Warning,
                   QCoreApplication::translate("WeakWordsWindow", "クリア確認"),
                   QCoreApplication::translate("WeakWordsWindow",
                                               "単語の記録をすべて消します。よろしいですか？"),
                   QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) != QMessageBox::Ok)
        return;
    record_.clear(this, [this](bool cleared) {
        if (cleared)
            boxes_.tell(this, QCoreApplication::translate("WeakWordsWindow", "クリア終了"),
                        QCoreApplication::translate("WeakWordsWindow", "単語の記録を消しました"));
        else
            boxes_.warn(
                this, QCoreApplication::translate("WeakWordsWindow", "クリアエラー"),
                QCoreApplication::translate("WeakWordsWindow", "単語の記録を消せませんでした。"));
        Refresh();
    });
}

WeakWordsWindows::WeakWordsWindows(game::WordRecord& record, MessageBoxes& boxes)
    : record_(record), boxes_(boxes) {
    record_.setWaitingHandler([this](bool waiting) {
        waiting_ = waiting;
        if (window_)
            window_->setWaiting(waiting);
    });
}

WeakWordsWindows::~WeakWordsWindows() {
    record_.setWaitingHandler(nullptr);
    delete window_.data();
}

void WeakWordsWindows::show(const WeakWordsContext& context, QWidget* owner) {
    if (!window_) {
        window_ = new WeakWordsWindow(record_, boxes_, owner);
        window_->setWaiting(waiting_);
    }
    window_->setContext(context);
    window_->Refresh(); // what was recorded since it last showed
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void WeakWordsWindows::contextChanged(const WeakWordsContext& context) {
    if (window_)
        window_->setContext(context);
}

void WeakWordsWindows::closeAll() {
    delete window_.data();
}

} // namespace ui
