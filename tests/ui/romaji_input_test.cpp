// The game's own romaji input in the answer box; its table is
// tests/game/romaji_test.cpp's.
#include "window_fixture.h"

namespace {

// Keys as a player types them, then the special ones.
void Keys(QWidget* box, const char* typed, std::initializer_list<Qt::Key> special = {}) {
    QTest::keyClicks(box, QString::fromLatin1(typed));
    for (Qt::Key k : special)
        QTest::keyClick(box, k);
}

} // namespace

TEST(OwnInput, WhereNoInputMethodReachesTheBoxRomajiBecomesKanaAndTheFrameworkIsLeftAlone) {
    Window fx;
    fx.reach.reach = {false, "（理由）"};
    ui::frmMain& w = fx.load({{"辞書.txt", records::EncodeCp932(u"ねこ\r\nコーヒー\r\nみかん\r\n")},
                              {"設定.txt", "60,0\r\n"}});
    QCoreApplication::processEvents(); // the check's answer
    ASSERT_TRUE(w.txtKaitou->ownInput());
    fx.random.draws = {0.0};
    fx.countdown();
    EXPECT_TRUE(QToolTip::text().contains("（理由）")) << QToolTip::text().toStdString();
    Keys(w.txtKaitou, "nekp");
    EXPECT_EQ(w.txtKaitou->text(), "ね"); // k gave way to p, which waits
    Keys(w.txtKaitou, "", {Qt::Key_Backspace});
    Keys(w.txtKaitou, "KO"); // Shift types the same letters
    EXPECT_EQ(w.txtKaitou->text(), "ねこ");
    fx.random.draws = {0.4}; // コーヒー next
    Keys(w.txtKaitou, "", {Qt::Key_Return});
    EXPECT_EQ(w.lblOk->text(), "1");
    // Typed in hiragana, turned by F7, back by F6 and again by F7.
    Keys(w.txtKaitou, "ko-hi-", {Qt::Key_F7});
    EXPECT_EQ(w.txtKaitou->text(), "コーヒー");
    fx.random.draws = {0.7}; // みかん next
    Keys(w.txtKaitou, "", {Qt::Key_F6, Qt::Key_F7, Qt::Key_Return});
    EXPECT_EQ(w.lblOk->text(), "2");
    Keys(w.txtKaitou, "mikan", {Qt::Key_Return}); // a lone n at Enter is ん
    EXPECT_EQ(fx.figures(), "3 0   ");
    EXPECT_TRUE(fx.ime.calls.isEmpty()) << fx.ime.calls.join(',').toStdString();
    fx.tickAt(60);
    w.mnuCopy_Click();
    // n e k p ⌫ K O, k o - h i -, F7 F6 F7, m i k a n: 20 keys in 60 s.
    EXPECT_TRUE(fx.share.text.endsWith("　0.33打鍵/秒")) << fx.share.text.toStdString();

    // Answering on the commit, the Enter that types out a waiting n takes the word once.
    fx.windowMenu("mnuAnswerOnCommit");
    fx.random.draws = {0.7};
    fx.countdown();
    Keys(w.txtKaitou, "mikan", {Qt::Key_Return});
    EXPECT_EQ(fx.figures(), "1 0   ");
    EXPECT_TRUE(fx.boxes.isEmpty()) << fx.boxes.join('\n').toStdString();
}

TEST(OwnInput, IsChosenOrRefusedInTheMenuAndLeavesOutWordsItCannotType) {
    Window fx;
    ui::frmMain& w = fx.load({{"辞書.txt", records::EncodeCp932(u"ねこ\r\n会社\r\ncat\r\n")}});
    QCoreApplication::processEvents();
    ASSERT_FALSE(w.txtKaitou->ownInput()); // an input method reaches the box
    fx.windowMenu("mnuInput_2");           // ゲーム内ローマ字入力
    EXPECT_TRUE(w.txtKaitou->ownInput());
    EXPECT_EQ(fx.options.input().mode, records::InputOptions::Mode::Romaji);
    fx.random.draws = {0.0, 0.0, 0.9, 0.9};
    fx.countdown(); // 会社 and cat cannot be typed: ねこ alone, and the player is told
    EXPECT_TRUE(QToolTip::text().contains("2語")) << QToolTip::text().toStdString();
    EXPECT_EQ(w.state().intWordCount, 1);
    fx.tickAt(60);
    fx.write("辞書.txt", records::EncodeCp932(u"会社\r\n"));
    w.cmdStart_Click(); // nothing left to ask: no round
    EXPECT_TRUE(fx.boxes.last().contains("打てません")) << fx.boxes.last().toStdString();
    EXPECT_TRUE(w.cmdStart->isEnabled());
    fx.windowMenu("mnuInput_1"); // 日本語入力（IME）
    EXPECT_FALSE(w.txtKaitou->ownInput());
}
