// The lookups answer in a program that has no window system at all.
#include "support/data_file_writer.h"

#include "data/connection.h"
#include "lookup/diameter_list.h"
#include "lookup/found_flange.h"
#include "lookup/pressure_texts.h"
#include "lookup/standards.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vantelo;

class TestQueryWithoutWindow final : public QObject
{
    Q_OBJECT

private slots:
    void listsAndQueriesInACoreApplication();
    void failedReadIsToldApartFromNoRow();
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

    const lookup::StandardRecord &hg20617 = lookup::StandardRecords[5];
    const QString mpa = lookup::classPressure(hg20617, QStringLiteral("2500#")).value_or(QString());
    QCOMPARE(mpa, QStringLiteral("42.0"));
    QCOMPARE(lookup::diameterEntries(hg20617, mpa, connection), (QStringList{"50", "65"}));

    const lookup::FlangeLookup found =
        lookup::findFlange(hg20617, QStringLiteral("2500#"), mpa, QStringLiteral("65"), connection);
    const auto *flange = std::get_if<lookup::FoundFlange>(&found);
    QVERIFY(flange != nullptr);
    QCOMPARE(lookup::captionOf(lookup::resultAt(hg20617, 5)->source, *flange).value_or("?"),
             QStringLiteral("8-Φ")); // the bolt holes
    QVERIFY(!lookup::captionOf(lookup::resultAt(hg20617, 0)->source, *flange)); // no neck column
    // Every column with its value as stored: a text, a real, a null.
    QCOMPARE(flange->values.size(), std::size_t(4));
    QCOMPARE(flange->values[0].value, data::FieldValue(QStringLiteral("42.0")));
    QCOMPARE(flange->values[2].value, data::FieldValue(8.0));
    QVERIFY(data::isNull(flange->values[3].value));
    QVERIFY(!flange->text(QStringLiteral("螺栓孔直径L")));
    QVERIFY(std::holds_alternative<lookup::NoSuchRow>(
        lookup::findFlange(hg20617, QStringLiteral("2500#"), mpa, QStringLiteral("80"), connection)));
}

void TestQueryWithoutWindow::failedReadIsToldApartFromNoRow()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("FLDATA.mdb"));
    QVERIFY(test::writeDataFile(path, {test::createFlangeTable("_HG20593", {"法兰外径D"})}));
    data::Connection connection;
    connection.setConnectionString(QStringLiteral("Data Source=") + path);
    QVERIFY(connection.open());

    const auto ask = [&](int tab, const QString &diameter) {
        return lookup::findFlange(lookup::StandardRecords[std::size_t(tab - 1)], QStringLiteral("1.6"),
                                  QStringLiteral("1.6"), diameter, connection);
    };
    QVERIFY(std::holds_alternative<lookup::NoSuchRow>(ask(1, QStringLiteral("100"))));
    // A DN no statement can ask for is no row, not a failure.
    QVERIFY(std::holds_alternative<lookup::NoSuchRow>(ask(1, QStringLiteral("1e2"))));
    const lookup::FlangeLookup missingTable = ask(2, QStringLiteral("100"));
    QVERIFY(std::holds_alternative<lookup::ReadFailure>(missingTable));
    QVERIFY(!std::get<lookup::ReadFailure>(missingTable).reason.isEmpty());
}

QTEST_GUILESS_MAIN(TestQueryWithoutWindow)
#include "test_query_without_window.moc"
