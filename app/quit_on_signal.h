#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace app {

// Ends the game as closing its windows does when the system asks it to end:
// SIGTERM at log-out or shut-down, SIGHUP when its terminal goes, SIGINT from
// Ctrl+C. The signal's default action would end it at once and drop the word
// record's last answers and whatever else is still being written.
// A signal caught before listen() is acted on once the event loop runs.
class QuitOnSignal : public QObject {
public:
    explicit QuitOnSignal(std::function<void()> quit);
    ~QuitOnSignal() override;
    void listen();

private:
    std::function<void()> quit_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace app
