#pragma once

class QWidget;

namespace ui {

class RirekiModel;

// What the main window needs of the chart of its history.
class ProgressService {
public:
    virtual ~ProgressService() = default;
    // Shows the chart of the table's rounds in a window owned by `owner`, kept
    // in step with the table while it is open; a second call raises it.
    virtual void Show(const RirekiModel& table, QWidget* owner) = 0;
    virtual void CloseAll() = 0;
};

} // namespace ui
