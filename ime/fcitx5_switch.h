#pragma once

#include "ime/switch.h"

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include <functional>

namespace ime {

// fcitx5 over its controller object. Each window has an input context of its own
// there, so turning ours on touches no other program.
class Fcitx5Switch : public QObject, public Switch {
    Q_OBJECT
public:
    // `connection`: the name of the session-bus connection fcitx5's Qt plug-in
    // uses, so our calls travel behind its focus messages; `pressHiragana` hands
    // the Hiragana key to the input method.
    Fcitx5Switch(const QString& connection, std::function<void()> pressHiragana);

    void on() override;
    void restore() override;

signals:
    // A request has been carried out or given up.
    void settled();

private slots:
    void CurrentIM(const QString& name, const QString& uniqueName, const QString& language);

private:
    QDBusMessage Controller(const QString& method) const;
    void Start(int request);
    void WhenReady(int request);
    void Check(int request, int retryMs);
    void Settle(int request);

    QString connection_;
    std::function<void()> pressHiragana_;
    int request_ = 0;
    bool listening_ = false;
    bool changed_ = false;           // we turned it on and have not turned it off since
    QPointer<QWindow> window_;       // where we turned it on
    QList<QPointer<QWindow>> ready_; // windows whose input context fcitx5 has focused
    QTimer readyWait_;
    QElapsedTimer asking_; // since the first State of this request
    int waiting_ = 0;      // the request waiting for our input context
};

} // namespace ime
