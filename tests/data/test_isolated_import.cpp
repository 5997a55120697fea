// The Access file is read in a child process: whatever the child does, the
// open ends by the deadline, this process carries on, and no child, zombie,
// descriptor or redirected output is left behind.

#include "data/access_import.h"
#include "data/database.h"
#include "data/import_reply.h"
#include "data/isolated_import.h"
#include "data_test_files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vantelo::data;
using namespace vantelo::test;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(vantelo::data::ChildImport)

namespace {

constexpr auto TestDeadline = 200ms;

void sendText(int answer, ReplyKind kind, const char *text)
{
    sendReply(answer, kind, text, std::strlen(text));
}

void sendHeaderOnly(int answer, unsigned char kind, std::uint64_t size)
{
    unsigned char header[9] = {kind};
    std::memcpy(header + 1, &size, sizeof size);
    [[maybe_unused]] const ssize_t written = ::write(answer, header, sizeof header);
}

[[noreturn]] void hang()
{
    for (;;)
        ::pause();
}

// Children that go wrong in every way the parent has to survive.
void aborts(const QString &, int)
{
    std::abort();
}
void writesThroughNull(const QString &, int)
{
    *static_cast<volatile int *>(nullptr) = 1;
}
void exitsWithStatus3(const QString &, int)
{
    ::_exit(3);
}
void endsWithoutReply(const QString &, int) {}
void repliesThenAborts(const QString &, int answer)
{
    sendText(answer, ReplyKind::Failure, "x");
    std::abort();
}
void repliesThenExitsWithStatus3(const QString &, int answer)
{
    sendText(answer, ReplyKind::Failure, "x");
    ::_exit(3);
}
void hangsBeforeReplying(const QString &, int)
{
    hang();
}
void hangsAfterReplying(const QString &, int answer)
{
    sendText(answer, ReplyKind::Failure, "x");
    hang();
}
void hangsInTheMiddleOfAReply(const QString &, int answer)
{
    sendHeaderOnly(answer, 'C', 100);
    hang();
}
void announcesATerabyte(const QString &, int answer)
{
    sendHeaderOnly(answer, 'C', 1ull << 40);
    hang();
}
void sendsAnUnknownKind(const QString &, int answer)
{
    sendHeaderOnly(answer, 'X', 0);
    hang();
}
void talksOnAfterItsReply(const QString &, int answer)
{
    sendText(answer, ReplyKind::Failure, "x");
    sendText(answer, ReplyKind::Failure, "y");
    hang();
}
void sendsNoDatabase(const QString &, int answer)
{
    const QByteArray rubbish(8192, 'x');
    sendReply(answer, ReplyKind::Copy, rubbish.constData(), std::uint64_t(rubbish.size()));
}
void sendsItsReason(const QString &, int answer)
{
    sendText(answer, ReplyKind::Failure, "the catalog is gone");
}
void sendsAnEmptyReason(const QString &, int answer)
{
    sendText(answer, ReplyKind::Failure, "");
}

void printsThenCopies(const QString &path, int answer)
{
    std::printf("child stdout\n");
    std::fflush(stdout);
    std::fprintf(stderr, "child stderr\n");
    sendAccessCopy(path, answer);
}

void sleepsThenCopies(const QString &path, int answer)
{
    ::usleep(150'000);
    sendAccessCopy(path, answer);
}

bool hasChildren()
{
    return !(::waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD);
}

qsizetype openDescriptors()
{
    return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size();
}

// Every row of every table as text, tables by name, so two copies compare.
QStringList contents(sqlite3 *db)
{
    QStringList rows;
    sqlite3_stmt *tables = nullptr;
    sqlite3_prepare_v2(db, "select name from sqlite_schema where type='table' order by name", -1, &tables, nullptr);
    while (sqlite3_step(tables) == SQLITE_ROW) {
        const QString table = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(tables, 0)));
        rows << QStringLiteral("table ") + table;
        const QByteArray select = QStringLiteral("select * from \"%1\"").arg(table).toUtf8();
        sqlite3_stmt *query = nullptr;
        sqlite3_prepare_v2(db, select.constData(), -1, &query, nullptr);
        while (sqlite3_step(query) == SQLITE_ROW) {
            QStringList fields;
            for (int column = 0; column < sqlite3_column_count(query); ++column)
                fields << QString::number(sqlite3_column_type(query, column)) + QLatin1Char(':')
                        + QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(query, column)));
            rows << fields.join(QLatin1Char('|'));
        }
        sqlite3_finalize(query);
    }
    sqlite3_finalize(tables);
    return rows;
}

struct StandardOutputFile
{
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const StandardOutputFile &) const = default;
};

StandardOutputFile fileBehind(int descriptor)
{
    struct stat status {};
    ::fstat(descriptor, &status);
    return StandardOutputFile{status.st_dev, status.st_ino};
}

void ignoreSignal(int) {}

} // namespace

class TestIsolatedImport final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void copiesAsTheInProcessImportDoes_data();
    void copiesAsTheInProcessImportDoes();
    void survivesAChildThatGoesWrong_data();
    void survivesAChildThatGoesWrong();
    void keepsTheChildsOutputFromTheTerminal();
    void leavesTheStandardOutputWhereItWas();
    void waitsThroughSignals();

private:
    QTemporaryDir m_dir;
    QString m_file;
};

void TestIsolatedImport::init()
{
    QVERIFY(!hasChildren());
    m_file = m_dir.filePath(QStringLiteral("FLDATA.mdb"));
    QVERIFY(writeBytes(m_file, QByteArray(4096, '\0')));
}

void TestIsolatedImport::copiesAsTheInProcessImportDoes_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::newRow("Jet 3") << "nwind-jet3.mdb";
    QTest::newRow("Jet 4") << "datetest-jet4.mdb";
    QTest::newRow("ACE") << "asample-ace12.accdb";
}

void TestIsolatedImport::copiesAsTheInProcessImportDoes()
{
    QFETCH(QString, fixture);
    const QString path = accessFixture(fixture.toUtf8().constData());
    if (path.isEmpty())
        QSKIP("VANTELO_FIXTURES_DIR does not hold the fixture");
    sqlite3 *inProcess = nullptr;
    sqlite3_open(":memory:", &inProcess);
    QVERIFY(importAccessFileInProcess(path, inProcess, nullptr));

    const qsizetype descriptors = openDescriptors();
    QString error;
    sqlite3 *isolated = importAccessFileIsolated(path, &error);
    QVERIFY2(isolated, qPrintable(error));
    const QStringList expected = contents(inProcess);
    QVERIFY(expected.size() > 1);
    QCOMPARE(contents(isolated), expected);
    sqlite3_close(isolated);
    sqlite3_close(inProcess);
    QCOMPARE(openDescriptors(), descriptors);
    QVERIFY(!hasChildren());
}

void TestIsolatedImport::survivesAChildThatGoesWrong_data()
{
    QTest::addColumn<ChildImport>("child");
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("waitsForTheDeadline");

    const QString failed = QStringLiteral("the Access reader failed on the file");
    const QString tooLong = QStringLiteral("the Access file took too long to read");
    const QString incomplete = QStringLiteral("the copy of the Access file came back incomplete");
    QTest::newRow("aborts") << &aborts << failed << false;
    QTest::newRow("writes through a null pointer") << &writesThroughNull << failed << false;
    QTest::newRow("exits with status 3") << &exitsWithStatus3 << failed << false;
    QTest::newRow("replies, then aborts") << &repliesThenAborts << failed << false;
    QTest::newRow("replies, then exits with status 3") << &repliesThenExitsWithStatus3 << failed << false;
    QTest::newRow("ends without a reply") << &endsWithoutReply << incomplete << false;
    QTest::newRow("hangs before replying") << &hangsBeforeReplying << tooLong << true;
    QTest::newRow("hangs after replying") << &hangsAfterReplying << tooLong << true;
    QTest::newRow("hangs in the middle of a reply") << &hangsInTheMiddleOfAReply << tooLong << true;
    QTest::newRow("announces a terabyte") << &announcesATerabyte
                                          << "the copy of the Access file is too large" << false;
    QTest::newRow("sends an unknown kind of reply") << &sendsAnUnknownKind << incomplete << false;
    QTest::newRow("talks on after its reply") << &talksOnAfterItsReply << incomplete << false;
    QTest::newRow("sends no database") << &sendsNoDatabase << "the copy of the Access file came back damaged"
                                       << false;
    QTest::newRow("sends its reason") << &sendsItsReason << "the catalog is gone" << false;
    QTest::newRow("sends an empty reason") << &sendsAnEmptyReason << "the Access file cannot be read" << false;
}

void TestIsolatedImport::survivesAChildThatGoesWrong()
{
    QFETCH(ChildImport, child);
    QFETCH(QString, error);
    QFETCH(bool, waitsForTheDeadline);
    const qsizetype descriptors = openDescriptors();

    QElapsedTimer timer;
    timer.start();
    QString reason;
    QVERIFY(!importAccessFileIsolated(m_file, &reason, ImportIsolation{child, TestDeadline}));
    const qint64 elapsed = timer.elapsed();

#if defined(__SANITIZE_ADDRESS__)
    // Under AddressSanitizer the sanitizer catches the child's fault first and
    // may still be writing its report when the deadline kills the child.
    if (reason == QStringLiteral("the Access file took too long to read")
        && QByteArray(QTest::currentDataTag()) == "writes through a null pointer")
        error = reason;
#endif
    QCOMPARE(reason, error);
    if (waitsForTheDeadline)
        QVERIFY2(elapsed >= TestDeadline.count() - 10, qPrintable(QString::number(elapsed)));
    QVERIFY2(elapsed < TestDeadline.count() + 300, qPrintable(QString::number(elapsed)));
    QVERIFY(!hasChildren());
    QCOMPARE(openDescriptors(), descriptors);
}

void TestIsolatedImport::keepsTheChildsOutputFromTheTerminal()
{
    const QString path = accessFixture("datetest-jet4.mdb");
    if (path.isEmpty())
        QSKIP("VANTELO_FIXTURES_DIR does not hold datetest-jet4.mdb");
    const QString captured = m_dir.filePath(QStringLiteral("output.txt"));
    std::fflush(stdout);
    std::fflush(stderr);
    const int savedOutput = ::dup(STDOUT_FILENO);
    const int savedError = ::dup(STDERR_FILENO);
    const int capture = ::open(QFile::encodeName(captured).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    QVERIFY(capture >= 0);
    ::dup2(capture, STDOUT_FILENO);
    ::dup2(capture, STDERR_FILENO);
    ::close(capture);

    QString error;
    sqlite3 *db = importAccessFileIsolated(path, &error, ImportIsolation{&printsThenCopies, AccessImportDeadline});
    std::printf("parent stdout\n");
    std::fflush(stdout);
    ::dup2(savedOutput, STDOUT_FILENO);
    ::dup2(savedError, STDERR_FILENO);
    ::close(savedOutput);
    ::close(savedError);

    QVERIFY2(db, qPrintable(error));
    sqlite3_close(db);
    QCOMPARE(readBytes(captured), QByteArray("parent stdout\n"));
}

void TestIsolatedImport::leavesTheStandardOutputWhereItWas()
{
    const QString path = accessFixture("nwind-jet3.mdb");
    if (path.isEmpty())
        QSKIP("VANTELO_FIXTURES_DIR does not hold nwind-jet3.mdb");
    const StandardOutputFile output = fileBehind(STDOUT_FILENO);
    const StandardOutputFile error = fileBehind(STDERR_FILENO);
    QVERIFY(Database::open(path));
    QVERIFY(!Database::open(m_file));
    QCOMPARE(fileBehind(STDOUT_FILENO), output);
    QCOMPARE(fileBehind(STDERR_FILENO), error);
}

// A signal that arrives while the parent waits interrupts poll, read and
// waitpid; the wait goes on.
void TestIsolatedImport::waitsThroughSignals()
{
    const QString path = accessFixture("datetest-jet4.mdb");
    if (path.isEmpty())
        QSKIP("VANTELO_FIXTURES_DIR does not hold datetest-jet4.mdb");
    struct sigaction handler {};
    handler.sa_handler = ignoreSignal; // no SA_RESTART: calls are interrupted
    struct sigaction previous {};
    QVERIFY(::sigaction(SIGALRM, &handler, &previous) == 0);
    const itimerval everyMillisecond{{0, 1000}, {0, 1000}};
    ::setitimer(ITIMER_REAL, &everyMillisecond, nullptr);

    QString error;
    sqlite3 *db = importAccessFileIsolated(path, &error, ImportIsolation{&sleepsThenCopies, AccessImportDeadline});

    const itimerval stopped{};
    ::setitimer(ITIMER_REAL, &stopped, nullptr);
    ::sigaction(SIGALRM, &previous, nullptr);
    QVERIFY2(db, qPrintable(error));
    QCOMPARE(contents(db).first(), QStringLiteral("table DateTest"));
    sqlite3_close(db);
    QVERIFY(!hasChildren());
}

QTEST_GUILESS_MAIN(TestIsolatedImport)
#include "test_isolated_import.moc"
