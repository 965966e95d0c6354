#pragma once

#include "game/progress.h"
#include "ui/chart_scale.h"
#include "ui/progress_model.h"
#include "ui/progress_service.h"

#include <QPointer>
#include <QPolygonF>
#include <QWidget>

class QComboBox;
class QLabel;

namespace ui {

// Speed and correct rate of each round against its date and time, each with
// its moving average: speed on the left axis, rate on the right.
class ProgressChart : public QWidget {
public:
    explicit ProgressChart(const RirekiModel& table, QWidget* parent = nullptr);

    // `keys`: the speed is keys per second, of rounds typed with the game's own input.
    void setSeries(game::ProgressSeries series, bool keys = false);
    const game::ProgressSeries& series() const { return series_; }
    // Each round as (seconds, characters per second) and (seconds, percent).
    const QList<QPointF>& speedPoints() const { return speed_; }
    const QList<QPointF>& ratePoints() const { return rate_; }

    // The round drawn nearest `pos`, within a few pixels, or -1.
    int roundAt(QPoint pos) const;
    // The round's row of the table, as the tip over its point shows it.
    QString tipFor(int round) const;

    QSize sizeHint() const override { return {760, 420}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void Layout();

    const RirekiModel& table_;
    game::ProgressSeries series_;
    bool keys_ = false;
    QList<QPointF> speed_, rate_, speedAverage_, rateAverage_;
    ChartScale scale_;
    QRectF plot_; // the area inside the axes
    // In pixels, for the paint and the hover; the dots drawn once per pixel.
    QList<QPointF> speedAt_, rateAt_;
    QPolygonF speedDots_, rateDots_, speedLine_, rateLine_;
    int hovered_ = -1;
};

// The chart's window: a choice of time limit above the chart, the figures of
// the chosen rounds below it and a note of the records left out.
class ProgressWindow : public QWidget {
    Q_OBJECT
public:
    ProgressWindow(const RirekiModel& table, QWidget* owner, RoundKindSource kinds = {});

    // 0 for every time limit.
    void chooseLimit(int jikan);
    int chosenLimit() const;
    game::RoundFilter chosenFilter() const;

    QComboBox* cboLimit;
    QComboBox* cboMode;
    QComboBox* cboList;
    QComboBox* cboSpeed;
    ProgressChart* chart;
    QLabel* lblFigures;
    QLabel* lblNote;

private:
    void Refresh();
    ProgressModel model_;
};

class WindowProgressService : public ProgressService {
public:
    void show(const RirekiModel& table, QWidget* owner, RoundKindSource kinds = {}) override;
    void closeAll() override;
    bool isOpen() const override { return window_ != nullptr; }
    ProgressWindow* window() const { return window_.data(); }

private:
    QPointer<ProgressWindow> window_;
};

} // namespace ui
