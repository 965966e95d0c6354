#include "window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

struct Place {
    const char* name;
    const char* parent;
    QRect rect;
};

} // namespace

TEST(Layout, EveryControlStandsAtItsPlaceInPixels) {
    Window fx;
    ui::frmMain& w = fx.create();
    EXPECT_EQ(w.size(), QSize(631, 452));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_EQ(w.windowTitle(), "モジロタイピング");
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(w.windowFlags() & Qt::WindowMinimizeButtonHint);

    const Place places[] = {
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
    for (const Place& p : places) {
        auto* c = w.findChild<QWidget*>(p.name);
        ASSERT_NE(c, nullptr) << p.name;
        EXPECT_EQ(c->parentWidget()->objectName(), p.parent) << p.name;
        EXPECT_EQ(c->geometry(), p.rect) << p.name;
    }
}

TEST(Layout, InitialTextsColoursFontsAndTips) {
    Window fx;
    ui::frmMain& w = fx.create();
    struct Figure {
        QLabel* label;
        const char* text;
        QColor colour;
    };
    for (const Figure& f :
         {Figure{w.lblOk, "999", QColor(0, 128, 0)}, Figure{w.lblNg, "999", QColor(255, 0, 0)},
          Figure{w.lblMoji_T, "9999", QColor(128, 0, 0)},
          Figure{w.lblRitu, "100.0%", QColor(0, 0, 0)},
          Figure{w.lblByou, "2.63/秒", QColor(0, 0, 128)}}) {
        EXPECT_EQ(f.label->text(), f.text);
        EXPECT_EQ(f.label->palette().color(QPalette::WindowText), f.colour);
        EXPECT_EQ(f.label->font().pixelSize(), 27);
        EXPECT_EQ(f.label->font().family(), "ＭＳ Ｐゴシック");
        EXPECT_EQ(f.label->alignment(), Qt::AlignCenter);
        EXPECT_EQ(f.label->frameShadow(), QFrame::Sunken);
    }
    EXPECT_EQ(w.Label1->text(), "プレイ秒数");
    EXPECT_EQ(w.Label1->font().pixelSize(), 15);
    EXPECT_EQ(w.cboJikan->font().pixelSize(), 19);
    EXPECT_TRUE(w.cboJikan->isEditable());
    EXPECT_EQ(w.cboJikan->currentText(), "Combo1");
    EXPECT_EQ(w.lblHint->text(), "\u3000問題");
    EXPECT_EQ(w.Label2->text(), "\u3000解答");
    EXPECT_EQ(w.lblHint->palette().color(QPalette::Window), QColor(0, 192, 192));
    EXPECT_EQ(w.Label2->palette().color(QPalette::Window), QColor(255, 128, 128));
    EXPECT_EQ(w.lblHint->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(w.lblHint->font().pixelSize(), 16);
    EXPECT_EQ(w.lblMondai->font().pixelSize(), 51);
    EXPECT_EQ(w.txtKaitou->font().pixelSize(), 51);
    EXPECT_EQ(w.lblMondai->text(), "かぼちゃ");
    EXPECT_EQ(w.txtKaitou->text(), "かぼちゃ");
    for (QWidget* ivory :
         {(QWidget*)w.txtKaitou, (QWidget*)w.lstJisyo, (QWidget*)w.lstRireki, (QWidget*)w.cboJikan})
        EXPECT_EQ(ivory->palette().color(QPalette::Base), QColor(255, 255, 240));
    EXPECT_EQ(w.fraJisyo->title(), "登録ワード一覧");
    EXPECT_EQ(w.frmRireki->title(), "モジロ履歴");
    EXPECT_EQ(w.msgRireki->font().pixelSize(), 12);
    // The family asked for resolves to an installed stand-in.
    EXPECT_FALSE(QFont::substitutes("ＭＳ Ｐゴシック").isEmpty());

    const std::pair<QWidget*, const char*> tips[] = {
        {w.cmdStart, "ゲームをスタートします"},
        {w.cmdHozon, "データを保存します"},
        {w.cmdClear, "履歴データをクリアします"},
        {w.cmdHelp, "ヘルプファイルを開きます"},
        {w.cmdEnd, "プログラムを終了します"},
        {w.chkAs, "履歴の自動保存を制御します"},
        {w.lblHint, "クリックすると元の文字がわかります"}};
    for (const auto& [c, tip] : tips)
        EXPECT_EQ(c->toolTip(), tip);
    QStringList captions;
    for (QToolButton* b : {w.cmdStart, w.cmdHozon, w.cmdClear, w.cmdHelp, w.cmdEnd}) {
        captions << b->text();
        EXPECT_EQ(b->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        EXPECT_FALSE(b->icon().pixmap(32, 32).isNull());
    }
    EXPECT_EQ(captions, (QStringList{"スタート", "保存", "クリア", "ヘルプ", "終了"}));
    EXPECT_TRUE(w.chkAs->isCheckable());
    EXPECT_FALSE(w.Image1->pixmap().isNull());
    EXPECT_EQ(w.Image1->pixmap().size(), QSize(318, 61));
    EXPECT_FALSE(w.windowIcon().isNull());
}

TEST(Layout, InitialVisibilityAndFrontToBackOrder) {
    Window fx;
    ui::frmMain& w = fx.load();
    EXPECT_FALSE(w.frmRireki->isVisible());
    EXPECT_TRUE(w.fraJisyo->isVisible());
    for (int i = 1; i <= 3; ++i)
        EXPECT_TRUE(w.imgStart[i]->isVisible());
    const QPoint lamp = w.imgStart[1]->geometry().center();
    EXPECT_EQ(w.Frame1->childAt(lamp), w.imgStart[1]); // red in front
    const QPoint bar = w.shpJikanK->geometry().center();
    EXPECT_EQ(w.Frame1->childAt(bar), w.shpJikanK);
    // The history panel covers the word list exactly when shown.
    w.fraJisyo_Click();
    EXPECT_EQ(w.frmRireki->geometry(), w.fraJisyo->geometry());
    const QPoint corner = w.fraJisyo->geometry().topLeft() + QPoint(2, 2);
    EXPECT_EQ(w.Frame1->childAt(corner), w.frmRireki);
    w.frmRireki_Click();
    EXPECT_FALSE(w.frmRireki->isVisible());
    EXPECT_EQ(w.Frame1->childAt(corner), w.fraJisyo);
    // Buttons overlap their left neighbour by a pixel, the right one in front.
    EXPECT_EQ(w.childAt(QPoint(400, 40)), w.cmdHozon);
    EXPECT_EQ(w.childAt(QPoint(565, 40)), w.cmdEnd);
}

TEST(Layout, TheBarShowsWPixelsOfGreenAndTheRestRed) {
    Window fx;
    ui::frmMain& w = fx.load();
    for (int twips : {0, 4372, 8745}) {
        w.setBarWidth(twips);
        const QImage image = w.Frame1->grab(w.shpJikanB->geometry()).toImage();
        const int green = (twips * 2 + 15) / 30;
        int greens = 0, reds = 0;
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, 2);
            greens += c == QColor(0, 255, 0);
            reds += c == QColor(255, 0, 0);
        }
        EXPECT_EQ(greens, green) << twips;
        EXPECT_EQ(reds, 583 - green) << twips;
    }
}

TEST(Layout, TabCyclesThroughTheControlsThatTakeFocus) {
    Window fx;
    ui::frmMain& w = fx.load();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_EQ(QApplication::focusWidget(), w.cmdStart);
    auto cycle = [&] {
        QStringList names;
        for (int i = 0; i < 12; ++i) {
            QWidget* f = QApplication::focusWidget();
            QString name = f ? f->objectName() : "none";
            // The combo box's own field carries the focus for it.
            if (f && f->parentWidget() == w.cboJikan)
                name = "cboJikan";
            names << name;
            QTest::keyClick(f, Qt::Key_Tab);
        }
        return names;
    };
    EXPECT_EQ(cycle(),
              (QStringList{"cmdStart", "cmdHozon", "cmdClear", "cmdHelp", "cmdEnd", "cboJikan",
                           "chkAs", "msgRireki", "txtKaitou", "lstJisyo", "cmdStart", "cmdHozon"}));
    w.cmdStart_Click(); // disables Start and shows the history panel
    w.cmdEnd->setFocus();
    const QStringList during = cycle();
    EXPECT_EQ(during.mid(0, 8), (QStringList{"cmdEnd", "cboJikan", "chkAs", "msgRireki",
                                             "txtKaitou", "lstJisyo", "lstRireki", "cmdHozon"}));
}

TEST(Layout, ScreenReadersHearTheLightAndTheTimeLeft) {
    Window fx;
    ui::frmMain& w = fx.load();
    for (QWidget* c : std::initializer_list<QWidget*>{
             w.cmdStart, w.cmdHozon, w.cmdClear, w.cmdHelp, w.cmdEnd, w.cboJikan, w.chkAs,
             w.msgRireki, w.txtKaitou, w.lstJisyo, w.lstRireki, w.lblMondai, w.shpJikanK})
        EXPECT_FALSE(c->accessibleName().isEmpty()) << c->objectName().toStdString();
    EXPECT_EQ(w.imgStart[1]->accessibleDescription(), "赤");
    w.state().intJikan = 60;
    w.cmdStart_Click();
    for (int i = 0; i < 3; ++i)
        w.tmrStart_Timer();
    fx.clock.seconds = 30;
    w.tmrBp_Timer();
    EXPECT_EQ(w.shpJikanK->accessibleDescription(), "残り 30 秒");
}
