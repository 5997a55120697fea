// The pressure lists' fixed entries, the class-to-MPa translation of the
// American pages and the diameter list that follows the chosen pressure.

#include "support/data_file_writer.h"
#include "support/window_pages.h"

#include "data/connection.h"
#include "lookup/pressure_texts.h"
#include "lookup/standards.h"
#include "ui/standard_page.h"
#include "ui/tab_control.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace vantelo;

namespace {

QStringList entries(const QComboBox *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

const QStringList NoColumns;

} // namespace

class TestPressureAndDiameterLists final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pressureListsHoldTheirFixedEntries_data();
    void pressureListsHoldTheirFixedEntries();
    void pressureValueLabelsReadTwoAfterLoading();
    void classTranslation_data();
    void classTranslation();
    void classComparisonIsExact_data();
    void classComparisonIsExact();
    void diameterListHoldsDistinctDiametersAsPlainNumbers();
    void pressureWithoutRowsLeavesListEmptyWithNothingSelected();
    void pressureIsComparedAsText();
    void classTextsInAmericanTableGiveEmptyLists();
    void missingDataFileLeavesEveryDiameterListEmpty();
    void missingTableLeavesListEmpty();
    void keyboardPickRefillsTheDiameterList();
    void typingInTheEditablePressureListDoesNotRefill();
    void choosingAnotherPressureKeepsResultLabels();

private:
    void load(const QStringList &statements);
    void loadWithoutFile();

    QTemporaryDir m_dir;
    data::Connection m_connection;
    std::unique_ptr<test::WindowPages> m_form;
    std::vector<ui::StandardPage *> m_pages;
};

void TestPressureAndDiameterLists::init()
{
    m_connection = data::Connection();
    m_form = std::make_unique<test::WindowPages>();
}

void TestPressureAndDiameterLists::cleanup()
{
    m_form.reset();
}

void TestPressureAndDiameterLists::load(const QStringList &statements)
{
    const QString path = m_dir.filePath(QStringLiteral("FLDATA.mdb"));
    QVERIFY(test::writeDataFile(path, statements));
    m_connection.setConnectionString(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + path);
    QVERIFY(m_connection.open());
    m_pages = ui::attachStandardPages(m_form->pages(), m_connection, &m_form->window());
    ui::FillPressureLists(m_pages);
}

void TestPressureAndDiameterLists::loadWithoutFile()
{
    m_connection.setConnectionString(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=")
                                     + m_dir.filePath(QStringLiteral("absent/FLDATA.mdb")));
    QVERIFY(!m_connection.open());
    m_pages = ui::attachStandardPages(m_form->pages(), m_connection, &m_form->window());
    ui::FillPressureLists(m_pages);
}

void TestPressureAndDiameterLists::pressureListsHoldTheirFixedEntries_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("HG20593") << "Combo1" << QStringList{"0.25", "0.6", "1.0", "1.6", "2.5"};
    QTest::newRow("HG20594") << "Combo3" << QStringList{"0.6", "1.0", "1.6", "2.5", "4.0"};
    QTest::newRow("HG20595") << "Combo5"
                             << QStringList{"1.0", "1.6", "2.5", "4.0", "6.3", "10.0", "16.0", "25.0"};
    QTest::newRow("HG20596") << "Combo7"
                             << QStringList{"0.6", "1.0", "1.6", "2.5", "4.0", "6.3", "10.0", "16.0", "25.0"};
    QTest::newRow("HG20616") << "Combo9" << QStringList{"150#", "300#", "600#", "900#", "1500#"};
    QTest::newRow("HG20617") << "Combo11" << QStringList{"150#", "300#", "600#", "900#", "1500#", "2500#"};
    QTest::newRow("HG20618") << "Combo13" << QStringList{"150#", "300#", "600#", "900#", "1500#", "2500#"};
}

void TestPressureAndDiameterLists::pressureListsHoldTheirFixedEntries()
{
    QFETCH(QString, list);
    QFETCH(QStringList, expected);
    loadWithoutFile();
    const QComboBox *combo = m_form->list(list.toLatin1().constData());
    QCOMPARE(entries(combo), expected);
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(combo->currentText(), expected.first());
}

void TestPressureAndDiameterLists::pressureValueLabelsReadTwoAfterLoading()
{
    loadWithoutFile();
    for (const char *label : {"Label58", "Label66", "Label76"})
        QCOMPARE(m_form->label(label)->text(), QStringLiteral("2.0"));
}

void TestPressureAndDiameterLists::classTranslation_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("diameterList");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("mpa");
    QTest::addColumn<QStringList>("diameters");
    QTest::newRow("HG20616 600#") << "Combo9" << "Combo10" << "Label58" << 2 << "11.0" << QStringList{"25"};
    QTest::newRow("HG20616 1500#") << "Combo9" << "Combo10" << "Label58" << 4 << "26.0" << QStringList{};
    QTest::newRow("HG20617 2500#") << "Combo11" << "Combo12" << "Label66" << 5 << "42.0" << QStringList{"50", "65"};
    QTest::newRow("HG20617 300#") << "Combo11" << "Combo12" << "Label66" << 1 << "5.0" << QStringList{};
    QTest::newRow("HG20618 900#") << "Combo13" << "Combo14" << "Label76" << 3 << "15.0" << QStringList{"100"};
}

void TestPressureAndDiameterLists::classTranslation()
{
    QFETCH(QString, list);
    QFETCH(QString, diameterList);
    QFETCH(QString, label);
    QFETCH(int, index);
    QFETCH(QString, mpa);
    QFETCH(QStringList, diameters);
    const QStringList columns{QStringLiteral("法兰外径D")};
    load({test::createFlangeTable("_HG20616", columns), test::createFlangeTable("_HG20617", columns),
          test::createFlangeTable("_HG20618", columns),
          "insert into _HG20616 values ('11.0', 25, 1), ('2.0', 15, 1)",
          "insert into _HG20617 values ('42.0', 50, 1), ('42.0', 65, 1), ('2.0', 15, 1)",
          "insert into _HG20618 values ('15.0', 100, 1), ('2.0', 15, 1)"});
    QComboBox *combo = m_form->list(list.toLatin1().constData());
    QVERIFY(ui::selectEntry(*combo, index));
    QCOMPARE(m_form->label(label.toLatin1().constData())->text(), mpa);
    QCOMPARE(entries(m_form->list(diameterList.toLatin1().constData())), diameters);
}

void TestPressureAndDiameterLists::classComparisonIsExact_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("expected"); // empty: no translation
    QTest::newRow("150#") << "150#" << 6 << "2.0";
    QTest::newRow("2500# on a six-class page") << "2500#" << 6 << "42.0";
    QTest::newRow("2500# on the five-class page") << "2500#" << 5 << "";
    QTest::newRow("a class on a European page") << "150#" << 1 << "";
    QTest::newRow("leading blank") << " 150#" << 6 << "";
    QTest::newRow("without hash") << "150" << 6 << "";
    QTest::newRow("an MPa text") << "2.0" << 6 << "";
    QTest::newRow("empty") << "" << 6 << "";
}

void TestPressureAndDiameterLists::classComparisonIsExact()
{
    QFETCH(QString, text);
    QFETCH(int, tab);
    QFETCH(QString, expected);
    QCOMPARE(lookup::classPressure(lookup::StandardRecords[std::size_t(tab - 1)], text).value_or(QString()), expected);
}

void TestPressureAndDiameterLists::diameterListHoldsDistinctDiametersAsPlainNumbers()
{
    load({test::createFlangeTable("_HG20593", {QStringLiteral("法兰外径D")}),
          "insert into _HG20593 values ('0.25', 10, 75), ('0.25', 15, 80), ('0.25', 15, 81),"
          " ('0.25', NULL, 90), ('0.25', 100.0, 220), ('0.25', 12.5, 1)"});
    const QComboBox *diameters = m_form->list("Combo2");
    QStringList listed = entries(diameters);
    QCOMPARE(listed.size(), 4);
    listed.sort();
    QCOMPARE(listed, (QStringList{"10", "100", "12.5", "15"}));
    QCOMPARE(diameters->currentIndex(), 0);
}

void TestPressureAndDiameterLists::pressureWithoutRowsLeavesListEmptyWithNothingSelected()
{
    load({test::createFlangeTable("_HG20593", NoColumns), "insert into _HG20593 values ('0.25', 10)"});
    QComboBox *pressures = m_form->list("Combo1");
    QCOMPARE(m_form->list("Combo2")->count(), 1);
    QVERIFY(ui::selectEntry(*pressures, 3)); // "1.6": no rows
    QCOMPARE(m_form->list("Combo2")->count(), 0);
    QCOMPARE(m_form->list("Combo2")->currentIndex(), -1);
    QCOMPARE(m_form->list("Combo2")->currentText(), QString());
}

void TestPressureAndDiameterLists::pressureIsComparedAsText()
{
    load({test::createFlangeTable("_HG20594", NoColumns),
          "insert into _HG20594 values ('1', 50), ('1.0', 80), ('1.00', 90)"});
    QVERIFY(ui::selectEntry(*m_form->list("Combo3"), 1)); // "1.0"
    QCOMPARE(entries(m_form->list("Combo4")), QStringList{"80"});
}

void TestPressureAndDiameterLists::classTextsInAmericanTableGiveEmptyLists()
{
    load({test::createFlangeTable("_HG20617", NoColumns),
          "insert into _HG20617 values ('150#', 15), ('300#', 20)"});
    for (int i = 0; i < m_form->list("Combo11")->count(); ++i) {
        QVERIFY(ui::selectEntry(*m_form->list("Combo11"), i));
        QCOMPARE(m_form->list("Combo12")->count(), 0);
    }
}

void TestPressureAndDiameterLists::missingDataFileLeavesEveryDiameterListEmpty()
{
    loadWithoutFile();
    for (const char *list : {"Combo2", "Combo4", "Combo6", "Combo8", "Combo10", "Combo12", "Combo14"})
        QCOMPARE(m_form->list(list)->count(), 0);
    for (const char *list : {"Combo1", "Combo3", "Combo5", "Combo7", "Combo9", "Combo11", "Combo13"})
        QCOMPARE(m_form->list(list)->currentIndex(), 0);
}

void TestPressureAndDiameterLists::missingTableLeavesListEmpty()
{
    load({test::createFlangeTable("_HG20593", NoColumns), "insert into _HG20593 values ('0.25', 10)"});
    QCOMPARE(m_form->list("Combo2")->count(), 1);
    QCOMPARE(m_form->list("Combo4")->count(), 0);
}

void TestPressureAndDiameterLists::keyboardPickRefillsTheDiameterList()
{
    load({test::createFlangeTable("_HG20595", NoColumns),
          "insert into _HG20595 values ('1.0', 10), ('1.6', 20), ('1.6', 25)"});
    m_form->window().tabControl()->setCurrentTab(2);
    m_form->window().show();
    QComboBox *pressures = m_form->list("Combo5");
    pressures->setFocus();
    QTest::keyClick(pressures, Qt::Key_Down);
    QCOMPARE(pressures->currentText(), QStringLiteral("1.6"));
    QStringList listed = entries(m_form->list("Combo6"));
    listed.sort();
    QCOMPARE(listed, (QStringList{"20", "25"}));
}

void TestPressureAndDiameterLists::typingInTheEditablePressureListDoesNotRefill()
{
    load({test::createFlangeTable("_HG20596", NoColumns),
          "insert into _HG20596 values ('0.6', 10), ('1.0', 20)"});
    m_form->window().tabControl()->setCurrentTab(3);
    m_form->window().show();
    QComboBox *pressures = m_form->list("Combo7");
    pressures->lineEdit()->selectAll();
    QTest::keyClicks(pressures->lineEdit(), QStringLiteral("1.0"));
    QCOMPARE(pressures->currentText(), QStringLiteral("1.0"));
    QCOMPARE(entries(m_form->list("Combo8")), QStringList{"10"});
}

void TestPressureAndDiameterLists::choosingAnotherPressureKeepsResultLabels()
{
    load({test::createFlangeTable("_HG20593", NoColumns), "insert into _HG20593 values ('0.6', 10)"});
    m_form->label("Label5")->setCaption(QStringLiteral("Φ50"));
    QVERIFY(ui::selectEntry(*m_form->list("Combo1"), 1));
    QCOMPARE(m_form->label("Label5")->text(), QStringLiteral("Φ50"));
}

QTEST_MAIN(TestPressureAndDiameterLists)
#include "test_pressure_and_diameter_lists.moc"
