#include "ui/sounds.h"

#include "sound/sound_module.h"

#include <QFileInfo>

#include <algorithm>

namespace ui {
namespace {

struct Key {
    const char* name;
    bool WindowOptions::*flag;
};
const Key kFlags[] = {
    {"sound/on", &WindowOptions::sound},
    {"sound/countdown", &WindowOptions::countdownSound},
    {"sound/answers", &WindowOptions::answerSound},
    {"sound/timeup", &WindowOptions::timeUpSound},
    {"answer/on-commit", &WindowOptions::answerOnCommit},
};
const QString kVolume = QStringLiteral("sound/volume");

} // namespace

bool Plays(const WindowOptions& o, game::Sound sound) {
    if (!o.sound || o.volume <= 0)
        return false;
    switch (sound) {
    case game::Sound::Count1:
    case game::Sound::Count2:
    case game::Sound::Count3:
        return o.countdownSound;
    case game::Sound::Right:
    case game::Sound::Wrong:
        return o.answerSound;
    case game::Sound::TimeUp:
        return o.timeUpSound;
    }
    return false;
}

ModuleSoundService::ModuleSoundService(records::Preferences& preferences, QStringList modules)
    : preferences_(preferences), modules_(std::move(modules)) {}

ModuleSoundService::~ModuleSoundService() {
    player_.reset(); // before the module that holds its code goes
}

WindowOptions ModuleSoundService::options() {
    WindowOptions o;
    for (const Key& k : kFlags)
        o.*k.flag = preferences_.number(QString::fromLatin1(k.name), o.*k.flag) != 0;
    o.volume = std::clamp(preferences_.number(kVolume, o.volume), 0, 100);
    return o;
}

bool ModuleSoundService::saveOptions(const WindowOptions& o) {
    QList<std::pair<QString, QString>> choices{{kVolume, QString::number(o.volume)}};
    for (const Key& k : kFlags)
        choices.append(
            {QString::fromLatin1(k.name), o.*k.flag ? QStringLiteral("1") : QStringLiteral("0")});
    return preferences_.set(choices);
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
