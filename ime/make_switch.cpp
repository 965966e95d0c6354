#include "ime/fcitx5_switch.h"
#include "ime/ibus_switch.h"
#include "ime/switch.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatforminputcontext.h>
#include <qpa/qplatformintegration.h>

namespace ime {
namespace {

// Mozc turns to hiragana on this key, whatever mode the player left it in.
void PressHiragana() {
    QPlatformIntegration* platform = QGuiApplicationPrivate::platformIntegration();
    QPlatformInputContext* context = platform ? platform->inputContext() : nullptr;
    if (!context || !QGuiApplication::focusObject())
        return;
    constexpr quint32 kKeysymHiragana = 0xff25;
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent key(type, Qt::Key_Hiragana, Qt::NoModifier, 0, kKeysymHiragana, 0);
        context->filterEvent(&key);
    }
}

} // namespace

std::unique_ptr<Switch> MakeSwitch() {
    // The framework Qt's own input method plug-in talks to; without that plug-in
    // nothing the framework does reaches the answer box anyway.
    const QString module = qEnvironmentVariable("QT_IM_MODULE").toLower();
    if (module.startsWith(QLatin1String("fcitx")))
        return std::make_unique<Fcitx5Switch>(QStringLiteral("fcitx"), PressHiragana);
    if (module == QLatin1String("ibus"))
        return std::make_unique<IBusSwitch>(QStringLiteral("QIBusProxy"));
    return std::make_unique<NullSwitch>();
}

} // namespace ime
