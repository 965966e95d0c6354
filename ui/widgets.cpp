#include "ui/widgets.h"

#include "game/round.h"
#include "ui/romaji_box.h"

#include <QActionGroup>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QTextLayout>

namespace ui {
namespace {

// A click is a left press and release, both on the widget.
bool EndsClick(bool& pressed, const QWidget* widget, const QMouseEvent* release) {
    const bool click = pressed && release->button() == Qt::LeftButton &&
                       widget->rect().contains(release->position().toPoint());
    pressed = false;
    return click;
}

} // namespace

void ClickFrame::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QGroupBox::mousePressEvent(event);
}

void ClickFrame::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = EndsClick(pressed_, this, event);
    QGroupBox::mouseReleaseEvent(event);
    if (click)
        emit surfaceClicked();
}

void TagLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect area = contentsRect();
    const int lineHeight = fontMetrics().height();
    int y = area.top();
    for (qsizetype i = 0; i < text().size(); ++i) {
        qsizetype len = text()[i].isHighSurrogate() && i + 1 < text().size() ? 2 : 1;
        painter.drawText(QRect(area.left(), y, area.width(), lineHeight),
                         Qt::AlignHCenter | Qt::AlignTop, text().mid(i, len));
        i += len - 1;
        y += lineHeight;
    }
}

void TagLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void TagLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (EndsClick(pressed_, this, event))
        emit clicked();
}

KaitouEdit::KaitouEdit(const QString& text, QWidget* parent) : QLineEdit(text, parent) {
    connect(this, &QLineEdit::textChanged, this, [this](const QString& now) {
        // Emptied, by the player or by a judged answer: hiragana again.
        if (romaji_ && now.isEmpty() && romaji_->waiting().isEmpty())
            romaji_->reset();
    });
}

KaitouEdit::~KaitouEdit() = default;

void KaitouEdit::setOwnInput(bool on) {
    if (on == ownInput())
        return;
    romaji_ = on ? std::make_unique<RomajiBox>(*this) : nullptr;
    // The framework is not asked while the game's own input types.
    setAttribute(Qt::WA_InputMethodEnabled, !on);
}

QVariant KaitouEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
    // A line edit tells the framework it takes text whatever the attribute
    // says, and the framework would then take the keys before the game's input.
    if (query == Qt::ImEnabled && romaji_)
        return false;
    return QLineEdit::inputMethodQuery(query);
}

void KaitouEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier && meaningHint) {
        meaningHint();
        event->accept();
        return;
    }
    const QString before = romaji_ ? text() + romaji_->waiting() : QString();
    const bool counts = romaji_ && event->key() != Qt::Key_Return &&
                        event->key() != Qt::Key_Enter && event->key() != Qt::Key_Escape;
    TypeKey(event);
    if (counts && text() + romaji_->waiting() != before)
        ++(event->key() == Qt::Key_Backspace ? backspaces_ : keys_);
}

void KaitouEdit::TypeKey(QKeyEvent* event) {
    int16_t code = 0;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        code = game::kKeyEnter;
        // What waits is typed before the answer is judged: a lone n as ん.
        // This Enter answers, not the commit of what waited.
        if (romaji_) {
            finishing_ = true;
            romaji_->finish();
            finishing_ = false;
        }
        break;
    case Qt::Key_Escape:
        code = game::kKeyEsc;
        break;
    default:
        if (!event->text().isEmpty())
            code = int16_t(event->text().at(0).unicode());
        break;
    }
    if (code != 0 && keyPress) {
        keyPress(code);
        if (code == 0) {
            event->accept();
            return;
        }
    }
    if (romaji_ && romaji_->key(event)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    }
    QToolButton::keyPressEvent(event);
}

void ClearMenu(QMenu* menu) {
    menu->clear();
    for (QObject* made : menu->findChildren<QObject*>(Qt::FindDirectChildrenOnly))
        if (qobject_cast<QMenu*>(made) || qobject_cast<QActionGroup*>(made))
            delete made;
}

void SetFittedText(QLabel* label, const QString& text) {
    QFont font = label->font();
    font.setStretch(QFont::Unstretched);
    const int need = QFontMetrics(font).horizontalAdvance(text);
    const int room = label->contentsRect().width() - 2;
    if (need > room && need > 0)
        font.setStretch(std::max(50, 100 * room / need));
    label->setFont(font);
    label->setText(text);
}

void KaitouEdit::inputMethodEvent(QInputMethodEvent* event) {
    const bool commits = !event->commitString().isEmpty();
    QLineEdit::inputMethodEvent(event);
    if (commits && committed && !finishing_)
        committed();
}

void KaitouEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (focusChanged)
        focusChanged(true);
}

void KaitouEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (focusChanged)
        focusChanged(false);
}

ColourBox::ColourBox(const QColor& colour, QWidget* parent) : QWidget(parent), colour_(colour) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColourBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
}

JikanCombo::JikanCombo(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    lineEdit()->installEventFilter(this);
}

bool JikanCombo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true; // Enter in the field would pick the matching item
    }
    return QComboBox::eventFilter(watched, event);
}

void JikanCombo::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void RirekiDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    if (index.column() == 0) {
        DrawHeaderCell(painter, option.widget, option.rect, index.data().toString());
        return;
    }
    painter->fillRect(option.rect, cellColour_);
    if (option.state & (QStyle::State_Selected | QStyle::State_HasFocus)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // A plain cell, as nearly all are, is drawn directly: the style lays the
    // text of an item out three times over, which the first frame's time
    // shows. This lays it out once and places it as the style would.
    const QString text = index.data().toString();
    if (text.isEmpty())
        return;
    const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
    const QRect area = option.rect.adjusted(margin, 0, -margin, 0);
    const auto alignment = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
    QTextOption textOption(QStyle::visualAlignment(option.direction, alignment));
    textOption.setWrapMode(QTextOption::ManualWrap);
    textOption.setTextDirection(option.direction);
    QTextLayout layout(text, option.font);
    layout.setTextOption(textOption);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(area.width());
    layout.endLayout();
    if (line.naturalTextWidth() > area.width()) {
        QStyledItemDelegate::paint(painter, option, index); // the style elides it
        return;
    }
    QPalette::ColorGroup group = QPalette::Normal;
    if (!(option.state & QStyle::State_Enabled))
        group = QPalette::Disabled;
    else if (!(option.state & QStyle::State_Active))
        group = QPalette::Inactive;
    painter->save();
    painter->setClipRect(option.rect, Qt::IntersectClip);
    painter->setPen(option.palette.color(group, QPalette::Text));
    const QRect placed = QStyle::alignedRect(Qt::LayoutDirectionAuto, alignment,
                                             layout.boundingRect().size().toSize(), area);
    layout.draw(painter, QPointF(area.x(), placed.top()));
    painter->restore();
}

void DrawHeaderCell(QPainter* painter, const QWidget* widget, const QRect& rect,
                    const QString& text) {
    QStyleOptionHeader header;
    header.initFrom(widget);
    header.rect = rect;
    header.state = QStyle::State_Enabled | QStyle::State_Raised;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_HeaderSection, &header, painter, widget);
    painter->save();
    painter->setPen(header.palette.color(QPalette::ButtonText));
    painter->drawText(rect, Qt::AlignCenter, text);
    painter->restore();
}

void RirekiHeader::paintSection(QPainter* painter, const QRect& rect, int section) const {
    if (!rect.isValid())
        return;
    DrawHeaderCell(painter, this, rect,
                   model() ? model()->headerData(section, orientation()).toString() : QString());
}

} // namespace ui
