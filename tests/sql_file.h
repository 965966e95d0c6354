#pragma once

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>

// A connection of its own to an SQLite file, as a second copy of the game or
// the sqlite3 tool would hold it.
struct SqlFile {
    QString name;
    explicit SqlFile(const QString& path) : name("look-" + QString::number(quintptr(this))) {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
        db.setDatabaseName(path);
        db.open();
    }
    ~SqlFile() {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
    bool exec(const QString& sql) { return QSqlQuery(QSqlDatabase::database(name)).exec(sql); }
    // Each row's values joined by "|".
    QStringList rows(const QString& sql) {
        QSqlQuery q(QSqlDatabase::database(name));
        QStringList out;
        for (q.exec(sql); q.next();) {
            QStringList values;
            for (int i = 0; i < q.record().count(); ++i)
                values << q.value(i).toString();
            out << values.join('|');
        }
        return out;
    }
};

// Another program, the sqlite3 tool, holding the file in an exclusive
// transaction from its making until let go; held() is false where the tool
// is missing or could not take the file.
struct HeldByAnotherProgram {
    QProcess tool;
    explicit HeldByAnotherProgram(const QString& path) {
        tool.setProcessChannelMode(QProcess::MergedChannels);
        tool.start(QStringLiteral("sqlite3"), {QStringLiteral("-batch"), path});
        if (!tool.waitForStarted(60000))
            return;
        tool.write("BEGIN EXCLUSIVE;\nSELECT 'held';\n");
        // A real hold: the tool says so once the lock is taken.
        while (!tool.readAllStandardOutput().contains("held") && tool.waitForReadyRead(60000)) {
        }
    }
    bool held() const { return tool.state() == QProcess::Running; }
    void letGo() {
        if (!held())
            return;
        tool.write("ROLLBACK;\n.quit\n");
        tool.closeWriteChannel();
        tool.waitForFinished(60000);
    }
    ~HeldByAnotherProgram() { letGo(); }
};
