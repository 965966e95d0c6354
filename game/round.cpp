#include "game/round.h"

#include "game/word_list.h"
#include "records/cp932.h"
#include "records/figures.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace game {
namespace {

constexpr int16_t kInt16Max = std::numeric_limits<int16_t>::max();

int16_t ClampToInt16(int64_t v) {
    return int16_t(std::clamp<int64_t>(v, std::numeric_limits<int16_t>::min(), kInt16Max));
}

// ⌊n × r + 1⌋, kept within 1..n even for a generator at its edges.
int DrawIndex(int n, double r) {
    const double idx = std::floor(double(n) * r + 1.0);
    return int(std::clamp(idx, 1.0, double(n)));
}

bool IsMark(QChar c) {
    const auto cat = c.category();
    return cat == QChar::Mark_NonSpacing || cat == QChar::Mark_SpacingCombining ||
           cat == QChar::Mark_Enclosing;
}

} // namespace

// A Fenwick tree of the pieces left finds the p-th in logarithmic time, so a
// long word costs n log n, not n².
QString DrawOut(const QStringList& pieces, Random& random) {
    const int n = int(pieces.size());
    std::vector<int> tree(n + 1, 0);
    for (int i = 1; i <= n; ++i) {
        tree[i] += 1;
        if (const int up = i + (i & -i); up <= n)
            tree[up] += tree[i];
    }
    int top = 1;
    while (top * 2 <= n)
        top *= 2;
    QString out;
    for (int left = n; left > 0; --left) {
        int k = DrawIndex(left, random.Draw());
        int pos = 0; // the last position whose prefix holds fewer than k pieces
        for (int step = top; step > 0; step /= 2)
            if (pos + step <= n && tree[pos + step] < k) {
                pos += step;
                k -= tree[pos];
            }
        out += pieces[pos];
        for (int i = pos + 1; i <= n; i += i & -i)
            tree[i] -= 1;
    }
    return out;
}

int16_t SaturatingAdd(int16_t value, qsizetype add) {
    return ClampToInt16(int64_t(value) + int64_t(add));
}

QStringList SplitForShuffle(const QString& word) {
    QStringList pieces;
    for (qsizetype i = 0; i < word.size();) {
        qsizetype len = 1;
        if (word[i].isHighSurrogate() && i + 1 < word.size() && word[i + 1].isLowSurrogate())
            len = 2;
        while (i + len < word.size() && IsMark(word[i + len]))
            ++len;
        pieces.append(word.mid(i, len));
        i += len;
    }
    return pieces;
}

bool SameAnswer(const QString& answer, const QString& word) {
    return answer == word ||
           records::FoldCp932LookAlikes(answer) == records::FoldCp932LookAlikes(word);
}

bool SaveAllowed(const RoundState& s) {
    return (s.intOk != 0 || s.intNg != 0) && !s.blnPlaying && !s.blnStartWait;
}

Round::Round(RoundState& state, RoundWindow& window, RoundEvents& events, WordSource& words,
             Clock& clock, Random& random)
    : s_(state), window_(window), events_(events), words_(words), clock_(clock), random_(random) {}

void Round::LoadPlayWords() {
    const QStringList words = words_.playWords();
    s_.intWordCount = int16_t(words.size());
    s_.strJisyo.clear();
    s_.strJisyo.reserve(words.size() + 1);
    s_.strJisyo.append(QString()); // index 0 is never drawn
    s_.strJisyo.append(words);
}

void Round::MakeQuestion() {
    random_.Reseed();
    s_.strMondai.clear();
    if (s_.intWordCount < 1 || s_.strJisyo.size() <= s_.intWordCount) {
        // No words: an empty question, nothing to answer but an empty box.
        s_.strSeikai.clear();
        window_.setCaption(Caption::Mondai, s_.strMondai);
        return;
    }
    s_.strSeikai = s_.strJisyo[DrawIndex(s_.intWordCount, random_.Draw())];
    s_.strMondai = DrawOut(SplitForShuffle(s_.strSeikai), random_);
    window_.setCaption(Caption::Mondai, s_.strMondai);
    events_.questionAsked(s_.strSeikai);
}

void Round::start() {
    events_.roundStarted();
    s_.intMoji = 0;
    window_.setAnswerText(QString());
    window_.setCaption(Caption::Mondai, QString());
    s_.blnStartWait = true;
    window_.setBarWidth(s_.intBarFull);
    LoadPlayWords();
    window_.clearSolved();
    window_.showSolved();
    for (Caption c : {Caption::Ok, Caption::Ng, Caption::MojiT, Caption::Byou, Caption::Ritu})
        window_.setCaption(c, QString());
    s_.intOk = 0;
    s_.intNg = 0;
    window_.setCaption(Caption::Ok, QStringLiteral("0"));
    window_.setCaption(Caption::Ng, QStringLiteral("0"));
    window_.setStartEnabled(false);
}

void Round::countdownTick() {
    if (!s_.blnStartWait) {
        s_.intStartStep = 0;
        return;
    }
    for (int i = 1; i <= 3; ++i)
        window_.showLight(i, false);
    s_.intStartStep = int16_t(std::min<int>(s_.intStartStep + 1, 3));
    window_.showLight(s_.intStartStep, true);
    window_.playSound(Sound(int(Sound::Count1) + s_.intStartStep - 1));
    if (s_.intStartStep == 3) {
        s_.blnStartWait = false;
        MakeQuestion();
        window_.focusAnswer();
        s_.lngEndTime = clock_.Seconds() + s_.intJikan;
        s_.blnPlaying = true;
    }
}

void Round::clockTick() {
    if (!s_.blnPlaying)
        return;
    s_.intRemain = ClampToInt16(int64_t(s_.lngEndTime) - clock_.Seconds());
    double w = 0;
    if (s_.intJikan >= 1)
        w = std::floor(double(s_.intRemain) / s_.intJikan * 100 * s_.intBarFull / 100);
    else if (s_.intRemain > 0)
        w = s_.intBarFull; // an impossible limit shows a full bar rather than dividing by 0
    window_.setBarWidth(int(std::clamp(w, 0.0, double(std::numeric_limits<int>::max()))));
    if (s_.intRemain >= 1)
        return;
    // A wrong answer whose box is still open counts in this round: time-up
    // waits for the box, and its end time stays as it was.
    if (wrongBoxOpen_) {
        timeUpWaiting_ = true;
        return;
    }
    TimeUp();
}

void Round::TimeUp() {
    timeUpWaiting_ = false;
    s_.blnPlaying = false;
    window_.playSound(Sound::TimeUp);
    window_.setStartEnabled(true);
    window_.focusWordList();
    window_.setCaption(Caption::Byou, records::FormatSpeed(s_.intMoji, s_.intJikan));
    window_.setCaption(Caption::Ritu, s_.intMoji != 0 ? records::FormatRate(s_.intOk, s_.intNg)
                                                      : QStringLiteral("0.0%"));
    window_.setCaption(Caption::MojiT, QString::number(s_.intMoji));
    events_.roundOver();
    if (s_.intAutoSave == 1)
        window_.save();
    window_.roundEnded();
}

void Round::answer() {
    const QString answer = window_.answerText();
    if (answer.isEmpty() && s_.strSeikai.isEmpty())
        return; // no question yet: nothing to judge
    const bool right = SameAnswer(answer, s_.strSeikai);
    events_.answerJudged(answer, right);
    if (!right) {
        window_.playSound(Sound::Wrong);
        wrongBoxOpen_ = true;
        window_.tellWrong();
        wrongBoxOpen_ = false;
        s_.intNg = SaturatingAdd(s_.intNg, 1);
        window_.setCaption(Caption::Ng, QString::number(s_.intNg));
    } else {
        window_.playSound(Sound::Right);
        window_.addSolved(s_.strMondai);
        window_.wordShown(s_.strSeikai, true);
        MakeQuestion();
        s_.intOk = SaturatingAdd(s_.intOk, 1);
        window_.setCaption(Caption::Ok, QString::number(s_.intOk));
        s_.intMoji = SaturatingAdd(s_.intMoji, answer.size());
    }
    window_.setAnswerText(QString());
    if (timeUpWaiting_ && s_.blnPlaying)
        TimeUp();
}

void Round::reveal() {
    window_.setCaption(Caption::Mondai, s_.strSeikai);
    events_.answerShown();
    if (!s_.strSeikai.isEmpty())
        window_.wordShown(s_.strSeikai, false);
}

void AnswerBoxKey(Round& round, int16_t& keyAscii) {
    if (keyAscii == kKeyEsc)
        round.reveal(); // and the key goes on to the box
    if (keyAscii == kKeyEnter) {
        keyAscii = 0;
        round.answer();
    }
}

} // namespace game
