#pragma once

#include "game/ports.h"
#include "game/round_state.h"

#include <QStringList>

#include <deque>
#include <functional>

// Records every effect on the window, in order, as short texts.
class FakeWindow : public game::RoundWindow {
public:
    QStringList log;
    QString mondai, ok, ng, mojiT, byou, ritu;
    QString kaitou;
    bool startEnabled = true;
    bool lamp[4] = {false, true, true, true};
    int barWidth = -1;
    QStringList solved;
    bool historyShown = false;
    int wrongBoxes = 0;
    int saves = 0;
    std::function<void()> whileWrongBoxOpen;

    static const char* Name(game::Caption c) {
        switch (c) {
        case game::Caption::Mondai:
            return "lblMondai";
        case game::Caption::Ok:
            return "lblOk";
        case game::Caption::Ng:
            return "lblNg";
        case game::Caption::MojiT:
            return "lblMoji_T";
        case game::Caption::Byou:
            return "lblByou";
        case game::Caption::Ritu:
            return "lblRitu";
        }
        return "";
    }
    QString& Field(game::Caption c) {
        switch (c) {
        case game::Caption::Mondai:
            return mondai;
        case game::Caption::Ok:
            return ok;
        case game::Caption::Ng:
            return ng;
        case game::Caption::MojiT:
            return mojiT;
        case game::Caption::Byou:
            return byou;
        case game::Caption::Ritu:
            return ritu;
        }
        return mondai;
    }

    void setCaption(game::Caption c, const QString& text) override {
        Field(c) = text;
        log << QString("%1=%2").arg(Name(c), text);
    }
    QString kaitouText() const override { return kaitou; }
    void setKaitouText(const QString& text) override {
        kaitou = text;
        log << "txtKaitou=" + text;
    }
    void focusKaitou() override { log << "focus txtKaitou"; }
    void focusJisyo() override { log << "focus lstJisyo"; }
    void setStartEnabled(bool e) override {
        startEnabled = e;
        log << (e ? "enable cmdStart" : "disable cmdStart");
    }
    void setStartLampVisible(int i, bool v) override {
        lamp[i] = v;
        log << QString("%1 imgStart%2").arg(v ? "show" : "hide").arg(i);
    }
    void setBarWidth(int w) override {
        barWidth = w;
        log << QString("bar=%1").arg(w);
    }
    void clearSolved() override {
        solved.clear();
        log << "clear lstRireki";
    }
    void appendSolved(const QString& q) override {
        solved << q;
        log << "lstRireki+" + q;
    }
    void showHistoryPanel() override {
        historyShown = true;
        log << "show frmRireki";
    }
    void showWrongAnswerBox() override {
        ++wrongBoxes;
        log << "box 違います！！";
        if (whileWrongBoxOpen)
            whileWrongBoxOpen();
    }
    void saveResult() override {
        ++saves;
        log << "save";
    }
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
        if (draws.empty())
            return 0.0;
        const double r = draws.front();
        draws.pop_front();
        return r;
    }
};
