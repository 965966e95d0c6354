#include "records/cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <utility>

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

// The double-byte characters by lead and trail byte; 0 where a pair is not one.
constexpr char16_t kDoubleBytes[] = {
#include "records/cp932_table.inc"
};
constexpr int kTrails = 0xFC - 0x40 + 1;

char16_t DoubleByte(unsigned char lead, unsigned char trail) {
    const int row = lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + (0x9F - 0x81 + 1);
    return kDoubleBytes[row * kTrails + (trail - 0x40)];
}

// The encoder swaps the ASCII control bytes 0x1A, 0x1C and 0x7F the IBM way,
// so text holding them takes the careful path.
bool HasSwappedControl(QStringView text) {
    for (QChar c : text)
        if (c.unicode() == 0x1A || c.unicode() == 0x1C || c.unicode() == 0x7F)
            return true;
    return false;
}

// Each character that input methods type for a key, and what the code page
// decodes for the same key.
constexpr std::pair<char16_t, char16_t> kLookAlikes[] = {
    {u'\u301C', u'\uFF5E'}, // 〜 wave dash, ～ fullwidth tilde
    {u'\u2212', u'\uFF0D'}, // − minus, － fullwidth hyphen-minus
    {u'\u2016', u'\u2225'}, // ‖ double vertical line, ∥ parallel to
    {u'\u00A2', u'\uFFE0'}, // ¢ cent
    {u'\u00A3', u'\uFFE1'}, // £ pound
    {u'\u00AC', u'\uFFE2'}, // ¬ not
    {u'\u2014', u'\u2015'}, // — em dash, ― horizontal bar
};

} // namespace

QString FoldCp932LookAlikes(QString text) {
    for (QChar& c : text)
        for (const auto& [typed, decoded] : kLookAlikes)
            if (c.unicode() == typed)
                c = QChar(decoded);
    return text;
}

std::optional<QByteArray> EncodeCp932Exactly(QStringView text, qsizetype* badAt) {
    const QString folded = FoldCp932LookAlikes(text.toString());
    QByteArray bytes = EncodeCp932(folded);
    // The converter may put a near character for one it lacks, so what the
    // bytes read back as is the test.
    if (DecodeCp932(bytes) == folded)
        return bytes;
    if (badAt) {
        *badAt = 0;
        for (qsizetype i = 0; i < folded.size();) {
            const qsizetype len = folded[i].isHighSurrogate() && i + 1 < folded.size() ? 2 : 1;
            const QString one = folded.sliced(i, len);
            if (DecodeCp932(EncodeCp932(one)) != one) {
                *badAt = i;
                break;
            }
            i += len;
        }
    }
    return std::nullopt;
}

QString DecodeCp932(QByteArrayView bytes) {
    // A table walk: linear in the input whatever it holds, and no converter to
    // load at start-up. Each byte that does not start a character becomes one
    // U+FFFD, and the next byte is looked at afresh.
    QString out(bytes.size(), Qt::Uninitialized);
    char16_t* o = reinterpret_cast<char16_t*>(out.data());
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype i = 0, w = 0;
    while (i < n) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            o[w++] = b;
            ++i;
        } else if (IsSingleKana(b)) {
            o[w++] = char16_t(0xFF61 + (b - 0xA1));
            ++i;
        } else if (IsLead(b) && i + 1 < n && IsTrail(p[i + 1])) {
            const char16_t c = DoubleByte(b, p[i + 1]);
            o[w++] = c != 0 ? c : char16_t(QChar::ReplacementCharacter);
            i += 2;
        } else {
            o[w++] = QChar::ReplacementCharacter;
            ++i;
        }
    }
    out.truncate(w);
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
    // Stateless: a sequence cut off at the end is an error, not bytes to wait for.
    QStringDecoder dec(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    (void)QString(dec.decode(bytes));
    return !dec.hasError();
}

} // namespace records
