#pragma once

#include <QImage>
#include <QString>

class QWidget;

namespace ui {

// What the main window needs to take results elsewhere.
class ShareService {
public:
    virtual ~ShareService() = default;
    // The file to export the history to, chosen by the player; empty when they did not.
    virtual QString chooseCsvFile(QWidget* owner) = 0;
    // Puts the text and the picture on the clipboard together.
    virtual void copy(const QString& text, const QImage& picture) = 0;
};

// The desktop's save dialog and clipboard.
class DesktopShareService : public ShareService {
public:
    QString chooseCsvFile(QWidget* owner) override;
    void copy(const QString& text, const QImage& picture) override;
};

} // namespace ui
