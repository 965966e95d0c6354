#pragma once

#include "game/ports.h"

#include <QElapsedTimer>

#include <random>

namespace game {

class SystemClock : public Clock {
public:
    SystemClock();
    int32_t Seconds() override;
    QDateTime Now() override;
    qint64 Milliseconds() override;

private:
    qint64 msAtStart_; // milliseconds since local midnight when the clock was made
    QElapsedTimer elapsed_;
};

class SystemRandom : public Random {
public:
    SystemRandom();
    void Reseed() override;
    double Draw() override;

private:
    std::mt19937_64 engine_;
    uint64_t reseeds_ = 0;
};

} // namespace game
