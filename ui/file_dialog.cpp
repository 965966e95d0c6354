#include "ui/file_dialog.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>
#include <QToolButton>

#include <memory>

namespace ui {
namespace {

const QString kDialogName = QStringLiteral("mojiro_file_dialog");
// The size a new dialog takes, which the player may have changed since.
const char* const kFirstSize = "mojiro_first_size";

// Parts of Qt's own dialog, by the names its form gives them.
template <typename Part> Part* PartOf(QFileDialog* dialog, const char* name) {
    return dialog->findChild<Part*>(QLatin1String(name));
}

// Whether the dialog can be shown again as a new one in the folder: it has its
// own widgets (not the desktop's dialog), it is in that folder, and its Back
// and Forward buttons hold no other folder, which nothing public can forget.
bool Reusable(QFileDialog* dialog, const QString& folder) {
    auto* back = PartOf<QToolButton>(dialog, "backButton");
    auto* forward = PartOf<QToolButton>(dialog, "forwardButton");
    auto* list = PartOf<QAbstractItemView>(dialog, "listView");
    return back && forward && list && list->selectionModel() &&
           PartOf<QLineEdit>(dialog, "fileNameEdit") && !back->isEnabled() &&
           !forward->isEnabled() && QDir(dialog->directory()) == QDir(folder);
}

} // namespace

QString AskForFile(QWidget* owner, const FileQuestion& question) {
    // Where Qt opens a dialog: the folder, or the file's folder with its name
    // offered.
    const QFileInfo start(question.start);
    const QString folder = start.isDir() ? start.absoluteFilePath() : start.absolutePath();
    const QString name = start.isDir() ? QString() : start.fileName();
    QPointer<QFileDialog> dialog;
    if (owner)
        dialog = owner->findChild<QFileDialog*>(kDialogName, Qt::FindDirectChildrenOnly);
    // Where the folder is gone, only a new dialog knows which one it opens instead.
    if (dialog && !(QFileInfo(folder).isDir() && Reusable(dialog, folder)))
        delete dialog;
    std::unique_ptr<QFileDialog> ownerless;
    if (!dialog) {
        dialog = new QFileDialog(owner, question.title, question.start, question.filters);
        dialog->setObjectName(kDialogName);
        dialog->setProperty(kFirstSize, dialog->size());
        if (!owner)
            ownerless.reset(dialog);
    } else {
        // What the player left in it last time goes, as it would with a new one.
        dialog->setWindowTitle(question.title);
        dialog->setNameFilter(question.filters);
        PartOf<QLineEdit>(dialog, "fileNameEdit")->clear();
        PartOf<QAbstractItemView>(dialog, "listView")->selectionModel()->clear();
        for (auto* view : dialog->findChildren<QAbstractItemView*>())
            if (view->objectName() == QLatin1String("listView") ||
                view->objectName() == QLatin1String("treeView"))
                view->scrollToTop();
        dialog->resize(dialog->property(kFirstSize).toSize());
    }
    // In the order of Qt's own static functions.
    dialog->setFileMode(question.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!name.isEmpty())
        dialog->selectFile(name);
    dialog->setAcceptMode(question.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    const int answer = dialog->exec();
    // The owner may be gone with the dialog by now.
    if (!dialog || answer != QDialog::Accepted)
        return {};
    return dialog->selectedFiles().value(0);
}

} // namespace ui
