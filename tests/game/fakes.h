#pragma once

#include "../files.h"
#include "game/ports.h"

#include <QStringList>

#include <deque>

class FakeClock : public game::Clock {
public:
    int32_t seconds = 0;
    QDateTime now = QDateTime(QDate(2024, 5, 1), QTime(21, 3, 45));
    int32_t Seconds() override { return seconds; }
    QDateTime Now() override { return now; }
};

// A sound's name in the tests' notes.
inline const char* SoundName(game::Sound sound) {
    static const char* names[] = {"count1", "count2", "count3", "right", "wrong", "timeup"};
    return names[int(sound)];
}

// Plays back given draws, then 0; counts re-seeds.
class FakeRandom : public game::Random {
public:
    std::deque<double> draws;
    int reseeds = 0;
    void Reseed() override { ++reseeds; }
    double Draw() override {
        const double r = draws.empty() ? 0.0 : draws.front();
        if (!draws.empty())
            draws.pop_front();
        return r;
    }
};
