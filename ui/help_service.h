#pragma once

#include <QString>

class QWidget;

namespace ui {

// What the main window needs of a help viewer.
class HelpService {
public:
    virtual ~HelpService() = default;
    // Shows the file at its default topic in a window owned by `owner`, one
    // window per file: a second call raises it and shows the default topic again.
    virtual void showDefaultTopic(const QString& path, QWidget* owner) = 0;
    // Closes every help window this service opened.
    virtual void closeAll() = 0;
    virtual bool isOpen() const = 0;
};

} // namespace ui
