#include "data_file_writer.h"

#include <QDebug>
#include <QFile>

#include <sqlite3.h>

namespace vantelo::test {

bool writeDataFile(const QString &path, const QStringList &statements)
{
    QFile::remove(path);
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
        != SQLITE_OK) {
        qWarning() << "cannot create" << path;
        sqlite3_close(db);
        return false;
    }
    bool ok = sqlite3_exec(db, "begin", nullptr, nullptr, nullptr) == SQLITE_OK;
    for (const QString &statement : statements) {
        char *message = nullptr;
        if (sqlite3_exec(db, statement.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
            qWarning() << "statement failed:" << statement << message;
            sqlite3_free(message);
            ok = false;
            break;
        }
    }
    ok = ok && sqlite3_exec(db, "commit", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

QString createFlangeTable(const QString &table, const QStringList &dimensionColumns)
{
    QString sql = QStringLiteral("create table %1 (\"公称压力PN\" TEXT, \"公称通径DN\" REAL").arg(table);
    for (const QString &column : dimensionColumns)
        sql += QStringLiteral(", \"%1\" REAL").arg(column);
    return sql + QLatin1Char(')');
}

} // namespace vantelo::test
