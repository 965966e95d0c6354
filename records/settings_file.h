#pragma once

#include <QString>

#include <cstdint>

namespace records {

struct Settings {
    int16_t jikan = 60;   // time limit in seconds
    int16_t autoSave = 1; // 1 on, 0 off
};

// Missing, unreadable or malformed files give the defaults; a limit outside
// 1..32767 becomes 60 and an auto-save value other than 0 or 1 becomes 1.
Settings LoadSettings(const QString& path);
Settings ParseSettings(const QByteArray& bytes);

// Replaces the file atomically; on failure the old file stays as it was.
bool SaveSettings(const QString& path, const Settings& settings);

// The line the file holds, "60,1" and CR LF.
QByteArray SettingsLine(const Settings& settings);

} // namespace records
