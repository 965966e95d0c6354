// For learners: the reading and meaning of each word answered or looked at,
// a hint of the meaning on F2, and the practice round told apart.
#include "ui/frm_main.h"
#include "ui/widgets.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QTimer>

namespace ui {
namespace {

// Long enough to read a line or two at a glance, short enough to be gone
// before the next answer is typed.
constexpr int kMeaningShownMs = 6000;
constexpr int kGlossesShown = 4;

QString Glosses(const records::DictionaryHit& hit) {
    QString text = hit.glosses.mid(0, kGlossesShown).join(QStringLiteral("; "));
    if (hit.glosses.size() > kGlossesShown || hit.moreSenses > 0)
        text += QCoreApplication::translate("frmMain", " …");
    return text;
}

} // namespace

QString ReadingText(const QString& word, const records::DictionaryHit& hit) {
    QString head = word;
    if (hit.written != word && !hit.usuallyKana)
        head += QCoreApplication::translate("frmMain", "（%1）").arg(hit.written);
    if (hit.reading != word)
        head += QCoreApplication::translate("frmMain", "【%1】").arg(hit.reading);
    return head + QCoreApplication::translate("frmMain", "　") + Glosses(hit);
}

void frmMain::setLearnOptions(const records::LearnOptions& learn) {
    if (learn.readings && services_.dictionary.state() != game::Dictionary::State::Ready) {
        // Turned on once the dictionary is open; said at once when it is missing.
        services_.dictionary.open(this, [this, learn] {
            if (services_.dictionary.state() == game::Dictionary::State::Ready)
                return setLearnOptions(learn);
            services_.boxes.warn(this, tr("読みと意味"),
                                 tr("辞書（%1）がありません。\n%2 パッケージを入れると使えます"
                                    "（sudo apt-get install %2）。")
                                     .arg(records::kEdictPath, game::kDictionaryPackage));
            // Kept off, so that a dictionary gone since is told once, not at every start.
            if (services_.options.learn().readings)
                services_.options.setLearn({false});
        });
        return;
    }
    learn_ = learn;
    if (!learn_.readings)
        lblMeaning->hide();
    services_.weakWords.contextChanged(WeakContext());
    if (!services_.options.setLearn(learn_))
        SaveErrorOnce(optionsFailureTold_, tr("表示の設定をオプション.txtに保存できませんでした。\n"
                                              "変更した設定は、ゲームを終えるまで使われます。"));
}

bool frmMain::ReadingsShown() const {
    return learn_.readings && services_.dictionary.state() == game::Dictionary::State::Ready;
}

void frmMain::ShowMeaning(const QString& text) {
    lblMeaning->setText(text);
    lblMeaning->show();
    lblMeaning->raise();
    meaningTimer_->start(kMeaningShownMs);
}

void frmMain::wordShown(const QString& word, bool solved) {
    if (!ReadingsShown())
        return;
    const std::optional<records::DictionaryHit> hit = services_.dictionary.lookUp(word);
    if (solved && lstRireki->count() > 0)
        lstRireki->item(lstRireki->count() - 1)
            ->setToolTip(hit ? ReadingText(word, *hit) : QString());
    if (hit)
        ShowMeaning(ReadingText(word, *hit));
    else if (!unknownTold_.contains(word)) {
        unknownTold_ << word;
        ShowMeaning(tr("「%1」は辞書にありません。").arg(word));
    }
}

void frmMain::txtKaitou_MeaningHint() {
    if (!ReadingsShown() || state_.strSeikai.isEmpty())
        return;
    const std::optional<records::DictionaryHit> hit = services_.dictionary.lookUp(state_.strSeikai);
    ShowMeaning(hit ? tr("意味：") + Glosses(*hit) : tr("この単語は辞書にありません。"));
    if (hit)
        book_.meaningShown();
}

} // namespace ui

namespace ui {

void frmMain::mnuFromDictionary_Click() {
    if (InRound())
        return;
    // The dictionary is opened at the first need, then the dialog shows.
    services_.dictionary.open(this, [this] {
        const records::DictionaryIndex* index = services_.dictionary.index();
        if (!index) {
            services_.boxes.warn(this, tr("辞書から単語リストを作る"),
                                 tr("辞書（%1）がありません。\n%2 パッケージを入れると使えます"
                                    "（sudo apt-get install %2）。")
                                     .arg(records::kEdictPath, game::kDictionaryPackage));
            return;
        }
        const std::optional<WordListService::MadeList> made =
            services_.wordLists.makeFromDictionary(*index, this);
        if (!made || InRound())
            return;
        const std::optional<QString> name =
            WriteNewList(made->name + QStringLiteral(".txt"), made->words,
                         records::TextEncoding::Cp932, "\r\n", tr("辞書から単語リストを作る"));
        if (!name)
            return;
        services_.boxes.tell(
            this, tr("単語リスト"),
            tr("辞書の%n語で単語リスト「%1」を作りました。", nullptr, int(made->words.size()))
                .arg(ShownList(*name)));
        ChooseList(*name);
    });
}

} // namespace ui
