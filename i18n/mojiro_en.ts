<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>DictionaryList</name>
    <message>
        <source>すべて</source>
        <translation>All</translation>
    </message>
    <message>
        <source>名詞</source>
        <translation>Nouns</translation>
    </message>
    <message>
        <source>動詞</source>
        <translation>Verbs</translation>
    </message>
    <message>
        <source>い形容詞</source>
        <translation>i-adjectives</translation>
    </message>
    <message>
        <source>な形容詞</source>
        <translation>na-adjectives</translation>
    </message>
    <message>
        <source>辞書から単語リストを作る</source>
        <translation>Make a list from the dictionary</translation>
    </message>
    <message>
        <source>よく使われる単語だけ(&amp;C)</source>
        <translation>&amp;Common words only</translation>
    </message>
    <message>
        <source>ひらがな（漢字やかなの単語の読み）</source>
        <translation>Hiragana (the readings of words in kanji or kana)</translation>
    </message>
    <message>
        <source>カタカナ（外来語）</source>
        <translation>Katakana (loanwords)</translation>
    </message>
    <message>
        <source>から</source>
        <translation>to</translation>
    </message>
    <message>
        <source>品詞(&amp;P)</source>
        <translation>&amp;Part of speech</translation>
    </message>
    <message>
        <source>文字(&amp;S)</source>
        <translation>&amp;Script</translation>
    </message>
    <message>
        <source>長さ(&amp;L)</source>
        <translation>&amp;Length</translation>
    </message>
    <message>
        <source>リストの名前(&amp;N)</source>
        <translation>List &amp;name</translation>
    </message>
    <message>
        <source>作る</source>
        <translation>Make</translation>
    </message>
    <message>
        <source>品詞</source>
        <translation>Part of speech</translation>
    </message>
    <message>
        <source>いちばん短い単語</source>
        <translation>Shortest word</translation>
    </message>
    <message>
        <source>いちばん長い単語</source>
        <translation>Longest word</translation>
    </message>
    <message>
        <source>リストの名前</source>
        <translation>List name</translation>
    </message>
    <message>
        <source>当てはまる単語がありません。</source>
        <translation>No word matches.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>
遊べるのは初めの%1語です。</source>
        <translation>
Only the first %1 words can be played.</translation>
    </message>
    <message>
        <source> カタカナ</source>
        <translation> (katakana)</translation>
    </message>
    <message>
        <source>文字</source>
        <comment>characters of a word</comment>
        <translation> characters</translation>
    </message>
    <message>
        <source>文字</source>
        <comment>hiragana or katakana</comment>
        <translation>Script</translation>
    </message>
    <message>
        <source>辞書 %1 %2〜%3文字%4%5</source>
        <translation>Dictionary %1 %2–%3 characters%4%5</translation>
    </message>
    <message>
        <source> すべての単語</source>
        <translation> all words</translation>
    </message>
    <message numerus="yes">
        <source>%n語&#x3000;例：%1</source>
        <translation>
            <numerusform>%n word  For example: %1</numerusform>
            <numerusform>%n words  For example: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>目次</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>キーワードを入力</source>
        <translation>Type a keyword</translation>
    </message>
    <message>
        <source>索引</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>探す言葉を入力して Enter</source>
        <translation>Type the words to find, then Enter</translation>
    </message>
    <message>
        <source>検索</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>ツールバー</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>進む</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>ホーム</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>拡大</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>縮小</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>ページ内を検索 (Ctrl+F)</source>
        <translation>Find on this page (Ctrl+F)</translation>
    </message>
    <message>
        <source>ページ内を検索</source>
        <translation>Find on this page</translation>
    </message>
    <message>
        <source>次のページをブラウザーで開きますか?
%1</source>
        <translation>Open this page in your web browser?
%1</translation>
    </message>
    <message>
        <source>見つかりませんでした。</source>
        <translation>Nothing found.</translation>
    </message>
    <message>
        <source>最初のページを読み込めません。ファイルが壊れています。</source>
        <translation>Cannot read the first page. The file is damaged.</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>ヘルプファイル「%1」を開けません。
%2</source>
        <translation>Cannot open the help file “%1”.
%2</translation>
    </message>
    <message>
        <source>ファイルが見つかりません。</source>
        <translation>The file is missing.</translation>
    </message>
    <message>
        <source>ファイルを読み込めません。</source>
        <translation>The file cannot be read.</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます。</source>
        <translation>The file is too large.</translation>
    </message>
    <message>
        <source>コンパイル済み HTML ヘルプファイルではないか、壊れています。</source>
        <translation>It is not a compiled HTML help file, or it is damaged.</translation>
    </message>
</context>
<context>
    <name>InputMethod</name>
    <message>
        <source>日本語入力の仕組みが使われていません（QT_IM_MODULE が設定されていません）。</source>
        <translation>No input method framework is in use (QT_IM_MODULE is not set).</translation>
    </message>
    <message>
        <source>QT_IM_MODULE の「%1」は、日本語入力の仕組み（fcitx5 か IBus）ではありません。</source>
        <translation>QT_IM_MODULE names %1, which is not an input method framework (fcitx5 or IBus).</translation>
    </message>
    <message>
        <source>fcitx5 の Qt 6 用プラグインがありません（fcitx5-frontend-qt6 パッケージ）。</source>
        <translation>There is no Qt 6 plug-in for fcitx5 (the fcitx5-frontend-qt6 package).</translation>
    </message>
    <message>
        <source>IBus の Qt 6 用プラグインがありません（qt6-base のプラグイン）。</source>
        <translation>There is no Qt 6 plug-in for IBus (a plug-in of qt6-base).</translation>
    </message>
    <message>
        <source>IBus が動いていません。</source>
        <translation>IBus is not running.</translation>
    </message>
    <message>
        <source>fcitx5 が動いていません。</source>
        <translation>fcitx5 is not running.</translation>
    </message>
</context>
<context>
    <name>PlayFolder</name>
    <message>
        <source>ゲームのフォルダー %1 を作れませんでした。
組み込みの単語リストで始めます。結果と設定は保存されません。</source>
        <translation>Could not make the game&apos;s folder %1.
The game starts with its built-in word list. Results and settings will not be saved.</translation>
    </message>
    <message>
        <source>%1 を %2 に置けませんでした。</source>
        <translation>Could not put %1 in %2.</translation>
    </message>
    <message>
        <source>単語リストを %1 に置けませんでした。</source>
        <translation>Could not put the word lists in %1.</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>記録がありません</source>
        <translation>No records</translation>
    </message>
    <message>
        <source>%1回&#x3000;最高 %2%5&#x3000;平均 %3%5&#x3000;平均正解率 %4%</source>
        <translation>Rounds: %1  Best: %2 %5  Mean: %3 %5  Mean correct rate: %4%</translation>
    </message>
    <message>
        <source>&#x3000;移動平均の変化（最近%1回） %2%4&#x3000;%3%</source>
        <translation>  Trend over the last %1 rounds: %2 %4  %3%</translation>
    </message>
    <message>
        <source>読み取れない記録 %1件はグラフに入れていません</source>
        <translation>Records left out of the chart because they cannot be read: %1</translation>
    </message>
    <message>
        <source>成績グラフ</source>
        <translation>Progress chart</translation>
    </message>
    <message>
        <source>秒当たり打鍵数</source>
        <translation>Keys per second</translation>
    </message>
    <message>
        <source>秒当たり文字数</source>
        <translation>Characters per second</translation>
    </message>
    <message>
        <source>正解率</source>
        <translation>Correct rate</translation>
    </message>
    <message>
        <source>（点は1回ずつ、線は最近%1回の移動平均）</source>
        <translation>(a dot for each round; the lines are the moving average of the last %1 rounds)</translation>
    </message>
    <message>
        <source>打鍵/秒</source>
        <translation>keys/s</translation>
    </message>
    <message>
        <source>文字/秒</source>
        <translation>chars/s</translation>
    </message>
    <message>
        <source>%1回&#x3000;%2&#x3000;%3
</source>
        <translation>#%1  %2  %3
</translation>
    </message>
    <message>
        <source>プレイ秒数</source>
        <translation>Seconds</translation>
    </message>
    <message>
        <source>プレイ秒数(&amp;S)</source>
        <translation>&amp;Seconds</translation>
    </message>
    <message>
        <source>種類</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>All</translation>
    </message>
    <message>
        <source>通常のみ</source>
        <translation>Ordinary rounds</translation>
    </message>
    <message>
        <source>練習のみ</source>
        <translation>Practice</translation>
    </message>
    <message>
        <source>種類(&amp;K)</source>
        <translation>&amp;Kind</translation>
    </message>
    <message>
        <source>リスト</source>
        <translation>List</translation>
    </message>
    <message>
        <source>リスト(&amp;L)</source>
        <translation>&amp;List</translation>
    </message>
    <message>
        <source>速さ</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>打鍵/秒（ゲーム内ローマ字入力）</source>
        <translation>keys/s (the game&apos;s own romaji input)</translation>
    </message>
    <message>
        <source>速さ(&amp;P)</source>
        <translation>S&amp;peed</translation>
    </message>
    <message>
        <source>%1秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>すべてのリスト</source>
        <translation>All lists</translation>
    </message>
    <message>
        <source>不明</source>
        <translation>Unknown</translation>
    </message>
</context>
<context>
    <name>ResultLine</name>
    <message>
        <source>モジロタイピング %1 %2 %3：ＯＫ %4&#x3000;ＮＧ %5&#x3000;文字数 %6&#x3000;正解率 %7&#x3000;%8</source>
        <translation>Mojiro Typing %1 %2 %3: Right %4  Wrong %5  Characters %6  Rate %7  %8</translation>
    </message>
    <message>
        <source>&#x3000;%1打鍵/秒</source>
        <translation>  %1 keys/s</translation>
    </message>
    <message>
        <source>/秒</source>
        <translation>/s</translation>
    </message>
    <message>
        <source>秒</source>
        <translation> s</translation>
    </message>
</context>
<context>
    <name>ShippedList</name>
    <message>
        <source>たべもの</source>
        <translation>Food</translation>
    </message>
    <message>
        <source>どうぶつ</source>
        <translation>Animals</translation>
    </message>
    <message>
        <source>のりもの</source>
        <translation>Vehicles</translation>
    </message>
    <message>
        <source>しぜんとてんき</source>
        <translation>Nature and weather</translation>
    </message>
    <message>
        <source>からだ</source>
        <translation>Body</translation>
    </message>
    <message>
        <source>いえとまち</source>
        <translation>Home and town</translation>
    </message>
    <message>
        <source>しごと</source>
        <translation>Work</translation>
    </message>
    <message>
        <source>カタカナのことば</source>
        <translation>Katakana words</translation>
    </message>
    <message>
        <source>ながいことば</source>
        <translation>Long words</translation>
    </message>
    <message>
        <source>かんじのことば</source>
        <translation>Kanji words</translation>
    </message>
</context>
<context>
    <name>WeakWordsWindow</name>
    <message>
        <source>（何も打たずに答えた）</source>
        <translation>(answered with nothing typed)</translation>
    </message>
    <message>
        <source>「%1」が抜ける</source>
        <translation>missing %1</translation>
    </message>
    <message>
        <source>「%1」が余分</source>
        <translation>extra %1</translation>
    </message>
    <message>
        <source>%1【%2】</source>
        <translation>%1 [%2]</translation>
    </message>
    <message>
        <source>単語</source>
        <translation>Word</translation>
    </message>
    <message>
        <source>苦手度</source>
        <translation>Weakness</translation>
    </message>
    <message>
        <source>出題</source>
        <translation>Asked</translation>
    </message>
    <message>
        <source>正解</source>
        <translation>Solved</translation>
    </message>
    <message>
        <source>間違い</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>答えを見た</source>
        <translation>Looked</translation>
    </message>
    <message>
        <source>最速(秒)</source>
        <translation>Best (s)</translation>
    </message>
    <message>
        <source>平均(秒)</source>
        <translation>Mean (s)</translation>
    </message>
    <message>
        <source>連続正解</source>
        <translation>Clean run</translation>
    </message>
    <message>
        <source>読み</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>意味</source>
        <translation>Meaning</translation>
    </message>
    <message>
        <source>苦手な単語</source>
        <translation>Weak words</translation>
    </message>
    <message>
        <source>表示(&amp;F)</source>
        <translation>&amp;Show</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>すべての単語</source>
        <translation>All words</translation>
    </message>
    <message>
        <source>この単語に打った答え</source>
        <translation>Answers typed for this word</translation>
    </message>
    <message>
        <source>卒業した単語</source>
        <translation>Retired words</translation>
    </message>
    <message>
        <source>よく間違える文字</source>
        <translation>Common slips</translation>
    </message>
    <message>
        <source>苦手な単語で練習(&amp;P)</source>
        <translation>&amp;Practise weak words</translation>
    </message>
    <message>
        <source>記録から消す(&amp;D)</source>
        <translation>&amp;Remove from record</translation>
    </message>
    <message>
        <source>練習に戻す(&amp;B)</source>
        <translation>&amp;Back to practice</translation>
    </message>
    <message>
        <source>記録をすべて消す(&amp;C)…</source>
        <translation>&amp;Clear whole record…</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>選んだリストの単語（%1）</source>
        <translation>Words of the chosen list (%1)</translation>
    </message>
    <message>
        <source>苦手な単語（%1）</source>
        <translation>Weak words (%1)</translation>
    </message>
    <message>
        <source>卒業した単語（%1）</source>
        <translation>Retired words (%1)</translation>
    </message>
    <message>
        <source>記録を読んでいます…</source>
        <translation>Reading the record…</translation>
    </message>
    <message>
        <source>まだ記録がありません。ラウンドで答えると、単語ごとに記録されます。</source>
        <translation>There is no record yet. Answer questions in a round, and each word is recorded.</translation>
    </message>
    <message>
        <source>練習では、苦手度の高い%1語から出題します。</source>
        <translation>Practise weak words asks the words with the highest weakness score: %1 in all.</translation>
    </message>
    <message>
        <source>
ほかのプログラムが%1を使っています。空きしだい、記録を書き込んで表示します。</source>
        <translation>
Another program is using %1. The record will be written and shown as soon as the file is free.</translation>
    </message>
    <message>
        <source>クリア確認</source>
        <translation>Clear record</translation>
    </message>
    <message>
        <source>単語の記録をすべて消します。よろしいですか？</source>
        <translation>Clear the whole word record?</translation>
    </message>
    <message>
        <source>クリア終了</source>
        <translation>Cleared</translation>
    </message>
    <message>
        <source>単語の記録を消しました</source>
        <translation>The word record is cleared.</translation>
    </message>
    <message>
        <source>クリアエラー</source>
        <translation>Clear error</translation>
    </message>
    <message>
        <source>単語の記録を消せませんでした。</source>
        <translation>Could not clear the word record.</translation>
    </message>
    <message>
        <source>練習する単語はありません。間違えた単語や答えを見た単語が、ここで練習できます。</source>
        <translation>No words to practise. The words you answer wrongly or look up can be practised here.</translation>
    </message>
    <message>
        <source>
%1は新しい版のモジロタイピングで作られているため、読むだけにしています。</source>
        <translation>
%1 was made by a newer version of Mojiro Typing, so it is only read.</translation>
    </message>
    <message numerus="yes">
        <source>&#x3000;%n回</source>
        <translation>
            <numerusform>  %n time</numerusform>
            <numerusform>  %n times</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>登録ワード一覧 %1個</source>
        <translation>Word list (%1)</translation>
    </message>
</context>
<context>
    <name>WordListEditor</name>
    <message>
        <source>単語リストの編集 - </source>
        <translation>Edit word list - </translation>
    </message>
    <message>
        <source>1行に1語。黄色は重複、赤は長すぎる単語か読めない文字のある単語で、ゲームでは使われません。</source>
        <translation>One word a line. Yellow lines are duplicates; red lines are words too long or with characters that cannot be read. The game does not use them.</translation>
    </message>
    <message>
        <source>単語</source>
        <translation>Words</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 が見つかりません。</source>
        <translation>Cannot find %1.</translation>
    </message>
    <message>
        <source>%1 を読めません。</source>
        <translation>Cannot read %1.</translation>
    </message>
    <message>
        <source>%1 は単語リストとしては大きすぎるか、テキストではないため、ここでは編集できません。</source>
        <translation>%1 is too large for a word list, or is not text, so it cannot be edited here.</translation>
    </message>
    <message>
        <source>（使われない行：</source>
        <translation> (lines not used: </translation>
    </message>
    <message>
        <source>）</source>
        <translation>)</translation>
    </message>
    <message>
        <source>%1行目の「%2」（U+%3）は、シフトJIS（コードページ932）の単語リストには書けません。

この単語リストをUTF-8で保存しますか？ UTF-8の単語リストもゲームで使えます。</source>
        <translation>“%2” (U+%3) on line %1 cannot be written in a Shift-JIS (code page 932) word list.

Save this word list as UTF-8? The game reads UTF-8 word lists too.</translation>
    </message>
    <message>
        <source>単語リストを %1 に保存できませんでした。
書いた単語はこのウィンドウに残っています。</source>
        <translation>Could not save the word list to %1.
Your words stay in this window.</translation>
    </message>
    <message>
        <source>変更を保存せずに閉じますか？</source>
        <translation>Close without saving your changes?</translation>
    </message>
    <message>
        <source>単語リストの編集</source>
        <translation>Edit word list</translation>
    </message>
    <message>
        <source>UTF-8で保存</source>
        <translation>Save as UTF-8</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Go back</translation>
    </message>
    <message>
        <source>重複</source>
        <translation>duplicates</translation>
    </message>
    <message>
        <source>空の項目</source>
        <translation>empty entries</translation>
    </message>
    <message>
        <source>長すぎる単語</source>
        <translation>words too long</translation>
    </message>
    <message>
        <source>読めない文字のある単語</source>
        <translation>words with characters that cannot be read</translation>
    </message>
    <message>
        <source>%1語を超えた分</source>
        <translation>words beyond the first %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>単語リストを読み込む</source>
        <translation>Import from file</translation>
    </message>
    <message>
        <source>テキストファイル (*.txt *.csv);;すべてのファイル (*)</source>
        <translation>Text files (*.txt *.csv);;All files (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n語</source>
        <translation>
            <numerusform>%n word</numerusform>
            <numerusform>%n words</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source> …</source>
        <translation> …</translation>
    </message>
    <message>
        <source>（%1）</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>【%1】</source>
        <translation> [%1]</translation>
    </message>
    <message>
        <source>&#x3000;</source>
        <translation>  </translation>
    </message>
    <message>
        <source>音と答え方の設定をオプション.txtに保存できませんでした。
変更した設定は、ゲームを終えるまで使われます。</source>
        <translation>Could not save the sound and answer settings to オプション.txt.
Your changes last until you quit the game.</translation>
    </message>
    <message>
        <source>%1は、新しい版のモジロタイピングで作られています。
壊さないように読むだけにして、このゲームでは書き込みません。</source>
        <translation>%1 was made by a newer version of Mojiro Typing.
So that it stays whole, this game only reads it and never writes to it.</translation>
    </message>
    <message>
        <source>%1が壊れていたので、%2として残し、新しい記録を始めました。</source>
        <translation>%1 was damaged. It is kept as %2, and a new record has been started.</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>All lengths</translation>
    </message>
    <message>
        <source>2〜3文字</source>
        <translation>2–3 characters</translation>
    </message>
    <message>
        <source>4〜5文字</source>
        <translation>4–5 characters</translation>
    </message>
    <message>
        <source>6文字以上</source>
        <translation>6 characters or more</translation>
    </message>
    <message>
        <source>CSVに書き出す</source>
        <translation>Export to CSV</translation>
    </message>
    <message>
        <source>CSV (*.csv);;すべてのファイル (*)</source>
        <translation>CSV (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>単語の記録を%1に書けませんでした。
ゲームはそのまま遊べますが、この後の単語は記録されないことがあります。</source>
        <translation>Could not write the word record to %1.
You can go on playing, but the words from now on may not be recorded.</translation>
    </message>
</context>
<context>
    <name>ui::RirekiModel</name>
    <message>
        <source>回</source>
        <translation>#</translation>
    </message>
    <message>
        <source>日付</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>問数</source>
        <translation>Qs</translation>
    </message>
    <message>
        <source>ＯＫ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ＮＧ</source>
        <translation>NG</translation>
    </message>
    <message>
        <source>文字数</source>
        <translation>Chars</translation>
    </message>
    <message>
        <source>正解率</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>秒当たり</source>
        <translation>Chars/s</translation>
    </message>
    <message>
        <source>表示秒数</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>/秒</source>
        <translation>/s</translation>
    </message>
    <message>
        <source>秒</source>
        <translation> s</translation>
    </message>
    <message>
        <source>苦手な単語の練習ラウンド</source>
        <translation>Practice round of weak words</translation>
    </message>
</context>
<context>
    <name>ui::frmMain</name>
    <message>
        <source>設定を設定.txtに保存できませんでした。
変更した設定は、ゲームを終えるまで使われます。</source>
        <translation>Could not save the settings to 設定.txt.
Your changes last until you quit the game.</translation>
    </message>
    <message>
        <source>保存エラー</source>
        <translation>Save error</translation>
    </message>
    <message>
        <source>結果を履歴.txtに保存できませんでした。</source>
        <translation>Could not save the result to 履歴.txt.</translation>
    </message>
    <message>
        <source>クリア確認</source>
        <translation>Clear history</translation>
    </message>
    <message>
        <source>履歴データをクリアします。よろしいですか？</source>
        <translation>Clear the saved history?</translation>
    </message>
    <message>
        <source>クリアエラー</source>
        <translation>Clear error</translation>
    </message>
    <message>
        <source>履歴データをクリアできませんでした。</source>
        <translation>Could not clear the history.</translation>
    </message>
    <message>
        <source>クリア終了</source>
        <translation>Cleared</translation>
    </message>
    <message>
        <source>履歴データをクリアしました</source>
        <translation>History cleared.</translation>
    </message>
    <message>
        <source>単語リスト</source>
        <translation>Word list</translation>
    </message>
    <message>
        <source>単語リスト「%1」が見つからないか、読めません。
辞書.txtの単語で遊びます。</source>
        <translation>The word list “%1” is missing or cannot be read.
Playing the words of 辞書.txt.</translation>
    </message>
    <message>
        <source>「%1」の単語は、ゲーム内ローマ字入力では打てません（漢字やアルファベットの単語です）。
日本語入力を使うか、ほかのリストを選んでください。</source>
        <translation>The words of %1 cannot be typed with the game&apos;s own romaji input (they are words in kanji or Latin letters).
Use a Japanese input method, or choose another list.</translation>
    </message>
    <message>
        <source>（練習）</source>
        <translation> (practice)</translation>
    </message>
    <message>
        <source>書き出しエラー</source>
        <translation>Export error</translation>
    </message>
    <message>
        <source>履歴を %1 に書き出せませんでした。</source>
        <translation>Could not export the history to %1.</translation>
    </message>
    <message>
        <source>書き出し終了</source>
        <translation>Export finished</translation>
    </message>
    <message>
        <source>間違い</source>
        <translation>Wrong answer</translation>
    </message>
    <message>
        <source>違います！！</source>
        <translation>Wrong!</translation>
    </message>
    <message>
        <source>日本語入力が使えないため、ここに打ったローマ字をかなにします。%1</source>
        <translation>Because no Japanese input method can be used, the romaji you type here become kana. %1</translation>
    </message>
    <message>
        <source>読みと意味</source>
        <translation>Reading and meaning</translation>
    </message>
    <message>
        <source>辞書（%1）がありません。
%2 パッケージを入れると使えます（sudo apt-get install %2）。</source>
        <translation>The dictionary (%1) is missing.
Install the %2 package to use it (sudo apt-get install %2).</translation>
    </message>
    <message>
        <source>表示の設定をオプション.txtに保存できませんでした。
変更した設定は、ゲームを終えるまで使われます。</source>
        <translation>Could not save the display settings to オプション.txt.
Your changes last until you quit the game.</translation>
    </message>
    <message>
        <source>「%1」は辞書にありません。</source>
        <translation>“%1” is not in the dictionary.</translation>
    </message>
    <message>
        <source>意味：</source>
        <translation>Meaning: </translation>
    </message>
    <message>
        <source>この単語は辞書にありません。</source>
        <translation>This word is not in the dictionary.</translation>
    </message>
    <message>
        <source>辞書から単語リストを作る</source>
        <translation>Make a list from the dictionary</translation>
    </message>
    <message>
        <source>音を出す(&amp;S)</source>
        <translation>&amp;Sound</translation>
    </message>
    <message>
        <source>カウントダウンの音</source>
        <translation>Countdown sound</translation>
    </message>
    <message>
        <source>答えの音</source>
        <translation>Answer sounds</translation>
    </message>
    <message>
        <source>時間切れの音</source>
        <translation>Time-up sound</translation>
    </message>
    <message>
        <source>音量(&amp;V)</source>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>入力(&amp;I)</source>
        <translation>&amp;Input</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>日本語入力（IME）</source>
        <translation>Japanese input method (IME)</translation>
    </message>
    <message>
        <source>ゲーム内ローマ字入力</source>
        <translation>The game&apos;s own romaji input</translation>
    </message>
    <message>
        <source>読みと意味を表示(&amp;R)</source>
        <translation>Show &amp;readings and meanings</translation>
    </message>
    <message>
        <source>確定したら答える(&amp;A)</source>
        <translation>&amp;Answer on commit</translation>
    </message>
    <message>
        <source>単語の記録</source>
        <translation>Word record</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>ゲームをスタートします</source>
        <translation>Starts a round</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Sa&amp;ve</translation>
    </message>
    <message>
        <source>データを保存します</source>
        <translation>Saves the round&apos;s figures to the history</translation>
    </message>
    <message>
        <source>Alt+V</source>
        <translation>Alt+V</translation>
    </message>
    <message>
        <source>クリア</source>
        <translation>&amp;Clear</translation>
    </message>
    <message>
        <source>履歴データをクリアします</source>
        <translation>Clears the saved history</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+C</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>ヘルプファイルを開きます</source>
        <translation>Opens the help</translation>
    </message>
    <message>
        <source>Alt+H</source>
        <translation>Alt+H</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>プログラムを終了します</source>
        <translation>Quits the game</translation>
    </message>
    <message>
        <source>Alt+Q</source>
        <translation>Alt+Q</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>赤</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>黄</source>
        <translation>Amber</translation>
    </message>
    <message>
        <source>青</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>カウントダウン</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>プレイ秒数</source>
        <translation>Seconds</translation>
    </message>
    <message>
        <source>1ラウンドの秒数（Alt+T）</source>
        <translation>The time limit of a round, in seconds (Alt+T)</translation>
    </message>
    <message>
        <source>履歴の自動保存を制御します</source>
        <translation>Auto-save: saves your figures to the history at time up</translation>
    </message>
    <message>
        <source>自動保存</source>
        <translation>Auto-save</translation>
    </message>
    <message>
        <source>履歴の自動保存を制御します（Alt+A）</source>
        <translation>Auto-save: saves your figures to the history at time up (Alt+A)</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+A</translation>
    </message>
    <message>
        <source>正解数</source>
        <translation>Right answers</translation>
    </message>
    <message>
        <source>正解数：このラウンドで正しく答えた数</source>
        <translation>Right answers: how many questions you answered right in this round</translation>
    </message>
    <message>
        <source>間違い数</source>
        <translation>Wrong answers</translation>
    </message>
    <message>
        <source>間違い数：このラウンドで間違えた数</source>
        <translation>Wrong answers: how many times you answered wrong in this round</translation>
    </message>
    <message>
        <source>文字数</source>
        <translation>Characters</translation>
    </message>
    <message>
        <source>文字数：正しく答えた単語の文字の合計（時間切れで表示）</source>
        <translation>Characters: the total characters of the words answered right (shown at time up)</translation>
    </message>
    <message>
        <source>正解率</source>
        <translation>Correct rate</translation>
    </message>
    <message>
        <source>正解率：答えのうち正しかった割合（時間切れで表示）</source>
        <translation>Correct rate: the share of your answers that were right (shown at time up)</translation>
    </message>
    <message>
        <source>秒当たり文字数</source>
        <translation>Characters per second</translation>
    </message>
    <message>
        <source>秒当たり文字数：文字数をプレイ秒数で割った速さ（時間切れで表示）</source>
        <translation>Characters per second: Characters divided by Seconds (shown at time up)</translation>
    </message>
    <message>
        <source>残り時間</source>
        <translation>Time left</translation>
    </message>
    <message>
        <source>&#x3000;問題</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>クリックすると元の文字がわかります</source>
        <translation>Click to see the answer</translation>
    </message>
    <message>
        <source>問題</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>&#x3000;解答</source>
        <translation>A</translation>
    </message>
    <message>
        <source>解答</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>並べ替える前の単語を打って Enter で答えます。Esc で答えが見られます。</source>
        <translation>Type the word in its right order and press Enter to answer. Esc shows the answer.</translation>
    </message>
    <message>
        <source>登録ワード一覧</source>
        <translation>Word list</translation>
    </message>
    <message>
        <source>モジロ履歴</source>
        <translation>Solved words</translation>
    </message>
    <message>
        <source>履歴</source>
        <translation>History</translation>
    </message>
    <message>
        <source>保存したラウンドの成績。メニューキーでグラフなど</source>
        <translation>The figures of your saved rounds. The Menu key opens the chart and more</translation>
    </message>
    <message>
        <source>成績グラフ(&amp;G)</source>
        <translation>&amp;Progress chart</translation>
    </message>
    <message>
        <source>苦手な単語(&amp;W)…</source>
        <translation>&amp;Weak words…</translation>
    </message>
    <message>
        <source>CSVに書き出す(&amp;E)…</source>
        <translation>&amp;Export to CSV…</translation>
    </message>
    <message>
        <source>結果をコピー(&amp;C)</source>
        <translation>&amp;Copy result</translation>
    </message>
    <message>
        <source>単語リスト：</source>
        <translation>Word list: </translation>
    </message>
    <message>
        <source>（%1）</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>選んだ単語リストをオプション.txtに保存できませんでした。
次に起動したときは、辞書.txtで始まります。</source>
        <translation>Could not save the chosen word list to オプション.txt.
The next start begins with 辞書.txt.</translation>
    </message>
    <message>
        <source>単語リスト「%1」を読めません。</source>
        <translation>Cannot read the word list “%1”.</translation>
    </message>
    <message>
        <source>「%1」には%2の単語がありません。長さは「%3」のままです。</source>
        <translation>“%1” has no words of %2. The length stays at “%3”.</translation>
    </message>
    <message>
        <source>「%1」には%2の単語がないため、長さを「すべて」にしました。</source>
        <translation>“%1” has no words of %2, so the length is now “All lengths”.</translation>
    </message>
    <message>
        <source>ラウンド中です。選んだリストと長さは、ラウンドが終わってから使われます</source>
        <translation>A round is on. The list and length you choose are used when it ends.</translation>
    </message>
    <message>
        <source>ファイルから読み込む(&amp;I)…</source>
        <translation>&amp;Import from file…</translation>
    </message>
    <message>
        <source>辞書から単語リストを作る(&amp;D)…</source>
        <translation>Make a list from the &amp;dictionary…</translation>
    </message>
    <message>
        <source>単語リストを編集(&amp;E)…</source>
        <translation>&amp;Edit word list…</translation>
    </message>
    <message>
        <source>読み込みエラー</source>
        <translation>Import error</translation>
    </message>
    <message>
        <source>%1 を読めませんでした。</source>
        <translation>Could not read %1.</translation>
    </message>
    <message>
        <source>%1 はテキストファイルではありません。</source>
        <translation>%1 is not a text file.</translation>
    </message>
    <message>
        <source>%1 には使える単語がありませんでした。</source>
        <translation>%1 holds no word the game can use.</translation>
    </message>
    <message>
        <source>
除いたもの：</source>
        <translation>
Left out: </translation>
    </message>
    <message>
        <source>
ファイルが大きすぎるため、初めの部分だけを読みました。</source>
        <translation>
The file is too large, so only its first part was read.</translation>
    </message>
    <message>
        <source>読み込み終了</source>
        <translation>Import finished</translation>
    </message>
    <message>
        <source>フォルダー %1 を作れませんでした。</source>
        <translation>Could not make the folder %1.</translation>
    </message>
    <message>
        <source>読み込み</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>単語リスト「%1」はもうあります。置き換えますか？
「いいえ」を選ぶと、別の名前で読み込みます。</source>
        <translation>A word list named “%1” already exists. Replace it?
Choose “No” to import it under another name.</translation>
    </message>
    <message>
        <source>単語リストを %1 に書けませんでした。</source>
        <translation>Could not write the word list to %1.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>問題：並べ替えた単語</source>
        <translation>Question: the word with its characters shuffled</translation>
    </message>
    <message>
        <source>単語リスト「%1」はもうあります。置き換えますか？
「いいえ」を選ぶと、別の名前で作ります。</source>
        <translation>A word list named “%1” already exists. Replace it?
Choose “No” to make it under another name.</translation>
    </message>
    <message numerus="yes">
        <source>ゲーム内ローマ字入力では打てない%n語（漢字やアルファベットの単語）は、出題しません。</source>
        <translation>
            <numerusform>The %n word that the game&apos;s own romaji input cannot type (a word in kanji or Latin letters) will not be asked.</numerusform>
            <numerusform>The %n words that the game&apos;s own romaji input cannot type (words in kanji or Latin letters) will not be asked.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>履歴 %n件を %1 に書き出しました。</source>
        <translation>
            <numerusform>Exported %n record of history to %1.</numerusform>
            <numerusform>Exported %n records of history to %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
記録として読めない %n行は書き出していません。</source>
        <translation>
            <numerusform>
%n line that could not be read as a record was not exported.</numerusform>
            <numerusform>
%n lines that could not be read as records were not exported.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>残り %n 秒</source>
        <translation>
            <numerusform>%n second left</numerusform>
            <numerusform>%n seconds left</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>辞書の%n語で単語リスト「%1」を作りました。</source>
        <translation>
            <numerusform>Made the word list “%1” from %n word of the dictionary.</numerusform>
            <numerusform>Made the word list “%1” from %n words of the dictionary.</numerusform>
        </translation>
    </message>
    <message>
        <source>表示言語の設定をオプション.txtに保存できませんでした。
選んだ言語は、ゲームを終えるまで使われます。</source>
        <translation>Could not save the language choice to オプション.txt.
The language you chose lasts until you quit the game.</translation>
    </message>
    <message numerus="yes">
        <source>ほかのプログラムが%1を使っていたため、%n問の答えを記録できませんでした。</source>
        <translation>
            <numerusform>Another program was using %1, so the answer to %n question could not be recorded.</numerusform>
            <numerusform>Another program was using %1, so the answers to %n questions could not be recorded.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>単語リスト「%1」に%n語を読み込みました。</source>
        <translation>
            <numerusform>Imported %n word into the word list “%1”.</numerusform>
            <numerusform>Imported %n words into the word list “%1”.</numerusform>
        </translation>
    </message>
</context>
</TS>
