#pragma once

#include "game/ports.h"

#include <QMap>
#include <QStringList>

#include <deque>
#include <functional>
#include <ostream>

// Readable test failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// Records every effect on the window, in order, as short texts.
class FakeWindow : public game::RoundWindow {
public:
    QStringList log;
    QMap<QString, QString> caption; // by label name
    QString kaitou;
    QStringList solved;
    bool startEnabled = true;
    bool lamp[4] = {false, true, true, true};
    int barWidth = -1, wrongBoxes = 0, saves = 0;
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
    void setStartEnabled(bool e) override {
        log << ((startEnabled = e) ? "enable cmdStart" : "disable cmdStart");
    }
    void setStartLampVisible(int i, bool v) override {
        log << QString("%1 imgStart%2").arg((lamp[i] = v) ? "show" : "hide").arg(i);
    }
    void setBarWidth(int w) override { log << QString("bar=%1").arg(barWidth = w); }
    void clearSolved() override { solved.clear(), log << "clear lstRireki"; }
    void appendSolved(const QString& q) override { solved << q, log << "lstRireki+" + q; }
    void showHistoryPanel() override { log << "show frmRireki"; }
    void showWrongAnswerBox() override {
        ++wrongBoxes, log << "box";
        if (whileWrongBoxOpen)
            whileWrongBoxOpen();
    }
    void saveResult() override { ++saves, log << "save"; }
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
