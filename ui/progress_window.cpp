#include "ui/progress_window.h"

#include "game/word_list.h"
#include "ui/language.h"
#include "ui/look.h"
#include "ui/rireki_model.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {
namespace {

const QColor kSpeedDot(110, 125, 225);
const QColor kSpeedLine(0, 0, 128); // the colour of the speed figure in the main window
const QColor kRateDot(235, 140, 110);
const QColor kRateLine(192, 48, 0);
const QColor kGrid(224, 224, 224);
constexpr int kHoverReach = 6; // pixels

} // namespace

ProgressChart::ProgressChart(const RirekiModel& table, QWidget* parent)
    : QWidget(parent), table_(table) {
    setObjectName(QStringLiteral("picGraph"));
    setMouseTracking(true);
    setFont(GothicFont(12));
    setMinimumSize(420, 260);
    setAccessibleName(QCoreApplication::translate("ProgressWindow", "成績グラフ"));
}

void ProgressChart::setSeries(game::ProgressSeries series, bool keys) {
    series_ = std::move(series);
    keys_ = keys;
    speed_.clear();
    rate_.clear();
    speedAverage_.clear();
    rateAverage_.clear();
    for (qsizetype i = 0; i < series_.points.size(); ++i) {
        const game::ProgressPoint& p = series_.points[i];
        speed_.append(QPointF(double(p.when), p.speed / 100.0));
        rate_.append(QPointF(double(p.when), p.rate / 10.0));
        speedAverage_.append(QPointF(double(p.when), series_.speedAverage[i]));
        rateAverage_.append(QPointF(double(p.when), series_.rateAverage[i]));
    }

    scale_ = ScaleOf(series_);
    hovered_ = -1;
    Layout();
    update();
}

void ProgressChart::Layout() {
    const QFontMetrics fm(font());
    const int left = fm.horizontalAdvance(QStringLiteral("000.00")) + 14;
    const int right = fm.horizontalAdvance(QStringLiteral("100%")) + 14;
    const int top = 2 * fm.height() + 12, bottom = fm.height() + 12;
    plot_ = QRectF(left, top, std::max(1, width() - left - right),
                   std::max(1, height() - top - bottom));
    const auto toPixels = [this](const QList<QPointF>& values, const Axis& axis) {
        QList<QPointF> at;
        at.reserve(values.size());
        for (const QPointF& v : values)
            at.append(scale_.toPixel(v, axis, plot_));
        return at;
    };
    speedAt_ = toPixels(speed_, scale_.speed);
    rateAt_ = toPixels(rate_, scale_.rate);
    speedDots_ = OncePerPixel(speedAt_, plot_);
    rateDots_ = OncePerPixel(rateAt_, plot_);
    speedLine_ = ThinnedLine(toPixels(speedAverage_, scale_.speed));
    rateLine_ = ThinnedLine(toPixels(rateAverage_, scale_.rate));
}

void ProgressChart::resizeEvent(QResizeEvent*) {
    Layout();
}

void ProgressChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const QRectF plot = plot_;
    const QFontMetrics fm(font());

    // The legend and the units of the two axes.
    double x = plot.left();
    const double legendY = fm.height() / 2.0 + 4;
    const auto legend = [&](const QColor& dot, const QColor& line, const QString& text) {
        p.setPen(QPen(line, 2));
        p.drawLine(QPointF(x, legendY), QPointF(x + 18, legendY));
        p.fillRect(QRectF(x + 7, legendY - 2, 4, 4), dot);
        p.setPen(Qt::black);
        p.drawText(QPointF(x + 24, legendY + fm.ascent() / 2.0 - 1), text);
        x += 24 + fm.horizontalAdvance(text) + 18;
    };
    legend(kSpeedDot, kSpeedLine,
           keys_ ? QCoreApplication::translate("ProgressWindow", "秒当たり打鍵数")
                 : QCoreApplication::translate("ProgressWindow", "秒当たり文字数"));
    legend(kRateDot, kRateLine, QCoreApplication::translate("ProgressWindow", "正解率"));
    p.setPen(Qt::black);
    p.drawText(
        QPointF(x, legendY + fm.ascent() / 2.0 - 1),
        QCoreApplication::translate("ProgressWindow", "（点は1回ずつ、線は最近%1回の移動平均）")
            .arg(game::kAverageRounds));
    const double unitsY = plot.top() - 6;
    p.setPen(kSpeedLine);
    p.drawText(QRectF(0, unitsY - fm.height(), plot.left() + 20, fm.height()),
               Qt::AlignHCenter | Qt::AlignBottom,
               keys_ ? QCoreApplication::translate("ProgressWindow", "打鍵/秒")
                     : QCoreApplication::translate("ProgressWindow", "文字/秒"));
    p.setPen(kRateLine);
    p.drawText(
        QRectF(plot.right() - 20, unitsY - fm.height(), width() - plot.right() + 20, fm.height()),
        Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("%"));

    // Grid and labels: speed at the left, rate at the right, time below.
    for (double v = scale_.speed.low; v <= scale_.speed.high + 1e-9; v += scale_.speed.step) {
        const double y = scale_.toPixel({0, v}, scale_.speed, plot).y();
        p.setPen(kGrid);
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(kSpeedLine);
        p.drawText(QRectF(0, y - fm.height() / 2.0, plot.left() - 6, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(v, 'f', scale_.speed.step < 0.1 ? 2 : 1));
    }
    for (double v = std::ceil(scale_.rate.low / scale_.rate.step) * scale_.rate.step;
         v <= scale_.rate.high + 1e-9; v += scale_.rate.step) {
        const double y = scale_.toPixel({0, v}, scale_.rate, plot).y();
        p.setPen(kRateLine);
        p.drawLine(QPointF(plot.right(), y), QPointF(plot.right() + 4, y));
        p.drawText(QRectF(plot.right() + 6, y - fm.height() / 2.0, width() - plot.right() - 6,
                          fm.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, QString::number(v, 'f', 0));
    }
    const QList<Tick> ticks =
        TimeTicks(scale_.from, scale_.to, std::max(2, int(plot.width()) / 110));
    for (const Tick& t : ticks) {
        const double tx = scale_.toPixel({double(t.when), 0}, scale_.speed, plot).x();
        p.setPen(kGrid);
        p.drawLine(QPointF(tx, plot.top()), QPointF(tx, plot.bottom()));
        p.setPen(Qt::black);
        p.drawText(QRectF(tx - 60, plot.bottom() + 4, 120, fm.height()), Qt::AlignHCenter, t.label);
    }
    p.setPen(Qt::black);
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.setPen(kSpeedLine);
    p.drawLine(plot.topLeft(), plot.bottomLeft());
    p.setPen(kRateLine);
    p.drawLine(plot.topRight(), plot.bottomRight());

    if (series_.points.isEmpty()) {
        p.setPen(Qt::darkGray);
        p.drawText(plot, Qt::AlignCenter,
                   QCoreApplication::translate("ProgressWindow", "記録がありません"));
        return;
    }
    p.setClipRect(plot.adjusted(-3, -3, 3, 3));
    // Few rounds get round dots that catch the eye; many get small squares
    // that do not hide each other.
    const bool few = series_.points.size() <= 1000;
    const auto dots = [&](const QPolygonF& at, const QColor& colour) {
        p.setPen(few ? QPen(colour, 6, Qt::SolidLine, Qt::RoundCap)
                     : QPen(colour, 3, Qt::SolidLine, Qt::SquareCap));
        p.drawPoints(at);
    };
    p.setRenderHint(QPainter::Antialiasing, few);
    dots(rateDots_, kRateDot);
    dots(speedDots_, kSpeedDot);
    p.setRenderHint(QPainter::Antialiasing);
    // Segment by segment: one stroke of a long line that crosses itself
    // costs the rasterizer far more.
    const auto line = [&p](const QPolygonF& points, const QColor& colour) {
        p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QList<QLineF> segments;
        for (qsizetype i = 1; i < points.size(); ++i)
            segments.append(QLineF(points[i - 1], points[i]));
        p.drawLines(segments);
    };
    line(rateLine_, kRateLine);
    line(speedLine_, kSpeedLine);
    if (hovered_ >= 0) {
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(speedAt_[hovered_], 5, 5);
        p.drawEllipse(rateAt_[hovered_], 5, 5);
    }
}

int ProgressChart::roundAt(QPoint pos) const {
    int nearest = -1;
    double best = kHoverReach * kHoverReach + 1e-9;
    for (const QList<QPointF>* at : {&speedAt_, &rateAt_}) {
        for (qsizetype i = 0; i < at->size(); ++i) {
            const double dx = (*at)[i].x() - pos.x(), dy = (*at)[i].y() - pos.y();
            if (dx * dx + dy * dy < best) {
                best = dx * dx + dy * dy;
                nearest = int(i);
            }
        }
    }
    return nearest;
}

QString ProgressChart::tipFor(int round) const {
    if (round < 0 || round >= series_.points.size())
        return {};
    const int row = series_.points[round].row;
    if (row >= table_.rows().size())
        return {};
    const QStringList f = table_.rows().fields(row);
    const auto item = [&](int column) {
        return RirekiModel::ColumnTitle(column) + u' ' + RirekiModel::Units(f[column - 1]);
    };
    return QCoreApplication::translate("ProgressWindow", "%1回　%2　%3\n")
               .arg(row + 1)
               .arg(f[0], f[1]) +
           QStringList{item(3), item(4), item(5), item(6)}.join(u'　') + u'\n' +
           QStringList{item(7), item(8), item(9)}.join(u'　');
}

void ProgressChart::mouseMoveEvent(QMouseEvent* event) {
    const int round = roundAt(event->position().toPoint());
    if (round != hovered_) {
        hovered_ = round;
        update();
    }
    if (round >= 0)
        QToolTip::showText(event->globalPosition().toPoint(), tipFor(round), this);
    else
        QToolTip::hideText();
}

void ProgressChart::leaveEvent(QEvent*) {
    if (hovered_ >= 0) {
        hovered_ = -1;
        update();
    }
}

ProgressWindow::ProgressWindow(const RirekiModel& table, QWidget* owner, RoundKindSource kinds)
    : QWidget(owner, Qt::Window), model_(table, std::move(kinds), this) {
    setObjectName(QStringLiteral("frmGraph"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QCoreApplication::translate("ProgressWindow", "成績グラフ"));
    setFont(GothicFont(13));

    cboLimit = new QComboBox(this);
    cboLimit->setObjectName(QStringLiteral("cboLimit"));
    cboLimit->setAccessibleName(QCoreApplication::translate("ProgressWindow", "プレイ秒数"));
    cboLimit->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* limitLabel =
        new QLabel(QCoreApplication::translate("ProgressWindow", "プレイ秒数(&S)"), this);
    limitLabel->setBuddy(cboLimit);
    cboMode = new QComboBox(this);
    cboMode->setObjectName(QStringLiteral("cboMode"));
    cboMode->setAccessibleName(QCoreApplication::translate("ProgressWindow", "種類"));
    cboMode->addItem(QCoreApplication::translate("ProgressWindow", "すべて"),
                     int(game::RoundMode::All));
    cboMode->addItem(QCoreApplication::translate("ProgressWindow", "通常のみ"),
                     int(game::RoundMode::Ordinary));
    cboMode->addItem(QCoreApplication::translate("ProgressWindow", "練習のみ"),
                     int(game::RoundMode::Practice));
    auto* modeLabel = new QLabel(QCoreApplication::translate("ProgressWindow", "種類(&K)"), this);
    modeLabel->setBuddy(cboMode);
    cboList = new QComboBox(this);
    cboList->setObjectName(QStringLiteral("cboList"));
    cboList->setAccessibleName(QCoreApplication::translate("ProgressWindow", "リスト"));
    cboList->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* listLabel = new QLabel(QCoreApplication::translate("ProgressWindow", "リスト(&L)"), this);
    listLabel->setBuddy(cboList);
    cboSpeed = new QComboBox(this);
    cboSpeed->setObjectName(QStringLiteral("cboSpeed"));
    cboSpeed->setAccessibleName(QCoreApplication::translate("ProgressWindow", "速さ"));
    cboSpeed->addItem(QCoreApplication::translate("ProgressWindow", "文字/秒"));
    // Only rounds typed with the game's own input know their keys.
    cboSpeed->addItem(
        QCoreApplication::translate("ProgressWindow", "打鍵/秒（ゲーム内ローマ字入力）"));
    auto* speedLabel = new QLabel(QCoreApplication::translate("ProgressWindow", "速さ(&P)"), this);
    speedLabel->setBuddy(cboSpeed);
    chart = new ProgressChart(table, this);
    lblFigures = new QLabel(this);
    lblFigures->setObjectName(QStringLiteral("lblFigures"));
    lblFigures->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblNote = new QLabel(this);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    QPalette note = lblNote->palette();
    note.setColor(QPalette::WindowText, QColor(160, 0, 0));
    lblNote->setPalette(note);

    auto* top = new QHBoxLayout;
    top->addWidget(limitLabel);
    top->addWidget(cboLimit);
    top->addSpacing(12);
    top->addWidget(modeLabel);
    top->addWidget(cboMode);
    top->addSpacing(12);
    top->addWidget(listLabel);
    top->addWidget(cboList);
    top->addSpacing(12);
    top->addWidget(speedLabel);
    top->addWidget(cboSpeed);
    top->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(chart, 1);
    layout->addWidget(lblFigures);
    layout->addWidget(lblNote);
    resize(820, 560);

    // A window beside the game: Esc puts it away, as it does a dialog.
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);
    connect(cboLimit, &QComboBox::activated, this, [this] { Refresh(); });
    connect(cboMode, &QComboBox::activated, this, [this] { Refresh(); });
    connect(cboList, &QComboBox::activated, this, [this] { Refresh(); });
    connect(cboSpeed, &QComboBox::activated, this, [this] { Refresh(); });
    connect(&model_, &ProgressModel::changed, this, [this] { Refresh(); });
    Refresh();
}

int ProgressWindow::chosenLimit() const {
    return cboLimit->currentData().toInt();
}

game::RoundFilter ProgressWindow::chosenFilter() const {
    game::RoundFilter filter;
    filter.mode = game::RoundMode(cboMode->currentData().toInt());
    const QString list = cboList->currentData().toString();
    filter.everyList = list.isEmpty();
    if (list.startsWith(u'='))
        filter.list = list.mid(1);
    filter.keys = cboSpeed->currentIndex() == 1;
    return filter;
}

void ProgressWindow::chooseLimit(int jikan) {
    const int index = cboLimit->findData(jikan);
    cboLimit->setCurrentIndex(std::max(index, 0));
    Refresh();
}

void ProgressWindow::Refresh() {
    const game::Progress& progress = model_.progress();
    // The choices follow the limits present; a limit whose rounds are all gone
    // falls back to every round.
    QList<int> offered;
    for (int i = 1; i < cboLimit->count(); ++i)
        offered.append(cboLimit->itemData(i).toInt());
    if (cboLimit->count() == 0 || offered != progress.limits) {
        const int chosen = chosenLimit();
        cboLimit->clear();
        cboLimit->addItem(QCoreApplication::translate("ProgressWindow", "すべて"), 0);
        for (int jikan : progress.limits)
            cboLimit->addItem(QCoreApplication::translate("ProgressWindow", "%1秒").arg(jikan),
                              jikan);
        cboLimit->setCurrentIndex(std::max(0, cboLimit->findData(chosen)));
    }
    // The lists likewise: "" for 辞書.txt, a file name, or none for the unknown.
    QStringList offeredLists, presentLists;
    for (int i = 1; i < cboList->count(); ++i)
        offeredLists.append(cboList->itemData(i).toString());
    const auto keyOf = [](const std::optional<QString>& list) {
        return list ? QStringLiteral("=") + *list : QStringLiteral("?");
    };
    for (const std::optional<QString>& list : progress.lists)
        presentLists.append(keyOf(list));
    if (cboList->count() == 0 || offeredLists != presentLists) {
        const QString chosen = cboList->currentData().toString();
        cboList->clear();
        cboList->addItem(QCoreApplication::translate("ProgressWindow", "すべてのリスト"),
                         QString());
        for (const std::optional<QString>& list : progress.lists)
            cboList->addItem(list ? ShownList(*list)
                                  : QCoreApplication::translate("ProgressWindow", "不明"),
                             keyOf(list));
        cboList->setCurrentIndex(std::max(0, cboList->findData(chosen)));
    }
    const game::RoundFilter filter = chosenFilter();
    chart->setSeries(game::ChooseRounds(progress, chosenLimit(), filter), filter.keys);
    lblFigures->setText(
        FiguresLine(game::FiguresOf(chart->series()),
                    filter.keys ? QCoreApplication::translate("ProgressWindow", "打鍵/秒")
                                : QCoreApplication::translate("ProgressWindow", "文字/秒")));
    lblNote->setText(UnreadableNote(progress.unreadable));
    lblNote->setVisible(progress.unreadable > 0);
}

void WindowProgressService::show(const RirekiModel& table, QWidget* owner, RoundKindSource kinds) {
    if (!window_)
        window_ = new ProgressWindow(table, owner, std::move(kinds));
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void WindowProgressService::closeAll() {
    delete window_.data();
}

} // namespace ui
