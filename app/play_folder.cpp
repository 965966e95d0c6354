#include "app/play_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace app {

PlayFolder PrepareOwnFolder(const QString& dataHome, const QStringList& installed) {
    PlayFolder folder;
    folder.path = QDir(dataHome).filePath(QStringLiteral("mojiro"));
    if (!QDir().mkpath(folder.path) || !QFileInfo(folder.path).isWritable()) {
        folder.problem =
            QCoreApplication::translate(
                "PlayFolder", "ゲームのフォルダー %1 を作れませんでした。\n"
                              "組み込みの単語リストで始めます。結果と設定は保存されません。")
                .arg(QDir::toNativeSeparators(folder.path));
        folder.path.clear();
        return folder;
    }
    for (const QString& name : {QStringLiteral("辞書.txt"), QStringLiteral("ZkHelp.chm"),
                                QStringLiteral("ZkHelp_en.chm")}) {
        const QString target = QDir(folder.path).filePath(name);
        if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
            continue; // the player's own
        QString source;
        for (const QString& dir : installed)
            if (QFileInfo(QDir(dir).filePath(name)).isFile()) {
                source = QDir(dir).filePath(name);
                break;
            }
        if (source.isEmpty())
            continue; // a list is built in; the help says it is missing when asked
        if (!QFile::copy(source, target)) {
            folder.problem =
                QCoreApplication::translate("PlayFolder", "%1 を %2 に置けませんでした。")
                    .arg(name, QDir::toNativeSeparators(folder.path));
            continue;
        }
        // Installed files are read-only; the player's copy is theirs to edit.
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                          QFile::ReadOther);
    }
    // The shipped word lists come with the folder's first filling; later the
    // player's choice of lists, deleted ones included, stays theirs.
    const QString lists = QDir(folder.path).filePath(QStringLiteral("単語リスト"));
    if (QFileInfo::exists(lists) || QFileInfo(lists).isSymLink())
        return folder;
    for (const QString& dir : installed) {
        const QDir shipped(QDir(dir).filePath(QStringLiteral("単語リスト")));
        if (!shipped.exists())
            continue;
        bool copied = QDir().mkdir(lists);
        for (const QString& name : shipped.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
            const QString target = QDir(lists).filePath(name);
            copied = copied && QFile::copy(shipped.filePath(name), target);
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                              QFile::ReadOther);
        }
        if (!copied)
            folder.problem =
                QCoreApplication::translate("PlayFolder", "単語リストを %1 に置けませんでした。")
                    .arg(QDir::toNativeSeparators(lists));
        break;
    }
    return folder;
}

QStringList InstalledDataFolders() {
    QStringList folders;
    const QStringList system =
        QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    const QString own = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    for (const QString& dir : system)
        if (dir != own)
            folders << QDir(dir).filePath(QStringLiteral("mojiro"));
    folders
        << QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/mojiro"));
    return folders;
}

} // namespace app
