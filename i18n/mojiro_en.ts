<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>DictionaryList</name>
    <message>
        <source>すべて</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名詞</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>動詞</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>い形容詞</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>な形容詞</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>辞書から単語リストを作る</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>よく使われる単語だけ(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ひらがな（漢字やかなの単語の読み）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>カタカナ（外来語）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>から</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>品詞(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文字(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>長さ(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>リストの名前(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>作る</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>品詞</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>いちばん短い単語</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>いちばん長い単語</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>リストの名前</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当てはまる単語がありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1語&#x3000;例：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
遊べるのは初めの%1語です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>辞書 %1 %2〜%3文字%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> カタカナ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>目次</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キーワードを入力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>索引</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>探す言葉を入力して Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>検索</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ツールバー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>戻る</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>進む</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ホーム</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>拡大</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>縮小</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ページ内を検索 (Ctrl+F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ページ内を検索</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次のページをブラウザーで開きますか?
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>見つかりませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最初のページを読み込めません。ファイルが壊れています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヘルプファイル「%1」を開けません。
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InputMethod</name>
    <message>
        <source>日本語入力の仕組みが使われていません（QT_IM_MODULE が設定されていません）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QT_IM_MODULE の「%1」は、日本語入力の仕組み（fcitx5 か IBus）ではありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fcitx5 の Qt 6 用プラグインがありません（fcitx5-frontend-qt6 パッケージ）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IBus の Qt 6 用プラグインがありません（qt6-base のプラグイン）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IBus が動いていません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fcitx5 が動いていません。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayFolder</name>
    <message>
        <source>ゲームのフォルダー %1 を作れませんでした。
組み込みの単語リストで始めます。結果と設定は保存されません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 を %2 に置けませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語リストを %1 に置けませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>記録がありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1回&#x3000;最高 %2%5&#x3000;平均 %3%5&#x3000;平均正解率 %4%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;移動平均の変化（最近%1回） %2%4&#x3000;%3%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読み取れない記録 %1件はグラフに入れていません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績グラフ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>秒当たり打鍵数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>秒当たり文字数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正解率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（点は1回ずつ、線は最近%1回の移動平均）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打鍵/秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文字/秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1回&#x3000;%2&#x3000;%3
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プレイ秒数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プレイ秒数(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>種類</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>すべて</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通常のみ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>練習のみ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>種類(&amp;K)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>リスト</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>リスト(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>速さ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打鍵/秒（ゲーム内ローマ字入力）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>速さ(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>すべてのリスト</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不明</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultLine</name>
    <message>
        <source>モジロタイピング %1 %2 %3：ＯＫ %4&#x3000;ＮＧ %5&#x3000;文字数 %6&#x3000;正解率 %7&#x3000;%8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;%1打鍵/秒</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShippedList</name>
    <message>
        <source>たべもの</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>どうぶつ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>のりもの</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>しぜんとてんき</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>からだ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>いえとまち</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>しごと</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>カタカナのことば</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ながいことば</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>かんじのことば</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WeakWordsWindow</name>
    <message>
        <source>（何も打たずに答えた）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;%1回</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」が抜ける</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」が余分</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1【%2】</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>苦手度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>出題</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正解</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>間違い</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>答えを見た</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最速(秒)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>平均(秒)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>連続正解</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読み</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>意味</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>苦手な単語</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>すべての単語</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この単語に打った答え</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>卒業した単語</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>よく間違える文字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>苦手な単語で練習(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>記録から消す(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>練習に戻す(&amp;B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>記録をすべて消す(&amp;C)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選んだリストの単語（%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>苦手な単語（%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>卒業した単語（%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>記録を読んでいます…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>まだ記録がありません。ラウンドで答えると、単語ごとに記録されます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>練習では、苦手度の高い%1語から出題します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
ほかのプログラムが%1を使っています。空きしだい、記録を書き込んで表示します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリア確認</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語の記録をすべて消します。よろしいですか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリア終了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語の記録を消しました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリアエラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語の記録を消せませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>登録ワード一覧 %1個</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WordListEditor</name>
    <message>
        <source>単語リストの編集 - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1行に1語。黄色は重複、赤は長すぎる単語か読めない文字のある単語で、ゲームでは使われません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 が見つかりません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 を読めません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 は単語リストとしては大きすぎるか、テキストではないため、ここでは編集できません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1語</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（使われない行：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1行目の「%2」（U+%3）は、シフトJIS（コードページ932）の単語リストには書けません。

この単語リストをUTF-8で保存しますか？ UTF-8の単語リストもゲームで使えます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語リストを %1 に保存できませんでした。
書いた単語はこのウィンドウに残っています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>変更を保存せずに閉じますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語リストの編集</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTF-8で保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>戻る</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重複</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>空の項目</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>長すぎる単語</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読めない文字のある単語</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1語を超えた分</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語リストを読み込む</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>テキストファイル (*.txt *.csv);;すべてのファイル (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source> …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>【%1】</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音と答え方の設定をオプション.txtに保存できませんでした。
変更した設定は、ゲームを終えるまで使われます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1は、新しい版のモジロタイピングで作られています。
壊さないように読むだけにして、このゲームでは書き込みません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1が壊れていたので、%2として残し、新しい記録を始めました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>すべて</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2〜3文字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4〜5文字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6文字以上</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSVに書き出す</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV (*.csv);;すべてのファイル (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::RirekiModel</name>
    <message>
        <source>回</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日付</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>時間</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>問数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ＯＫ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ＮＧ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文字数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正解率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>秒当たり</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示秒数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>苦手な単語の練習ラウンド</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::frmMain</name>
    <message>
        <source>設定を設定.txtに保存できませんでした。
変更した設定は、ゲームを終えるまで使われます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存エラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>結果を履歴.txtに保存できませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリア確認</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>履歴データをクリアします。よろしいですか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリアエラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>履歴データをクリアできませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリア終了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>履歴データをクリアしました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語リスト</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語リスト「%1」が見つからないか、読めません。
辞書.txtの単語で遊びます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」の単語は、ゲーム内ローマ字入力では打てません（漢字やアルファベットの単語です）。
日本語入力を使うか、ほかのリストを選んでください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ゲーム内ローマ字入力では打てない%1語（漢字やアルファベットの単語）は、出題しません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（練習）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>書き出しエラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>履歴を %1 に書き出せませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>履歴 %1件を %2 に書き出しました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
記録として読めない %1行は書き出していません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>書き出し終了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>残り %1 秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>間違い</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>違います！！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日本語入力が使えないため、ここに打ったローマ字をかなにします。%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読みと意味</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>辞書（%1）がありません。
%2 パッケージを入れると使えます（sudo apt-get install %2）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示の設定をオプション.txtに保存できませんでした。
変更した設定は、ゲームを終えるまで使われます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」は辞書にありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>意味：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この単語は辞書にありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>辞書から単語リストを作る</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>書き込みエラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>辞書の%1語で単語リスト「%2」を作りました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音を出す(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>カウントダウンの音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>答えの音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>時間切れの音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音量(&amp;V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>入力(&amp;I)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日本語入力（IME）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ゲーム内ローマ字入力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読みと意味を表示(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>確定したら答える(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語の記録</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ほかのプログラムが%1を使っていたため、%2問の答えを記録できませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スタート</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ゲームをスタートします</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>データを保存します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリア</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>履歴データをクリアします</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヘルプファイルを開きます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プログラムを終了します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>赤</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>黄</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>青</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>カウントダウン</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プレイ秒数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1ラウンドの秒数（Alt+T）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>履歴の自動保存を制御します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>履歴の自動保存を制御します（Alt+A）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正解数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正解数：このラウンドで正しく答えた数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>間違い数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>間違い数：このラウンドで間違えた数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文字数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文字数：正しく答えた単語の文字の合計（時間切れで表示）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正解率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正解率：答えのうち正しかった割合（時間切れで表示）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>秒当たり文字数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>秒当たり文字数：文字数をプレイ秒数で割った速さ（時間切れで表示）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>残り時間</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;問題</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリックすると元の文字がわかります</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>問題</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;解答</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>解答</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>並べ替える前の単語を打って Enter で答えます。Esc で答えが見られます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>登録ワード一覧</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モジロ履歴</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>履歴</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存したラウンドの成績。メニューキーでグラフなど</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績グラフ(&amp;G)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>苦手な単語(&amp;W)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSVに書き出す(&amp;E)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>結果をコピー(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語リスト：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選んだ単語リストをオプション.txtに保存できませんでした。
次に起動したときは、辞書.txtで始まります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語リスト「%1」を読めません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」には%2の単語がありません。長さは「%3」のままです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」には%2の単語がないため、長さを「すべて」にしました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ラウンド中です。選んだリストと長さは、ラウンドが終わってから使われます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルから読み込む(&amp;I)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>辞書から単語リストを作る(&amp;D)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語リストを編集(&amp;E)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読み込みエラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 を読めませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 はテキストファイルではありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 には使える単語がありませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語リスト「%1」に%2語を読み込みました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
除いたもの：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
ファイルが大きすぎるため、初めの部分だけを読みました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読み込み終了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダー %1 を作れませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読み込み</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語リスト「%1」はもうあります。置き換えますか？
「いいえ」を選ぶと、別の名前で読み込みます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語リストを %1 に書けませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
