#pragma once

#include "game/ports.h"

class QWidget;

namespace ui {

// The choices of the window's own menu: its sounds, and whether a commit of
// the input method that completes the word answers it.
struct WindowOptions {
    bool sound = true;
    bool countdownSound = true;
    bool answerSound = true;
    bool timeUpSound = true;
    int volume = 50; // percent
    bool answerOnCommit = false;
    bool operator==(const WindowOptions&) const = default;
};

// Whether the choices let the sound play.
bool Plays(const WindowOptions& options, game::Sound sound);

// Sounds, and the choices of the window's own menu kept between starts.
class SoundService {
public:
    virtual ~SoundService() = default;
    virtual WindowOptions options() = 0;
    // False when the choices could not be kept for the next start.
    virtual bool saveOptions(const WindowOptions& options) = 0;
    // Starts the audio; called once the window is on the screen, so that
    // start-up never waits for it.
    virtual void start() = 0;
    // Does nothing before start(), or where there is no sound device.
    virtual void play(game::Sound sound, int volumePercent) = 0;
};

} // namespace ui
