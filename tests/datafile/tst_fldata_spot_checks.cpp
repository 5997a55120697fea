// Known values of every table, restated from the published references, read
// with the program's own dimension statement. Each pressure is sampled at its
// first and last diameter and in between; "column=" means the cell is NULL.

#include "reference_tables.h"

#include <QTest>

class TestFldataSpotChecks final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void knownRows_data();
    void knownRows();

private:
    SqliteHandle m_db;
};

void TestFldataSpotChecks::initTestCase()
{
    const QString path = qEnvironmentVariable("VANTELO_PROGRAM_DIR") + QStringLiteral("/FLDATA.mdb");
    m_db = openReadOnly(path);
    QVERIFY2(m_db, qPrintable(path + QStringLiteral(" cannot be opened; build the fldata target")));
}

void TestFldataSpotChecks::knownRows_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("pressure");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("expected");

    QTest::newRow("PL 1.6 first") << "_HG20593" << "1.6" << "10" << "管子外径A1A=17.2;管子外径A1B=14;螺栓孔数量n=4;螺栓孔直径L=14;法兰内径B1A=18;法兰内径B1B=15;螺孔中圆直径K=60;法兰外径D=90;法兰厚度C=14;坡口宽度b=4";
    QTest::newRow("PL 1.6 last") << "_HG20593" << "1.6" << "600" << "管子外径A1A=610;螺栓孔数量n=20;螺栓孔直径L=36;法兰内径B1A=616.5;法兰内径B1B=636;螺孔中圆直径K=770;法兰外径D=840;法兰厚度C=52;坡口宽度b=12";
    QTest::newRow("PL 0.25 last") << "_HG20593" << "0.25" << "1200" << "管子外径A1A=1219;管子外径A1B=1220;螺栓孔数量n=32;螺栓孔直径L=30;法兰内径B1A=;螺孔中圆直径K=1320;法兰外径D=1375;法兰厚度C=";
    QTest::newRow("PL 0.6 last") << "_HG20593" << "0.6" << "2000" << "管子外径A1A=2032;管子外径A1B=2020;螺栓孔数量n=48;螺栓孔直径L=42;螺孔中圆直径K=2180;法兰外径D=2265;坡口宽度b=";
    QTest::newRow("SO 4.0 first") << "_HG20594" << "4.0" << "10" << "钢管外径A1A=17.2;钢管外径A1B=14;螺栓孔数量n=4;螺栓孔直径L=14;螺孔中圆直径K=60;法兰外径D=90;法兰颈N-A=";
    QTest::newRow("SO 4.0 last") << "_HG20594" << "4.0" << "400" << "钢管外径A1A=406.4;钢管外径A1B=426;螺栓孔数量n=16;螺栓孔直径L=39;螺孔中圆直径K=585;法兰外径D=660";
    QTest::newRow("SO 1.6 DN100") << "_HG20594" << "1.6" << "100" << "钢管外径A1A=114.3;钢管外径A1B=108;螺栓孔数量n=8;螺栓孔直径L=18;螺孔中圆直径K=180;法兰外径D=220;法兰厚度C=;法兰高度H=";
    QTest::newRow("WN 6.3 first") << "_HG20595" << "6.3" << "50" << "钢管外径A1A=60.3;钢管外径A1B=57;螺栓孔数量n=4;螺栓孔直径L=22;螺孔中圆直径K=135;法兰外径D=180;法兰颈H1=";
    QTest::newRow("WN 6.3 last") << "_HG20595" << "6.3" << "400" << "钢管外径A1A=406.4;螺栓孔数量n=16;螺栓孔直径L=42;螺孔中圆直径K=585;法兰外径D=670";
    QTest::newRow("WN 1.0 last") << "_HG20595" << "1.0" << "600" << "钢管外径A1A=610;钢管外径A1B=630;螺栓孔数量n=20;螺栓孔直径L=30;螺孔中圆直径K=725;法兰外径D=780";
    QTest::newRow("IF 0.6 first") << "_HG20596" << "0.6" << "10" << "法兰颈N=;螺孔中圆直径K=50;法兰外径D=75;螺栓孔数量n=4;螺栓孔直径L=11;法兰厚度C=";
    QTest::newRow("IF 6.3 last") << "_HG20596" << "6.3" << "400" << "螺孔中圆直径K=585;法兰外径D=670;螺栓孔数量n=16;螺栓孔直径L=42";
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

QTEST_GUILESS_MAIN(TestFldataSpotChecks)
#include "tst_fldata_spot_checks.moc"
