#pragma once

#include <functional>

class QLabel;
class QString;

namespace ui {

// The largest pixel size, at most `designed`, at which the text's width
// (`widthAt(size)`) fits the room; 1 when none does. The width is taken to
// grow with the size, as a font's does.
int FittingPixelSize(int designed, int room, const std::function<int(int size)>& widthAt);

// Shows the question whole: at the label's designed size when it fits, as
// always, smaller when it would be cut off.
void SetQuestionText(QLabel* label, int designedPixelSize, const QString& text);

} // namespace ui
