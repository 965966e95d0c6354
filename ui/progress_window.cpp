#include "ui/progress_window.h"

#include "records/rireki_model.h"
#include "ui/look.h"

#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <vector>

namespace ui {
namespace {

const QColor kSpeedDot(110, 125, 225);
const QColor kSpeedLine(0, 0, 128); // the colour of the speed figure in the main window
const QColor kRateDot(235, 140, 110);
const QColor kRateLine(192, 48, 0);
const QColor kGrid(224, 224, 224);
constexpr int kHoverReach = 6; // pixels

// The smallest of 1, 2 and 5 times a power of ten that cuts `range` into at most `parts`.
double NiceStep(double range, int parts) {
    const double raw = range / parts;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= raw * (1 - 1e-9))
            return m * power;
    return 10 * power;
}

QDateTime AsDateTime(qint64 when) {
    // The saved wall-clock time, shown as saved: no zone and no summer time.
    return QDateTime::fromSecsSinceEpoch(when, Qt::UTC);
}

struct Tick {
    qint64 when;
    QString label;
};

// Ticks of the time axis on whole minutes, hours, days or months.
QList<Tick> TimeTicks(qint64 from, qint64 to, int most) {
    static const qint64 steps[] = {60,    300,       900,   1800,      3600,      3 * 3600,
                                   21600, 12 * 3600, 86400, 2 * 86400, 7 * 86400, 14 * 86400};
    const qint64 span = to - from;
    QList<Tick> ticks;
    for (qint64 step : steps) {
        if (span / step > most)
            continue;
        const QString format =
            step < 86400 ? (span < 86400 ? QStringLiteral("hh:mm") : QStringLiteral("MM/dd hh:mm"))
                         : QStringLiteral("yyyy/MM/dd");
        const qint64 below = ((from % step) + step) % step; // also before 1970
        for (qint64 t = below ? from - below + step : from; t <= to; t += step)
            ticks.append({t, AsDateTime(t).toString(format)});
        return ticks;
    }
    constexpr qint64 kMonth = 2629746; // a mean Gregorian month, seconds
    int months = 1;
    for (int m : {1, 2, 3, 6, 12, 24, 60, 120, 600, 1200, 6000, 12000}) {
        months = m;
        if (span / (m * kMonth) <= most)
            break;
    }
    const QDate first = AsDateTime(from).date();
    QDate d(first.year(), first.month(), 1);
    while ((d.year() * 12 + d.month() - 1) % months != 0 || d < first)
        d = d.addMonths(1);
    for (; d.startOfDay(Qt::UTC).toSecsSinceEpoch() <= to; d = d.addMonths(months))
        ticks.append(
            {d.startOfDay(Qt::UTC).toSecsSinceEpoch(), d.toString(QStringLiteral("yyyy/MM"))});
    return ticks;
}

// Dots that fall on one pixel are drawn once.
QPolygonF OncePerPixel(const QList<QPointF>& at, const QRectF& plot) {
    const int w = int(plot.width()) + 2, h = int(plot.height()) + 2;
    std::vector<bool> taken(size_t(w) * size_t(h));
    QPolygonF dots;
    for (const QPointF& p : at) {
        const int x = std::clamp(int(p.x() - plot.left()), 0, w - 1);
        const int y = std::clamp(int(p.y() - plot.top()), 0, h - 1);
        if (!taken[size_t(y) * size_t(w) + size_t(x)]) {
            taken[size_t(y) * size_t(w) + size_t(x)] = true;
            dots.append(QPointF(plot.left() + x + 0.5, plot.top() + y + 0.5));
        }
    }
    return dots;
}

// A line through many points to a column of pixels is drawn as the line
// through its first, lowest, highest and last point there, which covers the
// same pixels.
QPolygonF ThinnedLine(const QList<QPointF>& at) {
    QPolygonF line;
    for (qsizetype i = 0; i < at.size();) {
        const int column = int(at[i].x());
        qsizetype end = i;
        qsizetype low = i, high = i;
        while (end < at.size() && int(at[end].x()) == column) {
            if (at[end].y() < at[low].y())
                low = end;
            if (at[end].y() > at[high].y())
                high = end;
            ++end;
        }
        line << at[i];
        for (qsizetype k : {std::min(low, high), std::max(low, high), end - 1})
            if (line.last() != at[k])
                line << at[k];
        i = end;
    }
    return line;
}

} // namespace

ProgressChart::ProgressChart(const records::RirekiModel& table, QWidget* parent)
    : QWidget(parent), table_(table) {
    setObjectName(QStringLiteral("picGraph"));
    setMouseTracking(true);
    setFont(GothicFont(12));
    setMinimumSize(420, 260);
    setAccessibleName(QStringLiteral("成績グラフ"));
}

void ProgressChart::setSeries(records::ProgressSeries series) {
    series_ = std::move(series);
    speed_.clear();
    rate_.clear();
    speedAverage_.clear();
    rateAverage_.clear();
    for (qsizetype i = 0; i < series_.points.size(); ++i) {
        const records::ProgressPoint& p = series_.points[i];
        speed_.append(QPointF(double(p.when), p.speed / 100.0));
        rate_.append(QPointF(double(p.when), p.rate / 10.0));
        speedAverage_.append(QPointF(double(p.when), series_.speedAverage[i]));
        rateAverage_.append(QPointF(double(p.when), series_.rateAverage[i]));
    }

    if (series_.points.isEmpty()) {
        from_ = 0, to_ = 1;
    } else {
        from_ = series_.points.first().when, to_ = series_.points.last().when;
    }
    if (to_ - from_ < 3600) { // a single round, or an hour of them, stands in the middle
        const qint64 mid = (from_ + to_) / 2;
        from_ = mid - 1800, to_ = mid + 1800;
    }
    const qint64 pad = (to_ - from_) / 50;
    from_ -= pad, to_ += pad;

    double fastest = 0, lowestRate = 100;
    for (const records::ProgressPoint& p : series_.points) {
        fastest = std::max(fastest, p.speed / 100.0);
        lowestRate = std::min(lowestRate, p.rate / 10.0);
    }
    speedAxis_.step = NiceStep(std::max(fastest, 0.5), 5);
    speedAxis_.low = 0;
    speedAxis_.high = std::max(1.0, std::ceil(fastest / speedAxis_.step)) * speedAxis_.step;
    rateAxis_.low = std::min(90.0, std::floor(lowestRate / 10) * 10);
    rateAxis_.high = 100;
    rateAxis_.step = NiceStep(rateAxis_.high - rateAxis_.low, 5);
    hovered_ = -1;
    Layout();
    update();
}

QPointF ProgressChart::ToPixel(const QPointF& value, const Axis& axis) const {
    const QRectF plot = plot_;
    const double x = plot.left() + (value.x() - double(from_)) / double(to_ - from_) * plot.width();
    const double y =
        plot.bottom() - (value.y() - axis.low) / (axis.high - axis.low) * plot.height();
    return {x, std::clamp(y, plot.top(), plot.bottom())};
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
            at.append(ToPixel(v, axis));
        return at;
    };
    speedAt_ = toPixels(speed_, speedAxis_);
    rateAt_ = toPixels(rate_, rateAxis_);
    speedDots_ = OncePerPixel(speedAt_, plot_);
    rateDots_ = OncePerPixel(rateAt_, plot_);
    speedLine_ = ThinnedLine(toPixels(speedAverage_, speedAxis_));
    rateLine_ = ThinnedLine(toPixels(rateAverage_, rateAxis_));
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
    legend(kSpeedDot, kSpeedLine, QStringLiteral("秒当たり文字数"));
    legend(kRateDot, kRateLine, QStringLiteral("正解率"));
    p.setPen(Qt::black);
    p.drawText(
        QPointF(x, legendY + fm.ascent() / 2.0 - 1),
        QStringLiteral("（点は1回ずつ、線は最近%1回の移動平均）").arg(records::kAverageRounds));
    const double unitsY = plot.top() - 6;
    p.setPen(kSpeedLine);
    p.drawText(QRectF(0, unitsY - fm.height(), plot.left() + 20, fm.height()),
               Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("文字/秒"));
    p.setPen(kRateLine);
    p.drawText(
        QRectF(plot.right() - 20, unitsY - fm.height(), width() - plot.right() + 20, fm.height()),
        Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("%"));

    // Grid and labels: speed at the left, rate at the right, time below.
    for (double v = speedAxis_.low; v <= speedAxis_.high + 1e-9; v += speedAxis_.step) {
        const double y = ToPixel({0, v}, speedAxis_).y();
        p.setPen(kGrid);
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(kSpeedLine);
        p.drawText(QRectF(0, y - fm.height() / 2.0, plot.left() - 6, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(v, 'f', speedAxis_.step < 0.1 ? 2 : 1));
    }
    for (double v = std::ceil(rateAxis_.low / rateAxis_.step) * rateAxis_.step;
         v <= rateAxis_.high + 1e-9; v += rateAxis_.step) {
        const double y = ToPixel({0, v}, rateAxis_).y();
        p.setPen(kRateLine);
        p.drawLine(QPointF(plot.right(), y), QPointF(plot.right() + 4, y));
        p.drawText(QRectF(plot.right() + 6, y - fm.height() / 2.0, width() - plot.right() - 6,
                          fm.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, QString::number(v, 'f', 0));
    }
    const QList<Tick> ticks = TimeTicks(from_, to_, std::max(2, int(plot.width()) / 110));
    for (const Tick& t : ticks) {
        const double tx = ToPixel({double(t.when), 0}, speedAxis_).x();
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
        p.drawText(plot, Qt::AlignCenter, QStringLiteral("記録がありません"));
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
        return records::RirekiModel::ColumnTitle(column) + u' ' + f[column - 1];
    };
    return QStringLiteral("%1回　%2　%3\n").arg(row + 1).arg(f[0], f[1]) +
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

ProgressWindow::ProgressWindow(const records::RirekiModel& table, QWidget* owner)
    : QWidget(owner, Qt::Window), model_(table, this) {
    setObjectName(QStringLiteral("frmGraph"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("成績グラフ"));
    setFont(GothicFont(13));

    cboLimit = new QComboBox(this);
    cboLimit->setObjectName(QStringLiteral("cboLimit"));
    cboLimit->setAccessibleName(QStringLiteral("プレイ秒数"));
    cboLimit->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* limitLabel = new QLabel(QStringLiteral("プレイ秒数(&S)"), this);
    limitLabel->setBuddy(cboLimit);
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
    connect(&model_, &records::ProgressModel::changed, this, [this] { Refresh(); });
    Refresh();
}

int ProgressWindow::chosenLimit() const {
    return cboLimit->currentData().toInt();
}

void ProgressWindow::chooseLimit(int jikan) {
    const int index = cboLimit->findData(jikan);
    cboLimit->setCurrentIndex(std::max(index, 0));
    Refresh();
}

void ProgressWindow::Refresh() {
    const records::Progress& progress = model_.progress();
    // The choices follow the limits present; a limit whose rounds are all gone
    // falls back to every round.
    QList<int> offered;
    for (int i = 1; i < cboLimit->count(); ++i)
        offered.append(cboLimit->itemData(i).toInt());
    if (cboLimit->count() == 0 || offered != progress.limits) {
        const int chosen = chosenLimit();
        cboLimit->clear();
        cboLimit->addItem(QStringLiteral("すべて"), 0);
        for (int jikan : progress.limits)
            cboLimit->addItem(QStringLiteral("%1秒").arg(jikan), jikan);
        cboLimit->setCurrentIndex(std::max(0, cboLimit->findData(chosen)));
    }
    chart->setSeries(records::ChooseRounds(progress, chosenLimit()));
    lblFigures->setText(records::FiguresLine(records::FiguresOf(chart->series())));
    lblNote->setText(records::UnreadableNote(progress.unreadable));
    lblNote->setVisible(progress.unreadable > 0);
}

void WindowProgressService::Show(const records::RirekiModel& table, QWidget* owner) {
    if (!window_)
        window_ = new ProgressWindow(table, owner);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void WindowProgressService::CloseAll() {
    delete window_.data();
}

} // namespace ui
