#include "data_file_writer.h"

#include <QDebug>
#include <QFile>

#include "tools/sqlite_writer.h"

namespace vantelo::test {

bool writeDataFile(const QString &path, const QStringList &statements)
{
    QFile::remove(path);
    tools::SqliteWriter file(path.toStdU16String());
    file.exec("begin");
    for (const QString &statement : statements)
        file.exec(statement.toStdString());
    file.exec("commit");
    if (!file.close())
        qWarning() << "cannot write" << path << QString::fromStdString(file.error());
    return file.ok();
}

QString createFlangeTable(const QString &table, const QStringList &dimensionColumns)
{
    QString sql = QStringLiteral("create table %1 (\"公称压力PN\" TEXT, \"公称通径DN\" REAL").arg(table);
    for (const QString &column : dimensionColumns)
        sql += QStringLiteral(", \"%1\" REAL").arg(column);
    return sql + QLatin1Char(')');
}

} // namespace vantelo::test
