#include "ui/share_service.h"

#include "ui/file_dialog.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>

namespace ui {

QString DesktopShareService::chooseCsvFile(QWidget* owner) {
    return AskForFile(owner, {.title = QCoreApplication::translate("frmMain", "CSVに書き出す"),
                              .filters = QCoreApplication::translate(
                                  "frmMain", "CSV (*.csv);;すべてのファイル (*)"),
                              .start = QDir::home().filePath(QStringLiteral("モジロ履歴.csv")),
                              .save = true});
}

void DesktopShareService::copy(const QString& text, const QImage& picture) {
    auto* data = new QMimeData;
    data->setText(text);
    data->setImageData(picture);
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace ui
