#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

class QMenu;

namespace ui {

class RomajiBox;

// A frame whose own surface (not a child on it) can be clicked.
class ClickFrame : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;
signals:
    void surfaceClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// A narrow tag label whose caption reads downwards, one character a line, from
// the top, as a caption wrapped in a box one character wide.
class TagLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// The answer box: every key goes to the handler first, as a character code
// (13 Enter, 27 Esc); a code set to 0 does not reach the box. With the game's
// own input on, the keys it takes become kana, the desktop's input method is
// left alone, and the keys that change the text are counted.
class KaitouEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit KaitouEdit(const QString& text, QWidget* parent);
    ~KaitouEdit() override;
    void setOwnInput(bool on);
    bool ownInput() const { return romaji_ != nullptr; }
    // Keys that typed or changed the text, and Backspaces, since the last take.
    std::pair<int, int> takeKeyCounts() {
        return {std::exchange(keys_, 0), std::exchange(backspaces_, 0)};
    }

    std::function<void(int16_t&)> keyPress;
    // Told true when the box gets the keyboard focus, false when it loses it.
    std::function<void(bool)> focusChanged;
    // Told after the input method committed text into the box.
    std::function<void()> committed;
    // F2, the meaning hint.
    std::function<void()> meaningHint;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void TypeKey(QKeyEvent* event);

    std::unique_ptr<RomajiBox> romaji_;
    bool finishing_ = false; // what waits is being typed out at Enter
    int keys_ = 0, backspaces_ = 0;
};

// A push button with its picture above its caption, pressed by Enter as well
// as by Space while it has the focus, as buttons of the desktop it was made for.
class CommandButton : public QToolButton {
    Q_OBJECT
public:
    using QToolButton::QToolButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Empties a menu filled as it opens: its actions, and the submenus and action
// groups made with them, which clear() alone would keep until the window goes.
void ClearMenu(QMenu* menu);

// Sets a figure label's caption, narrowing the face just enough that the
// whole figure shows: the stand-in face's digits are wider than the designed
// face's, and "100.0%" must not lose its edges.
void SetFittedText(QLabel* label, const QString& text);

// A filled rectangle without outline.
class ColourBox : public QWidget {
    Q_OBJECT
public:
    ColourBox(const QColor& colour, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
};

// The time-limit box: editable, but only a choice from its list sets the
// limit; typing, with or without Enter, never selects or adds an item.
class JikanCombo : public QComboBox {
    Q_OBJECT
public:
    explicit JikanCombo(QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// Draws the row-number column of the results table like the header, and the
// data cells in the window colour over the table's grey empty area.
class RirekiDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    RirekiDelegate(const QColor& cellColour, QObject* parent)
        : QStyledItemDelegate(parent), cellColour_(cellColour) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    QColor cellColour_;
};

// The results table's header row. The face's line spacing is taller than the
// 16-pixel rows leave room for between the style's margins, so the titles are
// centred in the whole section instead of being clipped at the top.
class RirekiHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit RirekiHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

protected:
    void paintSection(QPainter* painter, const QRect& rect, int section) const override;
};

// A header-like cell: the raised section, its text centred over all of it.
void DrawHeaderCell(QPainter* painter, const QWidget* widget, const QRect& rect,
                    const QString& text);

} // namespace ui
