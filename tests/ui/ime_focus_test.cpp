#include "window_fixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// A loaded, active window whose answer box had the focus by the countdown.
struct Playing : Window {
    ui::frmMain& w;
    Playing() : w(load()) {
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        w.cmdStart->click();
        for (int i = 0; i < 3; ++i)
            w.tmrStart_Timer();
    }
};

} // namespace

TEST(ImeFocus, OnlyTheCountdownsThirdTickSwitchesOn) {
    Window fx;
    ui::frmMain& w = fx.load();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.cmdStart->click();
    w.tmrStart_Timer();
    w.tmrStart_Timer();
    EXPECT_EQ(fx.ime.calls, QStringList{});
    w.tmrStart_Timer();
    EXPECT_TRUE(w.txtKaitou->hasFocus());
    EXPECT_EQ(fx.ime.calls, QStringList{"on"});
}

TEST(ImeFocus, ClickAndTabInSwitchOnAndEveryWayOutRestores) {
    Playing fx;
    ui::frmMain& w = fx.w;
    struct Step {
        const char* what;
        std::function<void()> act;
        QWidget* focus;
        QString call;
    } steps[] = {
        {"Tab out", [&] { QTest::keyClick(w.txtKaitou, Qt::Key_Tab); }, w.lstJisyo, "restore"},
        {"Shift+Tab in", [&] { QTest::keyClick(w.lstJisyo, Qt::Key_Backtab); }, w.txtKaitou, "on"},
        {"click the combo box", [&] { QTest::mouseClick(w.cboJikan->lineEdit(), Qt::LeftButton); },
         w.cboJikan, "restore"},
        {"click the box", [&] { QTest::mouseClick(w.txtKaitou, Qt::LeftButton); }, w.txtKaitou,
         "on"},
        {"click inside the box again", [&] { QTest::mouseClick(w.txtKaitou, Qt::LeftButton); },
         w.txtKaitou, ""},
        {"Shift+Tab out", [&] { QTest::keyClick(w.txtKaitou, Qt::Key_Backtab); }, w.msgRireki,
         "restore"},
        {"Tab in", [&] { QTest::keyClick(w.msgRireki, Qt::Key_Tab); }, w.txtKaitou, "on"},
    };
    QStringList expected{"on"};
    for (const Step& s : steps) {
        s.act();
        if (!s.call.isEmpty())
            expected << s.call;
        EXPECT_EQ(QApplication::focusWidget(), s.focus) << s.what;
        EXPECT_EQ(fx.ime.calls, expected) << s.what;
    }
}

TEST(ImeFocus, TheWrongAnswerBoxTakesTheInputMethodAwayAndGivesItBack) {
    Playing fx;
    ui::frmMain& w = fx.w;
    QStringList whileOpen;
    fx.w.runBox = [&](QMessageBox& box) {
        box.show();
        box.activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &box; }));
        whileOpen = fx.ime.calls;
        box.accept();
        return QMessageBox::Ok;
    };
    w.state().strSeikai = "りんご";
    w.txtKaitou->setText("ごりん");
    QTest::keyClick(w.txtKaitou, Qt::Key_Return);
    EXPECT_EQ(whileOpen, (QStringList{"on", "restore"}));
    w.activateWindow(); // as the window manager does when the box has gone
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_EQ(fx.ime.calls, (QStringList{"on", "restore", "on"}));
    EXPECT_TRUE(w.txtKaitou->hasFocus());
}

TEST(ImeFocus, AnotherWindowTakesTheInputMethodAwayAndComingBackGivesItBack) {
    Playing fx;
    QLineEdit other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(fx.ime.calls, (QStringList{"on", "restore"}));
    fx.w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fx.w));
    EXPECT_EQ(fx.ime.calls, (QStringList{"on", "restore", "on"}));
}

TEST(ImeFocus, EndRestoresEvenWhileTheBoxHasTheFocus) {
    Playing fx;
    fx.w.cmdEnd->click(); // a click() moves no focus
    EXPECT_EQ(fx.ime.calls, (QStringList{"on", "restore"}));
}
