#pragma once

#include "../files.h"
#include "game/ports.h"

#include <QMap>
#include <QStringList>

#include <deque>
#include <functional>

// Keeps what the round last showed, and notes every effect in order.
class FakeWindow : public game::RoundWindow {
public:
    QStringList log;
    QMap<QString, QString> caption; // by label name
    QString kaitou;
    bool lamp[4] = {false, true, true, true};
    int barWidth = -1;
    std::function<void()> whileWrongBoxOpen;

    void setCaption(game::Caption c, const QString& text) override {
        static const char* names[] = {"lblMondai", "lblOk",   "lblNg",
                                      "lblMoji_T", "lblByou", "lblRitu"};
        caption[names[int(c)]] = text;
        log << QString("%1=%2").arg(names[int(c)], text);
    }
    QString kaitouText() const override { return kaitou; }
    void setKaitouText(const QString& text) override { log << "txtKaitou=" + (kaitou = text); }
    void focusKaitou() override { log << "focus txtKaitou"; }
    void focusJisyo() override { log << "focus lstJisyo"; }
    void setStartEnabled(bool e) override { log << (e ? "enable" : "disable"); }
    void setStartLampVisible(int i, bool v) override { lamp[i] = v; }
    void setBarWidth(int w) override { log << QString("bar=%1").arg(barWidth = w); }
    void clearSolved() override {}
    void appendSolved(const QString& q) override { log << "lstRireki+" + q; }
    void showHistoryPanel() override {}
    void showWrongAnswerBox() override {
        log << "box";
        if (whileWrongBoxOpen)
            whileWrongBoxOpen();
    }
    void saveResult() override { log << "save"; }
};

class FakeClock : public game::Clock {
public:
    int32_t seconds = 0;
    QDateTime now = QDateTime(QDate(2024, 5, 1), QTime(21, 3, 45));
    int32_t Seconds() override { return seconds; }
    QDateTime Now() override { return now; }
};

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
