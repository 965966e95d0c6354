#pragma once

#include <QDateTime>
#include <QString>

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

// What the round needs of the main window.
class RoundWindow {
public:
    virtual ~RoundWindow() = default;
    virtual void setCaption(Caption label, const QString& text) = 0;
    virtual QString kaitouText() const = 0;
    virtual void setKaitouText(const QString& text) = 0;
    virtual void focusKaitou() = 0;
    virtual void focusJisyo() = 0;
    virtual void setStartEnabled(bool enabled) = 0;
    // Countdown pictures 1 (red) to 3 (green).
    virtual void setStartLampVisible(int index, bool visible) = 0;
    virtual void setBarWidth(int twips) = 0;
    virtual void clearSolved() = 0;
    virtual void appendSolved(const QString& question) = 0;
    virtual void showHistoryPanel() = 0;
    // Modal "wrong" box; returns when the player closed it.
    virtual void showWrongAnswerBox() = 0;
    // The Save command, as if its button had been pressed.
    virtual void saveResult() = 0;
    // Never waits, and is silent where there is no sound.
    virtual void playSound(Sound sound) = 0;

    // What happened to each question, for the record of words; none of them
    // may change what the round shows or asks next.
    virtual void questionAsked(const QString& word) { (void)word; }
    virtual void answerJudged(const QString& answer, bool right) { (void)answer, (void)right; }
    virtual void answerShown() {}
    // Time is up: the figures are shown, the round not yet saved.
    virtual void roundOver() {}
    // And saved, when auto-save is on.
    virtual void roundEnded() {}
};

} // namespace game
