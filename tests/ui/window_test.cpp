#include "ui/look.h"
#include "window_fixture.h"

namespace {

// Whether the player sees the whole of the table's row (0-based).
bool RowFullyShown(ui::frmMain& w, int row) {
    const QRect cell = w.msgRireki->visualRect(w.rirekiModel().index(row, 0));
    return cell.isValid() && w.msgRireki->viewport()->rect().contains(cell);
}

// What the window holds when it is first painted.
struct FirstFrame : QObject {
    ui::frmMain* w;
    QString seen;
    explicit FirstFrame(ui::frmMain& window) : w(&window) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && seen.isEmpty())
            seen = QString("%1 rows, %2 words, 問題 '%3', 正解数 '%4', 解答 '%5', 秒数 '%6'")
                       .arg(w->rirekiModel().rowCount())
                       .arg(w->lstJisyo->model()->rowCount())
                       .arg(w->lblMondai->text(), w->lblOk->text(), w->txtKaitou->text(),
                            w->cboJikan->currentText());
        return false;
    }
};

} // namespace

TEST(Window, StartUpShowsTheThreeFilesAndWritesNothing) {
    Window fx;
    fx.write("設定.txt", "45,0\r\n");
    fx.write("辞書.txt", records::EncodeCp932(QStringLiteral("よる\r\nあさ\r\nひる\r\n")));
    fx.write("履歴.txt", kExampleLine.repeated(20));
    ui::frmMain& w = fx.create();
    FirstFrame first(w);
    w.Form_Load();
    // The history is in the first frame, the word list not yet, and no
    // design-time text.
    EXPECT_EQ(first.seen, "20 rows, 0 words, 問題 '', 正解数 '', 解答 '', 秒数 ''");
    EXPECT_EQ(w.state().intJikan, 45);
    EXPECT_EQ(w.cboJikan->currentText(), "45"); // shown although not on the list
    EXPECT_FALSE(w.chkAs->isChecked());
    EXPECT_EQ(fx.read("設定.txt"), "45,0\r\n"); // setting the toggle is not a click

    Window none;
    none.load().cmdHozon->click(); // no answer yet: nothing saved
    EXPECT_TRUE(QDir(none.dir.path()).entryList(QDir::Files).isEmpty());
}

TEST(Window, SettingsChangeOnlyByChoosingOrClickingAndAFailedSaveKeepsThem) {
    Window fx;
    ui::frmMain& w = fx.load();
    QTest::keyClicks(w.cboJikan->lineEdit(), "90");
    QTest::keyClick(w.cboJikan->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(w.state().intJikan, 60);
    EXPECT_EQ(w.cboJikan->count(), 18);
    EXPECT_FALSE(fx.exists("設定.txt"));
    Window::Pick(w.cboJikan, 8);
    EXPECT_EQ(fx.read("設定.txt"), "90,1\r\n");
    w.chkAs->click();
    EXPECT_EQ(fx.read("設定.txt"), "90,0\r\n");
    QTest::keyClick(w.cboJikan, Qt::Key_Down); // the arrow keys choose, too
    EXPECT_EQ(fx.read("設定.txt"), "100,0\r\n");
    // A file that cannot be written is told once; the values chosen are kept.
    QFile::remove(fx.path("設定.txt"));
    QDir(fx.dir.path()).mkdir("設定.txt");
    Window::Pick(w.cboJikan, 8);
    w.chkAs->click();
    ASSERT_EQ(fx.boxes.size(), 1);
    EXPECT_TRUE(fx.boxes[0].startsWith("2|保存エラー|設定を設定.txtに"))
        << fx.boxes[0].toStdString();
    EXPECT_EQ(w.state().intJikan * 10 + w.state().intAutoSave, 901);
    EXPECT_TRUE(QFileInfo(fx.path("設定.txt")).isDir());
}

TEST(Window, TheNewestRowIsInViewAfterStartUpAndAfterEverySave) {
    for (int records : {0, 5, 6, 7, 20}) {
        Window fx;
        ui::frmMain& w =
            fx.load({{"履歴.txt", kExampleLine.repeated(records)}, {"設定.txt", "60,0\r\n"}});
        EXPECT_TRUE(records == 0 || RowFullyShown(w, records - 1)) << records;
        fx.play({}, {"x"}); // an answer to save
        for (int save = 0; save < 3; ++save) {
            w.cmdHozon_Click();
            EXPECT_TRUE(RowFullyShown(w, records + save)) << records << " " << save;
        }
        EXPECT_TRUE(records + 3 > 6 || RowFullyShown(w, 0)) << records; // rows that fit stay
    }
}

TEST(Window, FailedSavesAndClearsSayWhyAndKeepTheTableAsTheFileIs) {
    // Qt's own Japanese for the standard buttons, as under a Japanese locale.
    const auto japanese = ui::InstallQtTranslations(QLocale(QLocale::Japanese, QLocale::Japan));
    ASSERT_TRUE(japanese) << "Qt's Japanese translation (qt6-translations-l10n) is missing";
    Window fx;
    ui::frmMain& w = fx.load({{"履歴.txt", kExampleLine + kExampleLine}});
    fx.answer = QMessageBox::Cancel;
    QTest::keyClick(w.cmdClear, Qt::Key_Space); // the focused button takes Space and Enter
    EXPECT_EQ(fx.boxes.takeLast(),
              "2|クリア確認|履歴データをクリアします。よろしいですか？|4195328|1024|キャンセル");
    EXPECT_EQ(fx.read("履歴.txt"), kExampleLine + kExampleLine);
    fx.answer = QMessageBox::Ok;
    QTest::keyClick(w.cmdClear, Qt::Key_Return);
    EXPECT_EQ(fx.boxes.takeLast(), "1|クリア終了|履歴データをクリアしました|1024|1024");
    EXPECT_EQ(fx.read("履歴.txt").size() + w.rirekiModel().rowCount(), 0);
    EXPECT_TRUE(fx.exists("履歴.txt"));
    fx.write("設定.txt", "60,0\r\n");
    w.chkAs->click(); // auto-save off, so that 保存 makes the one row
    fx.play({}, {"x"});
    fx.boxes.removeLast(); // 違います！！
    w.cmdHozon_Click();
    EXPECT_EQ(fx.cell(0, 0), "1");
    QFile::remove(fx.path("履歴.txt"));
    QDir(fx.dir.path()).mkdir("履歴.txt");
    w.cmdClear_Click();
    EXPECT_TRUE(fx.boxes.takeLast().startsWith("2|クリアエラー|"));
    w.cmdHozon_Click();
    EXPECT_TRUE(fx.boxes.takeLast().startsWith("2|保存エラー|"));
    EXPECT_EQ(w.rirekiModel().rowCount(), 1);
}

TEST(Window, FrameSurfacesSwitchThePanels) {
    Window fx;
    ui::frmMain& w = fx.load();
    QTest::mouseClick(w.fraJisyo, Qt::LeftButton, {}, QPoint(80, 125));
    EXPECT_TRUE(w.frmRireki->isVisible());
    QTest::mouseClick(w.lstRireki->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(w.frmRireki->isVisible()); // a click on the list is not one on the frame
    QTest::mouseClick(w.frmRireki, Qt::LeftButton, {}, QPoint(80, 125));
    EXPECT_FALSE(w.frmRireki->isVisible());
    fx.write("辞書.txt", "ねこ\r\n");
    fx.random.draws = {0.0, 0.9};
    fx.countdown();
    QTest::mouseClick(w.lblHint, Qt::LeftButton);
    EXPECT_EQ(w.lblMondai->text(), "ねこ");
}

TEST(Window, HelpShowsTheWorkingFoldersFileAndEndClosesEveryHelpWindowThenEndsTheProgram) {
    Window fx;
    ui::frmMain& w = fx.load();
    w.cmdHelp->click();
    QTimer::singleShot(0, &w, [&] { w.cmdEnd->click(); });
    // A stuck End fails, not hangs; the limit goes with the window, so that it
    // cannot end the event loops of the tests after this one.
    QTimer::singleShot(5000, &w, [] { QCoreApplication::exit(7); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    const QString file = QDir(fx.dir.path()).absoluteFilePath("ZkHelp.chm");
    EXPECT_EQ(fx.help.calls, QStringList({"show " + file, "close all"}));
}
