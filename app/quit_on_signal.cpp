#include "app/quit_on_signal.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace app {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
int wakeUp[2] = {-1, -1}; // the handler writes, the event loop reads

void OnSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = write(wakeUp[1], &byte, 1);
    errno = saved;
}

} // namespace

QuitOnSignal::QuitOnSignal(std::function<void()> quit) : quit_(std::move(quit)) {
    if (pipe2(wakeUp, O_CLOEXEC | O_NONBLOCK) != 0)
        return; // the signals keep their default action
    notifier_ = new QSocketNotifier(wakeUp[0], QSocketNotifier::Read, this);
    notifier_->setEnabled(false);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (read(wakeUp[0], bytes, sizeof bytes) > 0) {
        }
        quit_();
    });
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : kSignals)
        sigaction(s, &action, nullptr);
}

void QuitOnSignal::listen() {
    if (notifier_)
        notifier_->setEnabled(true);
}

QuitOnSignal::~QuitOnSignal() {
    if (!notifier_)
        return;
    for (int s : kSignals)
        std::signal(s, SIG_DFL);
    close(wakeUp[0]);
    close(wakeUp[1]);
    wakeUp[0] = wakeUp[1] = -1;
}

} // namespace app
