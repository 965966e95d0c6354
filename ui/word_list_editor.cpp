#include "ui/word_list_editor.h"

#include "ui/dictionary_list_dialog.h"

#include "game/word_list.h"
#include "records/items.h"
#include "ui/file_dialog.h"
#include "ui/look.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>

#include <vector>

namespace ui {
namespace {

// A pause in typing this long recounts; a long list is not recounted at every key.
constexpr int kRecountMs = 250;

struct Lines {
    QStringList items;
    std::vector<int> lineOf; // the line of each item
};

// The items as the game would read the text: a line may hold several,
// separated by commas.
Lines ItemsOf(const QString& text) {
    Lines lines;
    const QStringList all = text.split(u'\n');
    for (int l = 0; l < all.size(); ++l) {
        records::ItemReader reader(all[l]);
        while (!reader.atEnd()) {
            lines.items.append(reader.next().text);
            lines.lineOf.push_back(l);
        }
    }
    return lines;
}

QColor MarkColour(game::ListCheck::Mark mark) {
    switch (mark) {
    case game::ListCheck::Duplicate:
        return QColor(255, 240, 150);
    case game::ListCheck::TooLong:
    case game::ListCheck::Unreadable:
        return QColor(255, 190, 190);
    case game::ListCheck::OverLimit:
        return QColor(210, 210, 210);
    default:
        return {};
    }
}

} // namespace

WordListEditor::WordListEditor(const QString& path, const QString& name,
                               records::TextEncoding unsure, MessageBoxes& boxes, QWidget* owner)
    : QDialog(owner), boxes_(boxes), path_(path) {
    setObjectName(QStringLiteral("WordListEditor"));
    setWindowTitle(QCoreApplication::translate("WordListEditor", "単語リストの編集 - ") + name);
    auto* layout = new QVBoxLayout(this);
    auto* legend =
        new QLabel(QCoreApplication::translate("WordListEditor",
                                               "1行に1語。黄色は重複、赤は長すぎる単語か読めない"
                                               "文字のある単語で、ゲームでは使われません。"),
                   this);
    legend->setWordWrap(true);
    layout->addWidget(legend);
    words = new QPlainTextEdit(this);
    words->setObjectName(QStringLiteral("words"));
    words->setFont(GothicFont(16));
    words->setLineWrapMode(QPlainTextEdit::NoWrap);
    words->setAccessibleName(QCoreApplication::translate("WordListEditor", "単語"));
    layout->addWidget(words);
    count = new QLabel(this);
    count->setObjectName(QStringLiteral("count"));
    layout->addWidget(count);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    saveButton = buttons->button(QDialogButtonBox::Save);
    saveButton->setText(QCoreApplication::translate("WordListEditor", "保存(&S)"));
    buttons->button(QDialogButtonBox::Cancel)
        ->setText(QCoreApplication::translate("WordListEditor", "キャンセル"));
    layout->addWidget(buttons);
    connect(saveButton, &QPushButton::clicked, this, [this] {
        if (save())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(360, 460);

    pause_ = new QTimer(this);
    pause_->setSingleShot(true);
    pause_->setInterval(kRecountMs);
    connect(pause_, &QTimer::timeout, this, [this] { refresh(); });

    switch (records::ReadListText(path, unsure, text_)) {
    case records::ReadStatus::Missing:
        problem_ = QCoreApplication::translate("WordListEditor", "%1 が見つかりません。")
                       .arg(QDir::toNativeSeparators(path));
        return;
    case records::ReadStatus::Unreadable:
        problem_ = QCoreApplication::translate("WordListEditor", "%1 を読めません。")
                       .arg(QDir::toNativeSeparators(path));
        return;
    case records::ReadStatus::Ok:
        break;
    }
    // Saving writes the whole file: one read only in part, or not text, would lose the rest.
    if (text_.truncated || text_.binary) {
        problem_ =
            QCoreApplication::translate(
                "WordListEditor", "%1 は単語リストとしては大きすぎるか、テキストではないため、"
                                  "ここでは編集できません。")
                .arg(QDir::toNativeSeparators(path));
        return;
    }
    QStringList shown = text_.items;
    shown.removeAll(QString());
    words->setPlainText(shown.join(u'\n'));
    words->document()->setModified(false);
    connect(words, &QPlainTextEdit::textChanged, pause_, qOverload<>(&QTimer::start));
    refresh();
}

void WordListEditor::refresh() {
    pause_->stop();
    const Lines lines = ItemsOf(words->toPlainText());
    const game::ListCheck check = game::CheckList(lines.items);
    std::vector<game::ListCheck::Mark> lineMarks(words->blockCount(), game::ListCheck::Taken);
    for (size_t i = 0; i < check.marks.size(); ++i)
        if (check.marks[i] != game::ListCheck::Taken)
            lineMarks[lines.lineOf[i]] = check.marks[i];
    QList<QTextEdit::ExtraSelection> marks;
    for (QTextBlock b = words->document()->begin(); b.isValid(); b = b.next()) {
        const QColor colour = MarkColour(lineMarks[b.blockNumber()]);
        if (!colour.isValid())
            continue;
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(b);
        mark.format.setBackground(colour);
        mark.format.setProperty(QTextFormat::FullWidthSelection, true);
        marks.append(mark);
    }
    words->setExtraSelections(marks);

    QString text =
        QCoreApplication::translate("WordListEditor", "%n語", nullptr, int(check.words.size()));
    if (const QString left = LeftOutText(check); !left.isEmpty())
        text += QCoreApplication::translate("WordListEditor", "（使われない行：") + left +
                QCoreApplication::translate("WordListEditor", "）");
    count->setText(text);
}

bool WordListEditor::save() {
    Lines lines = ItemsOf(words->toPlainText());
    QStringList items;
    std::vector<int> lineOf;
    for (qsizetype i = 0; i < lines.items.size(); ++i)
        if (!lines.items[i].isEmpty()) {
            items.append(lines.items[i]);
            lineOf.push_back(lines.lineOf[i]);
        }
    records::TextEncoding encoding = text_.encoding;
    qsizetype badWord = 0, badAt = 0;
    std::optional<QByteArray> bytes =
        records::EncodeListText(items, encoding, text_.lineEnd, &badWord, &badAt);
    if (!bytes) {
        const QString& word = items[badWord];
        const qsizetype len = word[badAt].isHighSurrogate() && badAt + 1 < word.size() ? 2 : 1;
        // Show the character where it stands before asking.
        QTextCursor at(words->document()->findBlockByNumber(lineOf[badWord]));
        const int column = at.block().text().indexOf(word);
        if (column >= 0) {
            at.setPosition(at.block().position() + column + int(badAt));
            at.setPosition(at.position() + int(len), QTextCursor::KeepAnchor);
            words->setTextCursor(at);
        }
        // The font may have no picture of it: its number names it too.
        const QString bad = word.mid(badAt, len);
        const QString number =
            QString::number(bad.toUcs4().value(0), 16).toUpper().rightJustified(4, u'0');
        const auto answer =
            Box(QMessageBox::Warning,
                QCoreApplication::translate(
                    "WordListEditor", "%1行目の「%2」（U+%3）は、シフトJIS（コードページ932）の"
                                      "単語リストには書けません。\n\nこの単語リストをUTF-8で保存"
                                      "しますか？ UTF-8の単語リストもゲームで使えます。")
                    .arg(lineOf[badWord] + 1)
                    .arg(bad, number),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return false;
        encoding = records::TextEncoding::Utf8;
        bytes = records::EncodeListText(items, encoding, text_.lineEnd);
    }
    if (!records::ReplaceFile(path_, *bytes, true)) {
        Box(QMessageBox::Warning,
            QCoreApplication::translate("WordListEditor",
                                        "単語リストを %1 に保存できませんでした。\n"
                                        "書いた単語はこのウィンドウに残っています。")
                .arg(QDir::toNativeSeparators(path_)),
            QMessageBox::Ok, QMessageBox::Ok);
        return false;
    }
    text_.encoding = encoding;
    words->document()->setModified(false);
    return true;
}

void WordListEditor::reject() {
    if (words->document()->isModified() &&
        Box(QMessageBox::Question,
            QCoreApplication::translate("WordListEditor", "変更を保存せずに閉じますか？"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    QDialog::reject();
}

QMessageBox::StandardButton WordListEditor::Box(QMessageBox::Icon icon, const QString& text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton) {
    return boxes_.ask(this, icon, QCoreApplication::translate("WordListEditor", "単語リストの編集"),
                      text, buttons, defaultButton, [&](QMessageBox& box) {
                          auto* yes = box.button(QMessageBox::Yes);
                          if (!yes || !(buttons & QMessageBox::No))
                              return;
                          const bool encodingQuestion = icon == QMessageBox::Warning;
                          yes->setText(
                              encodingQuestion
                                  ? QCoreApplication::translate("WordListEditor", "UTF-8で保存")
                                  : QCoreApplication::translate("WordListEditor", "閉じる"));
                          box.button(QMessageBox::No)
                              ->setText(QCoreApplication::translate("WordListEditor", "戻る"));
                      });
}

QString LeftOutText(const game::ListCheck& check) {
    QStringList left;
    const auto add = [&left](int n, const QString& what) {
        if (n)
            left << what + QStringLiteral(" ") + QString::number(n);
    };
    add(check.duplicates, QCoreApplication::translate("WordListEditor", "重複"));
    add(check.blanks, QCoreApplication::translate("WordListEditor", "空の項目"));
    add(check.tooLong, QCoreApplication::translate("WordListEditor", "長すぎる単語"));
    add(check.unreadable, QCoreApplication::translate("WordListEditor", "読めない文字のある単語"));
    add(check.overLimit,
        QCoreApplication::translate("WordListEditor", "%1語を超えた分").arg(game::kMaxWords));
    return left.join(QCoreApplication::translate("WordListEditor", "、"));
}

std::optional<WordListService::MadeList>
WordListWindows::makeFromDictionary(const records::DictionaryIndex& index, QWidget* owner) {
    DictionaryListDialog dialog(index, owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    // The game plays no more of a list than this.
    return MadeList{dialog.name(), dialog.made().words.mid(0, game::kMaxWords)};
}

QString WordListWindows::chooseFileToImport(QWidget* owner) {
    return AskForFile(
        owner, {.title = QCoreApplication::translate("WordListEditor", "単語リストを読み込む"),
                .filters = QCoreApplication::translate(
                    "WordListEditor", "テキストファイル (*.txt *.csv);;すべてのファイル (*)"),
                .start = QDir::homePath()});
}

bool WordListWindows::edit(const QString& path, const QString& name, bool cp932, QWidget* owner) {
    WordListEditor editor(path, name,
                          cp932 ? records::TextEncoding::Cp932 : records::TextEncoding::Utf8,
                          boxes_, owner);
    if (!editor.problem().isEmpty()) {
        boxes_.warn(owner, QCoreApplication::translate("WordListEditor", "単語リストの編集"),
                    editor.problem());
        return false;
    }
    return editor.exec() == QDialog::Accepted;
}

} // namespace ui
