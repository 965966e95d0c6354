#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace records {

// Code page 932 (Microsoft's Shift-JIS) conversion. Bytes that do not form a
// character decode to U+FFFD; characters the code page lacks encode to '?'.
QString DecodeCp932(QByteArrayView bytes);
QByteArray EncodeCp932(QStringView text);

// The code page decodes 81 60 as U+FF5E, where input methods on Linux type
// U+301C for the same key; six more pairs split the same way. Gives the text
// with each such character as the code page decodes its byte.
QString FoldCp932LookAlikes(QString text);

// The text in code page 932 with nothing lost: the look-alikes take the code
// page's own byte. Nothing when a character has no byte, and then `badAt` is
// the position of the first such character.
std::optional<QByteArray> EncodeCp932Exactly(QStringView text, qsizetype* badAt = nullptr);

// True when the bytes are well-formed UTF-8.
bool IsValidUtf8(QByteArrayView bytes);

} // namespace records
