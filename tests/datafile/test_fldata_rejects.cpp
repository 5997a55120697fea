// The builder refuses every malformed or implausible source, naming where
// the fault is: file, line and column, or table, PN, DN and columns.

#include "source_fixture.h"

#include "tools/data_file_build.h"

#include <QRegularExpression>
#include <QTest>

namespace tools = vantelo::tools;

class TestFldataRejects final : public QObject
{
    Q_OBJECT

private slots:
    void brokenSourceIsRefused_data();
    void brokenSourceIsRefused();
    void brokenRatingsAreRefused_data();
    void brokenRatingsAreRefused();
};

namespace {

// The unbroken rows that the cases below change in one place.
const QByteArray kPlRow = "1.6,100,114.3,108,8,18,116,110,180,220,22,6"; // _HG20593 line 89
const QByteArray kSoRow = "1.6,100,114.3,108,8,18,116,110,180,220,20,40,,140,140,8"; // _HG20594 line 46
const QByteArray kWnRow = "1.6,100,131,131,114.3,108,8,18,180,220,20,52,,8,";          // _HG20595 line 40
const QByteArray kPlBodyProvenance = "_HG20593,1.6,10,600,20,法兰内径B1A 法兰内径B1B 法兰厚度C 坡口宽度b,S1,,medium-high"; // line 32
const QByteArray kEuBoltRow = "1.6,100,8,18,M16,X (BLA/PLA/PLB/SOA/SOB/WNA/WNB),n/L = shipped; EN 1092-1 table E1: agree,medium-high,"; // eu_bolts line 98
const QByteArray kUsBoltRow = "42.0,2500#,50,8,30,M27,X (BL/WN),n/L = shipped; ASME B16.5 (B1): agree: 8 x 1 in,high,"; // us_bolts line 102
const QByteArray kPlHeader = "公称压力PN,公称通径DN,管子外径A1A,管子外径A1B,螺栓孔数量n,螺栓孔直径L,法兰内径B1A,法兰内径B1B,螺孔中圆直径K,法兰外径D,法兰厚度C,坡口宽度b";

QByteArray plRowWith(int column, const QByteArray &value)
{
    QList<QByteArray> fields = kPlRow.split(',');
    fields[column - 1] = value;
    return fields.join(',');
}

QByteArray withField(const QByteArray &row, int column, const QByteArray &value)
{
    QList<QByteArray> fields = row.split(',');
    fields[column - 1] = value;
    return fields.join(',');
}

QByteArray plHeaderWith(int column, const QByteArray &name)
{
    QList<QByteArray> fields = kPlHeader.split(',');
    fields[column - 1] = name;
    return fields.join(',');
}

// Builds the sources; true when the build wrote no data file. errors gets
// the builder's messages.
bool buildIsRefused(const SourceFixture &sources, QStringList &errors)
{
    const QString output = sources.path(QStringLiteral("out/FLDATA.mdb"));
    const tools::BuildOutcome outcome = tools::buildDataFile(sources.dirPath().toStdString(), output.toStdString());
    for (const std::string &error : outcome.errors)
        errors << QString::fromStdString(error);
    return !outcome.written && !QFile::exists(output);
}

} // namespace

void TestFldataRejects::brokenSourceIsRefused_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");

    // Malformed files: named by file, line and column.
    QTest::newRow("too few fields") << "_HG20593" << 89 << kPlRow.chopped(2) << "_HG20593.csv:89: column 12 \"坡口宽度b\": 11 fields, but the header has 12";
    QTest::newRow("too many fields") << "_HG20593" << 89 << kPlRow + ",7" << "_HG20593.csv:89: 13 fields, but the header has 12";
    QTest::newRow("DN with letters") << "_HG20593" << 89 << plRowWith(2, "1OO") << "_HG20593.csv:89: column 2 \"公称通径DN\": \"1OO\" is not a positive whole number";
    QTest::newRow("DN not whole") << "_HG20593" << 89 << plRowWith(2, "100.5") << "column 2 \"公称通径DN\": \"100.5\" is not a positive whole number";
    QTest::newRow("DN empty") << "_HG20593" << 89 << plRowWith(2, "") << "_HG20593.csv:89: column 2 \"公称通径DN\": the key value is empty";
    QTest::newRow("dimension with letters") << "_HG20593" << 89 << plRowWith(10, "22O") << "_HG20593.csv:89: column 10 \"法兰外径D\": \"22O\" is not a plain decimal number";
    QTest::newRow("dimension trailing zero") << "_HG20593" << 89 << plRowWith(3, "114.30") << "column 3 \"管子外径A1A\": \"114.30\" is not a plain decimal number";
    QTest::newRow("dimension with space") << "_HG20593" << 89 << plRowWith(3, " 114.3") << "column 3 \"管子外径A1A\": \" 114.3\" is not a plain decimal number";
    QTest::newRow("dimension negative") << "_HG20593" << 89 << plRowWith(12, "-6") << "column 12 \"坡口宽度b\": \"-6\" is not a plain decimal number";
    QTest::newRow("bolt count not whole") << "_HG20593" << 89 << plRowWith(5, "8.0") << "column 5 \"螺栓孔数量n\": \"8.0\" is not a positive whole number";
    QTest::newRow("bolt count zero") << "_HG20593" << 89 << plRowWith(5, "0") << "column 5 \"螺栓孔数量n\": \"0\" is not a positive whole number";
    QTest::newRow("PN of another tab") << "_HG20593" << 89 << plRowWith(1, "4.0") << "_HG20593.csv:89: column 1 \"公称压力PN\": pressure \"4.0\" is not offered on _HG20593 (offered: 0.25 0.6 1.0 1.6 2.5)";
    QTest::newRow("PN without trailing zero") << "_HG20595" << 2 << QByteArray("1,10,,,17.2,14,4,14,60,90,,,,,") << "_HG20595.csv:2: column 1 \"公称压力PN\": pressure \"1\" is not offered";
    QTest::newRow("PN as class text") << "_HG20616" << 2 << QByteArray("150#,15,30,22.5,60.3,90,4,16,11.2,15.7") << "_HG20616.csv:2: column 1 \"公称压力PN\": pressure \"150#\" is not offered";
    QTest::newRow("unknown column") << "_HG20593" << 1 << plHeaderWith(10, "法兰外径X") << "_HG20593.csv:1: column 10 \"法兰外径X\": unknown column";
    QTest::newRow("missing key column") << "_HG20593" << 1 << plHeaderWith(2, "DN") << "_HG20593.csv:1: missing key column \"公称通径DN\"";
    QTest::newRow("missing column") << "_HG20593" << 1 << plHeaderWith(12, "法兰厚度C") << "_HG20593.csv:1: missing column \"坡口宽度b\"";
    QTest::newRow("column twice") << "_HG20593" << 1 << plHeaderWith(12, "法兰厚度C") << "_HG20593.csv:1: column 12 \"法兰厚度C\": the column appears twice";
    QTest::newRow("not UTF-8") << "_HG20593" << 89 << plRowWith(12, "\xB6") << "_HG20593.csv:89: column 12: not valid UTF-8";
    QTest::newRow("file missing") << "_HG20618" << -1 << QByteArray() << "_HG20618.csv: cannot be read";

    // Implausible flanges: named by table, PN, DN and the columns.
    QTest::newRow("K not below D") << "_HG20593" << 89 << plRowWith(9, "230") << "_HG20593 PN 1.6 DN 100 (line 89): 螺孔中圆直径K 230 must be less than 法兰外径D 220";
    QTest::newRow("bore not below K") << "_HG20593" << 89 << plRowWith(7, "180") << "_HG20593 PN 1.6 DN 100 (line 89): 法兰内径B1A 180 must be less than 螺孔中圆直径K 180";
    QTest::newRow("hub not above bore") << "_HG20616" << 2 << QByteArray("2.0,15,22.5,22.5,60.3,90,4,16,11.2,15.7") << "_HG20616 PN 2.0 DN 15 (line 2): 法兰内径B 22.5 must be less than 法兰颈N 22.5";
    QTest::newRow("hub not below K") << "_HG20617" << 2 << QByteArray("2.0,15,60.3,21.3,15.8,60.3,90,4,16,11.2,47.8") << "_HG20617 PN 2.0 DN 15 (line 2): 法兰颈N 60.3 must be less than 螺孔中圆直径K 60.3";
    QTest::newRow("pipe not below K") << "_HG20617" << 2 << QByteArray("2.0,15,30,61,15.8,60.3,90,4,16,11.2,47.8") << "_HG20617 PN 2.0 DN 15 (line 2): 钢管外径A 61 must be less than 螺孔中圆直径K 60.3";
    QTest::newRow("bolt count not multiple of 4") << "_HG20593" << 89 << plRowWith(5, "6") << "_HG20593 PN 1.6 DN 100 (line 89): 螺栓孔数量n 6 must be a multiple of 4";
    QTest::newRow("hole reaches rim") << "_HG20593" << 89 << plRowWith(6, "40") << "_HG20593 PN 1.6 DN 100 (line 89): 螺栓孔直径L 40 must be less than 法兰外径D - 螺孔中圆直径K = 220 - 180";
    QTest::newRow("thickness zero") << "_HG20593" << 89 << plRowWith(11, "0") << "_HG20593 PN 1.6 DN 100 (line 89): 法兰厚度C 0 must be greater than 0";
    QTest::newRow("height not above thickness") << "_HG20616" << 2 << QByteArray("2.0,15,30,22.5,60.3,90,4,16,11.2,11.2") << "_HG20616 PN 2.0 DN 15 (line 2): 法兰厚度C 11.2 must be less than 法兰高度H 11.2";
    QTest::newRow("SO hub not above bore") << "_HG20594" << 46 << withField(kSoRow, 14, "116") << "_HG20594 PN 1.6 DN 100 (line 46): 法兰内径B1A 116 must be less than 法兰颈N-A 116";
    QTest::newRow("SO height not above thickness") << "_HG20594" << 46 << withField(kSoRow, 11, "40") << "_HG20594 PN 1.6 DN 100 (line 46): 法兰厚度C 40 must be less than 法兰高度H 40";
    QTest::newRow("SO bore B not above pipe B") << "_HG20594" << 46 << withField(kSoRow, 8, "108") << "_HG20594 PN 1.6 DN 100 (line 46): 钢管外径A1B 108 must be less than 法兰内径B1B 108";
    QTest::newRow("PL bore A not above pipe A") << "_HG20593" << 89 << plRowWith(7, "114.3") << "_HG20593 PN 1.6 DN 100 (line 89): 管子外径A1A 114.3 must be less than 法兰内径B1A 114.3";
    QTest::newRow("WN pipe not below hub") << "_HG20595" << 40 << withField(kWnRow, 3, "114.3") << "_HG20595 PN 1.6 DN 100 (line 40): 钢管外径A1A 114.3 must be less than 法兰颈N-A 114.3";
    QTest::newRow("WN hub reaches bolt holes") << "_HG20595" << 40 << withField(kWnRow, 4, "171") << "_HG20595 PN 1.6 DN 100 (line 40): 法兰颈N-B 171 must be less than 螺孔中圆直径K - 螺栓孔直径L/2 = 180 - 18/2";
    QTest::newRow("pair twice") << "_HG20593" << 0 << kPlRow << "_HG20593 PN 1.6 DN 100 (line 120): the pair 公称压力PN/公称通径DN already appears on line 89";
    QTest::newRow("D differs between European tables") << "_HG20594" << 46 << QByteArray("1.6,100,114.3,108,8,18,,,180,225,,,,,,") << "_HG20594 PN 1.6 DN 100 (line 46): 法兰外径D 225 differs from 法兰外径D 220 in _HG20593 PN 1.6 DN 100";
    QTest::newRow("L differs between American tables") << "_HG20618" << 2 << QByteArray("2.0,15,,,60.3,90,4,18,,11.2") << "_HG20618 PN 2.0 DN 15 (line 2): 螺栓孔直径L 18 differs from 螺栓孔直径L 16 in _HG20616 PN 2.0 DN 15";
    QTest::newRow("pipe OD differs for one DN") << "_HG20595" << 2 << QByteArray("1.0,10,,,17,14,4,14,60,90,,,,,") << "_HG20595 PN 1.0 DN 10 (line 2): 钢管外径A1A 17 differs from 管子外径A1A 17.2 in _HG20593 PN 0.25 DN 10";

    // Provenance that does not follow the tables: named by table, PN, DN and column, or by line.
    QTest::newRow("cell without provenance") << "provenance" << 32 << withField(kPlBodyProvenance, 4, "500") << "_HG20593 PN 1.6 DN 600: 法兰内径B1A 616.5 has no provenance line";
    QTest::newRow("known cell recorded as gap") << "provenance" << 32 << QByteArray(kPlBodyProvenance).replace(",S1,,medium-high", ",not found in any usable source,,") << "_HG20593 PN 1.6 DN 10: 法兰内径B1A 18 is recorded as a gap on provenance line 32";
    QTest::newRow("unregistered source") << "provenance" << 32 << withField(kPlBodyProvenance, 7, "S11") << "provenance.csv:32: source S11 is not in the European register";
    // Bolts that do not follow the flange tables or their standard: named by system, PN and DN.
    QTest::newRow("thread not fitting its hole") << "eu_bolts" << 98 << withField(kEuBoltRow, 5, "M20") << "bolt_thread European PN 1.6 DN 100 (eu_bolts.csv line 98): thread M20 does not fit hole L 18: HG/T 20592-2009 gives M16";
    QTest::newRow("American thread not fitting") << "us_bolts" << 102 << withField(kUsBoltRow, 6, "M30") << "bolt_thread American PN 42.0 DN 50 (us_bolts.csv line 102): thread M30 does not fit hole L 30: HG/T 20615-2009 gives M27";
    QTest::newRow("flange without bolts") << "eu_bolts" << 98 << withField(kEuBoltRow, 2, "3000") << "_HG20593 European PN 1.6 DN 100 (line 89): no bolt row in bolt_thread";
    QTest::newRow("bolt count differs") << "us_bolts" << 102 << withField(kUsBoltRow, 4, "12") << "bolt_thread American PN 42.0 DN 50 (us_bolts.csv line 102): 螺栓孔数量n 12 differs from 8 in _HG20617";
    QTest::newRow("source of the other register") << "provenance" << 218 << QByteArray("_HG20616,2.0,15,600,19,法兰厚度C,S7=X,S8+S9,high") << "provenance.csv:218: source X is not in the American register";
}

void TestFldataRejects::brokenSourceIsRefused()
{
    QFETCH(QString, table);
    QFETCH(int, line);
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);

    SourceFixture sources;
    QVERIFY(sources.isValid());
    QVERIFY(sources.replaceLine(table, line, content));
    QStringList errors;
    QVERIFY(buildIsRefused(sources, errors));
    const bool named = std::any_of(errors.cbegin(), errors.cend(), [&](const QString &e) { return e.contains(expected); });
    QVERIFY2(named, qPrintable(errors.join(u'\n')));
}

void TestFldataRejects::brokenRatingsAreRefused_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("pattern"); // lines of the file, changed to replacement
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("expected");
    QTest::newRow("rating rises with temperature") << "b165_ratings" << "(2-1.1,1.1,150#,2.0,50,)19.2" << "\\119.7"
        << "b165_ratings.csv:3: group 1.1 Class 150 rises with temperature: 19.7 bar at 50 °C above 19.6 bar at 38 °C";
    QTest::newRow("class missing") << "b165_ratings" << "[^\\n]*,1.1,2500#,[^\\n]*\\n" << ""
        << "group 1.1 has no Class 2500 ratings";
    QTest::newRow("temperature missing") << "b165_ratings" << "[^\\n]*,1.1,150#,2.0,325,[^\\n]*\\n" << ""
        << "group 1.1 Class 150: no rating at 325 °C, below its highest rated 538 °C";
    QTest::newRow("material of an unrated group") << "b165_materials" << "(?m)^1.1,(ASME B16.5 Table 2-1.1,A105,)" << "9.9,\\1"
        << "b165_materials.csv:2: A105 is in group 9.9, which has no ratings";
}

void TestFldataRejects::brokenRatingsAreRefused()
{
    QFETCH(QString, file);
    QFETCH(QString, pattern);
    QFETCH(QString, replacement);
    QFETCH(QString, expected);

    SourceFixture sources;
    QVERIFY(sources.isValid());
    const QString content = QString::fromUtf8(sources.read(file));
    const QString changed = QString(content).replace(QRegularExpression(pattern), replacement);
    QVERIFY(changed != content);
    QVERIFY(sources.write(file, changed.toUtf8()));
    QStringList errors;
    QVERIFY(buildIsRefused(sources, errors));
    QVERIFY2(errors.contains(expected), qPrintable(errors.join(u'\n')));
}

QTEST_GUILESS_MAIN(TestFldataRejects)
#include "test_fldata_rejects.moc"
