// Identifying a flange from measured D, K, n and L across the seven tables of
// the shipped data file, and from a file that lacks tables.

#include "support/data_file_writer.h"

#include "data/connection.h"
#include "lookup/identify.h"
#include "lookup/standard_record.h"

#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <numbers>

using namespace vantelo;
using lookup::Measurements;

namespace {

QStringList namesOf(const lookup::IdentifiedFlange &flange)
{
    QStringList names;
    for (const lookup::StandardRecord *standard : flange.standards)
        names << QString::fromUtf8(standard->caption);
    return names;
}

QString keyOf(const lookup::IdentifiedFlange &flange)
{
    return QStringLiteral("%1 DN%2").arg(flange.pressure).arg(flange.diameter);
}

// EU PN1.6 DN200: D 340, K 295, n 12, L 22; no other pressure or DN comes near.
Measurements pn16dn200(double d = 340, double l = 22)
{
    Measurements m;
    m.outsideDiameter = d;
    m.boltCircle = 295;
    m.boltCount = 12;
    m.boltHole = l;
    return m;
}

} // namespace

class IdentifyTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fitsExactlyOneEuropeanFlange();
    void fitsBothSystemsBestFirst();
    void fitsNothing();
    void toleranceEdges_data();
    void toleranceEdges();
    void boltCircleFromHoleDistances_data();
    void boltCircleFromHoleDistances();
    void unusableMeasurementsFitNothing();
    void missingTablesAreSkipped();
    void oddStoredHoleCountsMatchNothing_data();
    void oddStoredHoleCountsMatchNothing();

private:
    QStringList found(const Measurements &measured) const;
    data::Connection m_shipped;
};

void IdentifyTest::initTestCase()
{
    const QString path = qEnvironmentVariable("VANTELO_PROGRAM_DIR") + QStringLiteral("/FLDATA.mdb");
    if (!QFile::exists(path))
        QSKIP("the shipped data file has not been built");
    m_shipped.setConnectionString(QStringLiteral("Data Source=") + path);
    QVERIFY(m_shipped.open());
}

QStringList IdentifyTest::found(const Measurements &measured) const
{
    QStringList keys;
    for (const lookup::IdentifiedFlange &flange : lookup::identify(measured, m_shipped).flanges)
        keys << keyOf(flange);
    return keys;
}

void IdentifyTest::fitsExactlyOneEuropeanFlange()
{
    const lookup::Identification result = lookup::identify(pn16dn200(), m_shipped);
    QVERIFY(result.unreadTables.isEmpty());
    QCOMPARE(result.flanges.size(), std::size_t(1));
    const lookup::IdentifiedFlange &flange = result.flanges.front();
    QVERIFY(!flange.american());
    QCOMPARE(keyOf(flange), QStringLiteral("1.6 DN200"));
    QCOMPARE(namesOf(flange), (QStringList{"HG20593", "HG20594", "HG20595", "HG20596"}));
    QCOMPARE(flange.outsideDeviation, 0.0);
    QCOMPARE(flange.score, 0.0);
}

void IdentifyTest::fitsBothSystemsBestFirst()
{
    // K 241 lies 0.3 from Class 150 DN150 (241.3) and 1 from PN1.0/1.6 DN150 (240).
    Measurements m;
    m.boltCircle = 241;
    m.boltCount = 8;
    m.boltHole = 22;
    const lookup::Identification result = lookup::identify(m, m_shipped);
    QCOMPARE(found(m).mid(0, 3), (QStringList{"150# DN150", "1.0 DN150", "1.6 DN150"}));
    const lookup::IdentifiedFlange &american = result.flanges.front();
    QVERIFY(american.american());
    QCOMPARE(american.storedPressure, QStringLiteral("2.0"));
    QCOMPARE(namesOf(american), (QStringList{"HG20616", "HG20617", "HG20618"}));
    QVERIFY(std::abs(*american.boltCircleDeviation - 0.3) < 1e-9);
    QVERIFY(!result.flanges[1].american());
    QVERIFY(!american.outsideDeviation);
    for (const lookup::IdentifiedFlange &flange : result.flanges)
        QVERIFY(std::abs(*flange.boltCircleDeviation) <= 2 && flange.boltCount == 8);
}

void IdentifyTest::fitsNothing()
{
    Measurements m = pn16dn200();
    m.boltCount = 7;
    QCOMPARE(found(m), QStringList());
}

void IdentifyTest::toleranceEdges_data()
{
    QTest::addColumn<double>("outside");
    QTest::addColumn<double>("hole");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<int>("fits");
    QTest::newRow("D at +2") << 342.0 << 22.0 << -1.0 << 1;
    QTest::newRow("D at -2") << 338.0 << 22.0 << -1.0 << 1;
    QTest::newRow("D beyond +2") << 342.1 << 22.0 << -1.0 << 0;
    QTest::newRow("L at +1") << 340.0 << 23.0 << -1.0 << 1;
    QTest::newRow("L beyond -1") << 340.0 << 20.9 << -1.0 << 0;
    QTest::newRow("D at +0.5, tolerance 0.5") << 340.5 << 22.0 << 0.5 << 1;
    QTest::newRow("D beyond +0.5, tolerance 0.5") << 340.6 << 22.0 << 0.5 << 0;
    QTest::newRow("exact, tolerance 0") << 340.0 << 22.0 << 0.0 << 1;
}

void IdentifyTest::toleranceEdges()
{
    QFETCH(double, outside);
    QFETCH(double, hole);
    QFETCH(double, tolerance);
    QFETCH(int, fits);
    Measurements m = pn16dn200(outside, hole);
    if (tolerance >= 0)
        m.lengthTolerance = m.holeTolerance = tolerance;
    QCOMPARE(found(m), fits ? QStringList{"1.6 DN200"} : QStringList());
}

void IdentifyTest::boltCircleFromHoleDistances_data()
{
    QTest::addColumn<double>("adjacent");
    QTest::addColumn<double>("opposite");
    QTest::addColumn<int>("fits");
    // Twelve holes on K 295 are 76.35 apart; K is then 294.997.
    QTest::newRow("adjacent") << 76.35 << 0.0 << 1;
    QTest::newRow("adjacent too far") << 77.0 << 0.0 << 0;
    QTest::newRow("opposite") << 0.0 << 296.5 << 1;
}

void IdentifyTest::boltCircleFromHoleDistances()
{
    QFETCH(double, adjacent);
    QFETCH(double, opposite);
    QFETCH(int, fits);
    Measurements m = pn16dn200();
    m.boltCircle.reset();
    if (adjacent > 0)
        m.adjacentHoleDistance = adjacent;
    if (opposite > 0)
        m.oppositeHoleDistance = opposite;
    QCOMPARE(found(m), fits ? QStringList{"1.6 DN200"} : QStringList());
}

void IdentifyTest::unusableMeasurementsFitNothing()
{
    using P = lookup::MeasurementProblem;
    Measurements odd = pn16dn200();
    odd.boltCircle.reset();
    odd.boltCount = 5;
    odd.oppositeHoleDistance = 295;
    QCOMPARE(lookup::measurementProblem(odd), P::OppositeNeedsEvenCount);
    QCOMPARE(found(odd), QStringList());

    Measurements twice = pn16dn200();
    twice.adjacentHoleDistance = 76.35;
    QCOMPARE(lookup::measurementProblem(twice), P::BoltCircleTwice);
    QCOMPARE(lookup::measurementProblem(Measurements()), P::NothingMeasured);
    QCOMPARE(lookup::measurementProblem(pn16dn200(-340)), P::NotPositive);
    QCOMPARE(lookup::measurementProblem(pn16dn200(std::nan(""))), P::NotPositive);

    Measurements oneHole;
    oneHole.boltCount = 1;
    oneHole.adjacentHoleDistance = 100;
    QCOMPARE(lookup::measurementProblem(oneHole), P::DistanceNeedsTwoHoles);
    oneHole.boltCount = 1000;
    oneHole.adjacentHoleDistance = 1e308; // K would overflow
    QCOMPARE(lookup::measurementProblem(oneHole), P::TooLarge);
}

void IdentifyTest::missingTablesAreSkipped()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("FLDATA.mdb"));
    QVERIFY(test::writeDataFile(
        path, {test::createFlangeTable("_HG20595", {"法兰外径D", "螺孔中圆直径K", "螺栓孔数量n", "螺栓孔直径L"}),
               "insert into _HG20595 values ('1.6', 200, 340, 295, 12, 22)",
               "create table extra (x)"}));
    data::Connection connection;
    connection.setConnectionString(QStringLiteral("Data Source=") + path);
    QVERIFY(connection.open());
    const lookup::Identification result = lookup::identify(pn16dn200(), connection);
    QCOMPARE(result.unreadTables.size(), 6);
    QVERIFY(!result.unreadTables.contains("_HG20595"));
    QCOMPARE(result.flanges.size(), std::size_t(1));
    QCOMPARE(namesOf(result.flanges.front()), QStringList{"HG20595"});
}

void IdentifyTest::oddStoredHoleCountsMatchNothing_data()
{
    QTest::addColumn<QString>("storedCount");
    QTest::newRow("a fraction") << "4.5";
    QTest::newRow("beyond any count") << "1e300";
    QTest::newRow("beyond int, positive") << "9200000000000000000";
    QTest::newRow("beyond int, negative") << "-9200000000000000000";
}

void IdentifyTest::oddStoredHoleCountsMatchNothing()
{
    // Rounded, these counts read as 5 or 0: a count the table does not hold.
    QFETCH(QString, storedCount);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("FLDATA.mdb"));
    QVERIFY(test::writeDataFile(
        path, {test::createFlangeTable("_HG20595", {"法兰外径D", "螺孔中圆直径K", "螺栓孔数量n", "螺栓孔直径L"}),
               QStringLiteral("insert into _HG20595 values ('1.6', 200, 340, 295, %1, 22)").arg(storedCount)}));
    data::Connection connection;
    connection.setConnectionString(QStringLiteral("Data Source=") + path);
    QVERIFY(connection.open());
    Measurements withoutCount = pn16dn200();
    withoutCount.boltCount.reset();
    QCOMPARE(lookup::identify(withoutCount, connection).flanges.size(), std::size_t(0));
}

QTEST_GUILESS_MAIN(IdentifyTest)
#include "test_identify.moc"
