#pragma once

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
