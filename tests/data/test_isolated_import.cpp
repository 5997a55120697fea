// The Access file is read by a helper program: whatever the helper does, the
// open ends by the deadline, this process carries on, and no child,
// descriptor or redirected output is left behind.

#include "data/access/access_import.h"
#include "data/database.h"
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

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vantelo::data;
using namespace vantelo::test;
using namespace std::chrono_literals;

namespace {

constexpr auto TestDeadline = 2000ms;

const QString RealHelper = QStringLiteral(VANTELO_IMPORT_HELPER);

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
    void survivesAHelperThatGoesWrong_data();
    void survivesAHelperThatGoesWrong();
    void keepsTheHelpersOutputFromTheTerminal();
    void leavesTheStandardOutputWhereItWas();
    void waitsThroughSignals();

private:
    // A stand-in helper: a shell script with the given body.
    QString helperScript(const QString &body);

    QTemporaryDir m_dir;
    QString m_file;
};

void TestIsolatedImport::init()
{
    QVERIFY(!hasChildren());
    m_file = m_dir.filePath(QStringLiteral("FLDATA.mdb"));
    QVERIFY(writeBytes(m_file, QByteArray(4096, '\0')));
}

QString TestIsolatedImport::helperScript(const QString &body)
{
    const QString path = m_dir.filePath(QStringLiteral("helper.sh"));
    QFile::remove(path);
    if (!writeBytes(path, (QStringLiteral("#!/bin/sh\n") + body + QLatin1Char('\n')).toUtf8()))
        return {};
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
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
    sqlite3 *isolated = importAccessFileIsolated(path, &error, ImportIsolation{RealHelper});
    QVERIFY2(isolated, qPrintable(error));
    const QStringList expected = contents(inProcess);
    QVERIFY(expected.size() > 1);
    QCOMPARE(contents(isolated), expected);
    sqlite3_close(isolated);
    sqlite3_close(inProcess);
    QCOMPARE(openDescriptors(), descriptors);
    QVERIFY(!hasChildren());
}

void TestIsolatedImport::survivesAHelperThatGoesWrong_data()
{
    QTest::addColumn<QString>("script"); // empty: no helper at all
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("waitsForTheDeadline");

    const QString failed = QStringLiteral("the Access reader failed on the file");
    const QString tooLong = QStringLiteral("the Access file took too long to read");
    QTest::newRow("missing") << QString() << "the Access import helper is missing beside the program" << false;
    QTest::newRow("crashes") << "kill -SEGV $$" << failed << false;
    QTest::newRow("exits with status 3") << "exit 3" << failed << false;
    QTest::newRow("writes, then crashes") << "printf SQLite; kill -ABRT $$" << failed << false;
    QTest::newRow("hangs") << "exec sleep 60" << tooLong << true;
    QTest::newRow("hangs after writing") << "printf SQLite; exec sleep 60" << tooLong << true;
    QTest::newRow("writes without end") << "exec cat /dev/zero" << "the copy of the Access file is too large"
                                        << false;
    QTest::newRow("writes rubbish") << "echo rubbish" << "the copy of the Access file came back damaged" << false;
    QTest::newRow("gives its reason") << "printf 'the catalog is gone'; exit 2" << "the catalog is gone" << false;
    QTest::newRow("gives an empty reason") << "exit 2" << "the Access file cannot be read" << false;
    QTest::newRow("gives an endless reason") << "head -c 5000 /dev/zero; exit 2" << failed << false;
}

void TestIsolatedImport::survivesAHelperThatGoesWrong()
{
    QFETCH(QString, script);
    QFETCH(QString, error);
    QFETCH(bool, waitsForTheDeadline);
    const QString helper = script.isEmpty() ? m_dir.filePath(QStringLiteral("absent")) : helperScript(script);
    const qsizetype descriptors = openDescriptors();

    QElapsedTimer timer;
    timer.start();
    QString reason;
    QVERIFY(!importAccessFileIsolated(m_file, &reason, ImportIsolation{helper, TestDeadline}));
    const qint64 elapsed = timer.elapsed();

    QCOMPARE(reason, error);
    if (waitsForTheDeadline)
        QVERIFY2(elapsed >= TestDeadline.count() - 10, qPrintable(QString::number(elapsed)));
    QVERIFY(!hasChildren());
    QCOMPARE(openDescriptors(), descriptors);
}

void TestIsolatedImport::keepsTheHelpersOutputFromTheTerminal()
{
    const QString path = accessFixture("datetest-jet4.mdb");
    if (path.isEmpty())
        QSKIP("VANTELO_FIXTURES_DIR does not hold datetest-jet4.mdb");
    const QString helper = helperScript(QStringLiteral("echo helper stderr >&2; exec '%1' \"$@\"").arg(RealHelper));
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
    sqlite3 *db = importAccessFileIsolated(path, &error, ImportIsolation{helper});
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

// A signal that arrives while the program waits interrupts its calls; the
// wait goes on.
void TestIsolatedImport::waitsThroughSignals()
{
    const QString path = accessFixture("datetest-jet4.mdb");
    if (path.isEmpty())
        QSKIP("VANTELO_FIXTURES_DIR does not hold datetest-jet4.mdb");
    const QString helper = helperScript(QStringLiteral("sleep 0.15; exec '%1' \"$@\"").arg(RealHelper));
    struct sigaction handler {};
    handler.sa_handler = ignoreSignal; // no SA_RESTART: calls are interrupted
    struct sigaction previous {};
    QVERIFY(::sigaction(SIGALRM, &handler, &previous) == 0);
    const itimerval everyMillisecond{{0, 1000}, {0, 1000}};
    ::setitimer(ITIMER_REAL, &everyMillisecond, nullptr);

    QString error;
    sqlite3 *db = importAccessFileIsolated(path, &error, ImportIsolation{helper});

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
