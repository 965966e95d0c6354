#include "ime/fcitx5_switch.h"

#include "ime/dbus_call.h"

#include <QGuiApplication>

#include <algorithm>

namespace ime {
namespace {

const QString kFcitx5Service = QStringLiteral("org.fcitx.Fcitx5");
// Activate takes once fcitx5 has focused our context, and Mozc has started:
// asked again at growing intervals, for as long as a busy machine may need.
constexpr int kFirstRetryMs = 50;
constexpr int kLastRetryMs = 1000;
constexpr int kPatienceMs = 20000;
// How long fcitx5 may take to focus a new window's context, which it tells by
// CurrentIM; a busy one does it late, and until then the controller speaks of
// another program's context.
constexpr int kReadyWaitMs = 20000;
enum { kNoContext = 0, kOff = 1, kActive = 2 };

} // namespace

Fcitx5Switch::Fcitx5Switch(const QString& connection, std::function<void()> pressHiragana)
    : connection_(connection), pressHiragana_(std::move(pressHiragana)) {
    readyWait_.setSingleShot(true);
    readyWait_.setInterval(kReadyWaitMs);
    connect(&readyWait_, &QTimer::timeout, this, [this] { WhenReady(waiting_); });
}

QDBusMessage Fcitx5Switch::Controller(const QString& method) const {
    return QDBusMessage::createMethodCall(kFcitx5Service, QStringLiteral("/controller"),
                                          QStringLiteral("org.fcitx.Fcitx.Controller1"), method);
}

void Fcitx5Switch::on() {
    const int request = ++request_;
    QDBusConnection bus(connection_);
    if (bus.isConnected() && !listening_) {
        // Before the plug-in's focus message goes out, so its answer is not missed.
        listening_ = bus.connect(
            QString(), QString(), QStringLiteral("org.fcitx.Fcitx.InputContext1"),
            QStringLiteral("CurrentIM"), this, SLOT(CurrentIM(QString, QString, QString)));
    }
    // Behind the focus event, after which the plug-in tells fcitx5 of the focus.
    QMetaObject::invokeMethod(
        this, [this, request] { Start(request); }, Qt::QueuedConnection);
}

void Fcitx5Switch::Start(int request) {
    QDBusConnection bus(connection_);
    if (request != request_ || !bus.isConnected())
        return Settle(request);
    QDBusMessage ask = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    ask << kFcitx5Service;
    Call(bus, ask, this, [this, request](const QDBusMessage& reply) {
        const bool running =
            reply.type() == QDBusMessage::ReplyMessage && reply.arguments().value(0).toBool();
        QWindow* window = QGuiApplication::focusWindow();
        if (request != request_ || !running || !window)
            return Settle(request);
        ready_.removeAll(nullptr);
        if (ready_.contains(window))
            return Check(request, 0);
        // Until our context exists, the controller speaks of another program's.
        waiting_ = request;
        readyWait_.start();
    });
}

void Fcitx5Switch::CurrentIM(const QString&, const QString&, const QString&) {
    // Sent to this program only: the focused window's context exists now. It may
    // come before the answer about the service does.
    if (readyWait_.isActive()) {
        readyWait_.stop();
        WhenReady(waiting_);
    } else if (QWindow* window = QGuiApplication::focusWindow();
               window && !ready_.contains(window)) {
        ready_ << window;
    }
}

void Fcitx5Switch::WhenReady(int request) {
    if (QWindow* window = QGuiApplication::focusWindow(); window && !ready_.contains(window))
        ready_ << window;
    if (request != request_)
        return Settle(request);
    Check(request, 0);
}

void Fcitx5Switch::Check(int request, int retryMs) {
    if (retryMs == 0)
        asking_.start();
    Call(QDBusConnection(connection_), Controller(QStringLiteral("State")), this,
         [this, request, retryMs](const QDBusMessage& reply) {
             if (request != request_ || reply.type() != QDBusMessage::ReplyMessage)
                 return Settle(request);
             const int state = reply.arguments().value(0).toInt();
             if (state == kActive) {
                 // On already: the player's own choice, unless we made it.
                 if (changed_ && pressHiragana_)
                     pressHiragana_();
                 return Settle(request);
             }
             if (asking_.hasExpired(kPatienceMs))
                 return Settle(request);
             if (state == kOff) {
                 changed_ = true;
                 window_ = QGuiApplication::focusWindow();
                 Send(QDBusConnection(connection_), Controller(QStringLiteral("Activate")));
             }
             // The first State after Activate follows it on the same socket at once.
             const int next = std::clamp(retryMs * 2, kFirstRetryMs, kLastRetryMs);
             QTimer::singleShot(state == kOff && retryMs == 0 ? 0 : retryMs, this,
                                [this, request, next] { Check(request, next); });
         });
}

void Fcitx5Switch::Settle(int) {
    emit settled();
}

void Fcitx5Switch::restore() {
    ++request_;
    readyWait_.stop();
    QDBusConnection bus(connection_);
    // Another window has the focus now, whose context the controller would turn
    // off; ours stays on where nobody else sees it, until the box has the focus again.
    if (!changed_ || !bus.isConnected() || !window_ || QGuiApplication::focusWindow() != window_)
        return;
    changed_ = false;
    Send(bus, Controller(QStringLiteral("Deactivate")));
}

} // namespace ime
