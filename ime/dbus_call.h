#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>

#include <functional>

namespace ime {

// How long a call may take before it counts as unanswered. A framework that
// starts its engine for the call answers after seconds on a busy machine; IBus
// itself gives up on an engine after 15.
constexpr int kCallTimeoutMs = 25000;

// Sends a method call and does not wait for its answer.
inline QDBusPendingCall Send(QDBusConnection bus, QDBusMessage message) {
    message.setAutoStartService(false);
    return bus.asyncCall(message, kCallTimeoutMs);
}

// Sends a method call without waiting; `then` gets the reply (or the error) later,
// on this thread, unless `owner` has gone by then.
inline QDBusPendingCall Call(QDBusConnection bus, QDBusMessage message, QObject* owner,
                             std::function<void(const QDBusMessage&)> then) {
    const QDBusPendingCall call = Send(bus, message);
    auto* watcher = new QDBusPendingCallWatcher(call, owner);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, owner,
                     [watcher, then = std::move(then)] {
                         watcher->deleteLater();
                         then(watcher->reply());
                     });
    return call;
}

// An answer that is not a refusal: none came in time, and the change may still happen.
inline bool Unanswered(const QDBusMessage& answer) {
    return answer.type() == QDBusMessage::ErrorMessage &&
           (answer.errorName() == QLatin1String("org.freedesktop.DBus.Error.NoReply") ||
            answer.errorName() == QLatin1String("org.freedesktop.DBus.Error.Timeout"));
}

} // namespace ime
