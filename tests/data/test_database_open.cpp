#include "data/database.h"
#include "data/database_image.h"
#include "data/passed_checks.h"
#include "data_test_files.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#ifndef Q_OS_WIN
#include "support/without_root_rights.h"
#include <unistd.h>
#endif

using vantelo::data::Database;
using namespace vantelo::test;

namespace {

const char *const SmallTable = "CREATE TABLE _HG20593 (公称压力PN TEXT, 公称通径DN REAL, 法兰外径D REAL);"
                               "INSERT INTO _HG20593 VALUES ('1.6', 100, 220), ('1.6', 50, 165);";

// A database of several pages, so that cutting it leaves a valid first page.
const char *const SeveralPages = "PRAGMA page_size = 1024;"
                                 "CREATE TABLE _HG20593 (公称压力PN TEXT, 公称通径DN REAL, note TEXT);"
                                 "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 200)"
                                 " INSERT INTO _HG20593 SELECT '1.6', i, printf('%0100d', i) FROM n;";

QByteArray accessHeader(const char *signature, char version)
{
    QByteArray header(0x20, '\0');
    header[1] = 1;
    header.replace(4, 16, QByteArray(signature, 16));
    header[0x14] = version;
    return header;
}

QByteArray padded(QByteArray bytes, int size)
{
    bytes.append(QByteArray(size - bytes.size(), '\0'));
    return bytes;
}

struct DirectoryState
{
    QStringList entries;
    QByteArray fileHash;
    QDateTime fileModified;
    bool operator==(const DirectoryState &) const = default;
};

DirectoryState stateOf(const QString &directory, const QString &file)
{
    return DirectoryState{
        QDir(directory).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
        QCryptographicHash::hash(readBytes(file), QCryptographicHash::Sha256),
        QFileInfo(file).lastModified()};
}

} // namespace

class TestDatabaseOpen final : public QObject
{
    Q_OBJECT

private slots:
    void refusesWhatIsNoDatabase_data();
    void refusesWhatIsNoDatabase();
    void refusesAFileItMayNotRead();
    void opensAnSqliteFile();
    void checksAReceivedCopyWithinTheCallersLimits();
    void checksAFileAgainOnlyWhenItsBytesChange();
    void leavesTheFileAndItsDirectoryUntouched_data();
    void leavesTheFileAndItsDirectoryUntouched();
};

void TestDatabaseOpen::refusesWhatIsNoDatabase_data()
{
    QTest::addColumn<QByteArray>("content"); // written to the file unless null
    QTest::addColumn<QString>("relativePath");

    QRandomGenerator random(20593);
    QByteArray noise(8192, '\0');
    random.fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);

    QTest::newRow("missing") << QByteArray() << "FLDATA.mdb";
    QTest::newRow("directory") << QByteArray() << ".";
    QTest::newRow("path through a file") << QByteArray() << "plain.txt/FLDATA.mdb";
    QTest::newRow("empty") << QByteArray("") << "FLDATA.mdb";
    QTest::newRow("random bytes") << noise << "FLDATA.mdb";
    QTest::newRow("all zeros") << QByteArray(8192, '\0') << "FLDATA.mdb";
    QTest::newRow("text") << QByteArray("公称压力PN,公称通径DN\n1.6,100\n") << "FLDATA.mdb";
    QTest::newRow("SQLite header only") << QByteArray("SQLite format 3\0", 16) << "FLDATA.mdb";
    QTest::newRow("SQLite header, zero page") << padded(QByteArray("SQLite format 3\0\x04\0", 18), 1024)
                                              << "FLDATA.mdb";
    QTest::newRow("Jet 4 header, then zeros") << padded(accessHeader("Standard Jet DB\0", 1), 16384) << "FLDATA.mdb";
    QTest::newRow("ACE header, then zeros") << padded(accessHeader("Standard ACE DB\0", 2), 16384) << "FLDATA.mdb";
    QTest::newRow("Jet 3 header, then zeros") << padded(accessHeader("Standard Jet DB\0", 0), 8192) << "FLDATA.mdb";
    QTest::newRow("Jet 4 header, one page") << padded(accessHeader("Standard Jet DB\0", 1), 4096) << "FLDATA.mdb";
    QTest::newRow("Jet 4 header, part page") << padded(accessHeader("Standard Jet DB\0", 1), 10000) << "FLDATA.mdb";
}

void TestDatabaseOpen::refusesWhatIsNoDatabase()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, relativePath);

    QTemporaryDir dir;
    QVERIFY(writeBytes(dir.filePath(QStringLiteral("plain.txt")), "not a directory"));
    if (!content.isNull())
        QVERIFY(writeBytes(dir.filePath(relativePath), content));

    QString error;
    QVERIFY(!Database::open(dir.filePath(relativePath), &error));
    QVERIFY(!error.isEmpty());
}

void TestDatabaseOpen::refusesAFileItMayNotRead()
{
#ifdef Q_OS_WIN
    QSKIP("Windows guards files with access lists, which Qt's permission bits do not change");
#else
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("FLDATA.mdb"));
    QVERIFY(createSqliteFile(path, SmallTable));
    QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));

    QVERIFY(withoutRootRights(dir.path(), [&] {
        QString error;
        return !QFile(path).open(QIODevice::ReadOnly) && !Database::open(path, &error) && !error.isEmpty();
    }));
#endif
}

void TestDatabaseOpen::opensAnSqliteFile()
{
#ifdef Q_OS_WIN
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/程序 目录#%-XXXXXX")); // URI-hostile ones Windows allows
#else
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/程序 目录#?%-XXXXXX")); // URI-hostile characters
#endif
    const QString path = dir.filePath(QStringLiteral("FLDATA.mdb"));
    QVERIFY(createSqliteFile(path, SmallTable));

    QString error;
    const std::unique_ptr<Database> database = Database::open(path, &error);
    QVERIFY2(database, qPrintable(error));
    const auto rows = database->execute(QStringLiteral("select * from _HG20593"));
    QVERIFY(rows);
    QCOMPARE(rows->rowCount(), std::size_t(2));
}

// A copy of an Access file is checked within the limits of whoever opens it,
// and a copy beyond them is too large, not damaged.
void TestDatabaseOpen::checksAReceivedCopyWithinTheCallersLimits()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("copy.db"));
    QVERIFY(createSqliteFile(path, SeveralPages));
    const QByteArray image = readBytes(path);

    vantelo::data::WorkLimits small = vantelo::data::CommandLineLimits;
    small.mostFileBytes = image.size() - 1;
    vantelo::data::CheckVerdict verdict = vantelo::data::CheckVerdict::Passed;
    QVERIFY(!vantelo::data::openReceivedCopy(image, small, &verdict));
    QCOMPARE(verdict, vantelo::data::CheckVerdict::TooLarge);

    small.mostFileBytes = image.size();
    sqlite3 *db = vantelo::data::openReceivedCopy(image, small, &verdict);
    QVERIFY(db);
    QCOMPARE(verdict, vantelo::data::CheckVerdict::Passed);
    sqlite3_close_v2(db);
}

// A pass is remembered by the file's bytes: the same bytes open without a
// check, changed ones (valid or damaged) are checked afresh.
void TestDatabaseOpen::checksAFileAgainOnlyWhenItsBytesChange()
{
    using namespace vantelo::data;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("FLDATA.mdb"));
    QVERIFY(createSqliteFile(path, SeveralPages));
    rememberPassedChecksIn(dir.filePath(QStringLiteral("passed")));
    const auto forget = qScopeGuard([] { rememberPassedChecksIn(QString()); });
    // Limits no check fits in: only a remembered pass opens the file.
    WorkLimits noCheck = CommandLineLimits;
    noCheck.checkSteps = noCheck.checkStepsPerKiB = 0;
    QString error;
    QVERIFY(!Database::open(path, &error, noCheck));
    QCOMPARE(error, QString::fromLatin1(TooLargeToCheck));
    QVERIFY2(Database::open(path, &error, CommandLineLimits), qPrintable(error));
    QVERIFY2(Database::open(path, &error, noCheck), qPrintable(error));

    QByteArray bytes = readBytes(path);
    const qsizetype note = bytes.lastIndexOf("0000000000");
    QVERIFY(note > 0);
    bytes[note] = '1'; // still a valid file
    QVERIFY(writeBytes(path, bytes));
    QVERIFY(!Database::open(path, &error, noCheck));
    QCOMPARE(error, QString::fromLatin1(TooLargeToCheck));

    QVERIFY(writeBytes(path, readBytes(path).replace(note, 1, "0"))); // the file that passed
    QVERIFY(Database::open(path, &error, noCheck));
    bytes = readBytes(path);
    bytes[bytes.size() - 1024] = char(0xff); // the last leaf's page type
    QVERIFY(writeBytes(path, bytes));
    QVERIFY(!Database::open(path, &error, CommandLineLimits));
    QVERIFY2(error.endsWith(QLatin1String("the database is damaged")), qPrintable(error));
}

void TestDatabaseOpen::leavesTheFileAndItsDirectoryUntouched_data()
{
    QTest::addColumn<QString>("journal");
    QTest::addColumn<QString>("cut"); // "none", or how the file is damaged
    QTest::newRow("intact") << "delete" << "none";
    // A reader of a WAL file normally creates -wal and -shm files beside it.
    QTest::newRow("intact, WAL mode") << "wal" << "none";
    QTest::newRow("truncated to half") << "delete" << "half";
    QTest::newRow("one byte short") << "delete" << "byte";
}

void TestDatabaseOpen::leavesTheFileAndItsDirectoryUntouched()
{
    QFETCH(QString, journal);
    QFETCH(QString, cut);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("FLDATA.mdb"));
    const QByteArray sql = "PRAGMA journal_mode = " + journal.toLatin1() + ";" + SeveralPages;
    QVERIFY(createSqliteFile(path, sql.constData()));
    const QByteArray whole = readBytes(path);
    if (cut == QLatin1String("half"))
        QVERIFY(writeBytes(path, whole.left(whole.size() / 2)));
    else if (cut == QLatin1String("byte"))
        QVERIFY(writeBytes(path, whole.left(whole.size() - 1)));
    QVERIFY(setModified(path, QDateTime::currentDateTimeUtc().addDays(-3)));
    const DirectoryState before = stateOf(dir.path(), path);

    {
        const std::unique_ptr<Database> database = Database::open(path);
        QCOMPARE(database != nullptr, cut == QLatin1String("none"));
        if (database) {
            QVERIFY(database->execute(QStringLiteral("select distinct 公称通径DN from _HG20593 where 公称压力PN='1.6'")));
            QVERIFY(!database->execute(QStringLiteral("insert into _HG20593 values ('2.5', 1, 'x')")));
            QVERIFY(!database->execute(QStringLiteral("pragma journal_mode = wal")));
        }
    }
    QCOMPARE(stateOf(dir.path(), path), before);
}

QTEST_GUILESS_MAIN(TestDatabaseOpen)
#include "test_database_open.moc"
