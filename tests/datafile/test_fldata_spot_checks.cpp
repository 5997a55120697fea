// Known values of every table, restated from the published references, read
// with the program's own dimension statement. Each pressure is sampled at its
// first and last diameter and in between; "column=" means the cell is NULL.
// Then what the file says of a few values' origins.

#include "reference_tables.h"

#include "data/connection.h"
#include "lookup/value_origin.h"
#include "tools/sqlite_writer.h"

#include <QTemporaryDir>
#include <QTest>

using vantelo::lookup::ValueOrigin;

class TestFldataSpotChecks final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void knownRows_data();
    void knownRows();
    void valueOrigins_data();
    void valueOrigins();
    void fileWithoutProvenanceRecordsNothing();

private:
    static vantelo::data::Connection connectionTo(const QString &path);

    QString m_path;
    SqliteHandle m_db;
};

vantelo::data::Connection TestFldataSpotChecks::connectionTo(const QString &path)
{
    vantelo::data::Connection connection;
    connection.setConnectionString(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + path);
    connection.open();
    return connection;
}

void TestFldataSpotChecks::initTestCase()
{
    m_path = qEnvironmentVariable("VANTELO_PROGRAM_DIR") + QStringLiteral("/FLDATA.mdb");
    m_db = openReadOnly(m_path);
    QVERIFY2(m_db, qPrintable(m_path + QStringLiteral(" cannot be opened; build the fldata target")));
}

void TestFldataSpotChecks::knownRows_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("pressure");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("expected");

    QTest::newRow("PL 1.6 first") << "_HG20593" << "1.6" << "10" << "管子外径A1A=17.2;管子外径A1B=14;螺栓孔数量n=4;螺栓孔直径L=14;法兰内径B1A=18;法兰内径B1B=15;螺孔中圆直径K=60;法兰外径D=90;法兰厚度C=14;坡口宽度b=4";
    QTest::newRow("PL 1.6 last") << "_HG20593" << "1.6" << "600" << "管子外径A1A=610;螺栓孔数量n=20;螺栓孔直径L=36;法兰内径B1A=616.5;法兰内径B1B=636;螺孔中圆直径K=770;法兰外径D=840;法兰厚度C=52;坡口宽度b=12";
    QTest::newRow("PL 0.25 first") << "_HG20593" << "0.25" << "10" << "管子外径A1A=17.2;螺栓孔数量n=4;螺栓孔直径L=11;法兰内径B1A=18;法兰内径B1B=15;螺孔中圆直径K=50;法兰外径D=75;法兰厚度C=12;坡口宽度b=";
    QTest::newRow("PL 0.25 last") << "_HG20593" << "0.25" << "2000" << "管子外径A1A=2032;管子外径A1B=2020;螺栓孔数量n=48;螺栓孔直径L=30;法兰内径B1A=2036;法兰内径B1B=2024;螺孔中圆直径K=2130;法兰外径D=2190;法兰厚度C=58;坡口宽度b=";
    QTest::newRow("PL 2.5 last") << "_HG20593" << "2.5" << "600" << "螺栓孔数量n=20;螺栓孔直径L=39;法兰内径B1A=616.5;法兰内径B1B=636;螺孔中圆直径K=770;法兰外径D=845;法兰厚度C=68";
    QTest::newRow("PL 0.6 last") << "_HG20593" << "0.6" << "2000" << "管子外径A1A=2032;管子外径A1B=2020;螺栓孔数量n=48;螺栓孔直径L=42;螺孔中圆直径K=2180;法兰外径D=2265;坡口宽度b=";
    QTest::newRow("SO 4.0 first") << "_HG20594" << "4.0" << "10" << "钢管外径A1A=17.2;钢管外径A1B=14;螺栓孔数量n=4;螺栓孔直径L=14;法兰内径B1A=18;法兰内径B1B=15;螺孔中圆直径K=60;法兰外径D=90;法兰厚度C=16;法兰高度H=22;坡口宽度b=;法兰颈N-A=30;法兰颈N-B=30;法兰颈R=4";
    QTest::newRow("SO 4.0 last") << "_HG20594" << "4.0" << "600" << "钢管外径A1A=610;钢管外径A1B=630;螺栓孔数量n=20;螺栓孔直径L=48;法兰内径B1A=616.5;法兰内径B1B=636;螺孔中圆直径K=795;法兰外径D=890;法兰厚度C=72;法兰高度H=100;法兰颈N-A=686;法兰颈N-B=706;法兰颈R=12";
    QTest::newRow("SO 1.6 DN100") << "_HG20594" << "1.6" << "100" << "钢管外径A1A=114.3;钢管外径A1B=108;螺栓孔数量n=8;螺栓孔直径L=18;螺孔中圆直径K=180;法兰外径D=220;法兰内径B1A=116;法兰内径B1B=110;法兰厚度C=20;法兰高度H=40;坡口宽度b=;法兰颈N-A=140;法兰颈N-B=140;法兰颈R=8";
    QTest::newRow("WN 6.3 first") << "_HG20595" << "6.3" << "10" << "法兰颈N-A=32;法兰颈N-B=32;钢管外径A1A=17.2;钢管外径A1B=14;螺栓孔数量n=4;螺栓孔直径L=14;螺孔中圆直径K=70;法兰外径D=100;法兰厚度C=20;法兰高度H=45;法兰颈H1=;法兰颈R=4;法兰颈S=";
    QTest::newRow("WN 6.3 last") << "_HG20595" << "6.3" << "400" << "法兰颈N-A=475;法兰颈N-B=495;钢管外径A1A=406.4;螺栓孔数量n=16;螺栓孔直径L=42;螺孔中圆直径K=585;法兰外径D=670;法兰厚度C=60;法兰高度H=160;法兰颈R=12";
    QTest::newRow("WN 1.0 last") << "_HG20595" << "1.0" << "2000" << "法兰颈N-A=2072;法兰颈N-B=2070;钢管外径A1A=2032;钢管外径A1B=2020;螺栓孔数量n=48;螺栓孔直径L=48;螺孔中圆直径K=2230;法兰外径D=2325;法兰厚度C=54;法兰高度H=180;法兰颈R=16";
    QTest::newRow("WN 10.0 last") << "_HG20595" << "10.0" << "350" << "法兰颈N-A=460;法兰颈N-B=482;钢管外径A1A=355.6;钢管外径A1B=377;螺栓孔数量n=16;螺栓孔直径L=48;螺孔中圆直径K=560;法兰外径D=655;法兰厚度C=74;法兰高度H=189;法兰颈R=12";
    QTest::newRow("WN 16.0 first") << "_HG20595" << "16.0" << "10" << "法兰颈N-A=32;法兰颈N-B=32;螺栓孔数量n=4;螺栓孔直径L=14;螺孔中圆直径K=70;法兰外径D=100;法兰厚度C=20;法兰高度H=45;法兰颈R=4";
    QTest::newRow("WN 16.0 last") << "_HG20595" << "16.0" << "300" << "法兰颈N-A=400;法兰颈N-B=400;钢管外径A1A=323.9;螺栓孔数量n=16;螺栓孔直径L=42;螺孔中圆直径K=500;法兰外径D=585;法兰厚度C=78;法兰高度H=175;法兰颈R=12";
    QTest::newRow("IF 0.6 first") << "_HG20596" << "0.6" << "10" << "法兰颈N=;螺孔中圆直径K=50;法兰外径D=75;螺栓孔数量n=4;螺栓孔直径L=11;法兰厚度C=";
    QTest::newRow("IF 6.3 last") << "_HG20596" << "6.3" << "400" << "螺孔中圆直径K=585;法兰外径D=670;螺栓孔数量n=16;螺栓孔直径L=42";
    QTest::newRow("IF 10.0 first") << "_HG20596" << "10.0" << "10" << "法兰颈N=;螺孔中圆直径K=70;法兰外径D=100;螺栓孔数量n=4;螺栓孔直径L=14;法兰厚度C=";
    QTest::newRow("IF 10.0 last") << "_HG20596" << "10.0" << "400" << "螺孔中圆直径K=620;法兰外径D=715;螺栓孔数量n=16;螺栓孔直径L=48";
    QTest::newRow("IF 2.5 DN200") << "_HG20596" << "2.5" << "200" << "螺孔中圆直径K=310;法兰外径D=360;螺栓孔数量n=12;螺栓孔直径L=26";
    QTest::newRow("SO 150# first") << "_HG20616" << "2.0" << "15" << "法兰颈N=30;法兰内径B=22.5;螺孔中圆直径K=60.3;法兰外径D=90;螺栓孔数量n=4;螺栓孔直径L=16;法兰厚度C=11.2;法兰高度H=15.7";
    QTest::newRow("SO 1500# last") << "_HG20616" << "26.0" << "65" << "法兰颈N=124;法兰内径B=77.5;螺孔中圆直径K=190.5;法兰外径D=245;螺栓孔数量n=8;螺栓孔直径L=30;法兰厚度C=41.3;法兰高度H=64";
    QTest::newRow("SO 300# DN65") << "_HG20616" << "5.0" << "65" << "法兰颈N=100;法兰内径B=77.6;螺孔中圆直径K=149.2;法兰外径D=190;螺栓孔数量n=8;螺栓孔直径L=22;法兰厚度C=25.4;法兰高度H=";
    QTest::newRow("SO 900# last") << "_HG20616" << "15.0" << "600" << "法兰颈N=749;法兰内径B=616.5;螺孔中圆直径K=901.7;法兰外径D=1040;螺栓孔数量n=20;螺栓孔直径L=68;法兰厚度C=139.7;法兰高度H=203";
    QTest::newRow("WN 2500# first") << "_HG20617" << "42.0" << "15" << "法兰颈N=43;钢管外径A=21.3;法兰内径B-注=15.8;螺孔中圆直径K=88.9;法兰外径D=135;螺栓孔数量n=4;螺栓孔直径L=22;法兰厚度C=30.2;法兰高度H=73";
    QTest::newRow("WN 2500# last") << "_HG20617" << "42.0" << "300" << "法兰颈N=441;钢管外径A=323.8;法兰内径B-注=303.2;螺孔中圆直径K=619.1;法兰外径D=760;螺栓孔数量n=12;螺栓孔直径L=74;法兰厚度C=184.2;法兰高度H=464";
    QTest::newRow("WN 150# DN250") << "_HG20617" << "2.0" << "250" << "法兰颈N=305;钢管外径A=273;法兰内径B-注=254.5;螺孔中圆直径K=362;法兰外径D=405;螺栓孔数量n=12;螺栓孔直径L=26;法兰厚度C=30.2;法兰高度H=101.6";
    QTest::newRow("IF 150# first") << "_HG20618" << "2.0" << "15" << "法兰颈N=;法兰内径B=;螺孔中圆直径K=60.3;法兰外径D=90;螺栓孔数量n=4;螺栓孔直径L=16;颈部最小壁厚S=;法兰厚度C=11.2";
    QTest::newRow("IF 900# last") << "_HG20618" << "15.0" << "600" << "螺孔中圆直径K=901.7;法兰外径D=1040;螺栓孔数量n=20;螺栓孔直径L=68;法兰厚度C=139.7";
    QTest::newRow("IF 2500# last") << "_HG20618" << "42.0" << "300" << "螺孔中圆直径K=619.1;法兰外径D=760;螺栓孔数量n=12;螺栓孔直径L=74;法兰厚度C=184.2";
}

void TestFldataSpotChecks::knownRows()
{
    QFETCH(QString, table);
    QFETCH(QString, pressure);
    QFETCH(QString, diameter);
    QFETCH(QString, expected);

    Statement select = prepare(m_db.get(), QStringLiteral("select * from %1 where 公称压力PN='%2' and 公称通径DN=%3")
                                               .arg(table, pressure, diameter));
    QVERIFY(select);
    QCOMPARE(sqlite3_step(select.get()), SQLITE_ROW);
    QHash<QString, QString> shipped;
    for (int column = 0; column < sqlite3_column_count(select.get()); ++column)
        shipped.insert(QString::fromUtf8(sqlite3_column_name(select.get(), column)), columnText(select.get(), column));

    QCOMPARE(shipped.value(QStringLiteral("公称压力PN")), pressure);
    QCOMPARE(shipped.value(QStringLiteral("公称通径DN")), diameter);
    for (const QString &pair : expected.split(u';')) {
        const QString column = pair.section(u'=', 0, 0);
        const QString value = pair.section(u'=', 1);
        QVERIFY2(shipped.contains(column), qPrintable(column));
        QCOMPARE(shipped.value(column).isNull(), value.isEmpty());
        QCOMPARE(shipped.value(column), value.isEmpty() ? QString() : value);
    }
}

void TestFldataSpotChecks::valueOrigins_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("pressure");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("confidence");
    QTest::addColumn<QString>("inReference");
    const int known = int(ValueOrigin::Kind::Known), gap = int(ValueOrigin::Kind::Gap), none = int(ValueOrigin::Kind::Unrecorded);

    QTest::newRow("high, three sources") << "_HG20593" << "1.6" << "100" << "法兰外径D" << known << "S1+S2+S3" << "high" << "S2: EN 1092-1 connecting dimensions";
    QTest::newRow("high, pipe series") << "_HG20594" << "4.0" << "600" << "钢管外径A1B" << known << "S1+S10" << "high" << "S10: HG/T 20592-2009 §1.0.2";
    QTest::newRow("medium-high, X and EN") << "_HG20595" << "1.6" << "100" << "法兰颈N-A" << known << "X" << "medium-high" << "liyinggang6/cad";
    QTest::newRow("medium-high, rule") << "_HG20593" << "0.25" << "15" << "螺孔中圆直径K" << known << "rule(PN6:S2+S3)" << "medium-high" << "DN ≤ 40\nS2: EN 1092-1 connecting dimensions";
    QTest::newRow("medium, X alone") << "_HG20595" << "1.6" << "100" << "法兰颈R" << known << "X" << "medium" << "X: HG/T 20592-2009";
    QTest::newRow("medium-low, blind row") << "_HG20596" << "10.0" << "400" << "法兰外径D" << known << "X" << "medium-low" << "X: ";
    QTest::newRow("American high") << "_HG20617" << "42.0" << "300" << "法兰颈N" << known << "S1" << "high" << "S1: ASME B16.5";
    QTest::newRow("American low") << "_HG20617" << "11.0" << "100" << "法兰内径B-注" << known << "S1+S5+S2 (ASME B36.10M Sch 40 inside diameter)" << "low" << "S5: ASME B36.10M";
    QTest::newRow("American, two sources") << "_HG20617" << "2.0" << "100" << "法兰厚度C" << known << "S7=S4" << "high" << "(scribd 369807774)\nS4: ASME B16.5 pre-2003";
    QTest::newRow("American, with a remark") << "_HG20618" << "2.0" << "100" << "螺栓孔直径L" << known << "S10 (WN rows)" << "medium" << "S10: HG/T 20615-2009";
    QTest::newRow("gap, integral hub") << "_HG20596" << "1.6" << "100" << "法兰颈N" << gap << "" << "" << "";
    QTest::newRow("gap, class 300 height") << "_HG20616" << "5.0" << "65" << "法兰高度H" << gap << "" << "" << "";
    QTest::newRow("pressure without rows") << "_HG20595" << "25.0" << "100" << "法兰外径D" << none << "" << "" << "";
    QTest::newRow("no such column") << "_HG20593" << "1.6" << "100" << "法兰外径" << none << "" << "" << "";
    QTest::newRow("quote in the pressure") << "_HG20593" << "1.6' or '1'='1" << "100" << "法兰外径D" << none << "" << "" << "";
}

void TestFldataSpotChecks::valueOrigins()
{
    QFETCH(QString, table);
    QFETCH(QString, pressure);
    QFETCH(QString, diameter);
    QFETCH(QString, column);
    QFETCH(int, kind);
    QFETCH(QString, source);
    QFETCH(QString, confidence);
    QFETCH(QString, inReference);

    const vantelo::data::Connection connection = connectionTo(m_path);
    QVERIFY(connection.isOpen());
    const ValueOrigin origin = vantelo::lookup::valueOrigin(connection, table, pressure, diameter, column);
    QCOMPARE(int(origin.kind), kind);
    QCOMPARE(origin.source, source);
    QCOMPARE(origin.confidence, confidence);
    QVERIFY2(origin.reference.contains(inReference), qPrintable(origin.reference));
}

void TestFldataSpotChecks::fileWithoutProvenanceRecordsNothing()
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("FLDATA.mdb"));
    QVERIFY(QFile::copy(m_path, copy) && QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner));
    {
        vantelo::tools::SqliteWriter file(copy.toStdU16String());
        QVERIFY2(file.exec("drop table provenance; drop table provenance_source") && file.close(), file.error().c_str());
    }
    const vantelo::data::Connection connection = connectionTo(copy);
    QVERIFY(connection.execute(QStringLiteral("select 法兰外径D from _HG20593 where 公称压力PN='1.6' and 公称通径DN=100")));
    const ValueOrigin origin = vantelo::lookup::valueOrigin(connection, QStringLiteral("_HG20593"), QStringLiteral("1.6"),
                                                            QStringLiteral("100"), QStringLiteral("法兰外径D"));
    QCOMPARE(int(origin.kind), int(ValueOrigin::Kind::Unrecorded));
    QVERIFY(origin.source.isEmpty() && origin.reference.isEmpty());
}

QTEST_GUILESS_MAIN(TestFldataSpotChecks)
#include "test_fldata_spot_checks.moc"
