// The lookups answer in a program that has no window system at all.
#include "support/data_file_writer.h"

#include "data/connection.h"
#include "lookup/diameter_list.h"
#include "lookup/dimension_query.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vantelo;

class TestQueryWithoutWindow final : public QObject
{
    Q_OBJECT

private slots:
    void listsAndQueriesInACoreApplication();
};

void TestQueryWithoutWindow::listsAndQueriesInACoreApplication()
{
    QVERIFY(!QCoreApplication::instance()->inherits("QGuiApplication"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("FLDATA.mdb"));
    QVERIFY(test::writeDataFile(path, {test::createFlangeTable("_HG20617", {"螺栓孔数量n", "螺栓孔直径L"}),
                                       "insert into _HG20617 values ('42.0', 50, 8, 30), ('42.0', 65, 8, NULL)"}));
    data::Connection connection;
    connection.setConnectionString(QStringLiteral("Data Source=") + path);
    QVERIFY(connection.open());

    const lookup::FlangeStandard &hg20617 = lookup::flangeStandards()[5];
    const QString mpa = lookup::classPressure(hg20617, QStringLiteral("2500#")).value_or(QString());
    QCOMPARE(mpa, QStringLiteral("42.0"));
    QCOMPARE(lookup::diameterEntries(hg20617, mpa, connection), (QStringList{"50", "65"}));

    const auto row = lookup::DimensionQuery(hg20617, mpa, QStringLiteral("65"), connection);
    QVERIFY(row.has_value());
    QCOMPARE(row->captions.size(), hg20617.bindings.size());
    QCOMPARE(row->captions[5].value_or("?"), QStringLiteral("8-Φ")); // the bolt holes
    QVERIFY(!row->captions[0].has_value());                          // no neck column
    const std::vector<std::pair<QString, QString>> values{
        {"公称压力PN", "42.0"}, {"公称通径DN", "65"}, {"螺栓孔数量n", "8"}, {"螺栓孔直径L", ""}};
    QCOMPARE(row->values, values);
    QVERIFY(!lookup::DimensionQuery(hg20617, mpa, QStringLiteral("80"), connection).has_value());
}

QTEST_GUILESS_MAIN(TestQueryWithoutWindow)
#include "test_query_without_window.moc"
