#pragma once

#include "help/chm_archive.h"
#include "records/options.h"
#include "ui/help_service.h"
#include "ui/message_boxes.h"

#include <QMainWindow>
#include <QPointer>
#include <QTextBrowser>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTreeWidget;

namespace ui {

// Serves chm: URLs from the archive, so relative links, style sheets and
// images resolve inside it.
class ChmBrowser : public QTextBrowser {
public:
    ChmBrowser(const help::ChmArchive& archive, QWidget* parent);
    QVariant loadResource(int type, const QUrl& url) override;

private:
    const help::ChmArchive& archive_;
};

// A compiled help file: the page, contents, index and search beside it.
class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    HelpWindow(std::unique_ptr<help::ChmArchive> archive, const QString& path,
               records::Options& options, MessageBoxes& boxes, QWidget* owner);
    ~HelpWindow() override;

    void showHome();
    void followLink(const QUrl& url);
    void search(const QString& words);
    // Steps of a tenth of the normal size, kept with the game's options.
    void zoom(int steps);
    qreal zoomFactor() const;
    static constexpr int kMinZoom = -5, kMaxZoom = 10;

    // Opens a link that leaves for the desktop's browser, once the player agreed.
    std::function<void(const QUrl&)> openExternal;

    ChmBrowser* browser;
    QTabWidget* tabs;
    QTreeWidget* contents;
    QLineEdit* indexFilter;
    QListWidget* index;
    QLineEdit* searchLine;
    QListWidget* results;
    QLineEdit* findLine;
    QAction *back, *forward, *home, *zoomIn, *zoomOut, *print, *find;

private:
    void BuildContents();
    void BuildIndex();
    void FollowPage(const QUrl& url);
    void ApplyZoom();
    void ScalePage();
    void Print();

    std::unique_ptr<help::ChmArchive> archive_;
    records::Options& options_;
    MessageBoxes& boxes_;
    struct Page {
        QString path, title, text;
    };
    std::vector<Page> pages_; // read on the first search
    QString searched_;
    int zoom_ = 0;
    QFont baseFont_;
};

// Opens help windows; a file that cannot be shown gives a message box naming it.
class WindowHelpService : public HelpService {
public:
    WindowHelpService(records::Options& options, MessageBoxes& boxes)
        : options_(options), boxes_(boxes) {}
    void showDefaultTopic(const QString& path, QWidget* owner) override;
    void closeAll() override;
    bool isOpen() const override;
    HelpWindow* window(const QString& path) const;

private:
    records::Options& options_;
    MessageBoxes& boxes_;
    std::map<QString, QPointer<HelpWindow>> windows_;
};

} // namespace ui
