// The game by keys alone: every control in its order, a round, a save, every
// menu and every window. Names for a screen reader: tests/a11y.
#include "ui/progress_window.h"
#include "window_fixture.h"

namespace {

// Keys as the window system gives them, so that the menu key and Shift+F10
// become context menus as they do for a player.
void Key(QWidget& w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(w.windowHandle(), key, modifiers);
}

QString Focused() {
    QWidget* f = QApplication::focusWidget();
    while (f && f->objectName().isEmpty())
        f = f->parentWidget(); // a combo box's line edit is the combo box
    return f ? f->objectName() : QString("(none)");
}

// The focus and where Tab takes it, this many times over.
QString Walk(QWidget& w, int tabs) {
    QStringList walked{Focused()};
    for (int i = 0; i < tabs; ++i) {
        Key(w, Qt::Key_Tab);
        walked << Focused();
    }
    return walked.join(' ');
}

} // namespace

TEST(Keyboard, TabWalksEveryControlInOrderAndLeavesTheTableAndDuringARoundTheHistoryPanel) {
    Window fx;
    ui::frmMain& w = fx.load({{"履歴.txt", kExampleLine.repeated(3)}});
    ASSERT_TRUE(Window::Activate(w));
    EXPECT_EQ(Walk(w, 10), "cmdStart cmdHozon cmdClear cmdHelp cmdEnd cboJikan chkAs "
                           "msgRireki txtKaitou lstJisyo cmdStart");
    Key(w, Qt::Key_Space); // Start, which gives the focus on as it goes grey
    EXPECT_EQ(Walk(w, 10), "cmdHozon cmdClear cmdHelp cmdEnd cboJikan chkAs msgRireki "
                           "txtKaitou lstJisyo lstRireki cmdHozon");
}

TEST(Keyboard, ARoundASaveEveryMenuAndEveryWindowNeedNoMouse) {
    Window fx;
    fx.reach.reach = {false, ""}; // the game's own input: the answer is typed as keys
    ui::frmMain& w = fx.load({{"辞書.txt", "ねこ\r\n"}, {"設定.txt", "60,0\r\n"}});
    ASSERT_TRUE(Window::Activate(w));
    Key(w, Qt::Key_S, Qt::AltModifier); // スタート, pressed as a click is
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.cmdStart->isEnabled(); }));
    for (int i = 0; i < 3; ++i)
        w.tmrStart_Timer();
    ASSERT_EQ(Focused(), "txtKaitou");
    QTest::keyClicks(QApplication::focusWidget(), "neko");
    Key(w, Qt::Key_Return);
    // A screen reader reads the question as it shows and each figure with what it counts.
    EXPECT_EQ(w.lblOk->accessibleName(), "正解数 1");
    EXPECT_EQ(w.lblMondai->accessibleName(), w.lblMondai->text());
    EXPECT_FALSE(w.lblOk->toolTip().isEmpty()); // and a pointer on it says so
    fx.tickAt(60);
    Key(w, Qt::Key_V, Qt::AltModifier); // 保存
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.rirekiModel().rowCount() == 1; }));

    // Each menu opens with Shift+F10 where it belongs (the menu key, which the
    // display itself turns into a menu, the smoke test presses for real).
    const struct {
        QWidget* at;
        QMenu* menu;
    } menus[] = {{w.msgRireki, w.mnuRireki}, {w.lstJisyo, w.mnuJisyo}, {w.cmdStart, w.mnuWindow}};
    for (const auto& m : menus) {
        m.at->setFocus();
        Key(w, Qt::Key_F10, Qt::ShiftModifier);
        EXPECT_TRUE(m.menu->isVisible()) << m.menu->objectName().toStdString();
        m.menu->close();
    }

    // The chart from the table's menu, put away by Esc.
    w.msgRireki->setFocus();
    Key(w, Qt::Key_F10, Qt::ShiftModifier);
    QTest::keyClick(w.mnuRireki, Qt::Key_G);
    ui::ProgressWindow* chart = fx.progress.window();
    ASSERT_TRUE(chart && chart->isVisible());
    ASSERT_TRUE(Window::Activate(*chart));
    Key(*chart, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !fx.progress.window(); }));
    ASSERT_TRUE(Window::Activate(w));
    Key(w, Qt::Key_H, Qt::AltModifier); // ヘルプ
    EXPECT_TRUE(QTest::qWaitFor([&] { return fx.help.calls.size() == 1; }));
    Key(w, Qt::Key_Q, Qt::AltModifier); // 終了
    EXPECT_TRUE(QTest::qWaitFor([&] { return fx.help.calls.size() == 2; }));
}
