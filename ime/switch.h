#pragma once

#include <memory>

namespace ime {

// Puts the Japanese input method on, in hiragana, while the answer box has the
// focus. Both calls return at once; the framework is asked in the background.
class Switch {
public:
    virtual ~Switch() = default;
    // The answer box has just got the focus.
    virtual void on() = 0;
    // The focus has left it (or the game ends): undo what on() changed, and only that.
    virtual void restore() = 0;
};

// Where no framework runs: nothing happens.
class NullSwitch : public Switch {
public:
    void on() override {}
    void restore() override {}
};

// The switch for the framework this program's input method plug-in talks to
// (QT_IM_MODULE), or a NullSwitch. Connects to nothing yet.
std::unique_ptr<Switch> MakeSwitch();

} // namespace ime
