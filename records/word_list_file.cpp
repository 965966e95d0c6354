#include "records/word_list_file.h"

#include "records/cp932.h"
#include "records/items.h"

#include <QDir>
#include <QFileInfo>

namespace records {

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
    ItemReader reader(list.encoding == TextEncoding::Cp932 ? DecodeCp932(bytes)
                                                           : QString::fromUtf8(bytes));
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
