#include "ime/reach.h"

#include "ime/dbus_call.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QGuiApplication>
#include <QPointer>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatforminputcontext.h>
#include <qpa/qplatformintegration.h>

namespace ime {
namespace {

const QString kFcitx5 = QStringLiteral("org.fcitx.Fcitx5");

} // namespace

Reach ReachOfPlugin(const QString& module, const QString& loaded, bool valid) {
    const QString named = module.toLower();
    const bool fcitx = named.startsWith(QLatin1String("fcitx"));
    const bool ibus = named == QLatin1String("ibus");
    if (!fcitx && !ibus)
        return {false, named.isEmpty()
                           ? QCoreApplication::translate("InputMethod",
                                                         "日本語入力の仕組みが使われていません"
                                                         "（QT_IM_MODULE が設定されていません）。")
                           : QCoreApplication::translate(
                                 "InputMethod", "QT_IM_MODULE の「%1」は、日本語入力の仕組み"
                                                "（fcitx5 か IBus）ではありません。")
                                 .arg(module)};
    const bool plugin = fcitx ? loaded.contains(QLatin1String("Fcitx"), Qt::CaseInsensitive)
                              : loaded.contains(QLatin1String("IBus"), Qt::CaseInsensitive);
    if (!plugin)
        return {false, fcitx ? QCoreApplication::translate("InputMethod",
                                                           "fcitx5 の Qt 6 用プラグインがありません"
                                                           "（fcitx5-frontend-qt6 パッケージ）。")
                             : QCoreApplication::translate("InputMethod",
                                                           "IBus の Qt 6 用プラグインがありません"
                                                           "（qt6-base のプラグイン）。")};
    if (ibus && !valid)
        return {false, QCoreApplication::translate("InputMethod", "IBus が動いていません。")};
    return {};
}

void DesktopReachCheck::check(QObject* context, std::function<void(const Reach&)> then) {
    QPlatformIntegration* platform = QGuiApplicationPrivate::platformIntegration();
    QPlatformInputContext* input = platform ? platform->inputContext() : nullptr;
    const QString module = qEnvironmentVariable("QT_IM_MODULE");
    const Reach plugin = ReachOfPlugin(
        module, input ? QString::fromLatin1(input->metaObject()->className()) : QString(),
        input && input->isValid());
    const bool askBus = plugin.reaches && module.toLower().startsWith(QLatin1String("fcitx"));
    if (!askBus) {
        // Later all the same, so that the caller sees one way of answering.
        QMetaObject::invokeMethod(
            context, [then, plugin] { then(plugin); }, Qt::QueuedConnection);
        return;
    }
    QDBusMessage ask = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    ask << kFcitx5;
    Call(QDBusConnection::sessionBus(), ask, context, [then](const QDBusMessage& reply) {
        const bool running =
            reply.type() == QDBusMessage::ReplyMessage && reply.arguments().value(0).toBool();
        then(running ? Reach{}
                     : Reach{false, QCoreApplication::translate("InputMethod",
                                                                "fcitx5 が動いていません。")});
    });
}

} // namespace ime
