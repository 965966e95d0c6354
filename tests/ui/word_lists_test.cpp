#include "window_fixture.h"

#include "ui/word_list_editor.h"

namespace {

// 辞書.txt and two lists of the list folder, with things that are no lists beside them;
// the list chosen before, if any.
struct Lists : Window {
    explicit Lists(const QString& chosen = {}) {
        write("辞書.txt", "ねこ\r\n");
        QDir().mkpath(path("単語リスト/folder.txt"));
        write("単語リスト/どうぶつ.txt", "いぬ\nうま\nきりん\nしまうま\n");
        write("単語リスト/あめ.txt", "\x82\xA0\x82\xDF\r\n"); // あめ in code page 932
        write("単語リスト/notes.csv", "x\n");
        if (!chosen.isEmpty())
            options.setWordList({chosen, 0});
        load();
    }
    // The word panel's menu as the mouse opens it: "*" marks the check, "-" what is off.
    QString menu() {
        OpenMenu(w->lstJisyo->viewport(), w->mnuJisyo);
        QStringList shown;
        for (QAction* a : w->mnuJisyo->actions())
            shown << (a->isSeparator()
                          ? "|"
                          : a->text() + (a->isChecked() ? "*" : "") + (a->isEnabled() ? "" : "-"));
        w->mnuJisyo->close();
        return shown.join(' ');
    }
    QString panel() const {
        return w->fraJisyo->title() + " " +
               qobject_cast<QStringListModel*>(w->lstJisyo->model())->stringList().join(',') + " " +
               w->lstJisyo->accessibleDescription();
    }
};

const char kMenuEnd[] = "| すべて* 2〜3文字 4〜5文字 6文字以上 | ファイルから読み込む(&I)… "
                        "辞書から単語リストを作る(&D)… 単語リストを編集(&E)… | 苦手な単語(&W)…";

} // namespace

TEST(WordLists,
     TheMenuOffersEachListAndOneChosenIsShownPlayedKeptAcrossAStartOrWaitsForARoundsEnd) {
    Lists l;
    EXPECT_EQ(l.menu(), QString("辞書.txt* あめ どうぶつ ") + kMenuEnd);
    l.wordMenu("mnuList_2");
    EXPECT_EQ(l.panel(), "登録ワード一覧 4個 いぬ,うま,きりん,しまうま 単語リスト：どうぶつ");
    EXPECT_TRUE(l.menu().startsWith("辞書.txt あめ どうぶつ* "));

    l.random.draws = {0.3, 0.0, 0.0}; // the second word, its pieces in order
    l.countdown();
    EXPECT_EQ(l.w->lblMondai->text(), "うま");
    l.type("うま");
    EXPECT_EQ(l.w->lblOk->text(), "1");

    // The next start shows it again; once the file is gone, 辞書.txt with a word why.
    l.w.reset();
    l.load();
    EXPECT_EQ(l.panel(), "登録ワード一覧 4個 いぬ,うま,きりん,しまうま 単語リスト：どうぶつ");
    QFile::remove(l.path("単語リスト/どうぶつ.txt"));
    l.w.reset();
    l.load();
    EXPECT_EQ(l.panel(), "登録ワード一覧 1個 ねこ 単語リスト：辞書.txt");
    EXPECT_EQ(l.boxes,
              QStringList{"2|単語リスト|単語リスト「どうぶつ」が見つからないか、読めません。"
                          "\n辞書.txtの単語で遊びます。|1024|1024"});
    EXPECT_EQ(l.options.wordList().list, "");

    // A choice during a round waits for its end.
    l.countdown();
    EXPECT_EQ(l.menu(),
              QString("ラウンド中です。選んだリストと長さは、ラウンドが終わってから"
                      "使われます- | 辞書.txt* あめ | すべて* 2〜3文字 4〜5文字 "
                      "6文字以上 | ファイルから読み込む(&I)…- 辞書から単語リストを作る(&D)…- "
                      "単語リストを編集(&E)…- | 苦手な単語(&W)…"));
    l.wordMenu("mnuList_1");
    EXPECT_EQ(l.panel(), "登録ワード一覧 1個 ねこ 単語リスト：辞書.txt");
    l.type("ねこ"); // the round plays on from the list it started with
    EXPECT_EQ(l.w->lblOk->text(), "1");
    l.tickAt(60);
    EXPECT_EQ(l.panel(), "登録ワード一覧 1個 あめ 単語リスト：あめ");
}

TEST(WordLists, ALevelNarrowsThePanelAndTheDrawsAndOneLeftEmptyKeepsThePrevious) {
    Lists l("どうぶつ.txt");
    l.wordMenu("mnuLevel_2"); // 4〜5文字
    EXPECT_EQ(l.panel(), "登録ワード一覧 1個 しまうま 単語リスト：どうぶつ（4〜5文字）");
    EXPECT_EQ(l.options.wordList().level, 2);
    l.play({0.99}, {"しまうま"});
    EXPECT_EQ(l.w->lblOk->text(), "1");

    l.wordMenu("mnuLevel_3"); // 6文字以上: none
    EXPECT_EQ(l.panel(), "登録ワード一覧 1個 しまうま 単語リスト：どうぶつ（4〜5文字）");
    EXPECT_EQ(l.boxes.last(), "1|単語リスト|「どうぶつ」には6文字以上の単語がありません。"
                              "長さは「4〜5文字」のままです。|1024|1024");
    // A list without words of the level is played whole.
    l.wordMenu("mnuList_0");
    EXPECT_EQ(l.panel(), "登録ワード一覧 1個 ねこ 単語リスト：辞書.txt");
    // 辞書.txt edited, in code page 932 unless the player agrees: shown at once.
    l.wordLists.editedBytes = "いるか\nくじら\n";
    l.wordMenu("mnuEdit");
    EXPECT_EQ(l.wordLists.edits, QStringList{"辞書.txt|辞書.txt|cp932"});
    EXPECT_EQ(l.panel(), "登録ワード一覧 2個 いるか,くじら 単語リスト：辞書.txt");
}

TEST(WordLists, ImportCopiesTheWordsItTakesAndAsksBeforeAName) {
    Lists l;
    Folder outside;
    const QByteArray original = "\xEF\xBB\xBFうし,やぎ,,うし\r\n" + QByteArray(201 * 3, 'a') +
                                "\r\n" + QString(201, u'あ').toUtf8() + "\r\nひつじ";
    outside.write("どうぶつ.csv", original);
    l.wordLists.importFile = outside.path("どうぶつ.csv");
    for (auto answer : {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Yes}) {
        l.answer = answer;
        l.wordMenu("mnuImport");
    }
    EXPECT_EQ(outside.read("どうぶつ.csv"), original);
    // Asked three times: cancelled, then a new name, then the old one replaced.
    EXPECT_EQ(l.boxes.filter("置き換えますか").size(), 3);
    const QByteArray copy = "\xEF\xBB\xBFうし\r\nやぎ\r\nひつじ\r\n";
    EXPECT_EQ(l.read("単語リスト/どうぶつ (2).txt"), copy);
    EXPECT_EQ(l.read("単語リスト/どうぶつ.txt"), copy);
    EXPECT_EQ(l.boxes.last(), "1|読み込み終了|単語リスト「どうぶつ」に3語を読み込みました。\n"
                              "除いたもの：重複 1、空の項目 1、長すぎる単語 2|1024|1024");
    EXPECT_EQ(l.panel(), "登録ワード一覧 3個 うし,ひつじ,やぎ 単語リスト：どうぶつ");
    // Code page 932 with CR line ends stays so; 〜 typed elsewhere takes its byte.
    outside.write("ame.txt", "\x82\xA0\x82\xDF\r\x82\xA0\x82\xDF\r\x82\xA0\x81\x60\r");
    l.wordLists.importFile = outside.path("ame.txt");
    l.wordMenu("mnuImport");
    EXPECT_EQ(l.read("単語リスト/ame.txt"), "\x82\xA0\x82\xDF\r\x82\xA0\x81\x60\r");

    // What cannot be imported is said and leaves everything as it was.
    outside.write("empty.txt", "\r\n,\r\n");
    outside.write("utf16.txt", QByteArray("\xFF\xFE\x44\x30", 4));
    for (const char* name : {"none.txt", "empty.txt", "utf16.txt"}) {
        l.wordLists.importFile = outside.path(name);
        l.wordMenu("mnuImport");
        EXPECT_TRUE(l.boxes.last().startsWith("2|読み込みエラー|")) << name;
    }
}

TEST(WordListEditor, MarksWhatTheGameLeavesOutAndSavesWholeInTheFilesEncoding) {
    Folder f;
    f.write("l.txt", "\x82\xA2\x82\xCA\r\n\x82\xCB\x82\xB1,\x82\xA2\x82\xCA\r\n");
    ui::MessageBoxes messageBoxes;
    ui::WordListEditor e(f.path("l.txt"), "l", records::TextEncoding::Cp932, messageBoxes, nullptr);
    QStringList boxes;
    QMessageBox::StandardButton answer = QMessageBox::No;
    messageBoxes.run = [&](QMessageBox& box) { return boxes << box.text(), answer; };
    EXPECT_EQ(e.words->toPlainText(), "いぬ\nねこ\nいぬ");
    EXPECT_EQ(e.count->text(), "2語（使われない行：重複 1）");

    e.words->setPlainText("いぬ\n〜ねこ\n\n" + QString(201, u'あ'));
    e.refresh();
    EXPECT_EQ(e.count->text(), "2語（使われない行：長すぎる単語 1）");
    ASSERT_TRUE(e.save());
    EXPECT_EQ(f.read("l.txt"), "\x82\xA2\x82\xCA\r\n\x81\x60\x82\xCB\x82\xB1\r\n" +
                                   records::EncodeCp932(QString(201, u'あ')) + "\r\n");

    // A character the code page lacks is shown and asked about, never written as "?".
    e.words->setPlainText("いぬ\nよし𠮷");
    EXPECT_FALSE(e.save());
    EXPECT_EQ(boxes.last(),
              "2行目の「𠮷」（U+20BB7）は、シフトJIS（コードページ932）の単語リストには書けません。"
              "\n\nこの単語リストをUTF-8で保存しますか？ UTF-8の単語リストもゲームで"
              "使えます。");
    EXPECT_EQ(e.words->textCursor().selectedText(), "𠮷");
    EXPECT_TRUE(f.read("l.txt").startsWith("\x82\xA2\x82\xCA\r\n\x81\x60"));
    answer = QMessageBox::Yes;
    ASSERT_TRUE(e.save());
    EXPECT_EQ(f.read("l.txt"), "いぬ\r\nよし𠮷\r\n");
    EXPECT_EQ(e.encoding(), records::TextEncoding::Utf8); // asked once, kept for the next save

    {
        FileSizeLimit full(4); // a disk that fills up
        e.words->setPlainText("いぬ\nねこ\nうま");
        EXPECT_FALSE(e.save());
    }
    EXPECT_TRUE(boxes.last().startsWith("単語リストを " + f.path("l.txt") + " に保存できません"));
    EXPECT_EQ(f.read("l.txt"), "いぬ\r\nよし𠮷\r\n");
    EXPECT_EQ(e.words->toPlainText(), "いぬ\nねこ\nうま");
}
