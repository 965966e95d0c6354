#include "ui/rireki_model.h"

#include <array>

namespace ui {
namespace {

constexpr std::array<int, RirekiModel::kColumns> kWidths = {600, 1400, 1000, 600, 600,
                                                            600, 755,  880,  980, 1025};

} // namespace

RirekiModel::RirekiModel(QObject* parent) : QAbstractTableModel(parent) {}

namespace {

const char* const kTitles[RirekiModel::kColumns] = {
    QT_TRANSLATE_NOOP("ui::RirekiModel", "回"),
    QT_TRANSLATE_NOOP("ui::RirekiModel", "日付"),
    QT_TRANSLATE_NOOP("ui::RirekiModel", "時間"),
    QT_TRANSLATE_NOOP("ui::RirekiModel", "問数"),
    QT_TRANSLATE_NOOP("ui::RirekiModel", "ＯＫ"),
    QT_TRANSLATE_NOOP("ui::RirekiModel", "ＮＧ"),
    QT_TRANSLATE_NOOP("ui::RirekiModel", "文字数"),
    QT_TRANSLATE_NOOP("ui::RirekiModel", "正解率"),
    QT_TRANSLATE_NOOP("ui::RirekiModel", "秒当たり"),
    QT_TRANSLATE_NOOP("ui::RirekiModel", "表示秒数")};

} // namespace

QString RirekiModel::ColumnTitle(int column) {
    return column >= 0 && column < kColumns ? tr(kTitles[column]) : QString();
}

QString RirekiModel::SourceColumnTitle(int column) {
    return column >= 0 && column < kColumns ? QString::fromUtf8(kTitles[column]) : QString();
}

QString RirekiModel::Units(QString item) {
    // The saved items keep their bytes; only how they read follows the language.
    item.replace(QStringLiteral("/秒"), tr("/秒"));
    return item.replace(QStringLiteral("秒"), tr("秒"));
}

void RirekiModel::retranslate() {
    emit headerDataChanged(Qt::Horizontal, 0, kColumns - 1);
    if (!rows_.isEmpty())
        emit dataChanged(index(0, 0), index(int(rows_.size()) - 1, kColumns - 1));
}

int RirekiModel::ColumnWidthTwips(int column) {
    return column >= 0 && column < kColumns ? kWidths[column] : 0;
}

Qt::Alignment RirekiModel::HeaderAlignment(int) {
    return Qt::AlignCenter;
}

Qt::Alignment RirekiModel::DataAlignment(int column) {
    if (column == 0 || column == 1 || column == 2)
        return Qt::AlignCenter;
    return Qt::AlignRight | Qt::AlignVCenter;
}

void RirekiModel::InitRirekiGrid() {
    ClearRirekiGrid();
}

void RirekiModel::AddRirekiRow(const records::HistoryRecord& record) {
    if (rows_.size() >= records::kMaxHistoryRows) {
        beginRemoveRows({}, 0, 0);
        rows_.removeFirst(1);
        cachedRow_ = -1;
        topRow_ = qMax(0, topRow_ - 1);
        endRemoveRows();
    }
    const int row = int(rows_.size());
    beginInsertRows({}, row, row);
    rows_.append(record);
    endInsertRows();
}

void RirekiModel::AddRirekiRows(records::HistoryRows rows) {
    if (rows.isEmpty())
        return;
    beginResetModel();
    if (!rows_.isEmpty())
        for (qsizetype i = 0; i < rows.size(); ++i)
            rows_.append(rows.at(i));
    else
        rows_ = std::move(rows);
    rows_.removeFirst(rows_.size() - records::kMaxHistoryRows);
    cachedRow_ = -1;
    endResetModel();
}

void RirekiModel::ScrollRirekiToEnd() {
    if (RowCountWithHeader() > visibleRows_ + 1) {
        topRow_ = int(rows_.size()) - 1;
        emit scrollRequested(topRow_);
    }
}

void RirekiModel::ClearRirekiGrid() {
    beginResetModel();
    rows_.clear();
    topRow_ = 0;
    cachedRow_ = -1;
    endResetModel();
}

void RirekiModel::RemoveLastRow() {
    if (rows_.isEmpty())
        return;
    const int last = int(rows_.size()) - 1;
    beginRemoveRows({}, last, last);
    rows_.removeLast();
    cachedRow_ = -1;
    endRemoveRows();
    if (topRow_ > last - 1)
        topRow_ = qMax(0, last - 1);
}

int RirekiModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int RirekiModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant RirekiModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size())
        return {};
    if (role == Qt::TextAlignmentRole)
        return int(DataAlignment(index.column()));
    if (role == Qt::ToolTipRole)
        return PracticeTip(index.row());
    if (role != Qt::DisplayRole)
        return {};
    if (index.column() == 0)
        return QString::number(index.row() + 1);
    if (cachedRow_ != index.row()) {
        cachedFields_ = rows_.fields(index.row());
        cachedRow_ = index.row();
    }
    return index.column() >= 8 ? Units(cachedFields_.value(index.column() - 1))
                               : cachedFields_.value(index.column() - 1);
}

void RirekiModel::setKinds(game::RoundKinds kinds) {
    kinds_ = std::move(kinds);
}

QString RirekiModel::PracticeTip(int row) const {
    const QByteArray key = game::RoundKindKey(rows_.item(row, 0), rows_.item(row, 1));
    const auto found = kinds_.constFind(key);
    if (found == kinds_.cend())
        return {};
    // Rounds saved in one second take their kinds in the order of their rows.
    int nth = 0;
    for (int r = row - 1; r >= 0 && game::RoundKindKey(rows_.item(r, 0), rows_.item(r, 1)) == key;
         --r)
        ++nth;
    if (nth >= found->size() || !(*found)[nth].practice)
        return {};
    return tr("苦手な単語の練習ラウンド");
}

QVariant RirekiModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return ColumnTitle(section);
    if (role == Qt::TextAlignmentRole)
        return int(HeaderAlignment(section));
    return {};
}

} // namespace ui
