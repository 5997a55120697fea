#include "data/access/access_numbers.h"
#include "data/access/access_schema.h"

#include <QTest>

#include <mdbtools.h>
#include <sqlite3.h>

#include <cmath>
#include <limits>

using namespace vantelo::data;

namespace {

class MemoryDatabase final
{
public:
    MemoryDatabase() { sqlite3_open(":memory:", &m_db); }
    ~MemoryDatabase() { sqlite3_close(m_db); }
    bool run(const QString &sql) const
    {
        return sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    // The first column of every row, as text.
    QStringList column(const QString &sql) const
    {
        QStringList values;
        sqlite3_stmt *statement = nullptr;
        sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &statement, nullptr);
        while (statement && sqlite3_step(statement) == SQLITE_ROW)
            values << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)));
        sqlite3_finalize(statement);
        return values;
    }

private:
    sqlite3 *m_db = nullptr;
};

} // namespace

class TestAccessValues final : public QObject
{
    Q_OBJECT

private slots:
    void widensASingleToTheTypedValue_data();
    void widensASingleToTheTypedValue();
    void readsCurrencyAsTheNearestDouble();
    void writesDatesInIsoForm_data();
    void writesDatesInIsoForm();
    void copiedKeyColumnsCompareAsTheProgramAsks();
    void keepsOddNamesExactly();
};

void TestAccessValues::widensASingleToTheTypedValue_data()
{
    QTest::addColumn<float>("single");
    QTest::addColumn<double>("typed");
    QTest::newRow("0.15") << 0.15f << 0.15;
    QTest::newRow("1.6") << 1.6f << 1.6;
    QTest::newRow("114.3") << 114.3f << 114.3;
    QTest::newRow("negative") << -60.3f << -60.3;
    QTest::newRow("whole") << 16777216.0f << 16777216.0;
    QTest::newRow("tiny") << 1e-30f << 1e-30;
    QTest::newRow("largest") << std::numeric_limits<float>::max() << 3.4028235e38;
}

void TestAccessValues::widensASingleToTheTypedValue()
{
    QFETCH(float, single);
    QFETCH(double, typed);
    QCOMPARE(widenSingle(single), typed); // exact, not within a tolerance
}

void TestAccessValues::readsCurrencyAsTheNearestDouble()
{
    QCOMPARE(currencyValue(424000), 42.4);
    QCOMPARE(currencyValue(19955000), 1995.5);
    QCOMPARE(currencyValue(-5), -0.0005);
    QVERIFY(std::isinf(widenSingle(std::numeric_limits<float>::infinity())));
}

void TestAccessValues::writesDatesInIsoForm_data()
{
    QTest::addColumn<double>("days");
    QTest::addColumn<QString>("text"); // empty: no date
    QTest::newRow("epoch") << 0.0 << "1899-12-30T00:00:00";
    QTest::newRow("noon of the next day") << 1.5 << "1899-12-31T12:00:00";
    QTest::newRow("before the epoch, time counts forward") << -1.25 << "1899-12-29T06:00:00";
    QTest::newRow("2000") << 36526.0 << "2000-01-01T00:00:00";
    QTest::newRow("rounds up to midnight") << 0.999999999 << "1899-12-31T00:00:00";
    QTest::newRow("first day Access holds") << -657434.0 << "0100-01-01T00:00:00";
    QTest::newRow("last day Access holds") << 2958465.5 << "9999-12-31T12:00:00";
    QTest::newRow("before year 100") << -657435.0 << "";
    QTest::newRow("after year 9999") << 2958466.0 << "";
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << "";
}

void TestAccessValues::writesDatesInIsoForm()
{
    QFETCH(double, days);
    QFETCH(QString, text);
    QCOMPARE(accessDateText(days).value_or(QString()), text);
}

void TestAccessValues::copiedKeyColumnsCompareAsTheProgramAsks()
{
    // A file whose pressure column holds numbers still answers the quoted
    // pressure text; its diameter column keeps its numeric type.
    const std::vector<AccessColumn> columns{
        {QStringLiteral("公称压力PN"), MDB_DOUBLE}, {QStringLiteral("公称通径DN"), MDB_LONGINT},
        {QStringLiteral("法兰外径D"), MDB_FLOAT}};
    const QStringList statements = copySchemaStatements(QStringLiteral("_HG20593"), columns);
    QCOMPARE(statements.size(), 2); // the table and its key index

    const MemoryDatabase db;
    for (const QString &statement : statements)
        QVERIFY2(db.run(statement), qPrintable(statement));
    QVERIFY(db.run(QStringLiteral("insert into _HG20593 values (1.6, 100.0, 220)")));

    QCOMPARE(db.column(QStringLiteral("select distinct 公称通径DN from _HG20593 where 公称压力PN='1.6'")),
             QStringList{"100"});
    QVERIFY(db.column(QStringLiteral("select 公称通径DN from _HG20593 where 公称压力PN='1.60'")).isEmpty());
    QCOMPARE(db.column(QStringLiteral("select 法兰外径D from _HG20593 where 公称压力PN='1.6' and 公称通径DN=100.0")),
             QStringList{"220.0"});
    QCOMPARE(db.column(QStringLiteral("select name from pragma_index_info('_HG20593 by key columns')")),
             QStringList({"公称压力PN", "公称通径DN"}));
}

void TestAccessValues::keepsOddNamesExactly()
{
    const QString table = QStringLiteral("Umsätze \"2024\"");
    const std::vector<AccessColumn> columns{{QStringLiteral("法兰颈N-A"), MDB_DOUBLE},
                                            {QStringLiteral("Ship \"Region\""), MDB_TEXT},
                                            {QStringLiteral("公称通径DN"), MDB_DOUBLE}};
    const QStringList statements = copySchemaStatements(table, columns);
    QCOMPARE(statements.size(), 1); // no pressure column, so no index

    const MemoryDatabase db;
    QVERIFY2(db.run(statements.first()), qPrintable(statements.first()));
    QCOMPARE(db.column(QStringLiteral("select name from sqlite_schema")), QStringList{table});
    QCOMPARE(db.column(QStringLiteral("select name from pragma_table_info('Umsätze \"2024\"')")),
             QStringList({"法兰颈N-A", "Ship \"Region\"", "公称通径DN"}));
}

QTEST_GUILESS_MAIN(TestAccessValues)
#include "test_access_values.moc"
