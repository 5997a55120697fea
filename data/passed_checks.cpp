#include "passed_checks.h"

#include "engine_guard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QStandardPaths>

#include <sqlite3.h>
// Header only: nothing to link, on Linux or Windows.
#define XXH_INLINE_ALL
#include <xxhash.h>

#include <algorithm>

namespace vantelo::data {

namespace {

// Enough for every data file a user switches between; the oldest go first.
constexpr int MostRemembered = 32;
// Small enough to come from the heap the engine already uses.
constexpr qint64 ReadChunk = 64 * 1024;

QMutex folderLock;
QString rememberedIn;

QString folder()
{
    const QMutexLocker locker(&folderLock);
    return rememberedIn;
}

bool isKey(const QString &name)
{
    return name.size() == 32
        && std::all_of(name.begin(), name.end(), [](QChar c) { return c.isDigit() || (c >= u'a' && c <= u'f'); });
}

void forgetTheOldest(const QString &where)
{
    const QFileInfoList entries = QDir(where).entryInfoList(QDir::Files | QDir::Hidden, QDir::Time);
    int kept = 0;
    for (const QFileInfo &entry : entries) {
        if (isKey(entry.fileName()) && ++kept > MostRemembered)
            QFile::remove(entry.filePath());
    }
}

} // namespace

void rememberPassedChecksIn(const QString &where)
{
    const QMutexLocker locker(&folderLock);
    rememberedIn = where;
}

void rememberPassedChecksInUserCache()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    rememberPassedChecksIn(cache.isEmpty() ? QString() : cache + QStringLiteral("/vantelo/passed-checks"));
}

QByteArray passedCheckKey(sqlite3 *db)
{
    if (folder().isEmpty())
        return {};
    sqlite3_file *file = mainFile(db);
    sqlite3_int64 size = 0;
    if (file == nullptr || file->pMethods->xFileSize(file, &size) != SQLITE_OK)
        return {};
    XXH3_state_t digest;
    XXH3_INITSTATE(&digest);
    XXH3_128bits_reset(&digest);
    QByteArray chunk;
    for (sqlite3_int64 at = 0; at < size; at += chunk.size()) {
        chunk.resize(int(std::min<sqlite3_int64>(ReadChunk, size - at)));
        if (file->pMethods->xRead(file, chunk.data(), int(chunk.size()), at) != SQLITE_OK)
            return {};
        XXH3_128bits_update(&digest, chunk.constData(), std::size_t(chunk.size()));
    }
    XXH128_canonical_t canonical;
    XXH128_canonicalFromHash(&canonical, XXH3_128bits_digest(&digest));
    return QByteArray(reinterpret_cast<const char *>(canonical.digest), sizeof canonical.digest).toHex();
}

bool passedBefore(const QByteArray &key)
{
    const QString where = folder();
    return !key.isEmpty() && !where.isEmpty() && QFileInfo(where + u'/' + QString::fromLatin1(key)).isFile();
}

void rememberPassed(const QByteArray &key)
{
    const QString where = folder();
    if (key.isEmpty() || where.isEmpty() || !QDir().mkpath(where))
        return;
    QFile entry(where + u'/' + QString::fromLatin1(key));
    if (entry.open(QIODevice::WriteOnly))
        forgetTheOldest(where);
}

} // namespace vantelo::data
