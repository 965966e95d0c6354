#include "window_fixture.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

TEST(HelpCommands, HelpShowsTheHelpFileOfTheWorkingFolderOwnedByTheWindow) {
    Window t;
    ui::frmMain& w = t.load();
    w.cmdHelp->click();
    w.cmdHelp->click();
    const QString file = QDir(t.dir.path()).absoluteFilePath("ZkHelp.chm");
    EXPECT_EQ(t.help.calls, QStringList({"show " + file, "show " + file}));
}

TEST(HelpCommands, EndClosesEveryHelpWindowThenEndsTheProgram) {
    Window t;
    ui::frmMain& w = t.load();
    QTimer::singleShot(0, &w, [&] { w.cmdEnd->click(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(7); }); // a stuck End fails, not hangs
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_EQ(t.help.calls, QStringList("close all"));
}
