#include "ui/help_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

// Help windows of the sample file in a scratch folder, owned by a stand-in main
// window, with the zoom kept in a scratch settings folder.
struct Help : testing::Test {
    QTemporaryDir dir;
    QWidget owner;
    ui::WindowHelpService service;
    QStringList boxes;
    QString file = dir.filePath("ZkHelp.chm");

    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath("config"));
        QFile::copy(MOJIRO_SAMPLE_CHM, file);
        service.runBox = [this](QMessageBox& box) { boxes << box.text(); };
        owner.show();
    }
    ui::HelpWindow& open(const QString& path) {
        service.ShowDefaultTopic(path, &owner);
        return *service.window(path);
    }
    static int HelpWindows() {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            n += qobject_cast<ui::HelpWindow*>(w) != nullptr;
        return n;
    }
    // The pixel size the page gives the text that starts with these words.
    static int TextPixels(ui::HelpWindow& w, const QString& words) {
        for (QTextBlock b = w.browser->document()->begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (it.fragment().text().startsWith(words))
                    return it.fragment().charFormat().intProperty(QTextFormat::FontPixelSize);
        return -1;
    }
    static QString Page(ui::HelpWindow& w) { return w.browser->source().path(); }
    // Clicks the link with this href on the page shown, as the player would.
    static void ClickLink(ui::HelpWindow& w, const QString& href) {
        QTextDocument* doc = w.browser->document();
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().anchorHref() == href) {
                    QTextCursor c(doc);
                    c.setPosition(it.fragment().position() + 1);
                    const QPoint at = w.browser->cursorRect(c).center() - QPoint(2, 0);
                    QTest::mouseClick(w.browser->viewport(), Qt::LeftButton, {}, at);
                    return;
                }
        ADD_FAILURE() << "no link " << href.toStdString();
    }
};

} // namespace

TEST_F(Help, OpensOneWindowAtTheDefaultTopicWithTheFilesTitleAndASecondHelpKeepsIt) {
    ui::HelpWindow& w = open(file);
    EXPECT_TRUE(w.isVisible() && w.isWindow() && w.parent() == &owner);
    EXPECT_EQ(w.windowTitle(), "見本のヘルプ");
    EXPECT_EQ(Page(w), "/second.htm");
    EXPECT_TRUE(w.browser->toPlainText().contains("かたつむり"));
    w.followLink(QUrl("start.htm"));
    EXPECT_EQ(&open(file), &w);
    EXPECT_EQ(HelpWindows(), 1);
    EXPECT_EQ(Page(w), "/second.htm");
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(Help, ContentsAndLinkClicksNavigateAndBackReturnsWithThePictureFromTheArchive) {
    ui::HelpWindow& w = open(file);
    QTreeWidgetItem* item = w.contents->findItems("絵のページ", Qt::MatchExactly).value(0);
    ASSERT_TRUE(item);
    QTest::mouseClick(w.contents->viewport(), Qt::LeftButton, {},
                      w.contents->visualItemRect(item).center());
    EXPECT_EQ(Page(w), "/sub/third.htm");
    EXPECT_EQ(w.contents->currentItem(), item);
    // The picture's red disc shows on the page.
    const QImage shot = w.browser->viewport()->grab().toImage();
    bool red = false;
    for (int y = 0; y < shot.height() && !red; ++y)
        for (int x = 0; x < shot.width() && !red; ++x)
            red = shot.pixelColor(x, y) == QColor(0xc0, 0x30, 0x20);
    EXPECT_TRUE(red);
    ClickLink(w, "../start.htm");
    EXPECT_EQ(Page(w), "/start.htm");
    EXPECT_EQ(w.contents->currentItem()->text(0), "はじめに");
    w.back->trigger();
    EXPECT_EQ(Page(w), "/sub/third.htm");
    w.home->trigger();
    EXPECT_EQ(Page(w), "/second.htm");
}

TEST_F(Help, OnlyWebAndMailLinksLeaveAndOnlyAfterAQuestion) {
    ui::HelpWindow& w = open(file);
    QStringList asked, opened;
    bool answer = false;
    w.confirmExternal = [&](const QUrl& u) { return asked << u.toString(), answer; };
    w.openExternal = [&](const QUrl& u) { opened << u.toString(); };
    for (const char* link : {"https://example.org/", "javascript:alert(1)", "file:///etc/passwd",
                             "ftp://example.org/"})
        w.followLink(QUrl(link));
    answer = true;
    w.followLink(QUrl("mailto:a@example.org"));
    EXPECT_EQ(asked, QStringList({"https://example.org/", "mailto:a@example.org"}));
    EXPECT_EQ(opened, QStringList("mailto:a@example.org"));
    EXPECT_EQ(Page(w), "/second.htm");
}

TEST_F(Help, SearchFindsAJapaneseWordOfOneInnerPageAndMarksIt) {
    ui::HelpWindow& w = open(file);
    w.followLink(QUrl("start.htm"));
    w.searchLine->setText("かたつむり");
    QTest::keyClick(w.searchLine, Qt::Key_Return);
    ASSERT_EQ(w.results->count(), 1);
    EXPECT_EQ(w.results->item(0)->text(), "二つ目");
    QTest::mouseClick(w.results->viewport(), Qt::LeftButton, {},
                      w.results->visualItemRect(w.results->item(0)).center());
    EXPECT_EQ(Page(w), "/second.htm");
    EXPECT_EQ(w.browser->textCursor().selectedText(), "かたつむり");
    w.search("見本のヘルプにない言葉");
    EXPECT_EQ(w.results->count(), 1);
    EXPECT_EQ(w.results->item(0)->data(Qt::UserRole), QVariant());
}

TEST_F(Help, ZoomScalesTheStyleSheetsSizesAndSurvivesNavigationAndTheNextWindow) {
    ui::HelpWindow& w = open(file);
    w.followLink(QUrl("start.htm"));
    const int normal = TextPixels(w, "見本の最初");
    const QFont normalFont = w.browser->font();
    EXPECT_GT(normal, 0); // the sample's style sheet sizes paragraphs in px
    w.zoomIn->trigger();
    w.zoomIn->trigger();
    const int zoomed = TextPixels(w, "見本の最初");
    EXPECT_GT(zoomed, normal);
    EXPECT_GT(QFontInfo(w.browser->font()).pixelSize(), QFontInfo(normalFont).pixelSize());
    w.followLink(QUrl("sub/third.htm"));
    w.followLink(QUrl("#pic")); // the same page: scaled once only
    EXPECT_EQ(TextPixels(w, "最初へ"), zoomed);
    w.back->trigger();
    w.back->trigger();
    EXPECT_EQ(TextPixels(w, "見本の最初"), zoomed);
    service.CloseAll();
    ui::HelpWindow& next = open(file);
    next.followLink(QUrl("start.htm"));
    EXPECT_EQ(TextPixels(next, "見本の最初"), zoomed);
    next.zoomOut->trigger();
    next.zoomOut->trigger();
    EXPECT_EQ(TextPixels(next, "見本の最初"), normal);
    EXPECT_EQ(next.browser->font(), normalFont);
}

TEST_F(Help, CloseAllClosesEveryHelpWindow) {
    const QString other = dir.filePath("other.chm");
    QFile::copy(file, other);
    open(file);
    open(other);
    EXPECT_EQ(HelpWindows(), 2);
    service.CloseAll();
    EXPECT_EQ(HelpWindows(), 0);
}

TEST_F(Help, AMissingOrCorruptFileGivesAJapaneseMessageAndNoWindow) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    const QByteArray bytes = f.readAll();
    f.resize(bytes.size() / 2);
    f.close();
    const QString missing = dir.filePath("none.chm");
    for (const QString& path : {missing, file}) {
        service.ShowDefaultTopic(path, &owner);
        EXPECT_EQ(service.window(path), nullptr);
    }
    EXPECT_EQ(HelpWindows(), 0);
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_TRUE(boxes[0].startsWith("ヘルプファイル「" + QDir::toNativeSeparators(missing) +
                                    "」を開けません。"));
    EXPECT_TRUE(boxes[0].contains("見つかりません"));
    EXPECT_TRUE(boxes[1].contains("ZkHelp.chm") && boxes[1].contains("壊れています"));
}
