#pragma once

#include "ime/switch.h"

#include <QDBusPendingCall>
#include <QObject>
#include <QString>

#include <optional>

namespace ime {

// IBus: one engine for every window, so the one we chose gives way to the
// player's own as soon as the answer box loses the focus. IBus answers a change
// of engine once the engine runs, which takes seconds when it starts first.
class IBusSwitch : public QObject, public Switch {
    Q_OBJECT
public:
    // `connection`: the name of the connection to the IBus bus that Qt's IBus
    // plug-in uses, so our calls travel behind its focus messages.
    explicit IBusSwitch(const QString& connection);
    // Waits for the answers still to come, so that the player's engine is back.
    ~IBusSwitch() override;

    void on() override;
    void restore() override;

signals:
    // A request has been carried out or given up.
    void settled();

private:
    void Start(int request);
    void Switched(const QDBusMessage& answer);
    void Hiragana(int request);
    void GiveBack();

    QString connection_;
    int request_ = 0;
    bool focused_ = false;            // the answer box has the focus
    std::optional<QString> previous_; // the player's engine, while ours is on or on its way
    std::optional<QDBusPendingCall> switching_; // to ours, not answered yet
    std::optional<QDBusPendingCall> restoring_; // to the player's, not answered yet
    bool startWhenRestored_ = false;
};

} // namespace ime
