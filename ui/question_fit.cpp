#include "ui/question_fit.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace ui {

int FittingPixelSize(int designed, int room, const std::function<int(int)>& widthAt) {
    if (designed <= 1 || widthAt(designed) <= room)
        return std::max(designed, 1);
    int fits = 1, wide = designed; // widthAt(wide) > room
    while (wide - fits > 1) {
        const int mid = fits + (wide - fits) / 2;
        (widthAt(mid) <= room ? fits : wide) = mid;
    }
    return fits;
}

void SetQuestionText(QLabel* label, int designedPixelSize, const QString& text) {
    QFont font = label->font();
    const auto widthAt = [&](int size) {
        QFont f = font;
        f.setPixelSize(size);
        const QFontMetrics m(f);
        // A framed label sets its text in by half an x, and a last glyph may
        // reach past its advance.
        return m.horizontalAdvance(u'x') / 2 +
               std::max(m.horizontalAdvance(text), m.boundingRect(text).right() + 1);
    };
    font.setPixelSize(FittingPixelSize(designedPixelSize, label->contentsRect().width(), widthAt));
    if (font != label->font())
        label->setFont(font);
    label->setText(text);
}

} // namespace ui
