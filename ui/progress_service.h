#pragma once

#include "game/progress.h"

#include <functional>

class QObject;

class QWidget;

namespace ui {

class RirekiModel;

// Asks the record of words what it knows of each saved round; the answer
// comes later, unless `context` has gone by then.
using RoundKindSource =
    std::function<void(QObject* context, std::function<void(const game::RoundKinds&)> then)>;

// What the main window needs of the chart of its history.
class ProgressService {
public:
    virtual ~ProgressService() = default;
    // Shows the chart of the table's rounds in a window owned by `owner`, kept
    // in step with the table while it is open; a second call raises it.
    virtual void show(const RirekiModel& table, QWidget* owner, RoundKindSource kinds = {}) = 0;
    virtual void closeAll() = 0;
    virtual bool isOpen() const = 0;
};

} // namespace ui
