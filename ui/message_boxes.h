#pragma once

#include <QMessageBox>

#include <functional>

namespace ui {

// The one way every window of the game shows a message box: one runner,
// which tests replace to answer the boxes themselves.
class MessageBoxes {
public:
    std::function<QMessageBox::StandardButton(QMessageBox&)> run = [](QMessageBox& box) {
        return QMessageBox::StandardButton(box.exec());
    };

    // A modal box owned by `owner`; `adjust` may name its buttons before it shows.
    QMessageBox::StandardButton ask(QWidget* owner, QMessageBox::Icon icon, const QString& title,
                                    const QString& text, QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton byDefault,
                                    const std::function<void(QMessageBox&)>& adjust = {}) {
        QMessageBox box(icon, title, text, buttons, owner);
        if (byDefault != QMessageBox::NoButton)
            box.setDefaultButton(byDefault);
        if (adjust)
            adjust(box);
        return run(box);
    }
    void warn(QWidget* owner, const QString& title, const QString& text) {
        ask(owner, QMessageBox::Warning, title, text, QMessageBox::Ok, QMessageBox::Ok);
    }
    void tell(QWidget* owner, const QString& title, const QString& text) {
        ask(owner, QMessageBox::Information, title, text, QMessageBox::Ok, QMessageBox::Ok);
    }
};

} // namespace ui
