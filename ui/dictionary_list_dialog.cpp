#include "ui/dictionary_list_dialog.h"

#include "game/word_list.h"
#include "ui/look.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace ui {
namespace {

// A word of more than this is rare in the dictionary and long to type.
constexpr int kLongestOffered = 20;

const std::pair<game::DictPart, const char*> kParts[] = {
    {game::DictPart::All, QT_TRANSLATE_NOOP("DictionaryList", "すべて")},
    {game::DictPart::Noun, QT_TRANSLATE_NOOP("DictionaryList", "名詞")},
    {game::DictPart::Verb, QT_TRANSLATE_NOOP("DictionaryList", "動詞")},
    {game::DictPart::IAdjective, QT_TRANSLATE_NOOP("DictionaryList", "い形容詞")},
    {game::DictPart::NaAdjective, QT_TRANSLATE_NOOP("DictionaryList", "な形容詞")}};

} // namespace

DictionaryListDialog::DictionaryListDialog(const records::DictionaryIndex& index, QWidget* owner)
    : QDialog(owner), index_(index) {
    setObjectName(QStringLiteral("frmDictionaryList"));
    setWindowTitle(QCoreApplication::translate("DictionaryList", "辞書から単語リストを作る"));
    setFont(GothicFont(13));

    chkCommon = new QCheckBox(
        QCoreApplication::translate("DictionaryList", "よく使われる単語だけ(&C)"), this);
    chkCommon->setObjectName(QStringLiteral("chkCommon"));
    chkCommon->setChecked(true);
    cboPart = new QComboBox(this);
    cboPart->setObjectName(QStringLiteral("cboPart"));
    for (const auto& [part, name] : kParts)
        cboPart->addItem(QCoreApplication::translate("DictionaryList", name), int(part));
    cboScript = new QComboBox(this);
    cboScript->setObjectName(QStringLiteral("cboScript"));
    cboScript->addItem(
        QCoreApplication::translate("DictionaryList", "ひらがな（漢字やかなの単語の読み）"),
        int(game::DictScript::Reading));
    cboScript->addItem(QCoreApplication::translate("DictionaryList", "カタカナ（外来語）"),
                       int(game::DictScript::Katakana));
    spnShortest = new QSpinBox(this);
    spnShortest->setObjectName(QStringLiteral("spnShortest"));
    spnLongest = new QSpinBox(this);
    spnLongest->setObjectName(QStringLiteral("spnLongest"));
    for (QSpinBox* s : {spnShortest, spnLongest}) {
        s->setRange(1, kLongestOffered);
        s->setSuffix(QCoreApplication::translate("DictionaryList", "文字", "characters of a word"));
    }
    spnShortest->setValue(3);
    spnLongest->setValue(5);
    auto* lengths = new QHBoxLayout;
    lengths->addWidget(spnShortest);
    lengths->addWidget(new QLabel(QCoreApplication::translate("DictionaryList", "から"), this));
    lengths->addWidget(spnLongest);
    lengths->addStretch(1);
    lblCount = new QLabel(this);
    lblCount->setObjectName(QStringLiteral("lblCount"));
    lblCount->setWordWrap(true);
    lblCount->setMinimumHeight(lblCount->fontMetrics().height() * 3);
    txtName = new QLineEdit(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setMaxLength(60);

    auto* form = new QFormLayout;
    form->addRow(chkCommon);
    form->addRow(QCoreApplication::translate("DictionaryList", "品詞(&P)"), cboPart);
    form->addRow(QCoreApplication::translate("DictionaryList", "文字(&S)"), cboScript);
    // A row of two boxes: its label's key goes to the first.
    auto* lengthLabel = new QLabel(QCoreApplication::translate("DictionaryList", "長さ(&L)"), this);
    lengthLabel->setBuddy(spnShortest);
    form->addRow(lengthLabel, lengths);
    form->addRow(lblCount);
    form->addRow(QCoreApplication::translate("DictionaryList", "リストの名前(&N)"), txtName);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)
        ->setText(QCoreApplication::translate("DictionaryList", "作る"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    for (const auto& [label, widget] :
         {std::pair{QCoreApplication::translate("DictionaryList", "品詞"),
                    static_cast<QWidget*>(cboPart)},
          {QCoreApplication::translate("DictionaryList", "文字", "hiragana or katakana"),
           cboScript},
          {QCoreApplication::translate("DictionaryList", "いちばん短い単語"), spnShortest},
          {QCoreApplication::translate("DictionaryList", "いちばん長い単語"), spnLongest},
          {QCoreApplication::translate("DictionaryList", "リストの名前"), txtName}})
        widget->setAccessibleName(label);

    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (made_.count > 0 && !name().isEmpty())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(chkCommon, &QCheckBox::toggled, this, [this] { Recount(); });
    connect(cboPart, &QComboBox::currentIndexChanged, this, [this] { Recount(); });
    connect(cboScript, &QComboBox::currentIndexChanged, this, [this] { Recount(); });
    connect(spnShortest, &QSpinBox::valueChanged, this, [this](int v) {
        spnLongest->setValue(std::max(v, spnLongest->value()));
        Recount();
    });
    connect(spnLongest, &QSpinBox::valueChanged, this, [this](int v) {
        spnShortest->setValue(std::min(v, spnShortest->value()));
        Recount();
    });
    connect(txtName, &QLineEdit::textEdited, this, [this] { nameEdited_ = true; });
    Recount();
}

game::ListFilter DictionaryListDialog::filter() const {
    game::ListFilter f;
    f.commonOnly = chkCommon->isChecked();
    f.part = game::DictPart(cboPart->currentData().toInt());
    f.script = game::DictScript(cboScript->currentData().toInt());
    f.minLength = spnShortest->value();
    f.maxLength = spnLongest->value();
    return f;
}

QString DictionaryListDialog::name() const {
    // A name, never a path.
    QString n = txtName->text().trimmed();
    n.replace(u'/', u'／').replace(u'\\', u'＼');
    if (n.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive))
        n.chop(4); // the list's file gets its .txt
    return n;
}

void DictionaryListDialog::Recount() {
    made_ = game::MakeDictionaryList(index_, filter());
    QString text =
        made_.count == 0
            ? QCoreApplication::translate("DictionaryList", "当てはまる単語がありません。")
            : QCoreApplication::translate("DictionaryList", "%n語　例：%1", nullptr, made_.count)
                  .arg(made_.sample.join(QCoreApplication::translate("DictionaryList", "、")));
    if (made_.count > game::kMaxWords)
        text += QCoreApplication::translate("DictionaryList", "\n遊べるのは初めの%1語です。")
                    .arg(game::kMaxWords);
    lblCount->setText(text);
    if (!nameEdited_) {
        const game::ListFilter f = filter();
        txtName->setText(QCoreApplication::translate("DictionaryList", "辞書 %1 %2〜%3文字%4%5")
                             .arg(cboPart->currentText())
                             .arg(f.minLength)
                             .arg(f.maxLength)
                             .arg(f.script == game::DictScript::Katakana
                                      ? QCoreApplication::translate("DictionaryList", " カタカナ")
                                      : QString(),
                                  f.commonOnly ? QString()
                                               : QCoreApplication::translate("DictionaryList",
                                                                             " すべての単語")));
    }
}

} // namespace ui
