#pragma once

#include <QPixmap>

#include <string_view>

namespace ui {

// One of the window's pictures ("start", "title", ...), built into the
// program as pixels; a null pixmap for an unknown name.
QPixmap Picture(std::string_view name);

} // namespace ui
