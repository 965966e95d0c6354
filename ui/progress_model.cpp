#include "ui/progress_model.h"

#include "ui/rireki_model.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>

namespace ui {
namespace {

// Halves round away from zero, as in the round's figures: a mean of 1.975
// shows 1.98, though its nearest double lies just below.
QString Fixed(double v, int decimals) {
    const double scale = std::pow(10, decimals);
    return QString::number(std::round(v * scale * (1 + 1e-12)) / scale, 'f', decimals);
}

// A change with its sign; one that rounds to nothing is "±0.00".
QString Signed(double v, int decimals) {
    const QString digits = Fixed(std::abs(v), decimals);
    if (digits.count(u'0') == digits.size() - 1)
        return u'±' + digits;
    return (v < 0 ? u'−' : u'+') + digits;
}

} // namespace

QString FiguresLine(const game::ProgressFigures& f, const QString& unit) {
    if (f.count == 0)
        return QCoreApplication::translate("ProgressWindow", "記録がありません");
    QString line =
        QCoreApplication::translate("ProgressWindow", "%1回　最高 %2%5　平均 %3%5　平均正解率 %4%")
            .arg(f.count)
            .arg(Fixed(f.bestSpeed, 2), Fixed(f.meanSpeed, 2), Fixed(f.meanRate, 1), unit);
    if (f.count > 1)
        line +=
            QCoreApplication::translate("ProgressWindow", "　移動平均の変化（最近%1回） %2%4　%3%")
                .arg(std::min(game::kTrendRounds, f.count))
                .arg(Signed(f.speedTrend, 2), Signed(f.rateTrend, 1), unit);
    return line;
}

QString UnreadableNote(int unreadable) {
    if (unreadable == 0)
        return {};
    return QCoreApplication::translate("ProgressWindow",
                                       "読み取れない記録 %1件はグラフに入れていません")
        .arg(unreadable);
}

ProgressModel::ProgressModel(const RirekiModel& table, RoundKindSource kinds, QObject* parent)
    : QObject(parent), table_(table), source_(std::move(kinds)) {
    const auto reread = [this] {
        Reread();
        AskKinds();
    };
    connect(&table, &QAbstractItemModel::rowsInserted, this, reread);
    connect(&table, &QAbstractItemModel::rowsRemoved, this, reread);
    connect(&table, &QAbstractItemModel::modelReset, this, reread);
    progress_ = game::ReadProgress(table_.rows());
    game::MarkKinds(progress_, table_.rows(), kinds_);
    AskKinds();
}

void ProgressModel::Reread() {
    progress_ = game::ReadProgress(table_.rows());
    game::MarkKinds(progress_, table_.rows(), kinds_);
    emit changed();
}

void ProgressModel::AskKinds() {
    if (!source_)
        return;
    source_(this, [this](const game::RoundKinds& kinds) {
        if (kinds == kinds_)
            return;
        kinds_ = kinds;
        game::MarkKinds(progress_, table_.rows(), kinds_);
        emit changed();
    });
}

} // namespace ui
