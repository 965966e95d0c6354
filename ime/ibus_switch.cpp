#include "ime/ibus_switch.h"

#include "ime/dbus_call.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace ime {
namespace {

const QString kIBusService = QStringLiteral("org.freedesktop.IBus");
const QString kEngine = QStringLiteral("mozc-jp");

QDBusMessage Bus(const QString& method) {
    return QDBusMessage::createMethodCall(kIBusService, QStringLiteral("/org/freedesktop/IBus"),
                                          kIBusService, method);
}

QDBusMessage SetEngine(const QString& engine) {
    QDBusMessage set = Bus(QStringLiteral("SetGlobalEngine"));
    set << engine;
    return set;
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

// IBus said no, and left the engine as it was; a call that had no answer may
// still have its way.
bool Refused(const QDBusMessage& answer) {
    return answer.type() != QDBusMessage::ReplyMessage && !Unanswered(answer);
}

} // namespace

IBusSwitch::IBusSwitch(const QString& connection) : connection_(connection) {}

IBusSwitch::~IBusSwitch() {
    // The engine is everybody's: the player's goes back before the program ends,
    // after ours if that is still on its way, or it would come last.
    qDeleteAll(findChildren<QDBusPendingCallWatcher*>()); // no answer is handled from here on
    if (switching_) {
        switching_->waitForFinished();
        if (Refused(switching_->reply()))
            previous_.reset();
    }
    QDBusConnection bus(connection_);
    if (previous_ && bus.isConnected())
        restoring_ = Send(bus, SetEngine(*previous_));
    if (!restoring_)
        return;
    restoring_->waitForFinished();
    // IBus 1.5's daemon can abort when a program leaves while it is still
    // answering it, as after a change of engine the plug-in's last focus
    // messages: this answer comes after those.
    if (!Unanswered(restoring_->reply()))
        Send(bus, Bus(QStringLiteral("GetGlobalEngine"))).waitForFinished();
}

void IBusSwitch::on() {
    focused_ = true;
    const int request = ++request_;
    // Behind the focus event, after which the plug-in tells IBus of the focus.
    QMetaObject::invokeMethod(
        this, [this, request] { Start(request); }, Qt::QueuedConnection);
}

void IBusSwitch::Start(int request) {
    QDBusConnection bus(connection_);
    if (request != request_ || !bus.isConnected())
        return emit settled();
    if (switching_)
        return; // ours is on its way, and goes to hiragana when it comes
    if (restoring_) {
        startWhenRestored_ = true; // until then IBus would still name ours
        return;
    }
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
             switching_ = Call(QDBusConnection(connection_), SetEngine(kEngine), this,
                               [this](const QDBusMessage& answer) { Switched(answer); });
         });
}

void IBusSwitch::Switched(const QDBusMessage& answer) {
    switching_.reset();
    if (Refused(answer))
        previous_.reset(); // no Japanese engine
    if (!focused_)
        GiveBack(); // the focus left while ours was on its way
    if (focused_ && answer.type() == QDBusMessage::ReplyMessage)
        Hiragana(request_);
    else
        emit settled();
}

void IBusSwitch::Hiragana(int request) {
    // ibus-mozc starts in direct input.
    Call(QDBusConnection(connection_), Bus(QStringLiteral("CurrentInputContext")), this,
         [this, request](const QDBusMessage& reply) {
             if (request != request_ || reply.type() != QDBusMessage::ReplyMessage)
                 return emit settled();
             const QString path = reply.arguments().value(0).value<QDBusObjectPath>().path();
             QDBusMessage activate = QDBusMessage::createMethodCall(
                 kIBusService, path, QStringLiteral("org.freedesktop.IBus.InputContext"),
                 QStringLiteral("PropertyActivate"));
             activate << QStringLiteral("InputMode.Hiragana") << 1u;
             Call(QDBusConnection(connection_), activate, this,
                  [this](const QDBusMessage&) { emit settled(); });
         });
}

void IBusSwitch::restore() {
    focused_ = false;
    ++request_;
    startWhenRestored_ = false;
    if (!switching_) // else once ours has come
        GiveBack();
}

void IBusSwitch::GiveBack() {
    QDBusConnection bus(connection_);
    if (!previous_ || !bus.isConnected())
        return;
    restoring_ = Call(bus, SetEngine(*std::exchange(previous_, std::nullopt)), this,
                      [this](const QDBusMessage&) {
                          restoring_.reset();
                          if (std::exchange(startWhenRestored_, false))
                              Start(request_);
                      });
}

} // namespace ime
