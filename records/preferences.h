#pragma once

#include <QList>
#include <QString>

#include <utility>

namespace records {

// The game's choices that the settings file does not hold, which keeps its
// two values: a text file of "key=value" lines in UTF-8, in the data folder
// beside the others. A line end or "%" in a value is written as %0A, %25 ...
inline const QString kPreferencesFileName = QStringLiteral("オプション.txt");

class Preferences {
public:
    // A relative path is taken in the folder that is current now.
    explicit Preferences(const QString& path = kPreferencesFileName);

    // The fallback when the key is missing, the file unreadable or the value
    // not a number.
    int number(const QString& key, int fallback) const;
    QString text(const QString& key, const QString& fallback = {}) const;
    // Rewrites the file at once and atomically; false when it could not be
    // written, which leaves it as it was.
    bool set(const QString& key, const QString& value) { return set({{key, value}}); }
    bool set(const QString& key, int value) { return set(key, QString::number(value)); }
    // Several choices in one rewrite.
    bool set(const QList<std::pair<QString, QString>>& choices);

private:
    QString path_;
};

} // namespace records
