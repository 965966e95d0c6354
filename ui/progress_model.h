#pragma once

#include "game/progress.h"
#include "ui/progress_service.h"

#include <QObject>
#include <QString>

namespace ui {

class RirekiModel;

// The line under the chart.
// `unit` names what the speed counts: 文字/秒 or 打鍵/秒.
QString FiguresLine(const game::ProgressFigures& figures,
                    const QString& unit = QStringLiteral("文字/秒"));
// The note of records left out, empty when there are none.
QString UnreadableNote(int unreadable);

// The chart's rounds, kept in step with the results table: read anew at
// every change of its rows (a save, a record taken back, the oldest dropped,
// a clear or a load). The rounds' kinds are those known last until the
// record's answer comes.
class ProgressModel : public QObject {
    Q_OBJECT
public:
    explicit ProgressModel(const RirekiModel& table, RoundKindSource kinds = {},
                           QObject* parent = nullptr);
    const game::Progress& progress() const { return progress_; }

signals:
    void changed();

private:
    void Reread();
    void AskKinds();
    const RirekiModel& table_;
    RoundKindSource source_;
    game::RoundKinds kinds_;
    game::Progress progress_;
};

} // namespace ui
