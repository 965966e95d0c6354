#pragma once

#include <QString>

class QWidget;

namespace ui {

// What the desktop's file dialog asks.
struct FileQuestion {
    QString title = {};
    QString filters = {}; // "CSV (*.csv);;すべてのファイル (*)"; the first is chosen
    // The folder it opens in, or a file there whose name it offers.
    QString start = {};
    bool save = false;
};

// The file the player chose, or empty. It looks and behaves as the dialog of
// QFileDialog's static functions, but one dialog is kept on the owner and set
// up afresh for each question: every new dialog paints with icons and palettes
// of its own, and Qt's pixmap cache keeps their pixmaps, and their keys for
// good, long after the dialog has gone. A dialog the player moved to another
// folder in is replaced, so that its Back button starts disabled.
QString AskForFile(QWidget* owner, const FileQuestion& question);

} // namespace ui
