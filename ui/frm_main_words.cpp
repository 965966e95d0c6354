// The word panel's lists and length levels: its menu, import and editing.
#include "game/word_list.h"
#include "records/word_list_file.h"
#include "ui/frm_main.h"
#include "ui/widgets.h"
#include "ui/word_list_editor.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QListView>
#include <QMenu>
#include <QStringListModel>

namespace ui {
namespace {

const char* const kLevelNames[game::kLengthLevels] = {
    QT_TRANSLATE_NOOP("frmMain", "すべて"), QT_TRANSLATE_NOOP("frmMain", "2〜3文字"),
    QT_TRANSLATE_NOOP("frmMain", "4〜5文字"), QT_TRANSLATE_NOOP("frmMain", "6文字以上")};

// The lists that come with the game, whose names the English texts translate.
[[maybe_unused]] const char* const kShippedLists[] = {
    QT_TRANSLATE_NOOP("ShippedList", "たべもの"),
    QT_TRANSLATE_NOOP("ShippedList", "どうぶつ"),
    QT_TRANSLATE_NOOP("ShippedList", "のりもの"),
    QT_TRANSLATE_NOOP("ShippedList", "しぜんとてんき"),
    QT_TRANSLATE_NOOP("ShippedList", "からだ"),
    QT_TRANSLATE_NOOP("ShippedList", "いえとまち"),
    QT_TRANSLATE_NOOP("ShippedList", "しごと"),
    QT_TRANSLATE_NOOP("ShippedList", "カタカナのことば"),
    QT_TRANSLATE_NOOP("ShippedList", "ながいことば"),
    QT_TRANSLATE_NOOP("ShippedList", "かんじのことば")};

QString LevelName(game::LengthLevel level) {
    return QCoreApplication::translate("frmMain", kLevelNames[int(level)]);
}

// A name kept from before, or edited by hand, that is no file of the folder.
bool IsListName(const QString& list) {
    return !list.isEmpty() && !list.contains(u'/') && !list.contains(u'\\') && list != u"." &&
           list != u"..";
}

QString MenuText(QString text) {
    return text.replace(u'&', QStringLiteral("&&"));
}

} // namespace

QStringList frmMain::WordLists() const {
    QStringList lists = records::FindWordLists(records::kWordListFolder);
    game::SortJapanese(lists);
    lists.prepend(QString());
    return lists;
}

frmMain::ListUse frmMain::UseWordList(const game::ListChoice& choice) {
    const QString& list = choice.list;
    const game::LengthLevel level = choice.level;
    QStringList words;
    if (list.isEmpty())
        words = game::ReadWordList(game::kJisyoFileName);
    else if (!IsListName(list) ||
             game::ReadWordListFile(game::ListPath(list), words) != records::ReadStatus::Ok)
        return ListUse::Unreadable;
    words = game::OfLevel(std::move(words), level);
    if (words.isEmpty() && level != game::LengthLevel::All)
        return ListUse::LevelEmpty;

    const QStringList shown = services_.panelOrder.sorted(std::move(words));
    jisyoModel_->setStringList(shown);
    fraJisyo->setTitle(game::JisyoCaption(shown.size()));
    panelFilled_ = true;
    book_.setList(choice);
    ShowWordListTip();
    services_.weakWords.contextChanged(WeakContext());
    return ListUse::Used;
}

void frmMain::ShowWordListTip() {
    const game::ListChoice& chosen = book_.list();
    QString about = tr("単語リスト：") + ShownList(chosen.list);
    if (chosen.level != game::LengthLevel::All)
        about += tr("（%1）").arg(LevelName(chosen.level));
    for (QWidget* w : {static_cast<QWidget*>(fraJisyo), static_cast<QWidget*>(lstJisyo)}) {
        w->setToolTip(about);
        w->setAccessibleDescription(about);
    }
}

void frmMain::RestoreWordList() {
    const records::WordListOption kept = services_.options.wordList();
    const QString& saved = kept.list;
    const game::LengthLevel level = game::LengthLevelOf(kept.level);
    if (!saved.isEmpty() && UseWordList({saved, level}) == ListUse::Used)
        return;
    if (!saved.isEmpty() && UseWordList({saved, game::LengthLevel::All}) == ListUse::Used) {
        KeepWordListChoice(); // the list changed since: every word of it
        return;
    }
    const bool gone = !saved.isEmpty();
    if (UseWordList({QString(), level}) != ListUse::Used) {
        UseWordList({});
        KeepWordListChoice();
    }
    if (gone) {
        services_.boxes.warn(this, tr("単語リスト"),
                             tr("単語リスト「%1」が見つからないか、読めません。\n"
                                "辞書.txtの単語で遊びます。")
                                 .arg(ShownList(saved)));
        KeepWordListChoice();
    }
}

void frmMain::KeepWordListChoice() {
    const game::ListChoice& chosen = book_.list();
    if (!services_.options.setWordList({chosen.list, int(chosen.level)}))
        SaveErrorOnce(listChoiceFailureTold_,
                      tr("選んだ単語リストをオプション.txtに保存できませんでした。\n"
                         "次に起動したときは、辞書.txtで始まります。"));
}

void frmMain::ApplyChoice(const game::ListChoice& choice, bool levelChosen) {
    const QString shownList = ShownList(choice.list);
    switch (UseWordList(choice)) {
    case ListUse::Used:
        break;
    case ListUse::Unreadable:
        services_.boxes.warn(this, tr("単語リスト"),
                             tr("単語リスト「%1」を読めません。").arg(shownList));
        return;
    case ListUse::LevelEmpty:
        if (levelChosen) {
            services_.boxes.tell(
                this, tr("単語リスト"),
                tr("「%1」には%2の単語がありません。長さは「%3」のままです。")
                    .arg(shownList, LevelName(choice.level), LevelName(book_.list().level)));
            return;
        }
        UseWordList({choice.list, game::LengthLevel::All});
        services_.boxes.tell(this, tr("単語リスト"),
                             tr("「%1」には%2の単語がないため、長さを「すべて」にしました。")
                                 .arg(shownList, LevelName(choice.level)));
        break;
    }
    KeepWordListChoice();
}

void frmMain::ChooseList(const QString& list) {
    const game::ListChoice now = book_.pending().value_or(book_.list());
    if (InRound())
        book_.keepForRoundEnd({list, now.level});
    else
        ApplyChoice({list, book_.list().level}, false);
}

void frmMain::ChooseLevel(game::LengthLevel level) {
    const game::ListChoice now = book_.pending().value_or(book_.list());
    if (InRound())
        book_.keepForRoundEnd({now.list, level});
    else
        ApplyChoice({book_.list().list, level}, true);
}

void frmMain::fraJisyo_ContextMenu(QPoint globalPos) {
    ClearMenu(mnuJisyo);
    const game::ListChoice shown = book_.pending().value_or(book_.list());
    if (InRound()) {
        mnuJisyo
            ->addAction(tr("ラウンド中です。選んだリストと長さは、"
                           "ラウンドが終わってから使われます"))
            ->setEnabled(false);
        mnuJisyo->addSeparator();
    }
    auto* lists = new QActionGroup(mnuJisyo);
    const QStringList all = WordLists();
    for (qsizetype i = 0; i < all.size(); ++i) {
        QAction* a = mnuJisyo->addAction(MenuText(ShownList(all[i])));
        a->setObjectName(QStringLiteral("mnuList_%1").arg(i));
        a->setCheckable(true);
        a->setChecked(all[i] == shown.list);
        a->setActionGroup(lists);
        connect(a, &QAction::triggered, this, [this, list = all[i]] { ChooseList(list); });
    }
    mnuJisyo->addSeparator();
    auto* levels = new QActionGroup(mnuJisyo);
    for (int l = 0; l < game::kLengthLevels; ++l) {
        QAction* a = mnuJisyo->addAction(LevelName(game::LengthLevel(l)));
        a->setObjectName(QStringLiteral("mnuLevel_%1").arg(l));
        a->setCheckable(true);
        a->setChecked(game::LengthLevel(l) == shown.level);
        a->setActionGroup(levels);
        connect(a, &QAction::triggered, this, [this, l] { ChooseLevel(game::LengthLevel(l)); });
    }
    mnuJisyo->addSeparator();
    QAction* import = mnuJisyo->addAction(tr("ファイルから読み込む(&I)…"));
    import->setObjectName("mnuImport");
    connect(import, &QAction::triggered, this, [this] { mnuImport_Click(); });
    QAction* fromDictionary = mnuJisyo->addAction(tr("辞書から単語リストを作る(&D)…"));
    fromDictionary->setObjectName("mnuFromDictionary");
    connect(fromDictionary, &QAction::triggered, this, [this] { mnuFromDictionary_Click(); });
    fromDictionary->setEnabled(!InRound());
    QAction* edit = mnuJisyo->addAction(tr("単語リストを編集(&E)…"));
    edit->setObjectName("mnuEdit");
    connect(edit, &QAction::triggered, this, [this] { mnuEdit_Click(); });
    // A file dialog or an editor over a round in play would cost its seconds.
    import->setEnabled(!InRound());
    edit->setEnabled(!InRound());
    mnuJisyo->addSeparator();
    QAction* weak = mnuJisyo->addAction(tr("苦手な単語(&W)…"));
    weak->setObjectName("mnuWeakWords");
    connect(weak, &QAction::triggered, this, [this] { mnuWeak_Click(); });
    mnuJisyo->popup(globalPos);
}

void frmMain::mnuImport_Click() {
    if (InRound())
        return;
    const QString source = services_.wordLists.chooseFileToImport(this);
    if (source.isEmpty())
        return;
    const QString shownSource = QDir::toNativeSeparators(source);
    const auto refuse = [&](const QString& why) {
        services_.boxes.warn(this, tr("読み込みエラー"), why);
    };
    records::ListText text;
    if (records::ReadListText(source, records::TextEncoding::Utf8, text) != records::ReadStatus::Ok)
        return refuse(tr("%1 を読めませんでした。").arg(shownSource));
    if (text.binary)
        return refuse(tr("%1 はテキストファイルではありません。").arg(shownSource));
    const game::ListCheck check = game::CheckList(text.items);
    if (check.words.isEmpty())
        return refuse(tr("%1 には使える単語がありませんでした。").arg(shownSource));

    const QFileInfo target(
        QDir(records::kWordListFolder)
            .filePath(records::ListFileName(records::kWordListFolder, source, false)));
    if (target.exists() && target.canonicalFilePath() == QFileInfo(source).canonicalFilePath()) {
        ChooseList(target.fileName()); // one of ours already
        return;
    }
    // The copy holds the words the game takes, in the file's own encoding.
    const std::optional<QString> name =
        WriteNewList(source, check.words, text.encoding, text.lineEnd, tr("読み込み"));
    if (!name)
        return;

    QString report =
        tr("単語リスト「%1」に%n語を読み込みました。", nullptr, int(check.words.size()))
            .arg(ShownList(*name));
    if (const QString left = LeftOutText(check); !left.isEmpty())
        report += tr("\n除いたもの：") + left;
    if (text.truncated)
        report += tr("\nファイルが大きすぎるため、初めの部分だけを読みました。");
    services_.boxes.tell(this, tr("読み込み終了"), report);
    ChooseList(*name);
}

std::optional<QString> frmMain::WriteNewList(const QString& source, const QStringList& words,
                                             records::TextEncoding encoding, QByteArrayView lineEnd,
                                             const QString& title) {
    const bool importing = title == tr("読み込み");
    const auto refuse = [&](const QString& why) {
        services_.boxes.warn(this, importing ? tr("読み込みエラー") : title, why);
        return std::nullopt;
    };
    const QString folder = records::kWordListFolder;
    if (!QDir().mkpath(folder))
        return refuse(tr("フォルダー %1 を作れませんでした。")
                          .arg(QDir::toNativeSeparators(QDir(folder).absolutePath())));
    QString name = records::ListFileName(folder, source, false);
    const QFileInfo target(QDir(folder).filePath(name));
    if (target.exists() || target.isSymLink()) {
        const auto answer = services_.boxes.ask(
            this, QMessageBox::Question, title,
            (importing ? tr("単語リスト「%1」はもうあります。置き換えますか？\n"
                            "「いいえ」を選ぶと、別の名前で読み込みます。")
                       : tr("単語リスト「%1」はもうあります。置き換えますか？\n"
                            "「いいえ」を選ぶと、別の名前で作ります。"))
                .arg(ShownList(name)),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel)
            return std::nullopt;
        if (answer == QMessageBox::No)
            name = records::ListFileName(folder, source, true);
    }
    std::optional<QByteArray> bytes = records::EncodeListText(words, encoding, lineEnd);
    if (!bytes) // a character the code page cannot hold
        bytes = records::EncodeListText(words, records::TextEncoding::Utf8, lineEnd);
    const QString path = QDir(folder).filePath(name);
    if (!records::ReplaceFile(path, *bytes, true))
        return refuse(tr("単語リストを %1 に書けませんでした。")
                          .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
    return name;
}

void frmMain::mnuEdit_Click() {
    if (InRound())
        return;
    const game::ListChoice chosen = book_.list();
    if (services_.wordLists.edit(game::ListPath(chosen.list), ShownList(chosen.list),
                                 chosen.list.isEmpty(), this))
        ApplyChoice(chosen, false);
}

} // namespace ui
