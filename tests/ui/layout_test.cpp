#include "window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

TEST(Layout, EveryControlStandsAtItsPlaceInPixels) {
    Window fx;
    ui::frmMain& w = fx.create();
    EXPECT_EQ(w.size(), QSize(631, 452));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(w.windowFlags() & Qt::WindowMinimizeButtonHint);
    const std::tuple<const char*, const char*, QRect> places[] = {
        {"Image1", "frmMain", {15, 10, 318, 61}},
        {"cmdStart", "frmMain", {345, 10, 56, 61}},
        {"cmdHozon", "frmMain", {400, 10, 56, 61}},
        {"cmdClear", "frmMain", {455, 10, 56, 61}},
        {"cmdHelp", "frmMain", {510, 10, 56, 61}},
        {"cmdEnd", "frmMain", {565, 10, 56, 61}},
        {"Line1_1", "frmMain", {10, 84, 610, 1}},
        {"Line1_0", "frmMain", {10, 85, 610, 1}},
        {"Frame1", "frmMain", {9, 87, 616, 358}},
        {"imgStart_1", "Frame1", {12, 18, 32, 32}},
        {"imgStart_2", "Frame1", {12, 18, 32, 32}},
        {"imgStart_3", "Frame1", {12, 18, 32, 32}},
        {"Label1", "Frame1", {60, 13, 77, 22}},
        {"cboJikan", "Frame1", {60, 30, 71, 27}},
        {"chkAs", "Frame1", {140, 30, 28, 28}},
        {"Frame2", "Frame1", {178, 9, 422, 49}},
        {"lblOk", "Frame2", {10, 12, 54, 31}},
        {"lblNg", "Frame2", {70, 12, 54, 31}},
        {"lblMoji_T", "Frame2", {130, 12, 62, 31}},
        {"lblRitu", "Frame2", {200, 12, 97, 31}},
        {"lblByou", "Frame2", {300, 12, 112, 31}},
        {"shpJikanB", "Frame1", {15, 63, 583, 5}},
        {"shpJikanK", "Frame1", {15, 63, 583, 5}},
        {"lblHint", "Frame1", {15, 72, 26, 65}},
        {"lblMondai", "Frame1", {40, 72, 387, 65}},
        {"Label2", "Frame1", {15, 140, 26, 67}},
        {"txtKaitou", "Frame1", {40, 140, 386, 67}},
        {"fraJisyo", "Frame1", {435, 75, 166, 131}},
        {"lstJisyo", "fraJisyo", {10, 20, 146, 100}},
        {"frmRireki", "Frame1", {435, 75, 166, 131}},
        {"lstRireki", "frmRireki", {10, 20, 146, 100}},
        {"msgRireki", "Frame1", {15, 215, 586, 131}},
    };
    for (const auto& [name, parent, rect] : places) {
        auto* c = w.findChild<QWidget*>(name);
        ASSERT_NE(c, nullptr) << name;
        EXPECT_EQ(c->parentWidget()->objectName(), parent) << name;
        EXPECT_EQ(c->geometry(), rect) << name;
    }
}

TEST(Layout, InitialTextsColoursFontsAndTips) {
    Window fx;
    ui::frmMain& w = fx.create();
    EXPECT_EQ(w.windowTitle(), "モジロタイピング");
    const QColor none, ivory(255, 255, 240);
    // Control, text, pixel size of "ＭＳ Ｐゴシック" (0: default face), text colour, background.
    const std::tuple<QWidget*, QString, int, QColor, QColor> looks[] = {
        {w.Label1, "プレイ秒数", 15, none, none},
        {w.cboJikan, "Combo1", 19, none, ivory},
        {w.lblOk, "999", 27, QColor(0, 128, 0), none},
        {w.lblNg, "999", 27, QColor(255, 0, 0), none},
        {w.lblMoji_T, "9999", 27, QColor(128, 0, 0), none},
        {w.lblRitu, "100.0%", 27, QColor(0, 0, 0), none},
        {w.lblByou, "2.63/秒", 27, QColor(0, 0, 128), none},
        {w.lblHint, "\u3000問題", 16, Qt::white, QColor(0, 192, 192)},
        {w.lblMondai, "かぼちゃ", 51, none, none},
        {w.Label2, "\u3000解答", 16, Qt::white, QColor(255, 128, 128)},
        {w.txtKaitou, "かぼちゃ", 51, none, ivory},
        {w.lstJisyo, "", 0, none, ivory},
        {w.lstRireki, "", 0, none, ivory},
        {w.msgRireki, "", 12, none, none},
    };
    for (const auto& [c, text, px, colour, background] : looks) {
        const std::string name = c->objectName().toStdString();
        const auto* label = qobject_cast<QLabel*>(c);
        const auto* combo = qobject_cast<QComboBox*>(c);
        const auto* edit = qobject_cast<QLineEdit*>(c);
        const QString shown = label   ? label->text()
                              : combo ? combo->currentText()
                              : edit  ? edit->text()
                                      : QString();
        EXPECT_EQ(shown, text) << name;
        EXPECT_EQ(c->font().pixelSize() == px && c->font().family() == "ＭＳ Ｐゴシック", px != 0)
            << name;
        if (colour.isValid()) {
            EXPECT_EQ(c->palette().color(QPalette::WindowText), colour) << name;
        }
        if (background.isValid()) {
            const auto role = label ? QPalette::Window : QPalette::Base;
            EXPECT_EQ(c->palette().color(role), background) << name;
        }
        if (label) {
            EXPECT_EQ(label->frameShadow() == QFrame::Sunken, px != 15) << name;
        }
    }
    EXPECT_FALSE(QFont::substitutes("ＭＳ Ｐゴシック").isEmpty());
    EXPECT_EQ(w.fraJisyo->title() + w.frmRireki->title(), "登録ワード一覧モジロ履歴");

    const std::tuple<QToolButton*, const char*, const char*> buttons[] = {
        {w.cmdStart, "スタート", "ゲームをスタートします"},
        {w.cmdHozon, "保存", "データを保存します"},
        {w.cmdClear, "クリア", "履歴データをクリアします"},
        {w.cmdHelp, "ヘルプ", "ヘルプファイルを開きます"},
        {w.cmdEnd, "終了", "プログラムを終了します"},
        {w.chkAs, "", "履歴の自動保存を制御します"}};
    for (const auto& [b, caption, tip] : buttons) {
        EXPECT_EQ(b->text() + b->toolTip(), QString(caption) + tip);
        EXPECT_FALSE(b->icon().isNull());
    }
    EXPECT_EQ(w.lblHint->toolTip(), "クリックすると元の文字がわかります");
    EXPECT_EQ(w.cmdStart->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    EXPECT_TRUE(w.chkAs->isCheckable());
    EXPECT_EQ(w.Image1->pixmap().size(), QSize(318, 61));
    EXPECT_FALSE(w.windowIcon().isNull());
}

TEST(Layout, VisibilityAndFrontToBackOrder) {
    Window fx;
    ui::frmMain& w = fx.load();
    EXPECT_FALSE(w.frmRireki->isVisible());
    for (int i = 1; i <= 3; ++i)
        EXPECT_TRUE(w.imgStart[i]->isVisible());
    EXPECT_EQ(w.Frame1->childAt(w.imgStart[1]->geometry().center()), w.imgStart[1]); // red
    EXPECT_EQ(w.Frame1->childAt(w.shpJikanK->geometry().center()), w.shpJikanK);
    // Buttons overlap their left neighbour by a pixel, the right one in front.
    EXPECT_EQ(w.childAt(QPoint(400, 40)), w.cmdHozon);
    // The history panel covers the word list exactly.
    const QPoint corner = w.fraJisyo->geometry().topLeft() + QPoint(2, 2);
    EXPECT_EQ(w.Frame1->childAt(corner), w.fraJisyo);
    w.fraJisyo_Click();
    EXPECT_EQ(w.frmRireki->geometry(), w.fraJisyo->geometry());
    EXPECT_EQ(w.Frame1->childAt(corner), w.frmRireki);
}

TEST(Layout, TheBarShowsWPixelsOfGreenAndTheRestRed) {
    Window fx;
    ui::frmMain& w = fx.load();
    for (int twips : {0, 4372, 8745}) {
        w.setBarWidth(twips);
        const QImage image = w.Frame1->grab(w.shpJikanB->geometry()).toImage();
        int greens = 0, reds = 0;
        for (int x = 0; x < image.width(); ++x) {
            greens += image.pixelColor(x, 2) == QColor(0, 255, 0);
            reds += image.pixelColor(x, 2) == QColor(255, 0, 0);
        }
        EXPECT_EQ(greens, (twips * 2 + 15) / 30);
        EXPECT_EQ(greens + reds, 583);
    }
}

TEST(Layout, TabCyclesThroughTheControlsThatTakeFocus) {
    Window fx;
    ui::frmMain& w = fx.load();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    auto cycle = [&](int steps) {
        QStringList names;
        for (int i = 0; i < steps; ++i) {
            QWidget* f = QApplication::focusWidget();
            names << (f->parentWidget() == w.cboJikan ? "cboJikan" : f->objectName());
            QTest::keyClick(f, Qt::Key_Tab);
        }
        return names;
    };
    EXPECT_EQ(cycle(11),
              (QStringList{"cmdStart", "cmdHozon", "cmdClear", "cmdHelp", "cmdEnd", "cboJikan",
                           "chkAs", "msgRireki", "txtKaitou", "lstJisyo", "cmdStart"}));
    w.cmdStart_Click(); // disables Start and shows the history panel
    EXPECT_EQ(cycle(8), (QStringList{"cmdHozon", "cmdClear", "cmdHelp", "cmdEnd", "cboJikan",
                                     "chkAs", "msgRireki", "txtKaitou"}));
    EXPECT_EQ(cycle(3), (QStringList{"lstJisyo", "lstRireki", "cmdHozon"}));
}

TEST(Layout, ScreenReadersHearTheLightAndTheTimeLeft) {
    Window fx;
    ui::frmMain& w = fx.load();
    for (QWidget* c : std::initializer_list<QWidget*>{w.cmdStart, w.cboJikan, w.chkAs, w.msgRireki,
                                                      w.txtKaitou, w.lstJisyo, w.lstRireki})
        EXPECT_FALSE(c->accessibleName().isEmpty()) << c->objectName().toStdString();
    w.state().intJikan = 60;
    w.cmdStart_Click();
    for (int i = 0; i < 3; ++i)
        w.tmrStart_Timer();
    fx.clock.seconds = 30;
    w.tmrBp_Timer();
    EXPECT_EQ(w.imgStart[3]->accessibleDescription(), "青");
    EXPECT_EQ(w.shpJikanK->accessibleDescription(), "残り 30 秒");
}

TEST(Layout, TagLabelsReadDownwardsOneCharacterALine) {
    Window fx;
    ui::frmMain& w = fx.create();
    const QImage image = w.lblHint->grab().toImage();
    const int line = w.lblHint->fontMetrics().height();
    // White text pixels in each line band: the first holds the blank, then 問, then 題.
    auto whites = [&](int band) {
        int n = 0;
        for (int y = 1 + band * line; y < 1 + (band + 1) * line && y < image.height() - 1; ++y)
            for (int x = 1; x < image.width() - 1; ++x)
                n += image.pixelColor(x, y).lightness() > 200;
        return n;
    };
    EXPECT_EQ(whites(0), 0);
    EXPECT_GT(whites(1), 10);
    EXPECT_GT(whites(2), 10);
}
