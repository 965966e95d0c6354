#include "records/cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace records {
namespace {

constexpr const char* kCodec = "windows-31j";

bool IsLead(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
bool IsTrail(unsigned char b) {
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}
bool IsSingleKana(unsigned char b) {
    return b >= 0xA1 && b <= 0xDF;
}

// The converter swaps the ASCII control bytes 0x1A, 0x1C and 0x7F the IBM way,
// so text holding them takes the careful path.
bool HasSwappedControl(QByteArrayView bytes) {
    for (char c : bytes)
        if (c == 0x1A || c == 0x1C || c == 0x7F)
            return true;
    return false;
}

bool HasSwappedControl(QStringView text) {
    for (QChar c : text)
        if (c.unicode() == 0x1A || c.unicode() == 0x1C || c.unicode() == 0x7F)
            return true;
    return false;
}

} // namespace

QString DecodeCp932(QByteArrayView bytes) {
    // The converter maps ASCII control bytes the IBM way (0x1A becomes U+001C)
    // and reports bad bytes as U+001A, so ASCII is copied directly and each
    // multi-byte character is converted by itself.
    if (!HasSwappedControl(bytes)) {
        QStringDecoder whole(kCodec);
        QString s = whole.decode(bytes);
        if (!whole.hasError())
            return s;
    }
    QString out;
    out.reserve(bytes.size());
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            out += QChar(b);
            ++i;
            continue;
        }
        qsizetype len = 0;
        if (IsSingleKana(b))
            len = 1;
        else if (IsLead(b) && i + 1 < n && IsTrail(p[i + 1]))
            len = 2;
        if (len == 0) {
            out += QChar::ReplacementCharacter;
            ++i;
            continue;
        }
        QStringDecoder one(kCodec);
        const QString s = one.decode(bytes.sliced(i, len));
        if (one.hasError() || s.size() != 1 || s[0].unicode() == 0x1A)
            out += QChar::ReplacementCharacter;
        else
            out += s;
        i += len;
    }
    return out;
}

QByteArray EncodeCp932(QStringView text) {
    if (!HasSwappedControl(text)) {
        QStringEncoder whole(kCodec);
        QByteArray b = whole.encode(text);
        if (!whole.hasError())
            return b;
    }
    QByteArray out;
    out.reserve(text.size() * 2);
    qsizetype i = 0;
    while (i < text.size()) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            out += char(c);
            ++i;
            continue;
        }
        const qsizetype len = (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                               QChar::isLowSurrogate(text[i + 1].unicode()))
                                  ? 2
                                  : 1;
        QStringEncoder one(kCodec);
        QByteArray bytes = one.encode(text.sliced(i, len));
        if (one.hasError() || bytes.isEmpty())
            out += '?';
        else
            out += bytes;
        i += len;
    }
    return out;
}

bool IsValidUtf8(QByteArrayView bytes) {
    QStringDecoder dec(QStringDecoder::Utf8);
    (void)QString(dec.decode(bytes));
    return !dec.hasError();
}

} // namespace records
