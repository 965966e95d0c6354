// What the game shows a learner: readings and meanings, the meaning hint,
// and lists made from the dictionary.
#include "../sql_file.h"
#include "game/word_record.h"
#include "ui/dictionary_list_dialog.h"
#include "ui/weak_words_window.h"
#include "window_fixture.h"

#include <QTemporaryDir>

namespace {

// A window over ねこ and いぬ, auto-save off, with a dictionary that knows ねこ.
struct Learner : Window {
    Learner() {
        dictionary.words["ねこ"] = {"猫", "ねこ", {"cat"}, 0, 2, true, false};
        load({{"辞書.txt", records::EncodeCp932(u"ねこ\r\nいぬ\r\n")}, {"設定.txt", "60,0\r\n"}});
    }
    QString meaning() const { return w->lblMeaning->isVisible() ? w->lblMeaning->text() : ""; }
};

} // namespace

TEST(Readings, FollowARightAnswerOrALookWithoutCoveringTheQuestionAndF2HintsTheMeaning) {
    Learner fx;
    ui::frmMain& w = *fx.w;
    fx.random.draws = {0.0};
    fx.countdown();
    fx.type("ねこ");
    EXPECT_EQ(fx.meaning(), "") << "off, the window is as it always was";
    fx.windowMenu("mnuReadings");
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return w.learnOptions().readings; })); // the dictionary's answer
    EXPECT_EQ(fx.options.learn(), records::LearnOptions{true});
    fx.random.draws = {0.0}; // ねこ again
    fx.type("ねこ");
    EXPECT_EQ(fx.meaning(), "ねこ（猫）　cat");
    EXPECT_EQ(w.lstRireki->item(1)->toolTip(), "ねこ（猫）　cat"); // the solved list, on hover
    for (QWidget* kept : {static_cast<QWidget*>(w.lblMondai), static_cast<QWidget*>(w.txtKaitou)})
        EXPECT_FALSE(w.lblMeaning->geometry().intersects(kept->geometry()));

    QTest::keyClick(w.txtKaitou, Qt::Key_F2); // the meaning of ねこ, without the word
    EXPECT_EQ(fx.meaning(), "意味：cat");
    fx.random.draws = {0.9}; // いぬ, which the dictionary lacks
    fx.type("ねこ");
    QTest::keyClick(w.txtKaitou, Qt::Key_F2);
    EXPECT_EQ(fx.meaning(), "この単語は辞書にありません。");
    QTest::keyClick(w.txtKaitou, Qt::Key_Escape);
    EXPECT_EQ(fx.meaning(), "「いぬ」は辞書にありません。");
    w.lblMeaning->hide();
    QTest::keyClick(w.txtKaitou, Qt::Key_Escape);
    EXPECT_EQ(fx.meaning(), "") << "said once";
    fx.tickAt(60);
    // The record counts the one meaning hint given, apart from the look.
    QStringList hints;
    for (const records::QuestionRecord& q : fx.record.questions)
        hints << QString("%1 %2 %3").arg(q.word).arg(q.hints).arg(q.revealed);
    EXPECT_EQ(hints, (QStringList{"ねこ 0 0", "ねこ 0 0", "ねこ 1 0", "いぬ 0 1"}));
}

TEST(DictionaryList, IsRefusedLikeReadingsWithoutTheDictionaryAndOtherwiseWrittenAndPlayed) {
    Learner fx;
    fx.dictionary.missing = true;
    fx.windowMenu("mnuReadings");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !fx.boxes.isEmpty(); }));
    EXPECT_FALSE(fx.w->learnOptions().readings);
    EXPECT_TRUE(fx.boxes[0].contains("apt-get install edict")) << fx.boxes[0].toStdString();
    fx.w->mnuFromDictionary_Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return fx.boxes.size() == 2; }));
    EXPECT_TRUE(fx.boxes[1].contains("apt-get install edict")) << fx.boxes[1].toStdString();

    // A dictionary of two lines of its own, in EUC-JP.
    fx.write("edict", "\xbf\xa9\xa4\xd9\xa4\xeb [\xa4\xbf\xa4\xd9\xa4\xeb] /(v1) to eat/(P)/\n"
                      "\xb0\xfb\xa4\xe0 [\xa4\xce\xa4\xe0] /(v5m) to drink/(P)/\n");
    const auto index = records::DictionaryIndex::open(fx.path("edict"), QString());
    ASSERT_TRUE(index);
    fx.dictionary.missing = false;
    fx.dictionary.real = index.get();
    fx.wordLists.made = ui::WordListService::MadeList{"動詞", {"たべる", "のむ"}};
    fx.w->mnuFromDictionary_Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return fx.boxes.size() == 3; }));
    EXPECT_EQ(fx.read("単語リスト/動詞.txt"), records::EncodeCp932(u"たべる\r\nのむ\r\n"));
    EXPECT_TRUE(fx.boxes.last().contains("2語")) << fx.boxes.last().toStdString();
    EXPECT_EQ(fx.w->fraJisyo->title(), "登録ワード一覧 2個");
}

TEST(RealDictionary, ShowsAWordsMeaningMakesASensibleListAndTheRecordKeepsAWrongAnswer) {
    if (!QFileInfo(records::kEdictPath).isReadable())
        GTEST_SKIP() << "no " << records::kEdictPath.toStdString() << " (the edict package)";
    QTemporaryDir cache;
    Window fx;
    game::EdictDictionary edict(records::kEdictPath, cache.path());
    game::WordRecordThread record(fx.path("単語記録.db"));
    fx.dictionaryService = &edict;
    fx.recordService = &record;
    ui::frmMain& w = fx.load({{"辞書.txt", records::EncodeCp932(u"りんご\r\n")}});
    fx.options.setLearn({true});
    fx.windowMenu("mnuReadings"); // off, then on again
    fx.windowMenu("mnuReadings");
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.learnOptions().readings; }, 60000))
        << "the index was not built";
    EXPECT_TRUE(QFileInfo::exists(cache.filePath("edict.index")));
    fx.countdown();
    fx.type("りんこ");
    fx.type("りんご");
    EXPECT_TRUE(w.lblMeaning->text().contains("apple")) << w.lblMeaning->text().toStdString();

    ui::DictionaryListDialog dialog(*edict.index(), nullptr);
    dialog.cboPart->setCurrentIndex(2); // 動詞, 3 to 5 characters, common words
    EXPECT_GT(dialog.made().count, 200);
    EXPECT_LT(dialog.made().count, 3000);
    for (const QString& verb : dialog.made().sample)
        EXPECT_TRUE(game::IsAskableKana(verb, game::DictScript::Reading)) << verb.toStdString();

    fx.tickAt(60);
    ASSERT_TRUE(Settled(record));
    EXPECT_EQ(SqlFile(fx.path("単語記録.db")).rows("SELECT word, typed, count FROM typed_instead"),
              QStringList{"りんご|りんこ|1"});
    fx.w.reset();
}

TEST(Readings, FillTheWeakWordsReadingAndMeaningColumns) {
    ui::WeakWordsModel model;
    records::WordStats cat;
    cat.word = "ねこ";
    model.setWords({{cat, 1.0}});
    const auto cell = [&](int column) { return model.index(0, column).data().toString(); };
    model.setLookUp([](const QString&) {
        return std::optional(
            records::DictionaryHit{"猫", "ねこ", {"cat", "feline"}, 0, 0, true, false});
    });
    EXPECT_EQ(cell(ui::WeakWordsModel::Reading) + "|" + cell(ui::WeakWordsModel::Meaning),
              "猫【ねこ】|cat; feline");
}
