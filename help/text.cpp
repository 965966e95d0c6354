#include "help/text.h"

#include "records/cp932.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace help {

namespace {

// The ANSI code page of a Windows language id.
const char* CodePageName(uint32_t lcid) {
    switch (lcid & 0xffff) {
    case 0x0804: // Chinese, PRC
    case 0x1004: // Chinese, Singapore
        return "GBK";
    case 0x0404: // Chinese, Taiwan
    case 0x0c04: // Chinese, Hong Kong
    case 0x1404: // Chinese, Macao
        return "Big5";
    }
    switch (lcid & 0x3ff) {
    case 0x12:
        return "windows-949";
    case 0x02: // Bulgarian
    case 0x19: // Russian
    case 0x22: // Ukrainian
    case 0x23: // Belarusian
        return "windows-1251";
    case 0x05: // Czech
    case 0x0e: // Hungarian
    case 0x15: // Polish
    case 0x1b: // Slovak
        return "windows-1250";
    case 0x08:
        return "windows-1253";
    case 0x1f:
        return "windows-1254";
    }
    return "windows-1252";
}

bool IsCp932Name(const QString& name) {
    static const QStringList names = {"shift_jis", "shift-jis", "sjis",  "x-sjis",
                                      "ms_kanji",  "cp932",     "ms932", "windows-31j"};
    return names.contains(name.toLower());
}

QString DecodeNamed(QByteArrayView bytes, const char* name) {
    QStringDecoder decoder(name);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Latin1);
    return decoder.decode(bytes);
}

QString DecodeForLanguage(QByteArrayView bytes, uint32_t lcid) {
    if ((lcid & 0x3ff) == 0x11)
        return records::DecodeCp932(bytes);
    return DecodeNamed(bytes, CodePageName(lcid));
}

bool HasNonAscii(QByteArrayView bytes) {
    for (char c : bytes)
        if (uchar(c) >= 0x80)
            return true;
    return false;
}

QString DecodeEntities(QString s) {
    static const QRegularExpression entity(QStringLiteral("&(#x[0-9a-fA-F]{1,6}|#[0-9]{1,7}|"
                                                          "amp|lt|gt|quot|apos|nbsp);"));
    QString out;
    qsizetype last = 0;
    for (auto it = entity.globalMatch(s); it.hasNext();) {
        const auto m = it.next();
        out += QStringView(s).mid(last, m.capturedStart() - last);
        const QString e = m.captured(1);
        char32_t c = 0;
        if (e.startsWith(QLatin1String("#x")))
            c = e.mid(2).toUInt(nullptr, 16);
        else if (e.startsWith(QLatin1Char('#')))
            c = e.mid(1).toUInt();
        else
            c = e == "amp"    ? '&'
                : e == "lt"   ? '<'
                : e == "gt"   ? '>'
                : e == "quot" ? '"'
                : e == "apos" ? '\''
                              : ' ';
        if (c == 0 || c > 0x10ffff || (c >= 0xd800 && c < 0xe000))
            c = 0xfffd;
        out += QString::fromUcs4(&c, 1);
        last = m.capturedEnd();
    }
    return last == 0 ? s : out + s.mid(last);
}

} // namespace

QString DecodeText(QByteArrayView bytes, uint32_t lcid) {
    if (HasNonAscii(bytes) && records::IsValidUtf8(bytes))
        return QString::fromUtf8(bytes);
    return DecodeForLanguage(bytes, lcid);
}

QString DecodePage(QByteArrayView bytes, uint32_t lcid) {
    // The charset sits in the head; ASCII-compatible bytes are enough to find it.
    static const QRegularExpression charset(
        QStringLiteral("<meta[^>]*charset\\s*=\\s*[\"']?\\s*([A-Za-z0-9_.:-]+)"),
        QRegularExpression::CaseInsensitiveOption);
    const QString head = QString::fromLatin1(bytes.first(qMin<qsizetype>(bytes.size(), 2048)));
    const QString name = charset.match(head).captured(1);
    if (!name.isEmpty()) {
        if (IsCp932Name(name))
            return records::DecodeCp932(bytes);
        QStringDecoder decoder(name.toLatin1().constData());
        if (decoder.isValid())
            return decoder.decode(bytes);
    }
    if (records::IsValidUtf8(bytes))
        return QString::fromUtf8(bytes);
    return DecodeForLanguage(bytes, lcid);
}

PageText PlainText(const QString& html) {
    static const QRegularExpression title(QStringLiteral("<title[^>]*>(.*?)</title"),
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression hidden(
        QStringLiteral("<(head|script|style)\\b.*?(</\\1\\s*>|$)|<!--.*?(-->|$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*(>|$)"));
    static const QRegularExpression space(QStringLiteral("\\s+"));
    PageText page;
    page.title = DecodeEntities(title.match(html).captured(1)).simplified();
    QString body = html;
    body.replace(hidden, QStringLiteral(" ")).replace(tag, QStringLiteral(" "));
    page.text = DecodeEntities(body.replace(space, QStringLiteral(" ")).trimmed());
    return page;
}

} // namespace help
