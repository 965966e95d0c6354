#include "records/settings_file.h"

#include "records/cp932.h"
#include "records/items.h"
#include "records/text_file.h"

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
    return ReplaceFile(path, SettingsLine(settings));
}

} // namespace records
