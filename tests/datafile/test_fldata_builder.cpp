// The builder's accepted variants, its coverage report and the executable
// as the build runs it.

#include "reference_tables.h"
#include "source_fixture.h"

#include "tools/data_file_build.h"

#include <QProcess>
#include <QTest>

namespace tools = vantelo::tools;

class TestFldataBuilder final : public QObject
{
    Q_OBJECT

private slots:
    void harmlessVariantsAreAccepted_data();
    void harmlessVariantsAreAccepted();
    void reportCountsRowsAndEmptyCells();
    void executableWritesFileAndReport();
    void executableFailureKeepsEarlierFile();

private:
    static QString valueAt(const QString &file, const QString &sql);
    static int runBuilder(const QString &sourcesDir, const QString &output, QByteArray *out, QByteArray *err);
};

QString TestFldataBuilder::valueAt(const QString &file, const QString &sql)
{
    const SqliteHandle db = openReadOnly(file);
    if (!db)
        return QStringLiteral("(no file)");
    const Statement select = prepare(db.get(), sql);
    return select && sqlite3_step(select.get()) == SQLITE_ROW ? columnText(select.get(), 0) : QStringLiteral("(no row)");
}

int TestFldataBuilder::runBuilder(const QString &sourcesDir, const QString &output, QByteArray *out, QByteArray *err)
{
    QProcess process;
    process.start(QStringLiteral(FLDATA_BUILDER_PATH), {sourcesDir, output});
    if (!process.waitForFinished(60000))
        return -1;
    *out = process.readAllStandardOutput();
    *err = process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

void TestFldataBuilder::harmlessVariantsAreAccepted_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("expected");
    // A byte-order mark is skipped: the first column must still be found.
    QTest::newRow("byte-order mark") << "_HG20593" << "select 公称通径DN from _HG20593 where 公称压力PN='0.25' limit 1" << "10";
    // CRLF: the last column must still read as a number.
    QTest::newRow("CRLF line ends") << "_HG20617" << "select 法兰高度H from _HG20617 where 公称压力PN='2.0' and 公称通径DN=15" << "47.8";
}

void TestFldataBuilder::harmlessVariantsAreAccepted()
{
    QFETCH(QString, table);
    QFETCH(QString, sql);
    QFETCH(QString, expected);

    SourceFixture sources;
    QVERIFY(sources.isValid());
    QByteArray content = sources.read(table);
    if (QByteArray(QTest::currentDataTag()) == "byte-order mark")
        content.prepend("\xEF\xBB\xBF");
    else
        content.replace("\n", "\r\n");
    QVERIFY(sources.write(table, content));

    const QString output = sources.path(QStringLiteral("FLDATA.mdb"));
    const tools::BuildOutcome outcome = tools::buildDataFile(sources.dirPath().toStdString(), output.toStdString());
    QVERIFY2(outcome.written, outcome.errors.empty() ? "" : outcome.errors.front().c_str());
    QCOMPARE(valueAt(output, sql), expected);
}

void TestFldataBuilder::reportCountsRowsAndEmptyCells()
{
    SourceFixture sources;
    QVERIFY(sources.isValid());
    // Two rows of one pressure, whose connection dimensions differ in confidence.
    const QByteArray integral = sources.read(QStringLiteral("_HG20596"));
    const QList<QByteArray> lines = integral.split('\n');
    QVERIFY(lines.size() > 3);
    QVERIFY(sources.write(QStringLiteral("_HG20596"), lines[0] + '\n' + lines[1] + '\n' + lines[2] + '\n'));

    const tools::BuildOutcome outcome = tools::buildDataFile(sources.dirPath().toStdString(),
                                                                 sources.path(QStringLiteral("FLDATA.mdb")).toStdString());
    QVERIFY2(outcome.written, outcome.errors.empty() ? "" : outcome.errors.front().c_str());
    const QString report = QString::fromStdString(outcome.report);
    QVERIFY2(report.contains(QStringLiteral("_HG20596: 2 rows\n  rows per PN: 0.6=2\n"
                                            "  offered PN without rows: 1.0 1.6 2.5 4.0 6.3 10.0 16.0 25.0\n"
                                            "  empty cells: 法兰颈N=2 螺孔中圆直径K=0 法兰外径D=0 螺栓孔数量n=0")),
             qPrintable(report));
    QVERIFY2(report.contains(QStringLiteral("  empty cells in all: 10 of 18; known cells: 8\n"
                                            "  known cells per confidence: high=4 medium=4\n")),
             qPrintable(report));
}

void TestFldataBuilder::executableWritesFileAndReport()
{
    SourceFixture sources;
    QVERIFY(sources.isValid());
    const QString output = sources.path(QStringLiteral("bin/FLDATA.mdb"));
    QByteArray out, err;
    QCOMPARE(runBuilder(sources.dirPath(), output, &out, &err), 0);
    QVERIFY2(err.isEmpty(), err.constData());
    QVERIFY(out.startsWith("FLDATA.mdb coverage: 7 tables, "));
    QVERIFY(!QFile::exists(output + QStringLiteral(".partial")));
    QCOMPARE(valueAt(output, QStringLiteral("select 法兰外径D from _HG20593 where 公称压力PN='1.6' and 公称通径DN=100")),
             QStringLiteral("220"));
}

void TestFldataBuilder::executableFailureKeepsEarlierFile()
{
    SourceFixture sources;
    QVERIFY(sources.isValid());
    QVERIFY(sources.replaceLine(QStringLiteral("_HG20593"), 89, "1.6,100,114.3,108,8,18,116,110,230,220,22,6"));
    const QString output = sources.path(QStringLiteral("FLDATA.mdb"));
    QFile earlier(output);
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier file") == 12);
    earlier.close();

    QByteArray out, err;
    QCOMPARE(runBuilder(sources.dirPath(), output, &out, &err), 1);
    QVERIFY2(err.contains("_HG20593 PN 1.6 DN 100 (line 89): 螺孔中圆直径K 230 must be less than 法兰外径D 220"),
             err.constData());
    QVERIFY(out.isEmpty());
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("earlier file"));
}

QTEST_GUILESS_MAIN(TestFldataBuilder)
#include "test_fldata_builder.moc"
