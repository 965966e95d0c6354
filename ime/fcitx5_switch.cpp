#include "ime/fcitx5_switch.h"

#include "ime/dbus_call.h"

#include <QGuiApplication>

namespace ime {
namespace {

const QString kService = QStringLiteral("org.fcitx.Fcitx5");
constexpr int kRetryMs = 50;
constexpr int kTries = 10;
enum { kNoContext = 0, kOff = 1, kActive = 2 };

} // namespace

Fcitx5Switch::Fcitx5Switch(const QString& connection, std::function<void()> pressHiragana,
                           int readyWaitMs)
    : connection_(connection), pressHiragana_(std::move(pressHiragana)) {
    readyWait_.setSingleShot(true);
    readyWait_.setInterval(readyWaitMs);
    connect(&readyWait_, &QTimer::timeout, this, [this] { WhenReady(waiting_); });
}

QDBusMessage Fcitx5Switch::Controller(const QString& method) const {
    return QDBusMessage::createMethodCall(kService, QStringLiteral("/controller"),
                                          QStringLiteral("org.fcitx.Fcitx.Controller1"), method);
}

void Fcitx5Switch::On() {
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
    ask << kService;
    Call(bus, ask, this, [this, request](const QDBusMessage& reply) {
        const bool running =
            reply.type() == QDBusMessage::ReplyMessage && reply.arguments().value(0).toBool();
        QWindow* window = QGuiApplication::focusWindow();
        if (request != request_ || !running || !window)
            return Settle(request);
        ready_.removeAll(nullptr);
        if (ready_.contains(window))
            return Check(request, kTries);
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
    Check(request, kTries);
}

void Fcitx5Switch::Check(int request, int tries) {
    Call(QDBusConnection(connection_), Controller(QStringLiteral("State")), this,
         [this, request, tries](const QDBusMessage& reply) {
             if (request != request_ || reply.type() != QDBusMessage::ReplyMessage)
                 return Settle(request);
             const int state = reply.arguments().value(0).toInt();
             if (state == kActive) {
                 // On already: the player's own choice, unless we made it.
                 if (changed_ && pressHiragana_)
                     pressHiragana_();
                 return Settle(request);
             }
             if (tries <= 0)
                 return Settle(request);
             if (state == kOff) {
                 changed_ = true;
                 window_ = QGuiApplication::focusWindow();
                 Send(QDBusConnection(connection_), Controller(QStringLiteral("Activate")));
             }
             // The first State after Activate follows it on the same socket at once.
             QTimer::singleShot(state == kOff && tries == kTries ? 0 : kRetryMs, this,
                                [this, request, tries] { Check(request, tries - 1); });
         });
}

void Fcitx5Switch::Settle(int) {
    emit settled();
}

void Fcitx5Switch::Restore() {
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
