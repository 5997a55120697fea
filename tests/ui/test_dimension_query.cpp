// The query button: statement text, one row into the page's result labels by
// pattern, and every failure leaving captions as they were.

#include "support/data_file_writer.h"
#include "support/window_pages.h"

#include "data/connection.h"
#include "lookup/standards.h"
#include "lookup/statements.h"
#include "ui/standard_page.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace vantelo;

namespace {

using Row = QList<QPair<QString, QString>>;        // column, SQL literal
using Captions = QList<QPair<QString, QString>>;   // label, caption

struct TablePage
{
    QString table;
    QString pressure; // as the data file stores it
    QString button;
};

const TablePage Pages[] = {
    {"_HG20593", "0.25", "Command1"}, {"_HG20594", "0.6", "Command2"}, {"_HG20595", "1.0", "Command3"},
    {"_HG20596", "0.6", "Command4"},  {"_HG20616", "2.0", "Command5"}, {"_HG20617", "2.0", "Command6"},
    {"_HG20618", "2.0", "Command7"},
};

QStringList columnsOf(const Row &row)
{
    QStringList columns;
    for (const auto &cell : row)
        columns << cell.first;
    return columns;
}

QString insertRow(const QString &table, const QString &pressure, const QString &diameter, const Row &row)
{
    QString values = QStringLiteral("'%1', %2").arg(pressure, diameter);
    for (const auto &cell : row)
        values += QStringLiteral(", ") + cell.second;
    return QStringLiteral("insert into %1 values (%2)").arg(table, values);
}

const Row Row20593 = {{"管子外径A1A", "21.3"}, {"管子外径A1B", "18"},  {"螺栓孔数量n", "4"},
                      {"螺栓孔直径L", "11"},   {"法兰内径B1A", "22.5"}, {"法兰内径B1B", "19"},
                      {"螺孔中圆直径K", "55"}, {"法兰外径D", "80"},    {"法兰厚度C", "12"},
                      {"坡口宽度b", "4.5"}};

} // namespace

class TestDimensionQuery final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void statementTexts_data();
    void statementTexts();
    void presentPairFillsEveryLabelOfItsPageOnly_data();
    void presentPairFillsEveryLabelOfItsPageOnly();
    void secondClickGivesTheSameCaptions();
    void absentPairChangesNothing();
    void emptyDiameterListChangesNothing();
    void missingDataFileChangesNothing();
    void nullsPerPattern_data();
    void nullsPerPattern();
    void missingColumnFailsOnlyItsLabel();
    void severalMatchingRowsShowTheFirst();
    void classIsQueriedByItsMpaText();
    void numbersInGeneralForm_data();
    void numbersInGeneralForm();
    void accessSingleAndCurrencyShowAsTyped();
    void typedTextsThatWouldChangeTheStatementFail_data();
    void typedTextsThatWouldChangeTheStatementFail();
    void typedPlainDiameterIsQueried();
    void drivenPickKeepsTheLastFoundRow();

private:
    void load(const QStringList &statements);
    void click(const QString &button);
    int writesOutside(const QStringList &labels) const;

    QTemporaryDir m_dir;
    data::Connection m_connection;
    std::unique_ptr<test::WindowPages> m_form;
};

void TestDimensionQuery::init()
{
    m_connection = data::Connection();
    m_form = std::make_unique<test::WindowPages>();
}

void TestDimensionQuery::cleanup()
{
    m_form.reset();
}

void TestDimensionQuery::load(const QStringList &statements)
{
    const QString path = m_dir.filePath(QStringLiteral("FLDATA.mdb"));
    if (!statements.isEmpty())
        QVERIFY(test::writeDataFile(path, statements));
    else
        QFile::remove(path);
    m_connection.setConnectionString(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + path);
    QCOMPARE(m_connection.open(), !statements.isEmpty());
    ui::FillPressureLists(ui::attachStandardPages(m_form->pages(), m_connection, &m_form->window()));
    m_form->markResultsUntouched();
}

void TestDimensionQuery::click(const QString &button)
{
    QTest::mouseClick(m_form->button(button.toLatin1().constData()), Qt::LeftButton);
}

int TestDimensionQuery::writesOutside(const QStringList &labels) const
{
    return m_form->writtenBesides(labels);
}

void TestDimensionQuery::statementTexts_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("pressure");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("expected");
    QTest::newRow("HG20593") << 1 << "1.6" << "100"
                             << "select * from _HG20593 where 公称压力PN='1.6' and 公称通径DN=100";
    QTest::newRow("HG20616") << 5 << "5.0" << "80"
                             << "select * from _HG20616 where 公称压力PN='5.0' and 公称通径DN=80";
    QTest::newRow("HG20617") << 6 << "42.0" << "50"
                             << "select * from _HG20617 where 公称压力PN='42.0' and 公称通径DN=50";
    QTest::newRow("diameters HG20594") << 2 << "1.6" << QString()
                                       << "select distinct 公称通径DN from _HG20594 where 公称压力PN='1.6'";
    QTest::newRow("diameters HG20618") << 7 << "2.0" << QString()
                                       << "select distinct 公称通径DN from _HG20618 where 公称压力PN='2.0'";
    QTest::newRow("signed fraction") << 1 << "1.6" << "-12.5"
                                     << "select * from _HG20593 where 公称压力PN='1.6' and 公称通径DN=-12.5";
    // Anything but a plain decimal number never reaches the statement.
    for (const char *refused : {"-", "1e3", ".5", "5.", "1.2.3", "100 or 1=1", "１００"})
        QTest::newRow(refused) << 1 << "1.6" << refused << "";
}

void TestDimensionQuery::statementTexts()
{
    QFETCH(int, tab);
    QFETCH(QString, pressure);
    QFETCH(QString, diameter);
    QFETCH(QString, expected);
    const lookup::StandardRecord &standard = lookup::StandardRecords[std::size_t(tab - 1)];
    const auto statement = diameter.isNull() ? lookup::diameterStatement(standard, pressure)
                                             : lookup::dimensionStatement(standard, pressure, diameter);
    QCOMPARE(statement.value_or(QString()), expected);
}

void TestDimensionQuery::presentPairFillsEveryLabelOfItsPageOnly_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<Row>("row");
    QTest::addColumn<Captions>("expected");
    QTest::newRow("HG20593") << 0 << Row20593
                             << Captions{{"Label2", "Φ21.3(Φ18)"}, {"Label3", "4-Φ11"}, {"Label4", "Φ22.5(Φ19)"},
                                         {"Label5", "Φ55"}, {"Label6", "Φ80"}, {"Label7", "12"},
                                         {"Label8", "4.5"}};
    QTest::newRow("HG20594")
        << 1
        << Row{{"钢管外径A1A", "1"}, {"钢管外径A1B", "2"}, {"螺栓孔数量n", "3"}, {"螺栓孔直径L", "4"},
               {"法兰内径B1A", "5"}, {"法兰内径B1B", "6"}, {"螺孔中圆直径K", "7"}, {"法兰外径D", "8"},
               {"法兰厚度C", "9"},   {"法兰高度H", "10"},  {"坡口宽度b", "11"},   {"法兰颈N-A", "12"},
               {"法兰颈N-B", "13"},  {"法兰颈R", "14"}}
        << Captions{{"Label15", "Φ1(Φ2)"}, {"Label19", "3-Φ4"}, {"Label16", "Φ5(Φ6)"}, {"Label17", "Φ7"},
                    {"Label18", "Φ8"},     {"Label20", "9"},    {"Label21", "10"},     {"Label22", "11"},
                    {"Label14", "Φ12(Φ13)"}, {"Label23", "R14"}};
    QTest::newRow("HG20595")
        << 2
        << Row{{"法兰颈N-A", "1"}, {"法兰颈N-B", "2"}, {"钢管外径A1A", "3"}, {"钢管外径A1B", "4"},
               {"螺栓孔数量n", "5"}, {"螺栓孔直径L", "6"}, {"螺孔中圆直径K", "7"}, {"法兰外径D", "8"},
               {"法兰厚度C", "9"}, {"法兰高度H", "10"}, {"法兰颈H1", "11"}, {"法兰颈R", "12"}, {"法兰颈S", "13"}}
        << Captions{{"Label27", "Φ1(Φ2)"}, {"Label28", "Φ3(Φ4)"}, {"Label31", "5-Φ6"}, {"Label29", "Φ7"},
                    {"Label30", "Φ8"},     {"Label32", "9"},      {"Label33", "10"},   {"Label34", "11"},
                    {"Label35", "R12"},    {"Label37", "13"}};
    QTest::newRow("HG20596")
        << 3
        << Row{{"法兰颈N", "1"}, {"螺孔中圆直径K", "2"}, {"法兰外径D", "3"}, {"螺栓孔数量n", "4"},
               {"螺栓孔直径L", "5"}, {"法兰颈S0", "6"}, {"法兰颈S1", "7"}, {"法兰厚度C", "8"}, {"法兰颈R", "9"}}
        << Captions{{"Label41", "Φ1"}, {"Label42", "Φ2"}, {"Label43", "Φ3"}, {"Label44", "4-Φ5"},
                    {"Label45", "6"},  {"Label46", "7"},  {"Label47", "8"},  {"Label48", "R9"}};
    QTest::newRow("HG20616")
        << 4
        << Row{{"法兰颈N", "1"}, {"法兰内径B", "2"}, {"螺孔中圆直径K", "3"}, {"法兰外径D", "4"},
               {"螺栓孔数量n", "12"}, {"螺栓孔直径L", "26"}, {"法兰厚度C", "7"}, {"法兰高度H", "8"}}
        << Captions{{"Label59", "Φ1"}, {"Label60", "Φ2"}, {"Label61", "Φ3"}, {"Label62", "Φ4"},
                    {"Label63", "12-Φ26"}, {"Label64", "7"}, {"Label65", "8"}};
    QTest::newRow("HG20617")
        << 5
        << Row{{"法兰颈N", "1"}, {"钢管外径A", "2"}, {"法兰内径B-注", "3"}, {"法兰内径B", "99"},
               {"螺孔中圆直径K", "4"}, {"法兰外径D", "5"}, {"螺栓孔数量n", "6"}, {"螺栓孔直径L", "7"},
               {"法兰厚度C", "8"}, {"法兰高度H", "9"}}
        << Captions{{"Label67", "Φ1"}, {"Label68", "Φ2"}, {"Label69", "Φ3"}, {"Label70", "Φ4"},
                    {"Label71", "Φ5"}, {"Label72", "6-Φ7"}, {"Label73", "8"}, {"Label74", "9"}};
    QTest::newRow("HG20618")
        << 6
        << Row{{"法兰颈N", "1"}, {"法兰内径B", "2"}, {"螺孔中圆直径K", "3"}, {"法兰外径D", "4"},
               {"螺栓孔数量n", "5"}, {"螺栓孔直径L", "6"}, {"颈部最小壁厚S", "7"}, {"法兰厚度C", "8"}}
        << Captions{{"Label77", "Φ1"}, {"Label78", "Φ2"}, {"Label79", "Φ3"}, {"Label80", "Φ4"},
                    {"Label81", "5-Φ6"}, {"Label82", "7"}, {"Label83", "8"}};
}

void TestDimensionQuery::presentPairFillsEveryLabelOfItsPageOnly()
{
    QFETCH(int, page);
    QFETCH(Row, row);
    QFETCH(Captions, expected);
    const TablePage &target = Pages[page];
    load({test::createFlangeTable(target.table, columnsOf(row)), insertRow(target.table, target.pressure, "50", row)});
    click(target.button);
    QStringList labels;
    for (const auto &[label, caption] : expected) {
        labels << label;
        QCOMPARE(m_form->label(label.toLatin1().constData())->text(), caption);
    }
    QCOMPARE(writesOutside(labels), 0);
}

void TestDimensionQuery::secondClickGivesTheSameCaptions()
{
    load({test::createFlangeTable("_HG20593", columnsOf(Row20593)), insertRow("_HG20593", "0.25", "50", Row20593)});
    click("Command1");
    const QString first = m_form->label("Label2")->text() + m_form->label("Label7")->text();
    m_form->markResultsUntouched();
    click("Command1");
    QCOMPARE(m_form->label("Label2")->text() + m_form->label("Label7")->text(), first);
}

void TestDimensionQuery::absentPairChangesNothing()
{
    load({test::createFlangeTable("_HG20596", {"法兰颈N"}),
          "insert into _HG20596 values ('0.6', 50, 1)"});
    m_form->list("Combo8")->setEditText(QStringLiteral("65"));
    click("Command4");
    QCOMPARE(writesOutside({}), 0);
}

void TestDimensionQuery::emptyDiameterListChangesNothing()
{
    load({test::createFlangeTable("_HG20593", columnsOf(Row20593)), insertRow("_HG20593", "0.25", "50", Row20593)});
    click("Command1");
    QCOMPARE(m_form->label("Label2")->text(), QStringLiteral("Φ21.3(Φ18)"));
    m_form->markResultsUntouched();
    QVERIFY(ui::selectEntry(*m_form->list("Combo1"), 4)); // "2.5": no rows
    QCOMPARE(m_form->list("Combo2")->currentText(), QString());
    click("Command1");
    QCOMPARE(writesOutside({}), 0);
}

void TestDimensionQuery::missingDataFileChangesNothing()
{
    load({});
    for (const char *button : {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command7"})
        click(button);
    QCOMPARE(writesOutside({}), 0);
}

void TestDimensionQuery::nullsPerPattern_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("expected");
    QTest::newRow("series B of a pair") << "管子外径A1B" << "Label2" << "Φ21.3(Φ)";
    QTest::newRow("series A of a pair") << "管子外径A1A" << "Label2" << "Φ(Φ18)";
    QTest::newRow("bolt-hole count") << "螺栓孔数量n" << "Label3" << "-Φ11";
    QTest::newRow("bolt-hole diameter") << "螺栓孔直径L" << "Label3" << "4-Φ";
    QTest::newRow("diameter") << "法兰外径D" << "Label6" << "";
    QTest::newRow("plain thickness") << "法兰厚度C" << "Label7" << "";
    QTest::newRow("plain bevel width") << "坡口宽度b" << "Label8" << "";
}

void TestDimensionQuery::nullsPerPattern()
{
    QFETCH(QString, column);
    QFETCH(QString, label);
    QFETCH(QString, expected);
    Row withNull = Row20593;
    for (auto &cell : withNull) {
        if (cell.first == column)
            cell.second = QStringLiteral("NULL");
    }
    Row other = Row20593;
    other[7].second = QStringLiteral("77"); // another flange's D at DN 65
    load({test::createFlangeTable("_HG20593", columnsOf(Row20593)), insertRow("_HG20593", "0.25", "65", other),
          insertRow("_HG20593", "0.25", "50", withNull)});
    // A first query shows another flange; the second must not leave its values.
    m_form->list("Combo2")->setCurrentText(QStringLiteral("65"));
    click("Command1");
    QVERIFY(m_form->label(label.toLatin1().constData())->text() != expected);
    m_form->list("Combo2")->setCurrentText(QStringLiteral("50"));
    click("Command1");
    QCOMPARE(m_form->list("Combo2")->currentText(), QStringLiteral("50"));
    QCOMPARE(m_form->label(label.toLatin1().constData())->text(), expected);
    QCOMPARE(m_form->label("Label5")->text(), QStringLiteral("Φ55"));
}

void TestDimensionQuery::missingColumnFailsOnlyItsLabel()
{
    Row withoutBevel = Row20593.mid(0, 9);
    withoutBevel[7].second = QStringLiteral("81"); // D
    load({test::createFlangeTable("_HG20593", columnsOf(Row20593)), insertRow("_HG20593", "0.25", "65", Row20593),
          test::createFlangeTable("_HG20594", {}), "insert into _HG20594 values ('0.6', 1)"});
    m_form->list("Combo2")->setCurrentText(QStringLiteral("65"));
    click("Command1");
    QCOMPARE(m_form->label("Label8")->text(), QStringLiteral("4.5"));

    // The same page over a table that lacks the bevel column.
    QVERIFY(test::writeDataFile(m_dir.filePath("other.mdb"),
                                {test::createFlangeTable("_HG20593", columnsOf(withoutBevel)),
                                 insertRow("_HG20593", "0.25", "65", withoutBevel)}));
    m_connection.setConnectionString(QStringLiteral("Data Source=") + m_dir.filePath("other.mdb"));
    QVERIFY(m_connection.open());
    click("Command1");
    QCOMPARE(m_form->label("Label6")->text(), QStringLiteral("Φ81"));
    QCOMPARE(m_form->label("Label7")->text(), QStringLiteral("12"));
    QCOMPARE(m_form->label("Label8")->text(), QStringLiteral("4.5"));
}

void TestDimensionQuery::severalMatchingRowsShowTheFirst()
{
    load({test::createFlangeTable("_HG20616", {"法兰外径D"}),
          "insert into _HG20616 values ('2.0', 15, 90), ('2.0', 15, 95)"});
    click("Command5");
    QCOMPARE(m_form->label("Label62")->text(), QStringLiteral("Φ90"));
}

void TestDimensionQuery::classIsQueriedByItsMpaText()
{
    load({test::createFlangeTable("_HG20617", {"法兰外径D"}),
          "insert into _HG20617 values ('42.0', 50, 171), ('2500#', 50, 1), ('42', 50, 2), ('2.0', 50, 3)"});
    QVERIFY(ui::selectEntry(*m_form->list("Combo11"), 5)); // "2500#"
    QCOMPARE(m_form->label("Label66")->text(), QStringLiteral("42.0"));
    click("Command6");
    QCOMPARE(m_form->label("Label71")->text(), QStringLiteral("Φ171"));
}

void TestDimensionQuery::numbersInGeneralForm_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("whole real") << "22.0" << "22";
    QTest::newRow("fraction") << "114.3" << "114.3";
    QTest::newRow("integer") << "7" << "7";
    QTest::newRow("text as stored") << "'22.0'" << "22.0";
    QTest::newRow("empty text") << "''" << "";
}

void TestDimensionQuery::numbersInGeneralForm()
{
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    load({"create table _HG20618 (\"公称压力PN\" TEXT, \"公称通径DN\" REAL, \"法兰厚度C\")",
          QStringLiteral("insert into _HG20618 values ('2.0', 15, %1)").arg(stored)});
    m_form->label("Label83")->setCaption(QStringLiteral("old"));
    click("Command7");
    QCOMPARE(m_form->label("Label83")->text(), expected);
}

void TestDimensionQuery::accessSingleAndCurrencyShowAsTyped()
{
    const QString fixture = qEnvironmentVariable("VANTELO_FIXTURES_DIR") + QStringLiteral("/nwind-jet3.mdb");
    if (!QFile::exists(fixture))
        QSKIP("the Access sample files (shared/fixtures) are not present");
    data::Connection access;
    access.setConnectionString(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + fixture);
    QVERIFY(access.open());
    const auto row = access.execute(
        QStringLiteral("select * from \"Order Details\" where OrderID=10250 and ProductID=51"), nullptr, 1);
    QVERIFY(row && !row->atEnd());
    // Discount is a Single holding 0.15, UnitPrice a Currency holding 42.4000.
    lookup::FoundFlange flange;
    flange.values = lookup::rowValues(*row);
    QCOMPARE(lookup::captionOf({0, lookup::CaptionPattern::Plain, "Discount"}, flange).value_or("?"),
             QStringLiteral("0.15"));
    QCOMPARE(lookup::captionOf({1, lookup::CaptionPattern::Diameter, "UnitPrice"}, flange).value_or("?"),
             QStringLiteral("Φ42.4"));
    QCOMPARE(lookup::captionOf({2, lookup::CaptionPattern::BoltHoles, "Quantity", "Discount"}, flange)
                 .value_or("?"),
             QStringLiteral("35-Φ0.15"));
}

void TestDimensionQuery::typedTextsThatWouldChangeTheStatementFail_data()
{
    QTest::addColumn<QString>("pressure");
    QTest::addColumn<QString>("diameter");
    QTest::newRow("always-true diameter") << "0.6" << "100 or 1=1";
    QTest::newRow("quote in pressure") << "0.6' or '1'='1" << "100";
    QTest::newRow("second statement") << "0.6" << "100; select 1";
    QTest::newRow("comment") << "0.6" << "100 --";
    QTest::newRow("exponent") << "0.6" << "1e2";
    QTest::newRow("leading blank") << "0.6" << " 100";
    QTest::newRow("empty diameter") << "0.6" << "";
    QTest::newRow("text diameter") << "0.6" << "abc";
}

void TestDimensionQuery::typedTextsThatWouldChangeTheStatementFail()
{
    QFETCH(QString, pressure);
    QFETCH(QString, diameter);
    load({test::createFlangeTable("_HG20596", {"法兰外径D"}),
          "insert into _HG20596 values ('0.6', 50, 140), ('0.6', 100, 210)"});
    m_form->list("Combo7")->setEditText(pressure);
    m_form->list("Combo8")->setEditText(diameter);
    click("Command4");
    QCOMPARE(writesOutside({}), 0);
}

void TestDimensionQuery::typedPlainDiameterIsQueried()
{
    load({test::createFlangeTable("_HG20596", {"法兰外径D"}),
          "insert into _HG20596 values ('0.6', 50, 140), ('0.6', 100, 210)"});
    QTest::keyClicks(m_form->list("Combo8")->lineEdit(), QString()); // focus only
    m_form->list("Combo8")->lineEdit()->selectAll();
    QTest::keyClicks(m_form->list("Combo8")->lineEdit(), QStringLiteral("100"));
    click("Command4");
    QCOMPARE(m_form->label("Label43")->text(), QStringLiteral("Φ210"));
}

void TestDimensionQuery::drivenPickKeepsTheLastFoundRow()
{
    load({test::createFlangeTable("_HG20617", {"法兰外径D"}),
          "insert into _HG20617 values ('42.0', 50, 171), ('42.0', 65, 190)"});
    ui::StandardPage *page = m_form->window().findChildren<ui::StandardPage *>()[5];
    QSignalSpy found(page, &ui::StandardPage::rowFound);
    QVERIFY(page->pick(5, QStringLiteral("65"))); // "2500#"
    QCOMPARE(m_form->label("Label66")->text(), QStringLiteral("42.0"));
    QCOMPARE(m_form->label("Label71")->text(), QStringLiteral("Φ190"));
    QCOMPARE(found.count(), 1);
    const lookup::FoundFlange &flange = *page->lastFound();
    QCOMPARE(QString::fromUtf8(flange.standard->caption) + flange.pressure + flange.storedPressure + flange.diameter,
             QStringLiteral("HG206172500#42.065"));
    QCOMPARE(flange.values.back().column, QStringLiteral("法兰外径D"));
    QCOMPARE(flange.text(QStringLiteral("法兰外径D")), QStringLiteral("190"));

    QVERIFY(!page->pick(0, QStringLiteral("65"))); // nothing listed at 150#
    QVERIFY(!page->pick(9, QStringLiteral("65")));
    QCOMPARE(found.count(), 1);
    QCOMPARE(page->lastFound()->diameter, QStringLiteral("65"));
    QCOMPARE(m_form->label("Label71")->text(), QStringLiteral("Φ190"));
}

QTEST_MAIN(TestDimensionQuery)
#include "test_dimension_query.moc"
