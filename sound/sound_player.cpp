// The sound module: six effects from the sounds built in, played by Qt
// Multimedia. Where the device is missing or fails, an effect plays nothing.
#include "sound/sound_module.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <array>
#include <cstdio>
#include <memory>

namespace {

QtMessageHandler previousHandler = nullptr;

// A game without a sound device is silent, not noisy on its terminal.
void QuietWithoutDevice(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("PulseAudioService:")) ||
        text == QLatin1String("No audio device detected"))
        return;
    if (previousHandler)
        previousHandler(type, context, text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

class EffectPlayer : public ui::SoundPlayer {
public:
    EffectPlayer() {
        previousHandler = qInstallMessageHandler(QuietWithoutDevice);
        const bool device = !QMediaDevices::defaultAudioOutput().isNull();
        qInstallMessageHandler(previousHandler);
        if (!device)
            return;
        static const char* const names[] = {"count1", "count2", "count3",
                                            "right",  "wrong",  "timeup"};
        for (size_t i = 0; i < effects_.size(); ++i) {
            effects_[i] = std::make_unique<QSoundEffect>();
            effects_[i]->setSource(QUrl(QStringLiteral("qrc:/sounds/%1.wav").arg(names[i])));
        }
    }
    void play(int sound, double volume) override {
        if (sound < 0 || size_t(sound) >= effects_.size() || !effects_[size_t(sound)])
            return;
        QSoundEffect& effect = *effects_[size_t(sound)];
        effect.setVolume(float(volume));
        effect.play();
    }

private:
    std::array<std::unique_ptr<QSoundEffect>, 6> effects_;
};

} // namespace

extern "C" Q_DECL_EXPORT ui::SoundPlayer* mojiro_make_sound_player() {
    return new EffectPlayer;
}
