#pragma once

#include "ui/sound_service.h"

#include <QLibrary>
#include <QStringList>

#include <memory>

namespace ui {

class SoundPlayer;

// The sound module, looked for in the folders given. Without the module, or without a device, the
// game is silent and says nothing: sound is a nicety, never a reason to stop.
class ModuleSoundService : public SoundService {
public:
    explicit ModuleSoundService(QStringList modules);
    ~ModuleSoundService() override;
    void start() override;
    void play(game::Sound sound, int volumePercent) override;
    bool started() const { return player_ != nullptr; }

private:
    QStringList modules_;
    QLibrary library_;
    std::unique_ptr<SoundPlayer> player_;
};

} // namespace ui
