#include "window_fixture.h"

TEST(Share, TheWholeHistoryIsExportedAtomicallyAndCopyTakesTheLastRoundsFiguresAndTheWindow) {
    Window s; // two saved rounds and a line that is no record
    ui::frmMain& w =
        s.load({{"辞書.txt", "ねこ\r\n"}, {"履歴.txt", kExampleLine.repeated(2) + "x\r\n"}});
    Folder out;
    s.share.csvFile = out.path("h.csv");
    s.tableMenu("mnuCsv");
    const QByteArray row = "2024/05/01,21:03:45,25,20,5,90,80.0%,1.50/秒,60秒\r\n";
    EXPECT_EQ(out.read("h.csv"), "\xEF\xBB\xBF日付,時間,問数,ＯＫ,ＮＧ,文字数,正解率,秒当たり,"
                                 "表示秒数\r\n" +
                                     row + row);
    EXPECT_EQ(s.boxes.last(), "1|書き出し終了|履歴 2件を " + out.path("h.csv") +
                                  " に書き出しました。\n記録として読めない 1行は書き出して"
                                  "いません。|1024|1024");
    s.share.csvFile = out.path("none/h.csv");
    s.tableMenu("mnuCsv");
    EXPECT_EQ(s.boxes.last(), "2|書き出しエラー|履歴を " + out.path("none/h.csv") +
                                  " に書き出せませんでした。|1024|1024");
    s.share.csvFile.clear(); // the dialog cancelled
    s.tableMenu("mnuCsv");
    EXPECT_EQ(s.boxes.size(), 2);

    s.tableMenu("mnuCopy"); // none played yet: the newest saved
    EXPECT_EQ(s.share.text,
              "モジロタイピング 2024/05/01 21:03:45 60秒：ＯＫ 20　ＮＧ 5　文字数 90　"
              "正解率 80.0%　1.50/秒");
    EXPECT_EQ(s.share.picture.size(), w.size());
    s.play({}, {"ねこ"});
    s.clock.now = QDateTime(QDate(2024, 6, 2), QTime(8, 0));
    s.tableMenu("mnuCopy");
    EXPECT_EQ(s.share.text, "モジロタイピング 2024/06/02 08:00:00 60秒：ＯＫ 1　ＮＧ 0　文字数 2　"
                            "正解率 100.0%　0.03/秒");
}

TEST(Share, TheDesktopsClipboardGetsTheTextAndThePictureTogether) {
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ui::DesktopShareService().copy(QStringLiteral("ＯＫ 20"), picture);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    EXPECT_EQ(data->text(), QStringLiteral("ＯＫ 20"));
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).pixel(3, 2), QColor(Qt::red).rgb());
}
