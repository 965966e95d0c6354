#include "game/system_ports.h"

#include <QTime>

#include <chrono>

namespace game {

SystemClock::SystemClock() : msAtStart_(QTime::currentTime().msecsSinceStartOfDay()) {
    elapsed_.start();
}

int32_t SystemClock::Seconds() {
    return int32_t((msAtStart_ + elapsed_.elapsed()) / 1000);
}

qint64 SystemClock::Milliseconds() {
    return msAtStart_ + elapsed_.elapsed();
}

QDateTime SystemClock::Now() {
    return QDateTime::currentDateTime();
}

SystemRandom::SystemRandom() {
    Reseed();
}

void SystemRandom::Reseed() {
    // Mixing in a counter keeps two questions of the same clock reading apart.
    const auto ns = uint64_t(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq seq{uint32_t(ns), uint32_t(ns >> 32), uint32_t(++reseeds_)};
    engine_.seed(seq);
}

double SystemRandom::Draw() {
    return double(engine_() >> 11) * 0x1.0p-53;
}

} // namespace game
