#include "window_fixture.h"

TEST(ImeFocus, EveryWayIntoTheAnswerBoxAsksForOnAndEveryWayOutForRestore) {
    Window fx;
    ui::frmMain& w = fx.load();
    Window::Activate(w);
    w.cmdStart->click();
    QLineEdit other;
    // Noted in the log, so that what happened while the box was up shows.
    fx.messageBoxes.run = [&](QMessageBox& box) {
        box.show();
        Window::Activate(box);
        fx.ime.calls << "(wrong-answer box)";
        return QMessageBox::Ok;
    };
    const auto click = [](QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); };
    const struct {
        const char* step;
        std::function<void()> act;
        QStringList calls; // what the step adds to the log
    } steps[] = {
        {"the countdown's first ticks", [&] { w.tmrStart_Timer(), w.tmrStart_Timer(); }, {}},
        {"its third tick", [&] { w.tmrStart_Timer(); }, {"on"}},
        {"Tab out", [&] { QTest::keyClick(w.txtKaitou, Qt::Key_Tab); }, {"restore"}},
        {"Shift+Tab in", [&] { QTest::keyClick(w.lstJisyo, Qt::Key_Backtab); }, {"on"}},
        {"a click on the combo box", [&] { click(w.cboJikan->lineEdit()); }, {"restore"}},
        {"a click on the box", [&] { click(w.txtKaitou); }, {"on"}},
        {"a click inside the box", [&] { click(w.txtKaitou); }, {}},
        {"another window", [&] { other.show(), Window::Activate(other); }, {"restore"}},
        {"back to ours", [&] { Window::Activate(w); }, {"on"}},
        {"a wrong answer",
         [&] { QTest::keyClick(w.txtKaitou, Qt::Key_Return); }, // nothing typed
         {"restore", "(wrong-answer box)"}},
        {"the box gone", [&] { Window::Activate(w); }, {"on"}},
        {"End, the focus still in the box", [&] { w.cmdEnd->click(); }, {"restore"}},
    };
    for (const auto& s : steps) {
        const qsizetype before = fx.ime.calls.size();
        s.act();
        EXPECT_EQ(fx.ime.calls.mid(before), s.calls) << s.step;
    }
}
