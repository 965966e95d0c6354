#pragma once

#include "game/ports.h"
#include "records/options.h"

class QWidget;

namespace ui {

// Whether the choices let the sound play.
bool Plays(const records::SoundOptions& options, game::Sound sound);

// The game's sounds.
class SoundService {
public:
    virtual ~SoundService() = default;
    // Starts the audio; called once the window is on the screen, so that
    // start-up never waits for it.
    virtual void start() = 0;
    // Does nothing before start(), or where there is no sound device.
    virtual void play(game::Sound sound, int volumePercent) = 0;
};

} // namespace ui
