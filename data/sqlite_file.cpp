#include "sqlite_file.h"

#include "engine_guard.h"
#include "error_text.h"
#include "passed_checks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sqlite3.h>

namespace vantelo::data {

namespace {

// A log and file beyond this are no flange data; their copy lives in memory.
constexpr qint64 MostCopiedBytes = 64 << 20;

enum class SideFiles { None, Log, Unsafe };

// A journal of zero length, or one whose header was zeroed at commit, holds
// no transaction. Anything else (including what cannot be read) might.
bool journalMayHoldTransaction(const QString &journal)
{
    const QFileInfo info(journal);
    if (!info.exists())
        return false;
    QFile file(journal);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return true;
    static const QByteArray Magic("\xd9\xd5\x05\xf9\x20\xa1\x63\xd7", 8);
    return file.read(8) == Magic;
}

SideFiles sideFilesOf(const QString &path)
{
    if (journalMayHoldTransaction(path + QStringLiteral("-journal")))
        return SideFiles::Unsafe;
    const QFileInfo log(path + QStringLiteral("-wal"));
    if (!log.exists())
        return SideFiles::None;
    if (!log.isFile())
        return SideFiles::Unsafe;
    return log.size() == 0 ? SideFiles::None : SideFiles::Log;
}

// SQLite takes file names in UTF-8 everywhere: on Linux that is the file
// names' own encoding, on Windows it is not the local code page.
QByteArray engineFileName(const QString &path)
{
#ifdef Q_OS_WIN
    return path.toUtf8();
#else
    return QFile::encodeName(path);
#endif
}

// immutable=1: the engine opens the file read-only and takes no locks, so
// no journal, WAL or shared-memory file ever appears beside it.
QByteArray immutableFileUri(const QString &path)
{
    const QByteArray local = engineFileName(QFileInfo(path).absoluteFilePath());
    return "file:" + local.toPercentEncoding("/") + "?immutable=1";
}

sqlite3 *openLimited(const QByteArray &name, int flags)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(name.constData(), &db, flags, nullptr) != SQLITE_OK) {
        sqlite3_close_v2(db);
        return nullptr;
    }
    limitEngine(db);
    return db;
}

// The file and its log, copied side by side into a temporary folder, where
// the engine applies the log's committed transactions as it opens the copy;
// the result is then taken into memory and the folder removed.
sqlite3 *readWithLog(const QString &path, const WorkLimits &limits)
{
    const QString log = path + QStringLiteral("-wal");
    if (QFileInfo(path).size() + QFileInfo(log).size() > MostCopiedBytes)
        return nullptr;
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("copy.db"));
    if (!folder.isValid() || !QFile::copy(path, copy) || !QFile::copy(log, copy + QStringLiteral("-wal")))
        return nullptr;

    sqlite3 *source = openLimited(engineFileName(copy), SQLITE_OPEN_READWRITE);
    sqlite3_int64 size = 0;
    unsigned char *image = nullptr;
    if (source) {
        const std::int64_t bytes = fileBytes(source);
        const WorkBudget budget(source, checkSteps(limits, bytes), checkClock(limits, bytes));
        image = sqlite3_serialize(source, "main", &size, 0);
    }
    sqlite3_close_v2(source);
    if (!image || size < 100) {
        sqlite3_free(image);
        return nullptr;
    }
    image[18] = image[19] = 1; // an in-memory copy keeps no log

    sqlite3 *db = openLimited(":memory:", SQLITE_OPEN_READWRITE);
    if (!db) {
        sqlite3_free(image);
        return nullptr;
    }
    if (sqlite3_deserialize(db, "main", image, size, size,
                            SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_READONLY)
        != SQLITE_OK) {
        sqlite3_close_v2(db);
        return nullptr;
    }
    return db;
}

} // namespace

sqlite3 *openSqliteFile(const QString &path, const WorkLimits &limits, QString *error)
{
    sqlite3 *db = nullptr;
    switch (sideFilesOf(path)) {
    case SideFiles::Unsafe:
        setError(error, QStringLiteral("a journal beside the database may hold an unfinished transaction"));
        return nullptr;
    case SideFiles::Log:
        db = readWithLog(path, limits);
        break;
    case SideFiles::None:
        db = openLimited(immutableFileUri(path), SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
        break;
    }
    if (!db) {
        setError(error, QStringLiteral("the database cannot be opened"));
        return nullptr;
    }
    // The same bytes pass the same check: a file that passed before is not
    // checked again, whatever the limits of this open.
    const QByteArray key = fileBytes(db) <= limits.mostFileBytes ? passedCheckKey(db) : QByteArray();
    if (passedBefore(key))
        return db;
    // The check is the first moment the engine reads the schema.
    switch (checkIntegrity(db, limits)) {
    case CheckVerdict::Passed:
        rememberPassed(key);
        return db;
    case CheckVerdict::TooLarge:
        setError(error, QString::fromLatin1(TooLargeToCheck));
        break;
    case CheckVerdict::Damaged:
        setError(error, QString::fromUtf8(sqlite3_errmsg(db)) + QStringLiteral(": the database is damaged"));
        break;
    }
    sqlite3_close_v2(db);
    return nullptr;
}

} // namespace vantelo::data
