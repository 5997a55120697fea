#include "data_test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace vantelo::test {

bool createSqliteFile(const QString &path, const char *sql)
{
    sqlite3 *db = nullptr;
    const bool created = sqlite3_open_v2(path.toUtf8().constData(), &db,
                                         SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) == SQLITE_OK
        && sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return created;
}

QString accessFixture(const char *fileName)
{
    const QString folder = qEnvironmentVariable("VANTELO_FIXTURES_DIR");
    if (folder.isEmpty())
        return QString();
    const QString path = QDir(folder).filePath(QString::fromUtf8(fileName));
    return QFileInfo::exists(path) ? path : QString();
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

bool setModified(const QString &path, const QDateTime &time)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.setFileTime(time, QFileDevice::FileModificationTime);
}

} // namespace vantelo::test
