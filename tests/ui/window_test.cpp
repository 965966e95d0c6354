#include "records/cp932.h"
#include "ui/look.h"
#include "window_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

const QByteArray kLine =
    "\"2024/05/01\",\"21:03:45\",25,20,5,90,\"80.0%\",\"1.50/\x95\x62\",\"60\x95\x62\"\r\n";

QStringList Row(ui::frmMain& w, int row) {
    QStringList cells;
    for (int c = 0; c < 10; ++c)
        cells << w.rirekiModel().index(row, c).data().toString();
    return cells;
}

void Answer(ui::frmMain& w, const QString& text) {
    w.txtKaitou->setText(text);
    QTest::keyClick(w.txtKaitou, Qt::Key_Return);
}

} // namespace

TEST(Window, StartUpReadsTheThreeFilesAndClearsThePlaceholders) {
    Window fx;
    fx.write("設定.txt", "45,0\r\n");
    fx.write("辞書.txt", records::EncodeCp932(QStringLiteral("よる\r\nあさ\r\nひる\r\n")));
    fx.write("履歴.txt", kLine.repeated(20));
    ui::frmMain& w = fx.load();
    EXPECT_EQ(w.state().intBarFull, 8745);
    EXPECT_EQ(w.state().intJikan, 45);
    EXPECT_EQ(w.cboJikan->currentText(), "45"); // shown although not on the list
    EXPECT_EQ(w.cboJikan->itemText(17), "180");
    EXPECT_FALSE(w.chkAs->isChecked());
    EXPECT_EQ(fx.read("設定.txt"), "45,0\r\n"); // setting the toggle is not a click
    EXPECT_EQ(w.fraJisyo->title(), "登録ワード一覧 3個");
    EXPECT_EQ(w.lstJisyo->model()->index(0, 0).data().toString(), "あさ");
    ASSERT_EQ(w.rirekiModel().rowCount(), 20);
    EXPECT_EQ(Row(w, 19)[0], "20");
}

TEST(Window, MissingFilesGiveDefaultsAndCreateNothing) {
    Window fx;
    ui::frmMain& w = fx.load();
    EXPECT_EQ(w.state().intJikan * 10 + w.state().intAutoSave, 601);
    EXPECT_TRUE(w.chkAs->isChecked());
    EXPECT_EQ(w.cboJikan->currentText(), "60");
    EXPECT_EQ(w.fraJisyo->title(), "登録ワード一覧 250個");
    EXPECT_EQ(w.rirekiModel().rowCount(), 0);
    EXPECT_TRUE(QDir(fx.dir.path()).entryList(QDir::Files).isEmpty());
    w.cmdHozon->click(); // no answer yet: nothing saved
    EXPECT_TRUE(QDir(fx.dir.path()).entryList(QDir::Files).isEmpty());
}

TEST(Window, SettingsChangeOnlyByChoosingOrClicking) {
    Window fx;
    ui::frmMain& w = fx.load();
    QTest::keyClicks(w.cboJikan->lineEdit(), "90");
    QTest::keyClick(w.cboJikan->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(w.state().intJikan, 60);
    EXPECT_EQ(w.cboJikan->count(), 18);
    EXPECT_FALSE(QFile::exists(fx.dir.filePath("設定.txt")));
    w.cboJikan->setCurrentIndex(8);
    emit w.cboJikan->activated(8);
    EXPECT_EQ(fx.read("設定.txt"), "90,1\r\n");
    w.chkAs->click();
    EXPECT_EQ(fx.read("設定.txt"), "90,0\r\n");
    QTest::keyClick(w.cboJikan, Qt::Key_Down); // the arrow keys choose, too
    EXPECT_EQ(fx.read("設定.txt"), "100,0\r\n");
    EXPECT_EQ(w.state().intJikan, 100);
}

TEST(Window, ASettingsFileThatCannotBeWrittenIsToldOnceAndTheValueKept) {
    Window fx;
    ui::frmMain& w = fx.load();
    QDir(fx.dir.path()).mkdir("設定.txt");
    w.cboJikan->setCurrentIndex(8);
    emit w.cboJikan->activated(8);
    w.chkAs->click();
    ASSERT_EQ(fx.boxes.size(), 1);
    EXPECT_TRUE(fx.boxes[0].startsWith("2|保存エラー|設定を設定.txtに"))
        << fx.boxes[0].toStdString();
    EXPECT_EQ(w.state().intJikan * 10 + w.state().intAutoSave, 900);
    EXPECT_TRUE(QFileInfo(fx.dir.filePath("設定.txt")).isDir());
}

TEST(Window, AWholeRoundThroughTheHandlers) {
    Window fx;
    fx.write("辞書.txt", records::EncodeCp932(QStringLiteral("りんご\r\n")));
    fx.write("履歴.txt", kLine.repeated(3));
    ui::frmMain& w = fx.load();
    fx.random.draws = {0.0, 0.9, 0.0, 0.0}; // ごりん
    fx.clock.seconds = 100;
    w.cmdStart->click();
    EXPECT_FALSE(w.cmdStart->isEnabled());
    EXPECT_TRUE(w.frmRireki->isVisible());
    for (int i = 0; i < 3; ++i)
        w.tmrStart_Timer();
    EXPECT_TRUE(!w.imgStart[1]->isVisible() && w.imgStart[3]->isVisible());
    EXPECT_EQ(w.lblMondai->text(), "ごりん");
    QTest::keyClick(w.txtKaitou, Qt::Key_Escape);
    EXPECT_EQ(w.lblMondai->text(), "りんご");
    Answer(w, "りんご");
    Answer(w, "りんご ");
    EXPECT_EQ(fx.boxes, QStringList{"3|間違い|違います！！|1024|1024"});
    EXPECT_EQ(w.lstRireki->item(0)->text(), "ごりん");
    EXPECT_EQ(w.lblOk->text() + w.lblNg->text() + w.txtKaitou->text(), "11");
    w.cmdHozon->click(); // not while playing
    EXPECT_EQ(w.rirekiModel().rowCount(), 3);
    fx.clock.seconds = 130;
    w.tmrBp_Timer();
    EXPECT_EQ(w.shpJikanK->width(), 291); // 4372 twips
    fx.clock.seconds = 160;
    w.tmrBp_Timer();
    EXPECT_TRUE(w.cmdStart->isEnabled());
    EXPECT_EQ(w.lblByou->text() + w.lblRitu->text() + w.lblMoji_T->text(), "0.05/秒50.0%3");
    const QString saved = "\"2024/05/01\",\"21:03:45\",2,1,1,3,\"50.0%\",\"0.05/秒\",\"60秒\"\r\n";
    EXPECT_EQ(Row(w, 3), (QStringList{"4", "2024/05/01", "21:03:45", "2", "1", "1", "3", "50.0%",
                                      "0.05/秒", "60秒"}));
    EXPECT_EQ(fx.read("履歴.txt"), kLine.repeated(3) + records::EncodeCp932(saved));
    // A second press saves the figures again; each save reads the clock once.
    fx.clock.now = fx.clock.now.addSecs(5);
    w.cmdHozon->click();
    EXPECT_EQ(Row(w, 4)[0] + Row(w, 4)[2], "521:03:50");
    // A restart shows every saved row with the same texts.
    Window again;
    again.write("履歴.txt", fx.read("履歴.txt"));
    ui::frmMain& w2 = again.load();
    ASSERT_EQ(w2.rirekiModel().rowCount(), 5);
    EXPECT_EQ(Row(w2, 3) + Row(w2, 4), Row(w, 3) + Row(w, 4));
}

// Whether the player sees the whole of the table's row (0-based).
bool RowFullyShown(ui::frmMain& w, int row) {
    const QRect cell = w.msgRireki->visualRect(w.rirekiModel().index(row, 0));
    return cell.isValid() && w.msgRireki->viewport()->rect().contains(cell);
}

TEST(Window, TheNewestRowIsInViewAfterStartUpAndAfterEverySave) {
    for (int records : {0, 5, 6, 7, 20}) {
        Window fx;
        fx.write("履歴.txt", kLine.repeated(records));
        ui::frmMain& w = fx.load();
        if (records > 0) {
            EXPECT_TRUE(RowFullyShown(w, records - 1)) << records;
        }
        w.state().intOk = 1;
        for (int save = 0; save < 3; ++save) {
            w.cmdHozon_Click();
            EXPECT_TRUE(RowFullyShown(w, records + save)) << records << " " << save;
        }
        // Rows that fit are never scrolled away.
        if (records + 3 <= 6) {
            EXPECT_TRUE(RowFullyShown(w, 0)) << records;
        }
    }
}

TEST(Window, AFailedSaveTakesItsRowBackAndSaysSo) {
    Window fx;
    ui::frmMain& w = fx.load();
    QDir(fx.dir.path()).mkdir("履歴.txt");
    w.state().intOk = 2;
    w.cmdHozon_Click();
    EXPECT_EQ(w.rirekiModel().rowCount(), 0);
    ASSERT_EQ(fx.boxes.size(), 1);
    EXPECT_TRUE(fx.boxes[0].startsWith("2|保存エラー|"));
}

TEST(Window, ClearAsksFirstAndEmptiesFileAndTable) {
    // Qt's own Japanese for the standard buttons, as under a Japanese locale.
    const auto japanese = ui::InstallQtTranslations(QLocale(QLocale::Japanese, QLocale::Japan));
    ASSERT_TRUE(japanese) << "Qt's Japanese translation (qt6-translations-l10n) is missing";
    Window fx;
    fx.write("履歴.txt", kLine + kLine);
    ui::frmMain& w = fx.load();
    fx.answer = QMessageBox::Cancel;
    w.cmdClear->click();
    EXPECT_EQ(
        fx.boxes,
        QStringList{
            "2|クリア確認|履歴データをクリアします。よろしいですか？|4195328|1024|キャンセル"});
    EXPECT_EQ(fx.read("履歴.txt"), kLine + kLine);
    EXPECT_EQ(w.rirekiModel().rowCount(), 2);
    fx.answer = QMessageBox::Ok;
    w.cmdClear->click();
    EXPECT_EQ(fx.boxes.last(), "1|クリア終了|履歴データをクリアしました|1024|1024");
    EXPECT_TRUE(QFile::exists(fx.dir.filePath("履歴.txt")));
    EXPECT_EQ(fx.read("履歴.txt").size() + w.rirekiModel().rowCount(), 0);
    w.state().intNg = 1;
    w.cmdHozon_Click();
    EXPECT_EQ(Row(w, 0)[0], "1");
    // A clear that cannot empty the file says so and keeps the table.
    QFile::remove(fx.dir.filePath("履歴.txt"));
    QDir(fx.dir.path()).mkdir("履歴.txt");
    w.cmdClear_Click();
    EXPECT_EQ(w.rirekiModel().rowCount(), 1);
    EXPECT_TRUE(fx.boxes.last().startsWith("2|クリアエラー|"));
}

TEST(Window, EnterAndSpacePressTheFocusedButton) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        Window fx;
        ui::frmMain& w = fx.load();
        fx.answer = QMessageBox::Cancel;
        QTest::keyClick(w.cmdClear, key);
        EXPECT_EQ(fx.boxes.size(), 1) << key;
        QTest::keyClick(w.cmdStart, key);
        EXPECT_FALSE(w.cmdStart->isEnabled()) << key;
    }
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
    w.state().strSeikai = "ねこ";
    QTest::mouseClick(w.lblHint, Qt::LeftButton);
    EXPECT_EQ(w.lblMondai->text(), "ねこ");
    QTest::keyClicks(w.txtKaitou, "abc");
    EXPECT_EQ(w.txtKaitou->text(), "abc"); // other keys reach the box
}
