#include "records/preferences.h"

#include "records/text_file.h"

#include <QFileInfo>
#include <QList>

#include <optional>
#include <utility>

namespace records {
namespace {

using Entries = QList<std::pair<QByteArray, QByteArray>>;

// A choice or two a line: a file larger than this was not written here.
constexpr qint64 kMaxBytes = 64 * 1024;

Entries Read(const QString& path) {
    QByteArray bytes;
    Entries entries;
    if (ReadWholeFile(path, bytes, kMaxBytes) != ReadStatus::Ok)
        return entries;
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r')) // the file edited by hand elsewhere
            line.chop(1);
        const qsizetype eq = line.indexOf('=');
        if (eq > 0)
            entries.append(
                {line.first(eq).trimmed(), QByteArray::fromPercentEncoding(line.sliced(eq + 1))});
    }
    return entries;
}

std::optional<QByteArray> Find(const QString& path, const QString& key) {
    const QByteArray k = key.toUtf8();
    const Entries entries = Read(path);
    // The last of a key counts, as a hand-edited file expects.
    for (auto it = entries.crbegin(); it != entries.crend(); ++it)
        if (it->first == k)
            return it->second;
    return std::nullopt;
}

} // namespace

Preferences::Preferences(const QString& path) : path_(QFileInfo(path).absoluteFilePath()) {}

int Preferences::number(const QString& key, int fallback) const {
    bool ok = false;
    const int v = Find(path_, key).value_or(QByteArray()).toInt(&ok);
    return ok ? v : fallback;
}

QString Preferences::text(const QString& key, const QString& fallback) const {
    const auto v = Find(path_, key);
    return v ? QString::fromUtf8(*v) : fallback;
}

bool Preferences::set(const QList<std::pair<QString, QString>>& choices) {
    Entries entries = Read(path_);
    for (const auto& [key, value] : choices) {
        const QByteArray k = key.toUtf8();
        entries.removeIf([&k](const auto& e) { return e.first == k; });
        entries.append({k, value.toUtf8()});
    }
    QByteArray bytes;
    for (const auto& [name, text] : entries) {
        bytes += name + '=';
        for (char c : text) {
            if (c == '%' || c == '\r' || c == '\n')
                bytes += '%' + QByteArray(1, c).toHex().toUpper();
            else
                bytes += c;
        }
        bytes += '\n';
    }
    return ReplaceFile(path_, bytes);
}

} // namespace records
