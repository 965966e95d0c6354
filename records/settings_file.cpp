#include "records/settings_file.h"

#include "records/cp932.h"
#include "records/items.h"
#include "records/text_file.h"

#include <QFileInfo>
#include <QSaveFile>

namespace records {
namespace {

bool ParseNumber(const Item& item, long long& value) {
    if (item.quoted || item.text.isEmpty())
        return false;
    bool ok = false;
    value = item.text.toLongLong(&ok);
    return ok;
}

} // namespace

Settings LoadSettings(const QString& path) {
    QByteArray bytes;
    // The settings line is tiny; a huge file is not a settings file.
    if (ReadWholeFile(path, bytes, 4096) != ReadStatus::Ok)
        return {};
    return ParseSettings(bytes);
}

Settings ParseSettings(const QByteArray& bytes) {
    Settings settings;
    ItemReader reader(DecodeCp932(bytes));
    long long jikan = 0, autoSave = 0;
    if (reader.atEnd() || !ParseNumber(reader.next(), jikan) || reader.atEnd() ||
        !ParseNumber(reader.next(), autoSave))
        return settings;
    settings.jikan = (jikan >= 1 && jikan <= 32767) ? int16_t(jikan) : int16_t(60);
    settings.autoSave = (autoSave == 0 || autoSave == 1) ? int16_t(autoSave) : int16_t(1);
    return settings;
}

QByteArray SettingsLine(const Settings& settings) {
    return QByteArray::number(settings.jikan) + ',' + QByteArray::number(settings.autoSave) +
           "\r\n";
}

bool SaveSettings(const QString& path, const Settings& settings) {
    // Write only over a regular file: a link to one is followed, so that a file
    // kept elsewhere stays where it is; a link to a device, a pipe or nothing
    // is refused rather than replaced by a new file.
    const QFileInfo info(path);
    QString target = path;
    if (info.isSymLink()) {
        if (!info.isFile())
            return false;
        target = info.canonicalFilePath();
    } else if (info.exists() && !info.isFile()) {
        return false;
    }
    QSaveFile file(target);
    // A folder that refuses new files can still have its settings file
    // rewritten in place.
    file.setDirectWriteFallback(true);
    // Unbuffered, so that a failing write is seen before the rename.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray line = SettingsLine(settings);
    if (file.write(line) != line.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace records
