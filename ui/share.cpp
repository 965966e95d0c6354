#include "ui/share_service.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMimeData>

namespace ui {

QString DesktopShareService::chooseCsvFile(QWidget* owner) {
    return QFileDialog::getSaveFileName(
        owner, QCoreApplication::translate("frmMain", "CSVに書き出す"),
        QDir::home().filePath(QStringLiteral("モジロ履歴.csv")),
        QCoreApplication::translate("frmMain", "CSV (*.csv);;すべてのファイル (*)"));
}

void DesktopShareService::copy(const QString& text, const QImage& picture) {
    auto* data = new QMimeData;
    data->setText(text);
    data->setImageData(picture);
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace ui
