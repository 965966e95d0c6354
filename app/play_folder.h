#pragma once

#include <QString>
#include <QStringList>

namespace app {

// Where the game keeps its word list, settings and history.
struct PlayFolder {
    QString path;    // the folder to work in
    QString problem; // for the player, when the folder could not be made or seeded
};

// The game's own folder in the data home (XDG_DATA_HOME, or ~/.local/share):
// created when missing and given the installed sample word list and help file
// where it lacks them, and the shipped lists when it has no list folder. What
// the player has put there is never overwritten.
// `installed` are the folders that may hold the sample files, in order.
PlayFolder PrepareOwnFolder(const QString& dataHome, const QStringList& installed);

// The folders of the installed sample files: the data folders of the system
// (not the player's own), and the share/mojiro beside the program.
QStringList InstalledDataFolders();

} // namespace app
