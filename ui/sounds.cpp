#include "ui/sounds.h"

#include "sound/sound_module.h"

#include <QFileInfo>

#include <algorithm>

namespace ui {
bool Plays(const records::SoundOptions& o, game::Sound sound) {
    if (!o.on || o.volume <= 0)
        return false;
    switch (sound) {
    case game::Sound::Count1:
    case game::Sound::Count2:
    case game::Sound::Count3:
        return o.countdown;
    case game::Sound::Right:
    case game::Sound::Wrong:
        return o.answers;
    case game::Sound::TimeUp:
        return o.timeUp;
    }
    return false;
}

ModuleSoundService::ModuleSoundService(QStringList modules) : modules_(std::move(modules)) {}

ModuleSoundService::~ModuleSoundService() {
    player_.reset(); // before the module that holds its code goes
}

void ModuleSoundService::start() {
    if (player_)
        return;
    for (const QString& path : modules_) {
        if (!QFileInfo(path).isFile())
            continue;
        library_.setFileName(path);
        const auto make =
            reinterpret_cast<MojiroMakeSoundPlayer>(library_.resolve("mojiro_make_sound_player"));
        if (make) {
            player_.reset(make());
            return;
        }
    }
}

void ModuleSoundService::play(game::Sound sound, int volumePercent) {
    if (player_)
        player_->play(int(sound), std::clamp(volumePercent, 0, 100) / 100.0);
}

} // namespace ui
