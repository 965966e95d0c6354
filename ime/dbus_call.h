#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>

#include <functional>

namespace ime {

// How long any call may take before it counts as unanswered.
constexpr int kCallTimeoutMs = 500;

// Sends a method call and does not wait for its answer.
inline QDBusPendingCall Send(QDBusConnection bus, QDBusMessage message) {
    message.setAutoStartService(false);
    return bus.asyncCall(message, kCallTimeoutMs);
}

// Sends a method call without waiting; `then` gets the reply (or the error) later,
// on this thread, unless `owner` has gone by then.
inline void Call(QDBusConnection bus, QDBusMessage message, QObject* owner,
                 std::function<void(const QDBusMessage&)> then) {
    auto* watcher = new QDBusPendingCallWatcher(Send(bus, message), owner);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, owner,
                     [watcher, then = std::move(then)] {
                         watcher->deleteLater();
                         then(watcher->reply());
                     });
}

} // namespace ime
