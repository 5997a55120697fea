#include "data/connection.h"
#include "data_test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using vantelo::data::Connection;

namespace {

const QString Provider = QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=");

} // namespace

class TestConnection final : public QObject
{
    Q_OBJECT

private slots:
    void findsTheDataSource_data();
    void findsTheDataSource();
    void refusesStatementsUntilOpen();
    void staysClosedWhenTheFileCannotBeOpened_data();
    void staysClosedWhenTheFileCannotBeOpened();
    void reopensFromTheCurrentString();
};

void TestConnection::findsTheDataSource_data()
{
    QTest::addColumn<QString>("connectionString");
    QTest::addColumn<QString>("dataSource");

    QTest::newRow("as the program builds it") << Provider + "/opt/vantelo/FLDATA.mdb" << "/opt/vantelo/FLDATA.mdb";
    QTest::newRow("followed by another key") << Provider + "/opt/FLDATA.mdb;Persist Security Info=False"
                                             << "/opt/FLDATA.mdb";
    QTest::newRow("spaces in the path") << Provider + "/home/李 工/My Tools/FLDATA.mdb"
                                        << "/home/李 工/My Tools/FLDATA.mdb";
    QTest::newRow("equals sign in the path") << Provider + "/a=b/FLDATA.mdb" << "/a=b/FLDATA.mdb";
    QTest::newRow("key in other case, blanks around") << "data source = /x/FLDATA.mdb ;" << "/x/FLDATA.mdb";
    QTest::newRow("Windows path") << Provider + "C:\\Program Files\\FL\\FLDATA.mdb"
                                  << "C:\\Program Files\\FL\\FLDATA.mdb";
    QTest::newRow("longer key is another key") << "Extended Data Source=/x/FLDATA.mdb" << "";
    QTest::newRow("no data source") << "Provider=Microsoft.Jet.OLEDB.4.0" << "";
    QTest::newRow("empty") << "" << "";
}

void TestConnection::findsTheDataSource()
{
    QFETCH(QString, connectionString);
    QFETCH(QString, dataSource);
    QCOMPARE(Connection::dataSource(connectionString), dataSource);
}

void TestConnection::refusesStatementsUntilOpen()
{
    const Connection connection;
    QVERIFY(!connection.isOpen());
    QString error;
    QVERIFY(!connection.execute(QStringLiteral("select 1"), &error));
    QVERIFY(!error.isEmpty());
}

void TestConnection::staysClosedWhenTheFileCannotBeOpened_data()
{
    QTest::addColumn<QString>("connectionString");
    QTest::newRow("no data source") << "Provider=Microsoft.Jet.OLEDB.4.0";
    QTest::newRow("missing file") << Provider + "/nonexistent/FLDATA.mdb";
    QTest::newRow("a directory") << Provider + QDir::tempPath();
}

void TestConnection::staysClosedWhenTheFileCannotBeOpened()
{
    QFETCH(QString, connectionString);
    Connection connection;
    connection.setConnectionString(connectionString);
    QString error;
    QVERIFY(!connection.open(&error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!connection.isOpen());
    QVERIFY(!connection.execute(QStringLiteral("select 1")));
}

void TestConnection::reopensFromTheCurrentString()
{
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first.mdb"));
    const QString second = dir.filePath(QStringLiteral("FLDATA.mdb"));
    QVERIFY(vantelo::test::createSqliteFile(first, "CREATE TABLE _HG20593 (公称压力PN TEXT, 公称通径DN REAL);"));
    QVERIFY(vantelo::test::createSqliteFile(
        second, "CREATE TABLE _HG20593 (公称压力PN TEXT, 公称通径DN REAL); INSERT INTO _HG20593 VALUES ('1.6', 100);"));
    const QString statement = QStringLiteral("select distinct 公称通径DN from _HG20593 where 公称压力PN='1.6'");

    Connection connection;
    connection.setConnectionString(Provider + first);
    QVERIFY(connection.open());
    QCOMPARE(connection.execute(statement)->rowCount(), std::size_t(0));

    connection.setConnectionString(Provider + second);
    QVERIFY(connection.open());
    QCOMPARE(connection.execute(statement)->rowCount(), std::size_t(1));

    connection.setConnectionString(Provider + dir.filePath(QStringLiteral("missing.mdb")));
    QVERIFY(!connection.open());
    QVERIFY(!connection.isOpen());
    QVERIFY(!connection.execute(statement));
}

QTEST_GUILESS_MAIN(TestConnection)
#include "test_connection.moc"
