// Ratings of the shipped data file: the value at a temperature, the lowest
// class that holds, and finding a material; a file without sound rating
// tables answers with no ratings.

#include "support/data_file_writer.h"

#include "lookup/rating.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vantelo;

class TestRatings final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void ratingAtTemperature_data();
    void ratingAtTemperature();
    void lowestClassThatHolds_data();
    void lowestClassThatHolds();
    void materialIsFound_data();
    void materialIsFound();
    void unsoundFileHasNoRatings_data();
    void unsoundFileHasNoRatings();

private:
    data::Connection m_connection;
    lookup::RatingTables m_tables;
};

void TestRatings::initTestCase()
{
    const QString file = qEnvironmentVariable("VANTELO_PROGRAM_DIR") + QStringLiteral("/FLDATA.mdb");
    m_connection.setConnectionString(QStringLiteral("Data Source=") + file);
    QVERIFY2(m_connection.open(), qPrintable(file));
    m_tables = lookup::RatingTables::read(m_connection);
    QCOMPARE(m_tables.groups().size(), std::size_t(44));
}

void TestRatings::ratingAtTemperature_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("ratingClass");
    QTest::addColumn<double>("temperature");
    QTest::addColumn<double>("bar"); // negative: no rating
    QTest::addColumn<QString>("confidence");
    QTest::newRow("listed") << "1.1" << 150 << 50.0 << 19.2 << "high";
    QTest::newRow("middle of 50 and 100") << "1.1" << 150 << 75.0 << 18.45 << "high";
    QTest::newRow("-29 takes 38") << "1.1" << 300 << -29.0 << 51.1 << "high";
    QTest::newRow("below -29") << "1.1" << 300 << -29.5 << -1.0 << "";
    QTest::newRow("38") << "1.1" << 600 << 38.0 << 102.1 << "high";
    QTest::newRow("highest") << "2.1" << 300 << 816.0 << 2.8 << "high";
    QTest::newRow("just above highest") << "2.1" << 300 << 816.1 << -1.0 << "";
    QTest::newRow("Class 150 stops at 538") << "2.1" << 150 << 538.0 << 1.4 << "high";
    QTest::newRow("Class 150 beyond 538") << "2.1" << 150 << 550.0 << -1.0 << "";
    QTest::newRow("other classes go on") << "2.1" << 2500 << 550.0 << 196.3 << "high";
    QTest::newRow("low neighbour lowers") << "1.11" << 900 << 560.0 << 32.72 << "low";
    QTest::newRow("not a number") << "1.1" << 150 << qQNaN() << -1.0 << "";
}

void TestRatings::ratingAtTemperature()
{
    QFETCH(QString, group);
    QFETCH(int, ratingClass);
    QFETCH(double, temperature);
    QFETCH(double, bar);
    QFETCH(QString, confidence);
    const lookup::RatingGroup *rated = m_tables.group(group);
    QVERIFY(rated != nullptr && rated->curve(ratingClass) != nullptr);
    const std::optional<lookup::Rating> rating = lookup::ratingAt(*rated->curve(ratingClass), temperature);
    QCOMPARE(rating.has_value(), bar >= 0);
    if (rating) {
        QVERIFY2(qAbs(rating->bar - bar) < 1e-9, qPrintable(QString::number(rating->bar, 'g', 17)));
        QCOMPARE(rating->confidence, confidence);
    }
}

void TestRatings::lowestClassThatHolds_data()
{
    QTest::addColumn<QString>("material");
    QTest::addColumn<double>("temperature");
    QTest::addColumn<double>("mpa");
    QTest::addColumn<int>("lowest"); // 0: none holds
    QTest::addColumn<int>("rated");  // classes rated at the temperature
    QTest::newRow("20 bar at 300 °C in A105") << "A105" << 300.0 << 2.0 << 300 << 6;
    QTest::newRow("exactly Class 150 at 38 °C") << "a105" << 38.0 << 1.96 << 150 << 6;
    QTest::newRow("none holds") << "1.1" << 500.0 << 9.8 << 0 << 6;
    QTest::newRow("Class 150 not rated") << "A182 Gr. F304" << 600.0 << 0.1 << 300 << 5;
    QTest::newRow("beyond the group") << "A105" << 539.0 << 0.1 << 0 << 0;
}

void TestRatings::lowestClassThatHolds()
{
    QFETCH(QString, material);
    QFETCH(double, temperature);
    QFETCH(double, mpa);
    QFETCH(int, lowest);
    QFETCH(int, rated);
    const std::optional<lookup::RatingSubject> subject = m_tables.resolve(material);
    QVERIFY(subject && subject->group != nullptr);
    const lookup::RatingAnswer answer = lookup::rate(*subject->group, temperature, mpa);
    QCOMPARE(answer.lowestHolding.value_or(0), lowest);
    QCOMPARE(answer.outsideRange, rated == 0);
    QCOMPARE(std::count_if(answer.classes.begin(), answer.classes.end(),
                           [](const lookup::ClassRating &c) { return c.rating.has_value(); }),
             rated);
    for (const lookup::ClassRating &entry : answer.classes)
        QCOMPARE(entry.holds, lowest != 0 && entry.ratingClass >= lowest && entry.rating.has_value());
}

void TestRatings::materialIsFound_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("grade"); // empty: a group, or nothing
    QTest::addColumn<QString>("group"); // empty: nothing found
    QTest::addColumn<int>("matches");
    QTest::newRow("case and spaces aside") << " a216gr.WCB " << "A216 Gr. WCB" << "1.1" << 1;
    QTest::newRow("group number") << "2.2" << "" << "2.2" << 0;
    QTest::newRow("part of a grade") << "f316" << "" << "" << 3; // F316, F316H, F316L: none exact
    QTest::newRow("unknown") << "A999" << "" << "" << 0;
    QTest::newRow("empty") << "" << "" << "" << 155;
}

void TestRatings::materialIsFound()
{
    QFETCH(QString, typed);
    QFETCH(QString, grade);
    QFETCH(QString, group);
    QFETCH(int, matches);
    const std::optional<lookup::RatingSubject> subject = m_tables.resolve(typed);
    QCOMPARE(subject.has_value(), !group.isEmpty());
    if (subject) {
        QCOMPARE(subject->group->id, group);
        QCOMPARE(subject->material ? subject->material->grade : QString(), grade);
    }
    QCOMPARE(int(m_tables.search(typed).size()), matches);
}

void TestRatings::unsoundFileHasNoRatings_data()
{
    QTest::addColumn<QStringList>("statements");
    const QString create = QStringLiteral(
        "create table rating (material_group text, class integer, temp_c integer, max_pressure_bar real, "
        "pt_table text, confidence text, note text)");
    QTest::newRow("no rating tables") << QStringList{test::createFlangeTable("_HG20616", {"法兰外径D"})};
    QTest::newRow("rising with temperature")
        << QStringList{create, "insert into rating values ('1.1', 150, 38, 19.6, 'T', 'high', null)",
                       "insert into rating values ('1.1', 150, 50, 19.7, 'T', 'high', null)"};
    QTest::newRow("no 38 °C value")
        << QStringList{create, "insert into rating values ('1.1', 150, 50, 19.2, 'T', 'high', null)"};
    QTest::newRow("text for numbers")
        << QStringList{create, "insert into rating values ('1.1', 'x', 38, 'y', 'T', 'high', null)"};
}

void TestRatings::unsoundFileHasNoRatings()
{
    QFETCH(QStringList, statements);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("FLDATA.mdb"));
    QVERIFY(test::writeDataFile(path, statements));
    data::Connection connection;
    connection.setConnectionString(QStringLiteral("Data Source=") + path);
    QVERIFY(connection.open());
    const lookup::RatingTables tables = lookup::RatingTables::read(connection);
    QVERIFY(tables.isEmpty());
    QVERIFY(!tables.resolve(QStringLiteral("1.1")));
}

QTEST_GUILESS_MAIN(TestRatings)
#include "test_ratings.moc"
