// Any file named FLDATA.mdb may sit beside the program. Whatever it holds, the
// program fills what it can, never crashes or hangs, never writes to the file,
// and stays responsive.

#include "support/data_file_writer.h"
#include "support/window_pages.h"
#include "support/without_root_rights.h"

#include "app/load_step.h"
#include "data/connection.h"
#include "tools/sqlite_writer.h"
#include "ui/page_handles.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sqlite3.h>
#include <sys/resource.h>

#include <cstdio>
#include <functional>

using namespace vantelo;

namespace {

const QString Create20593 = test::createFlangeTable(QStringLiteral("_HG20593"), {QStringLiteral("法兰外径D")});

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, '\0');
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

QByteArray sqliteBytes(const QStringList &statements)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("made.db"));
    if (!test::writeDataFile(path, statements))
        return {};
    return fileBytes(path);
}

// A well-formed file of several pages, to be cut short.
QByteArray multiPageFile()
{
    QStringList statements{Create20593};
    for (int i = 0; i < 400; ++i)
        statements << QStringLiteral("insert into _HG20593 values ('0.25', %1, %2)").arg(10 + i).arg(75 + i);
    return sqliteBytes(statements);
}

// A view on a chain of views: preparing a statement on it would expand them
// all, recursively.
QByteArray viewChain(int length)
{
    QStringList statements{"create table base (公称压力PN TEXT, 公称通径DN REAL, 法兰外径D REAL)",
                           "insert into base values ('0.25', 10, 75)", "create view v0 as select * from base"};
    for (int i = 1; i < length; ++i)
        statements << QStringLiteral("create view v%1 as select * from v%2").arg(i).arg(i - 1);
    return sqliteBytes(statements << QStringLiteral("create view _HG20593 as select * from v%1").arg(length - 1));
}

// A row whose 法兰外径D the engine computes from seed on every read. The
// column is written into the schema afterwards, as a hostile file would
// have it: the engine would refuse some of these expressions in a table
// it creates, and would compute them while inserting.
QByteArray computedColumn(const QString &expression, const QString &seed)
{
    return sqliteBytes({"create table _HG20593 (公称压力PN TEXT, 公称通径DN REAL, seed TEXT)",
                        QStringLiteral("insert into _HG20593 values ('0.25', 10, '%1')").arg(seed),
                        "pragma writable_schema = on",
                        QStringLiteral("update sqlite_schema set sql = 'create table _HG20593 (公称压力PN TEXT,"
                                       " 公称通径DN REAL, seed TEXT, 法兰外径D AS (%1))' where name = '_HG20593'")
                            .arg(QString(expression).replace(QLatin1Char('\''), QLatin1String("''")))});
}

// Rows whose pressure costs a megabyte of work each to compute, written
// into the schema as above.
QByteArray costlyRows()
{
    return sqliteBytes({"create table _HG20593 (seed TEXT, 公称通径DN REAL, 法兰外径D REAL)",
                        "with recursive n(i) as (select 1 union all select i + 1 from n where i < 50000)"
                        " insert into _HG20593 select '0', i, 75 from n",
                        "pragma writable_schema = on",
                        "update sqlite_schema set sql = 'create table _HG20593 (seed TEXT, 公称通径DN REAL,"
                        " 法兰外径D REAL, 公称压力PN TEXT AS (substr(printf(''%.*c'', 1000000, seed), 1, 4)))'"
                        " where name = '_HG20593'"});
}

// An index whose entries no longer match its table's rows.
QByteArray corruptIndex()
{
    return sqliteBytes({Create20593, "insert into _HG20593 values ('0.25', 10, 75), ('0.25', 15, 80)",
                        "create index pair on _HG20593 (公称压力PN, 公称通径DN)", "pragma writable_schema = on",
                        "update sqlite_schema set sql = 'create index pair on _HG20593 (公称压力PN, 法兰外径D)'"
                        " where name = 'pair'"});
}

// Peak resident memory of this process; under AddressSanitizer its shadow
// and quarantine count too, and only the engine's own peak is telling.
qint64 peakMemory()
{
#if defined(__SANITIZE_ADDRESS__)
    return sqlite3_memory_highwater(0);
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_maxrss) * 1024;
#endif
}

QByteArray fixture(const char *name)
{
    return fileBytes(qEnvironmentVariable("VANTELO_FIXTURES_DIR") + QLatin1Char('/') + QLatin1String(name));
}

} // namespace

class TestHostileDataFiles final : public QObject
{
    Q_OBJECT

private slots:
    void fileContents_data();
    void fileContents();
    void dataFileThatIsADirectory();
    void dataFileWithoutReadPermission();
    void dataFileReplacedWhileRunning();
    void typedTexts_data();
    void typedTexts();
    void sideFiles_data();
    void sideFiles();

private:
    // Loads a window on a directory holding path, exercises every pick and
    // button, and checks that the window still answers events afterwards.
    void exercise(test::WindowPages &form, data::Connection &connection, const QString &directory);
};

void TestHostileDataFiles::exercise(test::WindowPages &form, data::Connection &connection, const QString &directory)
{
    // The window is up with its lists filled within a second, a pick or a
    // click answers within half a second, and the process stays under 512 MiB.
    QElapsedTimer clock;
    clock.start();
    app::loadForm1(form.window(), connection, directory);
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QStringLiteral("loaded in %1 ms").arg(clock.elapsed())));
    const auto answers = [&clock](const std::function<void()> &reaction) {
        clock.restart();
        reaction();
        QVERIFY2(clock.elapsed() < 500, qPrintable(QStringLiteral("answered in %1 ms").arg(clock.elapsed())));
    };
    for (int list = 1; list <= 13; list += 2) {
        QComboBox *pressures = form.list(QStringLiteral("Combo%1").arg(list).toLatin1().constData());
        QPushButton *query = form.button(QStringLiteral("Command%1").arg((list + 1) / 2).toLatin1().constData());
        for (int i = 0; i < pressures->count(); ++i) {
            answers([&] { ui::selectEntry(*pressures, i); });
            answers([&] { query->click(); });
        }
        ui::selectEntry(*pressures, 0);
    }
    QVERIFY2(peakMemory() < (qint64(512) << 20), qPrintable(QString::number(peakMemory() >> 20) + " MiB"));
    bool answered = false;
    QTimer::singleShot(0, &form.window(), [&answered] { answered = true; });
    QTRY_VERIFY_WITH_TIMEOUT(answered, 2000);
}

void TestHostileDataFiles::fileContents_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("firstPageDiameters"); // entries of Combo2 after loading, -1: any
    QTest::addColumn<QString>("firstPageD");     // Label6 after a query on page 1; null: any

    QTest::newRow("empty") << QByteArray() << 0 << "";
    QTest::newRow("random bytes") << randomBytes(65536, 7) << 0 << "";
    QTest::newRow("all zeros") << QByteArray(65536, '\0') << 0 << "";
    QTest::newRow("SQLite header then garbage")
        << QByteArray("SQLite format 3\0", 16) + randomBytes(8192, 11) << 0 << "";

    const QByteArray whole = multiPageFile();
    QVERIFY(whole.size() > 4096 * 3);
    for (int cut = 4096; cut < whole.size(); cut += 4096)
        QTest::addRow("SQLite cut at %d", cut) << whole.left(cut) << -1 << QString();

    QTest::newRow("table lacks the dimension columns")
        << sqliteBytes({test::createFlangeTable("_HG20593", {}), "insert into _HG20593 values ('0.25', 10)"}) << 1
        << "";
    QTest::newRow("text diameters")
        << sqliteBytes({"create table _HG20593 (公称压力PN TEXT, 公称通径DN TEXT, 法兰外径D REAL)",
                        "insert into _HG20593 values ('0.25', 'DN10', 75), ('0.25', '15', 80)"})
        << 2 << "";
    QTest::newRow("1 MB text")
        << sqliteBytes({Create20593, QStringLiteral("insert into _HG20593 values ('0.25', 10, '%1')")
                                         .arg(QString(1 << 20, QLatin1Char('x')))})
        << 1 << "Φ" + QString(1 << 20, QLatin1Char('x'));
    {
        QStringList statements{Create20593};
        for (int i = 0; i < 10000; ++i)
            statements << QStringLiteral("insert into _HG20593 values ('0.25', 10, %1)").arg(75 + i);
        QTest::newRow("10000 rows of one pair") << sqliteBytes(statements) << 1 << "Φ75";
    }
    QTest::newRow("Chinese and emoji texts")
        << sqliteBytes({Create20593, "insert into _HG20593 values ('0.25', 10, '七十五😀')"}) << 1 << "Φ七十五😀";
    // An infinity can be stored but never asked for again: no entry.
    QTest::newRow("infinite reals")
        << sqliteBytes({Create20593, "insert into _HG20593 values ('0.25', 9e999, 9e999), ('0.25', 10, -9e999)"})
        << 1 << QString();
    QTest::newRow("case-variant names")
        << sqliteBytes({"create table _hg20593 (公称压力pn TEXT, 公称通径dn REAL, 法兰外径d REAL)",
                        "insert into _hg20593 values ('0.25', 10, 75)"})
        << 1 << "Φ75";
    QTest::newRow("deep views") << viewChain(3000) << 0 << "";
    QTest::newRow("virtual table")
        << sqliteBytes({"create virtual table _HG20593 using fts5(公称压力PN, 公称通径DN, 法兰外径D)",
                        "insert into _HG20593 values ('0.25', '10', '75')"})
        << 0 << "";
    // A row beyond the length cap is an error of every statement that meets it.
    QTest::newRow("3 MB text")
        << sqliteBytes({Create20593, "insert into _HG20593 values ('0.25', 10, 75)",
                        "insert into _HG20593 values ('0.25', 15, printf('%.*c', 3000000, 'x'))"})
        << 0 << "";
    // A file whose schema calls a function the program refuses is unreadable.
    QTest::newRow("huge computed values") << computedColumn("printf('%.*c', 300000000, seed)", "x") << 0 << "";
    QTest::newRow("heavy functions")
        << computedColumn("replace(replace(replace(replace(seed, 'a', seed), 'a', seed), 'a', seed), 'a', seed)",
                          QString(400, QLatin1Char('a')))
        << 0 << "";
    QTest::newRow("blobs") << computedColumn("zeroblob(200000000)", "") << 1 << "";
    QTest::newRow("costly rows") << costlyRows() << 0 << "";
    QTest::newRow("corrupt index") << corruptIndex() << 0 << "";

    const QByteArray access = fixture("nwind-jet3.mdb");
    if (!access.isEmpty()) {
        QTest::newRow("Access file cut short") << access.left(access.size() / 3) << 0 << "";
        QByteArray zeroed = access;
        zeroed.replace(0, 4096, QByteArray(4096, '\0'));
        QTest::newRow("Access file, first pages zeroed") << zeroed << 0 << "";
        QByteArray headerOnly = access.left(2048 * 2);
        QTest::newRow("Access header pages only") << headerOnly << 0 << "";
        QByteArray catalogueZeroed = access;
        catalogueZeroed.replace(2048 * 2, 2048 * 8, QByteArray(2048 * 8, '\0'));
        QTest::newRow("Access catalogue zeroed") << catalogueZeroed << 0 << "";
    }
}

void TestHostileDataFiles::fileContents()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, firstPageDiameters);
    QFETCH(QString, firstPageD);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("FLDATA.mdb"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    const QDateTime modified = QFileInfo(path).lastModified();
    const QByteArray digest = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);

    data::Connection connection; // outlives the window that uses it
    test::WindowPages form;
    exercise(form, connection, dir.path());
    // Back on the first pressure: the list shows what the file could give.
    if (firstPageDiameters >= 0)
        QCOMPARE(form.list("Combo2")->count(), firstPageDiameters);
    if (!firstPageD.isNull()) {
        form.list("Combo2")->setCurrentIndex(0);
        form.button("Command1")->click();
        QCOMPARE(form.label("Label6")->text(), firstPageD);
    }

    QCOMPARE(QCryptographicHash::hash(fileBytes(path), QCryptographicHash::Sha256), digest);
    QCOMPARE(QFileInfo(path).lastModified(), modified);
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"FLDATA.mdb"});
}

void TestHostileDataFiles::dataFileThatIsADirectory()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("FLDATA.mdb")));
    data::Connection connection; // outlives the window that uses it
    test::WindowPages form;
    exercise(form, connection, dir.path());
    QCOMPARE(form.list("Combo2")->count(), 0);
    QCOMPARE(form.list("Combo1")->currentIndex(), 0);
}

void TestHostileDataFiles::dataFileWithoutReadPermission()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("FLDATA.mdb"));
    QVERIFY(test::writeDataFile(path, {Create20593, "insert into _HG20593 values ('0.25', 10, 75)"}));
    QVERIFY(QFile(path).setPermissions(QFileDevice::Permissions()));
    QVERIFY(test::withoutRootRights(dir.path(), [&] {
        if (QFile(path).open(QIODevice::ReadOnly))
            return false;
        data::Connection connection; // outlives the window that uses it
        test::WindowPages form;
        exercise(form, connection, dir.path());
        return !QTest::currentTestFailed() && form.list("Combo2")->count() == 0;
    }));
}

void TestHostileDataFiles::dataFileReplacedWhileRunning()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("FLDATA.mdb"));
    QVERIFY(test::writeDataFile(path, {Create20593, "insert into _HG20593 values ('0.25', 10, 75)"}));
    data::Connection connection;
    test::WindowPages form;
    app::loadForm1(form.window(), connection, dir.path());
    QCOMPARE(form.list("Combo2")->count(), 1);

    for (const QByteArray &replacement :
         {sqliteBytes({Create20593, "insert into _HG20593 values ('0.25', 20, 90)"}), randomBytes(9000, 3),
          QByteArray()}) {
        const QString next = dir.filePath(QStringLiteral("next"));
        QFile file(next);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(replacement);
        file.close();
        QVERIFY(::rename(next.toLocal8Bit().constData(), path.toLocal8Bit().constData()) == 0);
        ui::selectEntry(*form.list("Combo1"), 0);
        form.button("Command1")->click();
        // The open file is the one read: its rows stay listed and shown.
        QCOMPARE(form.list("Combo2")->currentText(), QStringLiteral("10"));
        QCOMPARE(form.label("Label6")->text(), QStringLiteral("Φ75"));
    }
}

void TestHostileDataFiles::sideFiles_data()
{
    QTest::addColumn<QString>("journalMode");
    QTest::addColumn<int>("firstPageDiameters"); // entries of Combo2 after loading
    // Committed in the log only: read from it.
    QTest::newRow("write-ahead log") << "wal" << 2;
    // Unfinished, with changed pages already in the file: unreadable.
    QTest::newRow("hot journal") << "delete" << 0;
}

void TestHostileDataFiles::sideFiles()
{
    // Another program holds the file open: one row committed long ago, one
    // transaction since, and (for a journal) one that has not finished.
    QFETCH(QString, journalMode);
    QFETCH(int, firstPageDiameters);
    QTemporaryDir work;
    const QString source = work.filePath(QStringLiteral("source.db"));
    QVERIFY(test::writeDataFile(source, {Create20593, "insert into _HG20593 values ('0.25', 10, 75)"}));
    tools::SqliteWriter writer(source.toStdU16String());
    QVERIFY2(writer.ok(), writer.error().c_str());
    const auto run = [&writer](const QString &sql) { return writer.exec(sql.toStdString()); };
    QVERIFY(run("pragma journal_mode = " + journalMode) && run("pragma wal_autocheckpoint = 0"));
    QVERIFY(run("insert into _HG20593 values ('0.25', 15, 80)"));
    // A tiny cache spills the unfinished transaction's pages into the file.
    QVERIFY(run("pragma cache_size = 1") && run("begin")
            && run("with recursive n(i) as (select 1 union all select i + 1 from n where i < 200)"
                   " insert into _HG20593 select '0.25', 20, randomblob(2000) from n"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("FLDATA.mdb"));
    QStringList names{"FLDATA.mdb"};
    QVERIFY(QFile::copy(source, path));
    for (const char *side : {"-wal", "-journal"}) {
        if (QFile::copy(source + side, path + side))
            names << QStringLiteral("FLDATA.mdb") + side;
    }
    writer.close();
    QCOMPARE(names.size(), 2);
    names.sort();
    QMap<QString, QByteArray> before;
    for (const QString &name : names)
        before[name] = fileBytes(dir.filePath(name));

    data::Connection connection;
    test::WindowPages form;
    exercise(form, connection, dir.path());
    QCOMPARE(form.list("Combo2")->count(), firstPageDiameters);
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries, QDir::Name), names);
    for (const QString &name : names)
        QVERIFY2(fileBytes(dir.filePath(name)) == before[name], qPrintable(name));
}

void TestHostileDataFiles::typedTexts_data()
{
    QTest::addColumn<QString>("pressure");
    QTest::addColumn<QString>("diameter");
    QTest::newRow("10000 characters") << QString(10000, QLatin1Char('1')) << QString(10000, QLatin1Char('9'));
    QTest::newRow("quotes") << "0.6'" << "'50'";
    QTest::newRow("double quotes") << "\"0.6\"" << "\"50\"";
    QTest::newRow("semicolons") << "0.6;" << "50;drop table _HG20596";
    QTest::newRow("comment markers") << "0.6--" << "50/*";
    QTest::newRow("control characters") << QStringLiteral("0.6\n\t\r") << QStringLiteral("50\x01\x7f");
    QTest::newRow("other scripts") << "〇．六" << "五十";
    QTest::newRow("full-width digits") << "0.6" << "５０";
}

void TestHostileDataFiles::typedTexts()
{
    QFETCH(QString, pressure);
    QFETCH(QString, diameter);
    QTemporaryDir dir;
    QVERIFY(test::writeDataFile(dir.filePath(QStringLiteral("FLDATA.mdb")),
                                {test::createFlangeTable("_HG20596", {"法兰外径D"}),
                                 "insert into _HG20596 values ('0.6', 50, 140)"}));
    data::Connection connection;
    test::WindowPages form;
    app::loadForm1(form.window(), connection, dir.path());
    form.button("Command4")->click();
    QCOMPARE(form.label("Label43")->text(), QStringLiteral("Φ140"));

    form.markResultsUntouched();
    form.list("Combo7")->setEditText(pressure);
    form.list("Combo8")->setEditText(diameter);
    form.button("Command4")->click();
    QCOMPARE(form.writtenBesides({}), 0);
    QCOMPARE(form.list("Combo8")->currentText(), diameter);
}

QTEST_MAIN(TestHostileDataFiles)
#include "test_hostile_data_files.moc"
