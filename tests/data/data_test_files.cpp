#include "data_test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "tools/sqlite_writer.h"

namespace vantelo::test {

bool createSqliteFile(const QString &path, const char *sql)
{
    tools::SqliteWriter file(path.toStdU16String());
    return file.exec(sql) && file.close();
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
