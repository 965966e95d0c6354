#include "ui/pictures.h"

#include <QImage>

#include <cstdint>

namespace ui {
namespace {

struct PictureData {
    std::string_view name;
    int width, height;
    const uint32_t* pixels; // premultiplied ARGB, row by row
};

#include "pictures_table.inc"

} // namespace

QPixmap Picture(std::string_view name) {
    for (const PictureData& p : kPictures)
        if (p.name == name)
            return QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(p.pixels), p.width,
                                             p.height, p.width * 4,
                                             QImage::Format_ARGB32_Premultiplied));
    return {};
}

} // namespace ui
