// Every text of the window, in the language of the game's texts: set when the
// window is made and again whenever the player chooses another language.
#include "ui/frm_main.h"
#include "ui/widgets.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QStringListModel>
#include <QTableView>
#include <QToolButton>

namespace ui {

void frmMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QWidget::changeEvent(event);
}

void frmMain::ShowValue(game::Caption label) {
    // A screen reader reads the question as it shows, and each figure with
    // what it counts; a new question is announced by its changed name.
    QLabel* const labels[] = {lblMondai, lblOk, lblNg, lblMoji_T, lblByou, lblRitu};
    const QString names[] = {tr("問題"),   tr("正解数"),         tr("間違い数"),
                             tr("文字数"), tr("秒当たり文字数"), tr("正解率")};
    QLabel* shown = labels[int(label)];
    const QString& name = names[int(label)];
    if (label == game::Caption::Mondai)
        shown->setAccessibleName(shown->text().isEmpty() ? name : shown->text());
    else
        shown->setAccessibleName(shown->text().isEmpty() ? name
                                                         : tr("%1 %2").arg(name, shown->text()));
}

QString frmMain::Shown(QString figure) const {
    return RirekiModel::Units(std::move(figure));
}

void frmMain::Retranslate() {
    // The buttons: caption, what they do, and a key of their own. The
    // Japanese captions carry no mark, as designed; the key works all the same.
    const struct {
        QToolButton* button;
        QString caption, tip;
        QKeySequence key;
    } buttons[] = {
        {cmdStart, tr("スタート"), tr("ゲームをスタートします"), QKeySequence(tr("Alt+S"))},
        {cmdHozon, tr("保存"), tr("データを保存します"), QKeySequence(tr("Alt+V"))},
        {cmdClear, tr("クリア"), tr("履歴データをクリアします"), QKeySequence(tr("Alt+C"))},
        {cmdHelp, tr("ヘルプ"), tr("ヘルプファイルを開きます"), QKeySequence(tr("Alt+H"))},
        {cmdEnd, tr("終了"), tr("プログラムを終了します"), QKeySequence(tr("Alt+Q"))},
    };
    for (const auto& b : buttons) {
        b.button->setText(b.caption);
        b.button->setShortcut(b.key);
        b.button->setToolTip(b.tip);
        b.button->setAccessibleName(QString(b.caption).remove(u'&'));
        b.button->setAccessibleDescription(
            tr("%1（%2）").arg(b.tip, b.key.toString(QKeySequence::NativeText)));
    }
    Image1->setAccessibleName(
        QStringLiteral("モジロタイピング")); // the game's name in any language
    const QString lights[] = {QString(), tr("赤"), tr("黄"), tr("青")};
    for (int i = 1; i <= 3; ++i) {
        imgStart[i]->setAccessibleName(tr("カウントダウン"));
        imgStart[i]->setAccessibleDescription(lights[i]);
    }
    Label1->setText(tr("プレイ秒数"));
    cboJikan->setAccessibleName(tr("プレイ秒数"));
    cboJikan->lineEdit()->setAccessibleName(tr("プレイ秒数"));
    cboJikan->setAccessibleDescription(tr("1ラウンドの秒数（Alt+T）"));
    chkAs->setToolTip(tr("履歴の自動保存を制御します"));
    chkAs->setAccessibleName(tr("自動保存"));
    chkAs->setAccessibleDescription(tr("履歴の自動保存を制御します（Alt+A）"));
    chkAs->setShortcut(QKeySequence(tr("Alt+A")));

    // The five figures: what each counts, for a player new to them.
    const struct {
        QLabel* label;
        QString name, tip;
    } figures[] = {
        {lblOk, tr("正解数"), tr("正解数：このラウンドで正しく答えた数")},
        {lblNg, tr("間違い数"), tr("間違い数：このラウンドで間違えた数")},
        {lblMoji_T, tr("文字数"), tr("文字数：正しく答えた単語の文字の合計（時間切れで表示）")},
        {lblRitu, tr("正解率"), tr("正解率：答えのうち正しかった割合（時間切れで表示）")},
        {lblByou, tr("秒当たり文字数"),
         tr("秒当たり文字数：文字数をプレイ秒数で割った速さ（時間切れで表示）")},
    };
    for (const auto& f : figures) {
        f.label->setToolTip(f.tip);
        f.label->setAccessibleDescription(f.tip);
    }
    if (!caption_[int(game::Caption::Byou)].isEmpty())
        SetFittedText(lblByou, Shown(caption_[int(game::Caption::Byou)]));
    shpJikanK->setAccessibleName(tr("残り時間"));

    lblHint->setText(tr("　問題"));
    lblHint->setToolTip(tr("クリックすると元の文字がわかります"));
    lblHint->setAccessibleName(tr("問題"));
    lblHint->setAccessibleDescription(tr("クリックすると元の文字がわかります"));
    lblMondai->setAccessibleDescription(tr("問題：並べ替えた単語"));
    for (game::Caption c : {game::Caption::Mondai, game::Caption::Ok, game::Caption::Ng,
                            game::Caption::MojiT, game::Caption::Byou, game::Caption::Ritu})
        ShowValue(c);
    Label2->setText(tr("　解答"));
    Label2->setAccessibleName(tr("解答"));
    txtKaitou->setAccessibleName(tr("解答"));
    txtKaitou->setAccessibleDescription(
        tr("並べ替える前の単語を打って Enter で答えます。Esc で答えが見られます。"));

    fraJisyo->setTitle(panelFilled_ ? game::JisyoCaption(jisyoModel_->rowCount())
                                    : tr("登録ワード一覧"));
    lstJisyo->setAccessibleName(tr("登録ワード一覧"));
    ShowWordListTip();
    frmRireki->setTitle(tr("モジロ履歴"));
    lstRireki->setAccessibleName(tr("モジロ履歴"));
    msgRireki->setAccessibleName(tr("履歴"));
    msgRireki->setAccessibleDescription(tr("保存したラウンドの成績。メニューキーでグラフなど"));
    rirekiModel_->retranslate();
    lblMeaning->setAccessibleName(tr("読みと意味"));
    mnuGraph->setText(tr("成績グラフ(&G)"));
    mnuWeak->setText(tr("苦手な単語(&W)…"));
    mnuCsv->setText(tr("CSVに書き出す(&E)…"));
    mnuCopy->setText(tr("結果をコピー(&C)"));
    setWindowTitle(book_.practising() && InRound()
                       ? QStringLiteral("モジロタイピング") + tr("（練習）")
                       : QStringLiteral("モジロタイピング"));
}

} // namespace ui
