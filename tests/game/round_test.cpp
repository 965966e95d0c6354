#include "../rows.h"
#include "fakes.h"
#include "game/round.h"

#include <gtest/gtest.h>

#include <functional>

using game::Caption;

namespace {

// What the round shows, as a player would read it.
struct FakeWindow : game::RoundWindow {
    QString captions[6], answer;
    bool startEnabled = true;
    int saves = 0, ended = 0, wrongTold = 0;
    QStringList solved;
    std::function<void()> whileWrongIsTold; // the player reading the box

    void setCaption(Caption label, const QString& text) override { captions[int(label)] = text; }
    QString answerText() const override { return answer; }
    void setAnswerText(const QString& text) override { answer = text; }
    void focusAnswer() override {}
    void focusWordList() override {}
    void setStartEnabled(bool enabled) override { startEnabled = enabled; }
    void showLight(int, bool) override {}
    void setBarWidth(int) override {}
    void clearSolved() override { solved.clear(); }
    void addSolved(const QString& question) override { solved << question; }
    void showSolved() override {}
    void tellWrong() override {
        ++wrongTold;
        if (whileWrongIsTold)
            whileWrongIsTold();
    }
    void save() override { ++saves; }
    void playSound(game::Sound) override {}
    void roundEnded() override { ++ended; }

    // 正解数 間違い数 文字数 文字/秒 正解率, as shown: the captions after the question's.
    QString figures() const { return QStringList(captions + 1, captions + 6).join(' '); }
};

struct FakeEvents : game::RoundEvents {
    QStringList log;
    void roundStarted() override {}
    void questionAsked(const QString& word) override { log << "asked " + word; }
    void answerJudged(const QString&, bool) override {}
    void answerShown() override { log << "shown"; }
    void roundOver() override { log << "over"; }
};

struct FixedWords : game::WordSource {
    QStringList words;
    QStringList playWords() override { return words; }
};

// A round over the given words at a 60 s limit with auto-save on; the draws
// are given per test.
struct Play {
    game::RoundState s;
    FakeWindow window;
    FakeEvents events;
    FixedWords words;
    FakeClock clock;
    FakeRandom random;
    game::Round round{s, window, events, words, clock, random};

    explicit Play(QStringList list = {"ねこ"}) {
        words.words = std::move(list);
        s.intJikan = 60, s.intAutoSave = 1, s.intBarFull = 8745;
    }
    void countdown() {
        round.start();
        for (int i = 0; i < 3; ++i)
            round.countdownTick();
    }
    // The key as it reaches the box.
    int16_t press(int16_t key) {
        game::AnswerBoxKey(round, key);
        return key;
    }
    void type(const QString& answer) { window.answer = answer, press(game::kKeyEnter); }
    void tickAt(int32_t seconds) {
        clock.seconds = seconds;
        round.countdownTick();
        round.clockTick();
    }
};

} // namespace

struct JudgeRow {
    const char* name;
    QString word, answer;
    bool right;
};

class Judging : public testing::TestWithParam<JudgeRow> {};

TEST_P(Judging, OnlyTheWordItselfIsRightAndEachAnswerEmptiesTheBox) {
    const JudgeRow& row = GetParam();
    Play p({row.word});
    p.countdown();
    const QString question = p.s.strMondai;
    p.type(row.answer);
    EXPECT_EQ(p.window.answer, "");
    EXPECT_EQ(p.window.wrongTold, row.right ? 0 : 1);
    EXPECT_EQ(p.window.figures(), row.right ? QString("1 0   ") : QString("0 1   "));
    EXPECT_EQ(p.s.intMoji, row.right ? row.answer.size() : 0);
    EXPECT_EQ(p.window.solved, row.right ? QStringList{question} : QStringList{});
    // A right answer brings the next question; a wrong one keeps it.
    EXPECT_EQ(p.events.log.count("asked " + row.word), row.right ? 2 : 1);
}

const JudgeRow kJudgingRows[] = {
    {"TheWord", "りんご", "りんご", true},
    {"TheShuffledQuestion", "ねこ", "こね", false},
    {"KatakanaForHiragana", "ねこ", "ネコ", false},
    {"NothingTyped", "ねこ", "", false},
    // Mozc on Linux types 〜 (U+301C) where the list's code page has ～.
    {"TheInputMethodsWaveDashForTheCodePagesTilde", "あ～", "あ〜", true},
    {"AnAsciiTildeForTheCodePagesTilde", "あ～", "あ~", false}};
INSTANTIATE_TEST_SUITE_P(Rows, Judging, testing::ValuesIn(kJudgingRows), kRowName);

TEST(Round, EscAndTheHintShowTheWordForNothingAndOnlyEnterIsKeptFromTheBox) {
    Play p;
    p.random.draws = {0.0, 0.9};
    p.countdown();
    p.press(game::kKeyEsc);
    EXPECT_EQ(p.window.captions[int(Caption::Mondai)], "ねこ");
    p.window.answer = "ねこ";
    EXPECT_EQ(p.press(game::kKeyEnter), 0) << "Enter is kept from the box";
    p.round.reveal(); // the hint, on the next question
    EXPECT_EQ(p.window.figures(), "1 0   ");
    EXPECT_EQ(p.events.log.count("shown"), 2);
}

struct TimeUpRow {
    const char* name;
    int16_t limit;
    QStringList answers; // typed in turn against the word ねこ
    int autoSave;
    const char* figures; // 正解数 間違い数 文字数 文字/秒 正解率 after time-up
};

class TimeUp : public testing::TestWithParam<TimeUpRow> {};

TEST_P(TimeUp, ShowsTheFiguresOnceAndSavesWhenAutoSaveIsOn) {
    const TimeUpRow& row = GetParam();
    Play p;
    p.s.intJikan = row.limit;
    p.s.intAutoSave = int16_t(row.autoSave);
    p.countdown();
    for (const QString& a : row.answers)
        p.type(a);
    p.tickAt(row.limit - 1);
    EXPECT_TRUE(p.s.blnPlaying);
    EXPECT_EQ(p.window.captions[int(Caption::Byou)], ""); // figures only at time-up
    p.tickAt(row.limit);
    EXPECT_FALSE(p.s.blnPlaying);
    EXPECT_EQ(p.window.figures(), row.figures);
    EXPECT_EQ(p.window.saves, row.autoSave);
    EXPECT_EQ(p.events.log.last(), "over");
    EXPECT_EQ(p.window.ended, 1);
    p.tickAt(row.limit + 30); // nothing more once idle
    EXPECT_EQ(p.window.saves + p.window.ended, row.autoSave + 1);
}

const TimeUpRow kTimeUpRows[] = {
    {"NoAnswer", 60, {}, 1, "0 0 0 0.00/秒 0.0%"},
    {"RightAndWrong", 10, {"ねこ", "x", "ねこ"}, 0, "2 1 4 0.40/秒 66.7%"}};
INSTANTIATE_TEST_SUITE_P(Rows, TimeUp, testing::ValuesIn(kTimeUpRows), kRowName);

TEST(Round, TheCountersStopAtTheirLimit) {
    Play p;
    p.countdown();
    p.s.intOk = p.s.intNg = 32767, p.s.intMoji = 32766;
    p.type("x");
    p.type("ねこ");
    EXPECT_EQ(p.window.figures().left(11), "32767 32767");
    EXPECT_EQ(p.s.intMoji, 32767);
}

TEST(Round, TimeUpWaitsForTheWrongAnswerBoxSoThatItsAnswerCountsInTheRound) {
    Play p;
    p.countdown();
    p.type("ねこ");
    QString underTheBox;
    p.window.whileWrongIsTold = [&] {
        p.tickAt(60);
        p.tickAt(61);
        underTheBox = QString("%1 %2").arg(p.window.saves).arg(p.window.startEnabled);
    };
    p.type("x");
    EXPECT_EQ(underTheBox, "0 0");
    EXPECT_EQ(p.window.saves, 1);
    EXPECT_EQ(p.window.figures(), "1 1 2 0.03/秒 50.0%");
    EXPECT_EQ(p.s.lngEndTime, 60);
}

TEST(Round, AListWithoutWordsAsksNothingAndNothingTypedToItIsJudged) {
    Play p(QStringList{});
    p.countdown();
    EXPECT_EQ(p.s.strSeikai + p.window.captions[int(Caption::Mondai)], "");
    p.type("");
    EXPECT_EQ(p.window.wrongTold + p.s.intOk, 0);
    p.type("x"); // but something typed is wrong
    EXPECT_EQ(p.window.wrongTold, 1);
}
