#include "ui/help_window.h"

#include "help/sitemap.h"
#include "help/text.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBlock>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace ui {

namespace {

constexpr int kPathRole = Qt::UserRole;

QUrl ChmUrl(const QString& link) {
    // The link's own #part stays with the URL; only its path names an object.
    QUrl url(QStringLiteral("chm:") + (link.startsWith('/') ? link : '/' + link));
    return url.isValid() ? url : QUrl(QStringLiteral("chm:") + help::PathOfLink(link));
}

} // namespace

ChmBrowser::ChmBrowser(const help::ChmArchive& archive, QWidget* parent)
    : QTextBrowser(parent), archive_(archive) {}

QVariant ChmBrowser::loadResource(int type, const QUrl& url) {
    if (url.scheme() != QLatin1String("chm"))
        return {};
    const auto bytes = archive_.read(url.path());
    if (!bytes)
        return {};
    if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
        return help::DecodePage(*bytes, archive_.lcid());
    return *bytes;
}

HelpWindow::HelpWindow(std::unique_ptr<help::ChmArchive> archive, const QString& path,
                       records::Options& options, MessageBoxes& boxes, QWidget* owner)
    : QMainWindow(owner, Qt::Window), archive_(std::move(archive)), options_(options),
      boxes_(boxes) {
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QString title = archive_->title();
    setWindowTitle(title.isEmpty() ? QFileInfo(path).fileName() : title);
    resize(820, 600);

    browser = new ChmBrowser(*archive_, this);
    browser->setOpenLinks(false);
    // A dark desktop theme must not give dark text on a dark page.
    QPalette light = browser->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        light.setColor(group, QPalette::Base, Qt::white);
        light.setColor(group, QPalette::Text, Qt::black);
        light.setColor(group, QPalette::Link, QColor(0, 0, 0xcc));
        light.setColor(group, QPalette::LinkVisited, QColor(0x55, 0x1a, 0x8b));
        light.setColor(group, QPalette::Highlight, QColor(0xff, 0xe0, 0x60));
        light.setColor(group, QPalette::HighlightedText, Qt::black);
    }
    browser->setPalette(light);
    baseFont_ = browser->font();
    connect(browser, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    connect(browser, &QTextBrowser::sourceChanged, this, &HelpWindow::FollowPage);
    connect(browser, &QTextBrowser::sourceChanged, this, &HelpWindow::ScalePage);

    tabs = new QTabWidget;
    contents = new QTreeWidget;
    contents->setHeaderHidden(true);
    tabs->addTab(contents, QCoreApplication::translate("HelpWindow", "目次"));
    auto* indexPane = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPane);
    indexFilter = new QLineEdit;
    indexFilter->setPlaceholderText(QCoreApplication::translate("HelpWindow", "キーワードを入力"));
    index = new QListWidget;
    indexLayout->addWidget(indexFilter);
    indexLayout->addWidget(index);
    tabs->addTab(indexPane, QCoreApplication::translate("HelpWindow", "索引"));
    auto* searchPane = new QWidget;
    auto* searchLayout = new QVBoxLayout(searchPane);
    searchLine = new QLineEdit;
    searchLine->setPlaceholderText(
        QCoreApplication::translate("HelpWindow", "探す言葉を入力して Enter"));
    results = new QListWidget;
    searchLayout->addWidget(searchLine);
    searchLayout->addWidget(results);
    tabs->addTab(searchPane, QCoreApplication::translate("HelpWindow", "検索"));

    auto* split = new QSplitter;
    split->addWidget(tabs);
    split->addWidget(browser);
    split->setStretchFactor(1, 1);
    split->setSizes({230, 590});
    setCentralWidget(split);

    QToolBar* bar = addToolBar(QCoreApplication::translate("HelpWindow", "ツールバー"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack),
                          QCoreApplication::translate("HelpWindow", "戻る"), browser,
                          &QTextBrowser::backward);
    forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                             QCoreApplication::translate("HelpWindow", "進む"), browser,
                             &QTextBrowser::forward);
    home = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon),
                          QCoreApplication::translate("HelpWindow", "ホーム"), this,
                          &HelpWindow::showHome);
    zoomIn = bar->addAction(QCoreApplication::translate("HelpWindow", "拡大"), this,
                            [this] { zoom(1); });
    zoomOut = bar->addAction(QCoreApplication::translate("HelpWindow", "縮小"), this,
                             [this] { zoom(-1); });
    print =
        bar->addAction(QCoreApplication::translate("HelpWindow", "印刷"), this, &HelpWindow::Print);
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    zoomIn->setShortcut(QKeySequence::ZoomIn);
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    print->setShortcut(QKeySequence::Print);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    bar->addSeparator();
    findLine = new QLineEdit;
    findLine->setPlaceholderText(
        QCoreApplication::translate("HelpWindow", "ページ内を検索 (Ctrl+F)"));
    findLine->setMaximumWidth(220);
    bar->addWidget(findLine);
    find = new QAction(QCoreApplication::translate("HelpWindow", "ページ内を検索"), this);
    find->setShortcut(QKeySequence::Find);
    addAction(find);
    // A window beside the game: Esc puts it away, as it does a dialog.
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);
    connect(find, &QAction::triggered, findLine,
            [this] { findLine->setFocus(), findLine->selectAll(); });
    connect(findLine, &QLineEdit::returnPressed, this, [this] {
        if (!browser->find(findLine->text())) {
            browser->moveCursor(QTextCursor::Start); // wrap around
            browser->find(findLine->text());
        }
    });

    BuildContents();
    BuildIndex();
    connect(contents, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        followLink(ChmUrl(item->data(0, kPathRole).toString()));
    });
    connect(contents, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        followLink(ChmUrl(item->data(0, kPathRole).toString()));
    });
    connect(index, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        followLink(ChmUrl(item->data(kPathRole).toString()));
    });
    connect(indexFilter, &QLineEdit::textChanged, this, [this](const QString& text) {
        for (int i = 0; i < index->count(); ++i)
            index->item(i)->setHidden(!index->item(i)->text().contains(text, Qt::CaseInsensitive));
    });
    connect(searchLine, &QLineEdit::returnPressed, this, [this] { search(searchLine->text()); });
    connect(results, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        followLink(ChmUrl(item->data(kPathRole).toString()));
        browser->moveCursor(QTextCursor::Start);
        browser->find(searched_);
    });

    zoom_ = qBound(kMinZoom, options_.helpZoom(), kMaxZoom);
    ApplyZoom();
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::BuildContents() {
    const auto bytes = archive_->read(help::PathOfLink(archive_->contentsFile()));
    std::vector<QTreeWidgetItem*> parents;
    for (const help::SitemapEntry& e : help::ParseSitemap(bytes.value_or(""), archive_->lcid())) {
        parents.resize(qMin<size_t>(parents.size(), size_t(e.depth)));
        auto* item =
            parents.empty() ? new QTreeWidgetItem(contents) : new QTreeWidgetItem(parents.back());
        item->setText(0, e.name.isEmpty() ? e.local : e.name);
        item->setData(0, kPathRole, e.local);
        parents.push_back(item);
    }
    contents->expandAll();
}

void HelpWindow::BuildIndex() {
    const auto bytes = archive_->read(help::PathOfLink(archive_->indexFile()));
    for (const help::SitemapEntry& e : help::ParseSitemap(bytes.value_or(""), archive_->lcid())) {
        if (e.local.isEmpty())
            continue;
        auto* item = new QListWidgetItem(e.name.isEmpty() ? e.local : e.name, index);
        item->setData(kPathRole, e.local);
    }
}

void HelpWindow::showHome() {
    followLink(ChmUrl(archive_->defaultTopic()));
}

void HelpWindow::followLink(const QUrl& link) {
    const QUrl url = browser->source().resolved(link);
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("chm")) {
        browser->setSource(url, QTextDocument::HtmlResource);
    } else if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
               scheme == QLatin1String("mailto")) {
        const bool go =
            boxes_.ask(
                this, QMessageBox::Question, windowTitle(),
                QCoreApplication::translate("HelpWindow", "次のページをブラウザーで開きますか?\n%1")
                    .arg(url.toDisplayString()),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton) == QMessageBox::Yes;
        if (go)
            openExternal ? openExternal(url) : void(QDesktopServices::openUrl(url));
    }
    // javascript:, file: and any other scheme lead nowhere from a help page.
}

void HelpWindow::FollowPage(const QUrl& url) {
    const QString path = url.path();
    for (QTreeWidgetItemIterator it(contents); *it; ++it)
        if (archive_->contains(path) && help::PathOfLink((*it)->data(0, kPathRole).toString())
                                                .compare(path, Qt::CaseInsensitive) == 0) {
            const QSignalBlocker quiet(contents);
            contents->setCurrentItem(*it);
            return;
        }
}

void HelpWindow::search(const QString& words) {
    searched_ = words.trimmed();
    results->clear();
    if (searched_.isEmpty())
        return;
    if (pages_.empty())
        for (const QString& path : archive_->pages())
            if (const auto bytes = archive_->read(path)) {
                const help::PageText page =
                    help::PlainText(help::DecodePage(*bytes, archive_->lcid()));
                pages_.push_back({path, page.title.isEmpty() ? path : page.title, page.text});
            }
    for (const Page& page : pages_)
        if (page.text.contains(searched_, Qt::CaseInsensitive) ||
            page.title.contains(searched_, Qt::CaseInsensitive)) {
            auto* item = new QListWidgetItem(page.title, results);
            item->setData(kPathRole, page.path);
        }
    if (results->count() == 0)
        new QListWidgetItem(QCoreApplication::translate("HelpWindow", "見つかりませんでした。"),
                            results);
}

void HelpWindow::zoom(int steps) {
    zoom_ = qBound(kMinZoom, zoom_ + steps, kMaxZoom);
    options_.setHelpZoom(zoom_); // where it cannot be kept, it lasts while this window does
    ApplyZoom();
    browser->reload(); // the page's own sizes are scaled as it loads
}

qreal HelpWindow::zoomFactor() const {
    return 1 + 0.1 * zoom_;
}

void HelpWindow::ApplyZoom() {
    // Text the page gives no size follows the widget's font.
    QFont f = baseFont_;
    if (f.pointSizeF() > 0)
        f.setPointSizeF(f.pointSizeF() * zoomFactor());
    else
        f.setPixelSize(qMax(4, qRound(f.pixelSize() * zoomFactor())));
    browser->setFont(f);
}

// Sizes the page sets itself (style sheets in px or pt) are scaled by hand, once
// per loaded page: a page scaled already is marked modified.
void HelpWindow::ScalePage() {
    QTextDocument* doc = browser->document();
    if (doc->isModified() || zoom_ == 0)
        return;
    struct Range {
        int from, to;
        QTextCharFormat size;
    };
    std::vector<Range> ranges;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QTextCharFormat format = f.charFormat();
            QTextCharFormat size;
            if (format.hasProperty(QTextFormat::FontPixelSize))
                size.setProperty(
                    QTextFormat::FontPixelSize,
                    qMax(4, qRound(format.intProperty(QTextFormat::FontPixelSize) * zoomFactor())));
            else if (format.hasProperty(QTextFormat::FontPointSize))
                size.setFontPointSize(qMax(3.0, format.fontPointSize() * zoomFactor()));
            else
                continue;
            ranges.push_back({f.position(), f.position() + f.length(), size});
        }
    QTextCursor c(doc);
    for (const Range& r : ranges) {
        c.setPosition(r.from);
        c.setPosition(r.to, QTextCursor::KeepAnchor);
        c.mergeCharFormat(r.size);
    }
    doc->setModified(true);
}

void HelpWindow::Print() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        browser->print(&printer);
}

void WindowHelpService::showDefaultTopic(const QString& path, QWidget* owner) {
    QPointer<HelpWindow>& window = windows_[path];
    if (!window) {
        auto opened = help::ChmArchive::OpenFile(path);
        QString reason = opened.error;
        if (opened.archive &&
            !opened.archive->read(help::PathOfLink(opened.archive->defaultTopic())))
            reason = QCoreApplication::translate(
                "HelpWindow", "最初のページを読み込めません。ファイルが壊れています。");
        if (!reason.isEmpty()) {
            windows_.erase(path);
            boxes_.warn(
                owner, QCoreApplication::translate("HelpWindow", "ヘルプ"),
                QCoreApplication::translate("HelpWindow", "ヘルプファイル「%1」を開けません。\n%2")
                    .arg(QDir::toNativeSeparators(path), reason));
            return;
        }
        window = new HelpWindow(std::move(opened.archive), path, options_, boxes_, owner);
    }
    window->showHome();
    window->show();
    window->raise();
    window->activateWindow();
}

void WindowHelpService::closeAll() {
    for (auto& [path, window] : windows_)
        delete window.data();
    windows_.clear();
}

bool WindowHelpService::isOpen() const {
    for (const auto& [path, window] : windows_)
        if (window)
            return true;
    return false;
}

HelpWindow* WindowHelpService::window(const QString& path) const {
    const auto it = windows_.find(path);
    return it == windows_.end() ? nullptr : it->second.data();
}

} // namespace ui
