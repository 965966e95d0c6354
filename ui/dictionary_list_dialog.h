#pragma once

#include "game/dictionary_lists.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace ui {

// A word list made from the dictionary: which words, counted and shown by
// example as the choices change, and the list's name.
class DictionaryListDialog : public QDialog {
    Q_OBJECT
public:
    DictionaryListDialog(const records::DictionaryIndex& index, QWidget* owner);

    game::ListFilter filter() const;
    const game::MadeList& made() const { return made_; }
    // As the player named it; no folder.
    QString name() const;

    QCheckBox* chkCommon;
    QComboBox* cboPart;
    QComboBox* cboScript;
    QSpinBox* spnShortest;
    QSpinBox* spnLongest;
    QLabel* lblCount;
    QLineEdit* txtName;

private:
    void Recount();

    const records::DictionaryIndex& index_;
    game::MadeList made_;
    bool nameEdited_ = false;
};

} // namespace ui
