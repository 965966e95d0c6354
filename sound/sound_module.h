#pragma once

// What the sound module gives the game. The module links Qt Multimedia, so
// that its libraries and audio back end load only when the game asks, after
// the window is up.
namespace ui {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // `sound` is a game::Sound; the volume is 0 to 1.
    virtual void play(int sound, double volume) = 0;
};

} // namespace ui

extern "C" {
using MojiroMakeSoundPlayer = ui::SoundPlayer* (*)();
// The module's one entry point; the caller owns the player.
ui::SoundPlayer* mojiro_make_sound_player();
}
