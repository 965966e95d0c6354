#include "ui/romaji_box.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextCharFormat>

namespace ui {
namespace {

// A line edit takes what waits as an input method's composition; sent to
// it directly, the desktop's input method is never involved.
class Composer : public QLineEdit {
public:
    static void Send(QLineEdit& box, QInputMethodEvent& event) {
        (box.*&Composer::inputMethodEvent)(&event);
    }
};

} // namespace

bool RomajiBox::key(QKeyEvent* event) {
    const Qt::KeyboardModifiers other =
        event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (other != Qt::NoModifier)
        return false; // shortcuts stay the box's
    switch (event->key()) {
    case Qt::Key_Backspace:
        if (!converter_.backspace())
            return false;
        Show(QString());
        return true;
    case Qt::Key_F6:
    case Qt::Key_F7: {
        const bool katakana = event->key() == Qt::Key_F7;
        converter_.setKatakana(katakana);
        const QString turned =
            katakana ? game::ToKatakana(box_.text()) : game::ToHiragana(box_.text());
        if (turned != box_.text()) {
            const int cursor = box_.cursorPosition();
            box_.setText(turned); // one character for one: the cursor stays where it was
            box_.setCursorPosition(cursor);
            if (!converter_.pending().isEmpty())
                Show(QString()); // what waits, which the new text took away
        }
        return true;
    }
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() != 1 || !game::RomajiConverter::accepts(text[0]))
        return false;
    Show(converter_.type(text[0]));
    return true;
}

void RomajiBox::finish() {
    if (!converter_.pending().isEmpty())
        Show(converter_.finish());
}

void RomajiBox::reset() {
    converter_.clear();
    converter_.setKatakana(false);
}

void RomajiBox::Show(const QString& commit) {
    QList<QInputMethodEvent::Attribute> attributes;
    const QString& waiting = converter_.pending();
    if (!waiting.isEmpty()) {
        QTextCharFormat underlined;
        underlined.setFontUnderline(true);
        attributes << QInputMethodEvent::Attribute(QInputMethodEvent::TextFormat, 0,
                                                   int(waiting.size()), underlined)
                   << QInputMethodEvent::Attribute(QInputMethodEvent::Cursor, int(waiting.size()),
                                                   1);
    }
    QInputMethodEvent event(waiting, attributes);
    event.setCommitString(commit);
    Composer::Send(box_, event);
}

} // namespace ui
