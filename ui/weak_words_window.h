#pragma once

#include "game/weakness.h"
#include "game/word_record.h"
#include "ui/message_boxes.h"
#include "ui/weak_words_model.h"
#include "ui/weak_words_service.h"

#include <QWidget>

#include <QPointer>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;

namespace ui {

// The words the player misses, the kana they confuse, and practice of the
// weakest words.
class WeakWordsWindow : public QWidget {
public:
    WeakWordsWindow(game::WordRecord& record, MessageBoxes& boxes, QWidget* owner);

    // Reads the record anew where the change shows: the round's words once it
    // is over, another list's while only its words are shown.
    void setContext(const WeakWordsContext& context);
    // Reads the record anew, and shows it once it is read; until then it
    // shows what it read last.
    void Refresh();
    // Another program holds the file, or has let it go.
    void setWaiting(bool waiting);
    // The words a practice round would draw from now.
    QStringList practiceWords() const;

    void cmdPractise_Click();
    void cmdRemove_Click();
    void cmdBringBack_Click();
    void cmdClearAll_Click();

    QComboBox* cboShow;
    QTabWidget* tabs;
    QTableView* grdWeak;    // words still practised
    QTableView* grdRetired; // words retired from practice
    WeakWordsModel* weakModel;
    WeakWordsModel* retiredModel;
    QListWidget* lstConfusions;
    QListWidget* lstTyped; // what was typed instead of the current word
    QLabel* lblNote;
    QPushButton* cmdPractise;
    QPushButton* cmdRemove;
    QPushButton* cmdBringBack;
    QPushButton* cmdClearAll;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTableView* Grid(WeakWordsModel* model, QSortFilterProxyModel** proxy);
    // The words of the record last read that the choice of 表示 lets through.
    void ShowRead();
    // The word of the current row of the tab shown, if any.
    QString CurrentWord() const;
    void UpdateButtons();
    void ShowNote();
    void ShowTyped();

    game::WordRecord& record_;
    MessageBoxes& boxes_;
    WeakWordsContext context_;
    QSortFilterProxyModel* weakProxy_;
    QSortFilterProxyModel* retiredProxy_;
    records::WordRecordRead read_;
    bool readOnce_ = false;
    bool waiting_ = false;
    bool widened_ = false;
    QStringList practice_;
};

// The window of weak words over the record in its file.
class WeakWordsWindows : public WeakWordsService {
public:
    WeakWordsWindows(game::WordRecord& record, MessageBoxes& boxes);
    ~WeakWordsWindows() override;
    void show(const WeakWordsContext& context, QWidget* owner) override;
    void contextChanged(const WeakWordsContext& context) override;
    void closeAll() override;
    bool isOpen() const override { return window_ != nullptr; }
    WeakWordsWindow* window() const { return window_.data(); }

private:
    game::WordRecord& record_;
    MessageBoxes& boxes_;
    QPointer<WeakWordsWindow> window_;
    bool waiting_ = false;
};

} // namespace ui
