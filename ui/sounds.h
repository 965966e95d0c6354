#pragma once

#include "records/preferences.h"
#include "ui/sound_service.h"

#include <QLibrary>
#include <QStringList>

#include <memory>

namespace ui {

class SoundPlayer;

// The sound module, looked for in the folders given, and the choices kept
// among the game's preferences. Without the module, or without a device, the
// game is silent and says nothing: sound is a nicety, never a reason to stop.
class ModuleSoundService : public SoundService {
public:
    ModuleSoundService(records::Preferences& preferences, QStringList modules);
    ~ModuleSoundService() override;
    WindowOptions options() override;
    bool saveOptions(const WindowOptions& options) override;
    void start() override;
    void play(game::Sound sound, int volumePercent) override;
    bool started() const { return player_ != nullptr; }

private:
    records::Preferences& preferences_;
    QStringList modules_;
    QLibrary library_;
    std::unique_ptr<SoundPlayer> player_;
};

} // namespace ui
