#include "ui/help_window.h"

#include <QtTest>
#include <QtWidgets>

#include <gtest/gtest.h>

#include <span>

namespace {

// Help windows of the sample file in a scratch folder, owned by a stand-in main
// window, with the zoom kept in the scratch folder.
struct Help : testing::Test {
    QTemporaryDir dir;
    QWidget owner;
    records::Options options{dir.filePath("オプション.txt")};
    ui::MessageBoxes messageBoxes;
    ui::WindowHelpService service{options, messageBoxes};
    QStringList boxes;
    QString file = dir.filePath("ZkHelp.chm");

    void SetUp() override {
        QFile::copy(MOJIRO_SAMPLE_CHM, file);
        messageBoxes.run = [this](QMessageBox& box) {
            boxes << box.text();
            return box.text().contains("mailto:") ? QMessageBox::Yes : QMessageBox::No;
        };
        owner.show();
    }
    ui::HelpWindow& open(const QString& path) {
        service.showDefaultTopic(path, &owner);
        return *service.window(path);
    }
    static qsizetype HelpWindows() {
        return std::ranges::count_if(QApplication::topLevelWidgets(),
                                     [](QWidget* w) { return qobject_cast<ui::HelpWindow*>(w); });
    }
    static QString Page(ui::HelpWindow& w) { return w.browser->source().path(); }
    // The pixel size the page gives these words.
    static int TextPixels(ui::HelpWindow& w, const QString& words) {
        return w.browser->document()->find(words).charFormat().intProperty(
            QTextFormat::FontPixelSize);
    }
    // Clicks the link of these words, as the player would.
    static void ClickLink(ui::HelpWindow& w, const QString& words) {
        const QRect link = w.browser->cursorRect(w.browser->document()->find(words));
        QTest::mouseClick(w.browser->viewport(), Qt::LeftButton, {}, link.center() - QPoint(2, 0));
    }
};

} // namespace

TEST_F(Help, OpensOneOwnedWindowPerFileAtItsDefaultTopicAndNoneForAMissingOrCorruptFile) {
    ui::HelpWindow& w = open(file);
    EXPECT_TRUE(w.isVisible() && w.isWindow() && w.parent() == &owner);
    EXPECT_EQ(w.windowTitle(), "見本のヘルプ");
    EXPECT_EQ(Page(w), "/second.htm");
    w.followLink(QUrl("start.htm"));
    EXPECT_EQ(&open(file), &w);
    EXPECT_EQ(HelpWindows(), 1);
    EXPECT_EQ(Page(w), "/second.htm"); // the default topic again
    const QString other = dir.filePath("other.chm");
    QFile::copy(file, other);
    open(other);
    EXPECT_EQ(HelpWindows(), 2);
    service.closeAll();
    EXPECT_EQ(HelpWindows(), 0);

    // A Japanese message names the file and says what is wrong with it.
    ASSERT_TRUE(QFile::resize(file, QFileInfo(file).size() / 2));
    const QString missing = dir.filePath("none.chm");
    service.showDefaultTopic(missing, &owner);
    service.showDefaultTopic(file, &owner);
    EXPECT_EQ(HelpWindows(), 0);
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_TRUE(boxes[0].contains("「" + missing + "」を開けません") &&
                boxes[0].contains("見つかりません"));
    EXPECT_TRUE(boxes[1].contains("「" + file + "」を開けません") &&
                boxes[1].contains("壊れています"));
}

TEST_F(Help, ContentsLinksAndSearchNavigateWithThePictureFromTheArchiveAndBackReturns) {
    ui::HelpWindow& w = open(file);
    QTreeWidgetItem* item = w.contents->findItems("絵のページ", Qt::MatchExactly).value(0);
    ASSERT_TRUE(item);
    QTest::mouseClick(w.contents->viewport(), Qt::LeftButton, {},
                      w.contents->visualItemRect(item).center());
    EXPECT_EQ(Page(w), "/sub/third.htm");
    // The picture's red disc shows on the page.
    const QImage shot =
        w.browser->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const std::span pixels(reinterpret_cast<const QRgb*>(shot.constBits()), shot.sizeInBytes() / 4);
    EXPECT_GT(std::ranges::count(pixels, qRgb(0xc0, 0x30, 0x20)), 0);
    ClickLink(w, "最初へ");
    EXPECT_EQ(Page(w), "/start.htm");
    EXPECT_EQ(w.contents->currentItem()->text(0), "はじめに"); // the contents follow the page
    w.back->trigger();
    EXPECT_EQ(Page(w), "/sub/third.htm");

    // A Japanese word of one inner page is found and marked there.
    w.searchLine->setText("かたつむり");
    QTest::keyClick(w.searchLine, Qt::Key_Return);
    ASSERT_EQ(w.results->count(), 1);
    EXPECT_EQ(w.results->item(0)->text(), "二つ目");
    QTest::mouseClick(w.results->viewport(), Qt::LeftButton, {},
                      w.results->visualItemRect(w.results->item(0)).center());
    EXPECT_EQ(Page(w), "/second.htm");
    EXPECT_EQ(w.browser->textCursor().selectedText(), "かたつむり");
}

TEST_F(Help, OnlyWebAndMailLinksLeaveAfterAQuestionAndZoomLastsAcrossPagesAndWindows) {
    ui::HelpWindow& w = open(file);
    QStringList calls;
    w.openExternal = [&](const QUrl& u) { calls << "open " + u.toString(); };
    for (const char* link : {"https://example.org/", "javascript:alert(1)", "file:///etc/passwd",
                             "ftp://example.org/", "mailto:a@example.org"})
        w.followLink(QUrl(link));
    EXPECT_EQ(boxes.size(), 2);
    EXPECT_TRUE(boxes.value(0).contains("https://example.org/"));
    EXPECT_EQ(calls, QStringList({"open mailto:a@example.org"}));
    EXPECT_EQ(Page(w), "/second.htm");

    w.followLink(QUrl("start.htm"));
    const int normal = TextPixels(w, "見本の最初"), font = QFontInfo(w.browser->font()).pixelSize();
    w.zoomIn->trigger();
    const int zoomed = TextPixels(w, "見本の最初");
    EXPECT_GT(zoomed, normal);                                 // sizes the page's style sheet sets
    EXPECT_GT(QFontInfo(w.browser->font()).pixelSize(), font); // and the rest
    w.followLink(QUrl("sub/third.htm"));
    w.followLink(QUrl("#pic")); // the same page: scaled once only
    EXPECT_EQ(TextPixels(w, "最初へ"), zoomed);
    service.closeAll();
    ui::HelpWindow& next = open(file);
    next.followLink(QUrl("start.htm"));
    EXPECT_EQ(TextPixels(next, "見本の最初"), zoomed);
    next.zoomOut->trigger();
    EXPECT_EQ(TextPixels(next, "見本の最初"), normal);
}
