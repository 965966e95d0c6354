#include "records/word_list_file.h"

#include "records/cp932.h"
#include "records/items.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

namespace records {
namespace {

// Whether the item, written as it is, would read back as another: the reader
// ends an item at a comma, trims its blanks and takes a leading quote for the
// start of a quoted item. An item the reader gave that needs quotes holds
// none, as only a quoted item can hold a comma or an edge blank and none can
// hold a quote.
bool NeedsQuotes(QStringView item) {
    const auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
    return item.contains(u',') || item.startsWith(u'"') ||
           (!item.isEmpty() && (blank(item.front()) || blank(item.back())));
}

} // namespace

ListText ParseListText(QByteArrayView bytes, TextEncoding unsure) {
    ListText list;
    list.binary = bytes.contains('\0');
    bool ascii = true;
    for (char c : bytes)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes = bytes.sliced(3);
        list.encoding = TextEncoding::Utf8WithBom;
    } else if (ascii) {
        list.encoding = unsure;
    } else {
        list.encoding = LooksLikeUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Cp932;
    }
    const qsizetype lineEnd = bytes.indexOf('\n'), cr = bytes.indexOf('\r');
    if (cr >= 0 || lineEnd >= 0)
        list.lineEnd = cr < 0 || (lineEnd >= 0 && lineEnd < cr) ? "\n"
                       : cr + 1 == lineEnd                      ? "\r\n"
                                                                : "\r";
    else
        list.lineEnd = list.encoding == TextEncoding::Cp932 ? "\r\n" : "\n";
    // A second byte order mark is text, as the game reads it: fromUtf8 would
    // drop it, and a quote after it would then start a quoted item.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless |
                                                  QStringConverter::Flag::ConvertInitialBom);
    ItemReader reader(list.encoding == TextEncoding::Cp932 ? DecodeCp932(bytes)
                                                           : QString(utf8.decode(bytes)));
    while (!reader.atEnd())
        list.items.append(reader.next().text);
    return list;
}

ReadStatus ReadListText(const QString& path, TextEncoding unsure, ListText& text) {
    QByteArray bytes;
    const ReadStatus status = ReadWholeFile(path, bytes, kMaxListBytes + 1);
    if (status != ReadStatus::Ok)
        return status;
    const bool truncated = bytes.size() > kMaxListBytes;
    if (truncated) {
        // Drop the item the cap cut through, so that no word is half read.
        bytes.truncate(kMaxListBytes);
        const qsizetype last = std::max(bytes.lastIndexOf('\n'), bytes.lastIndexOf('\r'));
        bytes.truncate(last + 1);
    }
    text = ParseListText(bytes, unsure);
    text.truncated = truncated;
    return ReadStatus::Ok;
}

std::optional<QByteArray> EncodeListText(const QStringList& words, TextEncoding encoding,
                                         QByteArrayView lineEnd, qsizetype* badWord,
                                         qsizetype* badAt) {
    QByteArray out;
    if (encoding == TextEncoding::Utf8WithBom)
        out = "\xEF\xBB\xBF";
    for (qsizetype w = 0; w < words.size(); ++w) {
        const bool quoted = NeedsQuotes(words[w]);
        if (quoted)
            out += '"';
        if (encoding == TextEncoding::Cp932) {
            qsizetype at = 0;
            const std::optional<QByteArray> bytes = EncodeCp932Exactly(words[w], &at);
            if (!bytes) {
                if (badWord)
                    *badWord = w;
                if (badAt)
                    *badAt = at;
                return std::nullopt;
            }
            out += *bytes;
        } else {
            out += words[w].toUtf8();
        }
        if (quoted)
            out += '"';
        out += lineEnd;
    }
    return out;
}

QStringList FindWordLists(const QString& folder) {
    QStringList lists;
    const QFileInfoList files = QDir(folder).entryInfoList(
        {QStringLiteral("*.txt"), QStringLiteral("*.TXT")}, QDir::Files | QDir::Readable);
    for (const QFileInfo& f : files)
        if (!lists.contains(f.fileName()))
            lists.append(f.fileName());
    return lists;
}

QString ListFileName(const QString& folder, const QString& source, bool unique) {
    QString base = QFileInfo(source).completeBaseName().trimmed();
    if (base.isEmpty() || base.startsWith(u'.'))
        base.prepend(QStringLiteral("単語リスト"));
    const QDir dir(folder);
    QString name = base + QStringLiteral(".txt");
    for (int n = 2; unique && (QFileInfo::exists(dir.filePath(name)) ||
                               QFileInfo(dir.filePath(name)).isSymLink());
         ++n)
        name = QStringLiteral("%1 (%2).txt").arg(base).arg(n);
    return name;
}

} // namespace records
