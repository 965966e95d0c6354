#include "ui/weak_words_model.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QStyle>

#include <cmath>

namespace ui {
namespace {

QString Seconds(qint64 ms) {
    return QString::number(double(ms) / 1000.0, 'f', 2);
}

} // namespace

int TitleWidth(const QHeaderView* header, int section) {
    const QStyle* style = header->style();
    const int margin = style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int arrow = style->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header);
    const QString title =
        header->model()->headerData(section, Qt::Horizontal, Qt::DisplayRole).toString();
    return header->fontMetrics().horizontalAdvance(title) + arrow + 4 * margin;
}

QString TypedInsteadText(const records::TypedInstead& t) {
    return (t.typed.isEmpty()
                ? QCoreApplication::translate("WeakWordsWindow", "（何も打たずに答えた）")
                : t.typed) +
           QCoreApplication::translate("WeakWordsWindow", "　%n回", nullptr, t.count);
}

QString ConfusionText(const records::Confusion& c) {
    QString what;
    if (c.typed.isEmpty())
        what = QCoreApplication::translate("WeakWordsWindow", "「%1」が抜ける").arg(c.expected);
    else if (c.expected.isEmpty())
        what = QCoreApplication::translate("WeakWordsWindow", "「%1」が余分").arg(c.typed);
    else
        what = c.expected + u'→' + c.typed;
    return what + QCoreApplication::translate("WeakWordsWindow", "　%n回", nullptr, c.count);
}

void WeakWordsModel::setLookUp(
    std::function<std::optional<records::DictionaryHit>(const QString&)> lookUp) {
    beginResetModel();
    lookUp_ = std::move(lookUp);
    endResetModel();
}

void WeakWordsModel::setWords(QList<game::RankedWord> words) {
    beginResetModel();
    words_ = std::move(words);
    endResetModel();
}

int WeakWordsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(words_.size());
}

int WeakWordsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant WeakWordsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= words_.size())
        return {};
    const game::RankedWord& r = words_[index.row()];
    const records::WordStats& w = r.stats;
    const bool timed = w.solved > 0 && w.bestMs >= 0;
    const bool text = index.column() == Word || index.column() >= Reading;
    if (role == Qt::TextAlignmentRole)
        return text ? int(Qt::AlignLeft | Qt::AlignVCenter)
                    : int(Qt::AlignRight | Qt::AlignVCenter);
    const bool sorting = role == kSortRole;
    if (index.column() >= Reading) {
        if ((role != Qt::DisplayRole && role != Qt::ToolTipRole && !sorting) || !lookUp_)
            return {};
        const std::optional<records::DictionaryHit> hit = lookUp_(w.word);
        if (!hit)
            return QString();
        if (index.column() == Meaning)
            return hit->glosses.join(QStringLiteral("; "));
        return hit->written == w.word || hit->usuallyKana
                   ? hit->reading
                   : QCoreApplication::translate("WeakWordsWindow", "%1【%2】")
                         .arg(hit->written, hit->reading);
    }
    if (role != Qt::DisplayRole && !sorting)
        return {};
    // Times sort by their value and show in seconds; a word never solved
    // shows none and sorts after the slowest.
    const auto time = [&](double ms) -> QVariant {
        if (sorting)
            return timed ? ms : INFINITY;
        return timed ? Seconds(qint64(ms)) : QString();
    };
    switch (index.column()) {
    case Word:
        return w.word;
    case Score:
        return sorting ? QVariant(r.score) : QVariant(QString::number(std::lround(r.score)));
    case Asked:
        return w.asked;
    case Solved:
        return w.solved;
    case Wrong:
        return w.wrong;
    case Revealed:
        return w.revealed;
    case Best:
        return time(double(w.bestMs));
    case Mean:
        return time(timed ? double(w.sumMs / w.solved) : 0);
    case CleanRun:
        return w.cleanRun;
    }
    return {};
}

QVariant WeakWordsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const titles[kColumns] = {QT_TRANSLATE_NOOP("WeakWordsWindow", "単語"),
                                                 QT_TRANSLATE_NOOP("WeakWordsWindow", "苦手度"),
                                                 QT_TRANSLATE_NOOP("WeakWordsWindow", "出題"),
                                                 QT_TRANSLATE_NOOP("WeakWordsWindow", "正解"),
                                                 QT_TRANSLATE_NOOP("WeakWordsWindow", "間違い"),
                                                 QT_TRANSLATE_NOOP("WeakWordsWindow", "答えを見た"),
                                                 QT_TRANSLATE_NOOP("WeakWordsWindow", "最速(秒)"),
                                                 QT_TRANSLATE_NOOP("WeakWordsWindow", "平均(秒)"),
                                                 QT_TRANSLATE_NOOP("WeakWordsWindow", "連続正解"),
                                                 QT_TRANSLATE_NOOP("WeakWordsWindow", "読み"),
                                                 QT_TRANSLATE_NOOP("WeakWordsWindow", "意味")};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kColumns)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QCoreApplication::translate("WeakWordsWindow", titles[section]);
}

} // namespace ui
