#pragma once

#include <QString>

class QWidget;

namespace ui {

// The windows that ask the player about word lists.
class WordListService {
public:
    virtual ~WordListService() = default;
    // A text file the player picks to import; empty when they did not.
    virtual QString chooseFileToImport(QWidget* owner) = 0;
    // Edits the list file in a modal window; true when the player saved it.
    // A list with nothing beyond ASCII in it is taken to be in code page 932
    // when `cp932` is set, else in UTF-8.
    virtual bool edit(const QString& path, const QString& name, bool cp932, QWidget* owner) = 0;
};

} // namespace ui
