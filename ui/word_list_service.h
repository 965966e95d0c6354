#pragma once

#include <QString>

class QWidget;

namespace ui {

// What the main window needs for its word lists beyond the files: where the
// player's choice is kept, and the windows that ask the player.
class WordListService {
public:
    virtual ~WordListService() = default;
    // The list chosen last (a file name in the list folder; empty for
    // 辞書.txt) and its length level.
    virtual QString savedList() = 0;
    virtual int savedLevel() = 0;
    // False when the choice could not be kept for the next start.
    virtual bool save(const QString& list, int level) = 0;
    // A text file the player picks to import; empty when they did not.
    virtual QString chooseFileToImport(QWidget* owner) = 0;
    // Edits the list file in a modal window; true when the player saved it.
    // A list with nothing beyond ASCII in it is taken to be in code page 932
    // when `cp932` is set, else in UTF-8.
    virtual bool edit(const QString& path, const QString& name, bool cp932, QWidget* owner) = 0;
};

} // namespace ui
