#pragma once

#include "../game/fakes.h"
#include "ui/frm_main.h"
#include "ui/widgets.h"

#include <QPushButton>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

// A main window started in a scratch working folder, with a fake clock and
// generator, and message boxes answered by the test.
struct Window {
    QTemporaryDir dir;
    QString oldDir = QDir::currentPath();
    FakeClock clock;
    FakeRandom random;
    std::unique_ptr<ui::frmMain> w;
    QStringList boxes; // "icon|title|text|buttons|default" of every box shown
    QMessageBox::StandardButton answer = QMessageBox::Ok;

    Window() { QDir::setCurrent(dir.path()); }
    ~Window() {
        w.reset();
        QDir::setCurrent(oldDir);
    }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes);
    }
    QByteArray read(const QString& name) const {
        QFile f(dir.filePath(name));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
    ui::frmMain& create() {
        w = std::make_unique<ui::frmMain>(clock, random);
        w->runBox = [this](QMessageBox& box) {
            boxes << QString("%1|%2|%3|%4|%5")
                         .arg(int(box.icon()))
                         .arg(box.windowTitle(), box.text())
                         .arg(int(box.standardButtons()))
                         .arg(box.defaultButton()
                                  ? int(box.standardButton((QAbstractButton*)box.defaultButton()))
                                  : 0);
            return answer;
        };
        return *w;
    }
    ui::frmMain& load() {
        create().Form_Load();
        return *w;
    }
};
