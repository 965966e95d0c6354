#include "ime/ibus_switch.h"

#include "ime/dbus_call.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace ime {
namespace {

const QString kService = QStringLiteral("org.freedesktop.IBus");
const QString kEngine = QStringLiteral("mozc-jp");

QDBusMessage Bus(const QString& method) {
    return QDBusMessage::createMethodCall(kService, QStringLiteral("/org/freedesktop/IBus"),
                                          kService, method);
}

// The name in an IBusEngineDesc: ("IBusEngineDesc", attachments, name, ...).
QString EngineName(const QDBusMessage& reply) {
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    const QVariant desc = reply.arguments()[0].value<QDBusVariant>().variant();
    if (!desc.canConvert<QDBusArgument>())
        return {};
    const QDBusArgument arg = desc.value<QDBusArgument>();
    if (arg.currentType() != QDBusArgument::StructureType)
        return {};
    QString type, name;
    QVariantMap attachments;
    arg.beginStructure();
    arg >> type >> attachments >> name;
    arg.endStructure(); // frees what beginStructure took, read to the end or not
    return type == QLatin1String("IBusEngineDesc") ? name : QString();
}

} // namespace

IBusSwitch::IBusSwitch(const QString& connection) : connection_(connection) {}

IBusSwitch::~IBusSwitch() {
    // The engine is everybody's: put the player's back before the program ends.
    if (previous_)
        Restore();
    if (restoring_)
        restoring_->waitForFinished();
}

void IBusSwitch::On() {
    const int request = ++request_;
    // Behind the focus event, after which the plug-in tells IBus of the focus.
    QMetaObject::invokeMethod(
        this, [this, request] { Start(request); }, Qt::QueuedConnection);
}

void IBusSwitch::Start(int request) {
    QDBusConnection bus(connection_);
    if (request != request_ || !bus.isConnected())
        return emit settled();
    Call(bus, Bus(QStringLiteral("GetGlobalEngine")), this,
         [this, request](const QDBusMessage& reply) {
             const QString engine = EngineName(reply);
             if (request != request_ || engine.isEmpty())
                 return emit settled();
             if (engine.startsWith(QLatin1String("mozc"))) {
                 if (previous_)
                     Hiragana(request); // ours still: hiragana again
                 else
                     emit settled(); // the player's own
                 return;
             }
             previous_ = engine;
             QDBusMessage set = Bus(QStringLiteral("SetGlobalEngine"));
             set << kEngine;
             Call(QDBusConnection(connection_), set, this,
                  [this, request](const QDBusMessage& answer) {
                      if (answer.type() != QDBusMessage::ReplyMessage) {
                          // No Japanese engine: nothing changed.
                          if (request == request_)
                              previous_.reset();
                          return emit settled();
                      }
                      Hiragana(request);
                  });
         });
}

void IBusSwitch::Hiragana(int request) {
    // ibus-mozc starts in direct input.
    Call(QDBusConnection(connection_), Bus(QStringLiteral("CurrentInputContext")), this,
         [this, request](const QDBusMessage& reply) {
             if (request != request_ || reply.type() != QDBusMessage::ReplyMessage)
                 return emit settled();
             const QString path = reply.arguments().value(0).value<QDBusObjectPath>().path();
             QDBusMessage activate = QDBusMessage::createMethodCall(
                 kService, path, QStringLiteral("org.freedesktop.IBus.InputContext"),
                 QStringLiteral("PropertyActivate"));
             activate << QStringLiteral("InputMode.Hiragana") << 1u;
             Call(QDBusConnection(connection_), activate, this,
                  [this](const QDBusMessage&) { emit settled(); });
         });
}

void IBusSwitch::Restore() {
    ++request_;
    QDBusConnection bus(connection_);
    if (!previous_ || !bus.isConnected())
        return;
    QDBusMessage set = Bus(QStringLiteral("SetGlobalEngine"));
    set << *previous_;
    restoring_ = Send(bus, set);
    previous_.reset();
}

} // namespace ime
