#include "file_format.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace vantelo::data {

namespace {

constexpr qsizetype SqliteHeaderSize = 100;

bool isSqliteHeader(const QByteArray &header)
{
    return header.startsWith(QByteArrayView("SQLite format 3\0", 16));
}

// "Standard Jet DB" (Jet 3 and 4) or "Standard ACE DB" (Access 2007 on),
// NUL-terminated, at offset 4.
bool isAccessHeader(const QByteArray &header)
{
    if (header.size() < 0x15)
        return false;
    const QByteArray signature = header.mid(4, 16);
    return signature == QByteArrayView("Standard Jet DB\0", 16)
        || signature == QByteArrayView("Standard ACE DB\0", 16);
}

QString checkSqliteLength(const QByteArray &header, qint64 fileSize)
{
    if (header.size() < SqliteHeaderSize)
        return QStringLiteral("the database header is cut off");
    const auto *bytes = reinterpret_cast<const uchar *>(header.constData());
    const quint16 storedPageSize = qFromBigEndian<quint16>(bytes + 16);
    const qint64 pageSize = storedPageSize == 1 ? 65536 : storedPageSize;
    if (pageSize < 512 || (pageSize & (pageSize - 1)) != 0)
        return QStringLiteral("the database header names no valid page size");
    if (fileSize < pageSize || fileSize % pageSize != 0)
        return QStringLiteral("the database file is truncated");
    // The page count in the header counts only when the change counter
    // beside it is current (offsets 24 and 92 agree).
    const quint32 pageCount = qFromBigEndian<quint32>(bytes + 28);
    const bool countIsCurrent = qFromBigEndian<quint32>(bytes + 24) == qFromBigEndian<quint32>(bytes + 92);
    if (countIsCurrent && pageCount != 0 && fileSize < qint64(pageCount) * pageSize)
        return QStringLiteral("the database file is truncated");
    return QString();
}

QString checkAccessLength(const QByteArray &header, qint64 fileSize)
{
    // Byte 0x14 holds the engine version: 0 is Jet 3 with 2-KiB pages, all
    // later versions use 4-KiB pages.
    const qint64 pageSize = header.at(0x14) == 0 ? 2048 : 4096;
    if (fileSize < 2 * pageSize || fileSize % pageSize != 0)
        return QStringLiteral("the Access file is truncated");
    return QString();
}

FileCheck failed(const QString &problem)
{
    return FileCheck{FileFormat::Unrecognised, problem};
}

} // namespace

FileCheck inspectDataFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return failed(QStringLiteral("the data file does not exist"));
    if (!info.isFile())
        return failed(QStringLiteral("the data source is not a regular file"));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(QStringLiteral("the data file cannot be read: %1").arg(file.errorString()));
    const qint64 fileSize = file.size();
    const QByteArray header = file.read(SqliteHeaderSize);

    if (isSqliteHeader(header)) {
        const QString problem = checkSqliteLength(header, fileSize);
        return problem.isEmpty() ? FileCheck{FileFormat::Sqlite, QString()} : failed(problem);
    }
    if (isAccessHeader(header)) {
        const QString problem = checkAccessLength(header, fileSize);
        return problem.isEmpty() ? FileCheck{FileFormat::Access, QString()} : failed(problem);
    }
    return failed(QStringLiteral("the data file is neither an SQLite nor an Access database"));
}

} // namespace vantelo::data
