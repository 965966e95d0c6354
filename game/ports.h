#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace game {

class Clock {
public:
    virtual ~Clock() = default;
    // Whole seconds of the round clock: counted from the local midnight before
    // start-up on a monotonic clock, so it neither wraps at midnight nor jumps
    // with the wall clock.
    virtual int32_t Seconds() = 0;
    // Local date and time, for saved results.
    virtual QDateTime Now() = 0;
    // The same clock to the millisecond, for how long a question took.
    virtual qint64 Milliseconds() { return qint64(Seconds()) * 1000; }
};

class Random {
public:
    virtual ~Random() = default;
    // Re-seeds from the clock.
    virtual void Reseed() = 0;
    // Uniform in [0, 1).
    virtual double Draw() = 0;
};

enum class Caption { Mondai, Ok, Ng, MojiT, Byou, Ritu };

// The round's sounds: the three countdown lights, an answer right or wrong, time up.
enum class Sound { Count1, Count2, Count3, Right, Wrong, TimeUp };

// What the round shows, and the window's commands it gives.
class RoundWindow {
public:
    virtual ~RoundWindow() = default;
    virtual void setCaption(Caption label, const QString& text) = 0;
    virtual QString answerText() const = 0;
    virtual void setAnswerText(const QString& text) = 0;
    virtual void focusAnswer() = 0;
    // Away from the answer box, to the word list.
    virtual void focusWordList() = 0;
    virtual void setStartEnabled(bool enabled) = 0;
    // The countdown's lights 1 (red) to 3 (green).
    virtual void showLight(int index, bool visible) = 0;
    // In the units of RoundState::intBarFull.
    virtual void setBarWidth(int width) = 0;
    virtual void clearSolved() = 0;
    virtual void addSolved(const QString& question) = 0;
    virtual void showSolved() = 0;
    // Tells the player the answer was wrong; returns once they have read it.
    virtual void tellWrong() = 0;
    // The Save command, as if the player had given it.
    virtual void save() = 0;
    // Never waits, and is silent where there is no sound.
    virtual void playSound(Sound sound) = 0;
    // The word itself was shown: answered right (`solved`), or looked at.
    virtual void wordShown(const QString& word, bool solved) { (void)word, (void)solved; }
    // Time is up and the round saved when auto-save is on: what waited for
    // the round's end may come now.
    virtual void roundEnded() {}
};

// What happened to each question and to the round, for the bookkeeping
// beyond the round's rules; none of it may change what the round shows or
// asks next.
class RoundEvents {
public:
    virtual ~RoundEvents() = default;
    virtual void roundStarted() {}
    virtual void questionAsked(const QString& word) { (void)word; }
    virtual void answerJudged(const QString& answer, bool right) { (void)answer, (void)right; }
    virtual void answerShown() {}
    // Time is up: the figures are shown, the round not yet saved.
    virtual void roundOver() {}
};

// The words the next round draws from.
class WordSource {
public:
    virtual ~WordSource() = default;
    virtual QStringList playWords() = 0;
};

} // namespace game
