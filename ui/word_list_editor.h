#pragma once

#include "game/word_list.h"
#include "records/word_list_file.h"
#include "ui/message_boxes.h"
#include "ui/word_list_service.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace ui {

// A word list one word a line, with the lines the game leaves out marked and
// the words counted. Saving writes the file whole, in its own encoding.
class WordListEditor : public QDialog {
    Q_OBJECT
public:
    // Reads the file; `problem()` says why it could not be opened, if so.
    WordListEditor(const QString& path, const QString& name, records::TextEncoding unsure,
                   MessageBoxes& boxes, QWidget* owner);

    const QString& problem() const { return problem_; }

    // Checks, asks about a character the encoding cannot hold, and writes;
    // true once the file is written.
    bool save();
    // Marks the lines and counts the words now rather than after a pause.
    void refresh();
    records::TextEncoding encoding() const { return text_.encoding; }

    QPlainTextEdit* words;
    QLabel* count;
    QPushButton* saveButton;

    void reject() override;

private:
    QMessageBox::StandardButton Box(QMessageBox::Icon icon, const QString& text,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton);

    MessageBoxes& boxes_;
    QString path_;
    records::ListText text_;
    QString problem_;
    QTimer* pause_;
};

// What a list's check leaves out, for the player: "重複 1、空の項目 2"; empty for nothing.
QString LeftOutText(const game::ListCheck& check);

// The real windows: the desktop's file dialog and the editor.
class WordListWindows : public WordListService {
public:
    explicit WordListWindows(MessageBoxes& boxes) : boxes_(boxes) {}
    std::optional<MadeList> makeFromDictionary(const records::DictionaryIndex& index,
                                               QWidget* owner) override;
    QString chooseFileToImport(QWidget* owner) override;
    bool edit(const QString& path, const QString& name, bool cp932, QWidget* owner) override;

private:
    MessageBoxes& boxes_;
};

} // namespace ui
