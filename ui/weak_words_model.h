#pragma once

#include "game/weakness.h"
#include "records/dictionary_index.h"
#include "records/word_store.h"

#include <QAbstractTableModel>

#include <functional>
#include <optional>

class QHeaderView;

namespace ui {

// A confusion as the window lists it: 「ず→じ　7回」.
QString ConfusionText(const records::Confusion& confusion);
// How wide a column must be for its title and the sort arrow beside it.
int TitleWidth(const QHeaderView* header, int section);
// A wrong answer to the current word as the window lists it: 「ねご　3回」.
QString TypedInsteadText(const records::TypedInstead& typed);

// The record's words, weakest first; sorted by any column through the role
// kSortRole.
class WeakWordsModel : public QAbstractTableModel {
public:
    enum Column {
        Word,
        Score,
        Asked,
        Solved,
        Wrong,
        Revealed,
        Best,
        Mean,
        CleanRun,
        Reading, // shown only with readings and meanings on
        Meaning,
        kColumns
    };
    static constexpr int kSortRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;
    void setWords(QList<game::RankedWord> words);
    // Fills the reading and meaning columns; none empties them.
    void setLookUp(std::function<std::optional<records::DictionaryHit>(const QString&)> lookUp);
    const game::RankedWord& at(int row) const { return words_[row]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<game::RankedWord> words_;
    std::function<std::optional<records::DictionaryHit>(const QString&)> lookUp_;
};

} // namespace ui
