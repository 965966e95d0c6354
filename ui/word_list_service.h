#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace records {
class DictionaryIndex;
}

class QWidget;

namespace ui {

// The windows that ask the player about word lists.
class WordListService {
public:
    virtual ~WordListService() = default;
    // A list the player makes from the dictionary: its name and words;
    // nothing when they did not.
    struct MadeList {
        QString name;
        QStringList words;
    };
    virtual std::optional<MadeList> makeFromDictionary(const records::DictionaryIndex& index,
                                                       QWidget* owner) = 0;
    // A text file the player picks to import; empty when they did not.
    virtual QString chooseFileToImport(QWidget* owner) = 0;
    // Edits the list file in a modal window; true when the player saved it.
    // A list with nothing beyond ASCII in it is taken to be in code page 932
    // when `cp932` is set, else in UTF-8.
    virtual bool edit(const QString& path, const QString& name, bool cp932, QWidget* owner) = 0;
};

} // namespace ui
