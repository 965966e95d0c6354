#pragma once

#include "game/progress.h"
#include "records/history_file.h"

#include <QAbstractTableModel>
#include <QStringList>

namespace ui {

// The results table: one numbered row per saved round under ten titled
// columns. The header row is the view's horizontal header; column 0 holds
// the row number and is drawn like a header by the view.
class RirekiModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kColumns = 10;

    explicit RirekiModel(QObject* parent = nullptr);

    static QString ColumnTitle(int column);
    // In the game's own language: the CSV export keeps its header whatever the
    // language shown.
    static QString SourceColumnTitle(int column);
    // A saved item's units ("1.50/秒", "60秒") as the game's language reads them.
    static QString Units(QString item);
    // The titles and units anew, in the language now chosen.
    void retranslate();
    static int ColumnWidthTwips(int column);
    static Qt::Alignment HeaderAlignment(int column);
    static Qt::Alignment DataAlignment(int column);

    void InitRirekiGrid();
    // A table holding kMaxHistoryRows rows makes room by dropping its oldest.
    void AddRirekiRow(const records::HistoryRecord& record);
    // Appends a loaded history with one insertion, so a long one loads at once.
    void AddRirekiRows(records::HistoryRows rows);
    // Scrolls only once there are more rows than the view shows whole.
    void ScrollRirekiToEnd();
    // Data rows that fit below the header, as the view that shows the table has them.
    void setVisibleRows(int rows) { visibleRows_ = rows; }
    void ClearRirekiGrid();
    // Takes back the newest row, when its record could not be stored.
    void RemoveLastRow();

    // Row count including the header row.
    int RowCountWithHeader() const { return int(rows_.size()) + 1; }
    // First data row (0-based) asked to show right below the header.
    int topRow() const { return topRow_; }
    records::HistoryRecord record(int row) const { return rows_.at(row); }
    // What the record of words knows of the saved rounds: a practice round's
    // row says so when pointed at.
    void setKinds(game::RoundKinds kinds);
    const records::HistoryRows& rows() const { return rows_; }

    QString PracticeTip(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    void scrollRequested(int row);

private:
    records::HistoryRows rows_;
    game::RoundKinds kinds_;
    int topRow_ = 0;
    int visibleRows_ = 6;
    // A view asks for a row's cells one after another; decode the row once.
    mutable int cachedRow_ = -1;
    mutable QStringList cachedFields_;
};

} // namespace ui
