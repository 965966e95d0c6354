#include "ui/font_preload.h"

#include <fontconfig/fontconfig.h>

namespace ui {

FontPreload::FontPreload() : load_(std::async(std::launch::async, [] { FcInit(); })) {}

void FontPreload::wait() {
    if (load_.valid())
        load_.get();
}

} // namespace ui
