#pragma once

#include "ime/switch.h"

#include <QDBusPendingCall>
#include <QObject>
#include <QString>

#include <optional>

namespace ime {

// IBus: one engine for every window, so the one we chose gives way to the
// player's own as soon as the answer box loses the focus.
class IBusSwitch : public QObject, public Switch {
    Q_OBJECT
public:
    // `connection`: the name of the connection to the IBus bus that Qt's IBus
    // plug-in uses, so our calls travel behind its focus messages.
    explicit IBusSwitch(const QString& connection);
    ~IBusSwitch() override;

    void On() override;
    void Restore() override;

signals:
    // A request has been carried out or given up.
    void settled();

private:
    void Start(int request);
    void Hiragana(int request);

    QString connection_;
    int request_ = 0;
    std::optional<QString> previous_; // the engine we replaced, while ours is on
    std::optional<QDBusPendingCall> restoring_;
};

} // namespace ime
