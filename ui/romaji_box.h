#pragma once

#include "game/romaji.h"

class QKeyEvent;
class QLineEdit;

namespace ui {

// The game's own romaji input in a line edit, for players whom no input
// method reaches: each key the table takes becomes kana as it is typed, and
// letters still waiting for their kana show at the cursor underlined, as an
// input method's composition does. F7 turns the box's kana into katakana and
// F6 back, and typing goes on in that script until the box is emptied.
class RomajiBox {
public:
    explicit RomajiBox(QLineEdit& box) : box_(box) {}

    // Takes the key when it is the input's; false leaves it to the box.
    bool key(QKeyEvent* event);
    // At Enter, before the box is judged: the waiting letters come out, a
    // lone n as ん.
    void finish();
    // The box was emptied from outside: hiragana again, nothing waiting.
    void reset();

    const QString& waiting() const { return converter_.pending(); }

private:
    // Puts `commit` into the box at the cursor and shows what waits.
    void Show(const QString& commit);

    QLineEdit& box_;
    game::RomajiConverter converter_;
};

} // namespace ui
