#pragma once

#include <QByteArrayView>
#include <QString>

#include <cstdint>

namespace help {

// Titles and sitemap names carry no charset: UTF-8 when they are valid UTF-8
// with some non-ASCII byte, else the code page of the file's language.
QString DecodeText(QByteArrayView bytes, uint32_t lcid);

// Pages: their own <meta> charset first, then UTF-8 validity, then the code
// page of the file's language.
QString DecodePage(QByteArrayView bytes, uint32_t lcid);

// A page reduced to its title and the text a reader sees, for searching.
struct PageText {
    QString title;
    QString text;
};
PageText PlainText(const QString& html);

} // namespace help
