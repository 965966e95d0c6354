#include "../sql_file.h"
#include "ui/weak_words_window.h"
#include "window_fixture.h"

namespace {

// A window over ねこ and いぬ at the defaults (60 s, auto-save on), recording
// into a real file of the scratch folder.
struct Recorded : Window {
    game::WordRecordThread store{path("単語記録.db")};
    ui::WeakWordsWindows weak{store, messageBoxes};
    explicit Recorded(const QString& words = "ねこ\r\nいぬ\r\n") {
        write("辞書.txt", records::EncodeCp932(words));
        recordService = &store;
        weakService = &weak;
        load();
    }
    ~Recorded() { w.reset(); }
    // Plays a round from Start to time-up at `start`, with the given draws.
    void round(int32_t start, std::deque<double> draws, const std::function<void()>& play) {
        clock.seconds = start;
        clock.now = kMay1.addSecs(start);
        random.draws = std::move(draws);
        countdown();
        play();
        tickAt(start + 60);
    }
    QString rowOf(QTableView* grid, int row) {
        QStringList cells;
        for (int c = 0; c < grid->model()->columnCount(); ++c)
            if (!grid->isColumnHidden(c))
                cells << grid->model()->index(row, c).data().toString();
        return cells.join(' ');
    }
};

} // namespace

TEST(WordRecord, AWrongAnswerAndALookAtTheAnswerAreInTheWindowAndTheFileAndPractiseThatWord) {
    Recorded r;
    r.round(0, {0.0, 0.9}, [&] {
        EXPECT_EQ(r.w->lblMondai->text(), "こね");
        r.type("ねご");
        QTest::keyClick(r.w->txtKaitou, Qt::Key_Escape);
        r.clock.seconds = 4;
        r.type("ねこ"); // 4 s after it was asked
        r.type("いい"); // the next, ねこ again, open at time-up
    });
    r.round(100, {0.5, 0.0, 0.0}, [&] {
        r.clock.seconds = 102;
        r.type("いぬ"); // then ねこ, left open
    });
    EXPECT_EQ(r.boxes.size(), 2); // the two wrong answers, nothing of the record

    r.w->mnuWeak_Click();
    ui::WeakWordsWindow* weak = r.weak.window();
    ASSERT_TRUE(weak && weak->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return weak->weakModel->rowCount() == 2; }, 60000));
    EXPECT_EQ(r.rowOf(weak->grdWeak, 0), "ねこ 175 3 1 2 1 4.00 4.00 0");
    EXPECT_EQ(r.rowOf(weak->grdWeak, 1), "いぬ 0 1 1 0 0 2.00 2.00 1");
    ASSERT_EQ(weak->lstConfusions->count(), 1); // いい is another word, not a slip
    EXPECT_EQ(weak->lstConfusions->item(0)->text(), "こ→ご　1回");
    // Each round is in the file with its saved line.
    EXPECT_EQ(SqlFile(r.path("単語記録.db"))
                  .rows("SELECT r.ok FROM rounds r JOIN saves s ON s.round = r.key"),
              (QStringList{"1", "1"}));
    EXPECT_EQ(r.read("履歴.txt").count("\r\n"), 2);

    // Only ねこ was missed: the practice round asks it alone, whatever the draws.
    EXPECT_EQ(weak->practiceWords(), QStringList{"ねこ"});
    ASSERT_TRUE(weak->cmdPractise->isEnabled());
    r.clock.seconds = 200;
    r.clock.now = kMay1.addSecs(200);
    r.random.draws = {0.99, 0.0, 0.0};
    QTest::mouseClick(weak->cmdPractise, Qt::LeftButton);
    EXPECT_FALSE(weak->cmdPractise->isEnabled()); // not over a round in play
    EXPECT_EQ(r.w->windowTitle(), "モジロタイピング（練習）");
    for (int i = 0; i < 3; ++i)
        r.w->tmrStart_Timer();
    EXPECT_EQ(r.w->state().strSeikai, "ねこ");
    r.type("ねこ");
    EXPECT_EQ(r.w->state().strSeikai, "ねこ");
    r.tickAt(260);
    EXPECT_EQ(r.w->windowTitle(), "モジロタイピング");
    // The next Start draws from the list as before: the ⌊2 × 0.99 + 1⌋th word.
    r.round(300, {0.99, 0.0, 0.0}, [&] {
        EXPECT_EQ(r.w->state().strSeikai, "いぬ");
        r.type("いぬ");
    });

    // The chart tells the practice round from the ordinary ones.
    r.w->mnuGraph_Click();
    ui::ProgressWindow* chart = r.progress.window();
    ASSERT_TRUE(chart);
    // The kinds come from the record's thread after the chart is up.
    ASSERT_TRUE(QTest::qWaitFor([&] { return chart->cboList->findText("辞書.txt") >= 0; }, 60000));
    Window::Pick(chart->cboMode, 2); // practice rounds only
    EXPECT_EQ(chart->chart->series().points.size(), 1);
    // So does the practice round's row, on hover.
    const QModelIndex practice = r.w->rirekiModel().index(2, 3);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return practice.data(Qt::ToolTipRole).toString() == "苦手な単語の練習ラウンド"; }));

    // Shown for the chosen list only, the words and the practice are its own.
    QDir(r.dir.path()).mkdir("単語リスト");
    r.write("単語リスト/どうぶつ.txt", "いぬ\nさる\n");
    r.w->ChooseList("どうぶつ.txt"); // while the window is open
    ASSERT_EQ(weak->cboShow->itemText(1), "選んだリストの単語（どうぶつ）");
    Window::Pick(weak->cboShow, 1);
    ASSERT_EQ(weak->weakModel->rowCount(), 1);
    EXPECT_EQ(weak->weakModel->at(0).stats.word, "いぬ");
    EXPECT_FALSE(weak->cmdPractise->isEnabled()); // いぬ was never missed
}

TEST(WordRecord, AFileThatCannotBeWrittenIsToldOnceAfterTheRoundAndThePlayGoesOn) {
    Recorded fx("ねこ\r\n");
    QDir(fx.dir.path()).mkdir("単語記録.db"); // a folder where the file would be
    for (int32_t start : {0, 100}) {
        fx.round(start, {0.0, 0.9}, [&] {
            fx.type("ねこ");
            ASSERT_TRUE(Settled(fx.store)); // the problem reaches the window while the round plays
            EXPECT_EQ(fx.boxes.size(), start == 0 ? 0 : 1);
            EXPECT_EQ(fx.w->lblOk->text(), "1");
        });
    }
    ASSERT_EQ(fx.boxes.size(), 1);
    EXPECT_TRUE(fx.boxes[0].contains("単語の記録を単語記録.dbに書けませんでした"))
        << fx.boxes[0].toStdString();
    EXPECT_EQ(fx.read("履歴.txt").count("\r\n"), 2);
}

TEST(WordRecord, AFileAnotherProgramHoldsKeepsEveryAnswerAndNoWindowWaitsForIt) {
    Recorded r("りんご\r\n");
    r.round(0, {0.0, 0.0}, [&] { r.type("りんご"); });
    ASSERT_TRUE(Settled(r.store));
    auto other = std::make_unique<HeldByAnotherProgram>(r.path("単語記録.db"));
    if (!other->held())
        GTEST_SKIP() << "the sqlite3 tool could not be started to hold the file";
    r.round(100, {0.0, 0.0}, [&] {
        for (int i = 0; i < 3; ++i)
            r.type("りんご");
    });
    r.w->mnuWeak_Click();
    ui::WeakWordsWindow* weak = r.weak.window();
    ASSERT_TRUE(weak);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return weak->lblNote->text().contains("ほかのプログラム"); }, 60000))
        << weak->lblNote->text().toStdString();
    r.w->mnuGraph_Click();
    ASSERT_TRUE(r.progress.window());
    QTest::mouseClick(r.w->cmdHozon, Qt::LeftButton);
    EXPECT_EQ(r.read("履歴.txt").count("\r\n"), 3);
    EXPECT_TRUE(r.boxes.isEmpty()) << r.boxes.join('\n').toStdString();
    other->letGo();

    // Every answer is in once it lets go, and the window shows them.
    ASSERT_TRUE(QTest::qWaitFor([&] { return weak->weakModel->rowCount() == 1; }, 60000));
    EXPECT_EQ(r.rowOf(weak->grdWeak, 0).section(' ', 2, 3), "6 4");
    EXPECT_FALSE(weak->lblNote->text().contains("ほかのプログラム"));
    ASSERT_TRUE(Settled(r.store));
    SqlFile file(r.path("単語記録.db"));
    const char kCounts[] = "SELECT (SELECT COUNT(*) FROM rounds), (SELECT COUNT(*) FROM saves), "
                           "asked, solved FROM words";
    EXPECT_EQ(file.rows(kCounts), QStringList{"2|3|6|4"}) << "rounds, saves, asked and solved";

    // At the end of the game the wait is short, and what it leaves out is counted.
    other = std::make_unique<HeldByAnotherProgram>(r.path("単語記録.db"));
    r.round(200, {0.0, 0.0}, [&] { r.type("りんご"); });
    EXPECT_EQ(r.store.finish(100), 2); // the solve, and the question open at time-up
    other->letGo();
    EXPECT_EQ(file.rows("SELECT asked, solved FROM words"), QStringList{"6|4"});
}
