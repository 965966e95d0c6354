#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace records {

// Code page 932 (Microsoft's Shift-JIS) conversion. Bytes that do not form a
// character decode to U+FFFD; characters the code page lacks encode to '?'.
QString DecodeCp932(QByteArrayView bytes);
QByteArray EncodeCp932(QStringView text);

// True when the bytes are well-formed UTF-8.
bool IsValidUtf8(QByteArrayView bytes);

} // namespace records
