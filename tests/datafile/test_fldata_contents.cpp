// The shipped FLDATA.mdb against the reference tables it was built from.

#include "reference_tables.h"

#include "data/connection.h"
#include "lookup/value_origin.h"

#include <QSet>
#include <QTest>

#include <algorithm>

using namespace vantelo;

class TestFldataContents final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void referenceCellsAreShippedUnchanged_data();
    void referenceCellsAreShippedUnchanged();
    void notShippedRowsAreAbsent();
    void pressuresListTheReferenceDiameters_data();
    void pressuresListTheReferenceDiameters();
    void fileIsOnePlainIndexedFile();
    void everyCellHasItsOrigin_data();
    void everyCellHasItsOrigin();
    void europeanOriginsFollowTheReferences();
    void provenanceIsSmallerThanTheDimensions();
    void boltsAreShippedUnchanged_data();
    void boltsAreShippedUnchanged();

private:
    lookup::ValueOrigin origin(const QString &table, const QString &pressure, const QString &diameter,
                               const QString &column) const;

    QString m_dataFile;
    SqliteHandle m_db;
    QList<ReferenceTable> m_reference;
    data::Connection m_connection;
};

void TestFldataContents::initTestCase()
{
    m_dataFile = qEnvironmentVariable("VANTELO_PROGRAM_DIR") + QStringLiteral("/FLDATA.mdb");
    m_db = openReadOnly(m_dataFile);
    QVERIFY2(m_db, qPrintable(m_dataFile + QStringLiteral(" cannot be opened; build the fldata target")));
    // A CI checkout always has the reference data beside it: without it this suite fails.
    m_reference = readReferenceTables(qEnvironmentVariable("VANTELO_REFERENCE_DIR"));
    QVERIFY2(m_reference.size() == 7, "no reference tables in VANTELO_REFERENCE_DIR (eu/ and us/ _HG*.csv)");
    m_connection.setConnectionString(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + m_dataFile);
    QVERIFY(m_connection.open());
}

lookup::ValueOrigin TestFldataContents::origin(const QString &table, const QString &pressure, const QString &diameter,
                                               const QString &column) const
{
    return lookup::valueOrigin(m_connection, table, pressure, diameter, column);
}

void TestFldataContents::referenceCellsAreShippedUnchanged_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < m_reference.size(); ++i)
        QTest::newRow(qPrintable(m_reference[i].name)) << i;
}

void TestFldataContents::referenceCellsAreShippedUnchanged()
{
    QFETCH(int, index);
    const ReferenceTable &table = m_reference[index];

    Statement columns = prepare(m_db.get(), QStringLiteral("PRAGMA table_info(%1)").arg(table.name));
    QStringList shippedColumns;
    while (sqlite3_step(columns.get()) == SQLITE_ROW)
        shippedColumns << columnText(columns.get(), 1);
    QCOMPARE(shippedColumns, table.header);

    Statement count = prepare(m_db.get(), QStringLiteral("select count(*) from %1").arg(table.name));
    QCOMPARE(sqlite3_step(count.get()), SQLITE_ROW);
    QCOMPARE(sqlite3_column_int(count.get(), 0), table.rows.size());

    Statement select = prepare(m_db.get(), QStringLiteral("select * from %1 where 公称压力PN=? and 公称通径DN=?").arg(table.name));
    for (const QStringList &row : table.rows) {
        const QString where = table.name + u' ' + row.join(u',');
        sqlite3_reset(select.get());
        const QByteArray pressure = row[0].toUtf8();
        sqlite3_bind_text(select.get(), 1, pressure.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int64(select.get(), 2, row[1].toLongLong());
        QVERIFY2(sqlite3_step(select.get()) == SQLITE_ROW, qPrintable(where + QStringLiteral(": row missing")));
        QCOMPARE(sqlite3_column_type(select.get(), 0), SQLITE_TEXT);
        QCOMPARE(sqlite3_column_type(select.get(), 1), SQLITE_INTEGER);
        for (int column = 0; column < row.size(); ++column) {
            const QString shipped = columnText(select.get(), column);
            const QString context = where + QStringLiteral(": ") + table.header[column] + QStringLiteral(" is ") +
                                    (shipped.isNull() ? QStringLiteral("NULL") : shipped);
            QVERIFY2(shipped.isNull() == row[column].isEmpty(), qPrintable(context));
            QVERIFY2(shipped == row[column] || shipped.isNull(), qPrintable(context));
            if (column > 0 && !shipped.isNull())
                QVERIFY2(sqlite3_column_double(select.get(), column) == row[column].toDouble(), qPrintable(context));
        }
        QVERIFY2(sqlite3_step(select.get()) == SQLITE_DONE, qPrintable(where + QStringLiteral(": shipped twice")));
    }
}

void TestFldataContents::notShippedRowsAreAbsent()
{
    QFile file(qEnvironmentVariable("VANTELO_REFERENCE_DIR") + QStringLiteral("/eu/NOT-SHIPPED.csv"));
    QVERIFY2(file.open(QIODevice::ReadOnly), "no eu/NOT-SHIPPED.csv in VANTELO_REFERENCE_DIR");
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.takeFirst(), QStringLiteral("table,公称压力PN,公称通径DN,法兰外径D"));
    QVERIFY(!lines.isEmpty());
    for (const QString &line : lines) {
        const QStringList fields = line.split(u',');
        Statement count = prepare(m_db.get(), QStringLiteral("select count(*) from %1 where 公称压力PN='%2' and 公称通径DN=%3")
                                                  .arg(fields[0], fields[1], fields[2]));
        QVERIFY2(sqlite3_step(count.get()) == SQLITE_ROW && sqlite3_column_int(count.get(), 0) == 0, qPrintable(line));
    }
}

void TestFldataContents::pressuresListTheReferenceDiameters_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("offered");
    QTest::newRow("PL") << "_HG20593" << QStringList{"0.25", "0.6", "1.0", "1.6", "2.5"};
    QTest::newRow("SO") << "_HG20594" << QStringList{"0.6", "1.0", "1.6", "2.5", "4.0"};
    QTest::newRow("WN") << "_HG20595" << QStringList{"1.0", "1.6", "2.5", "4.0", "6.3", "10.0", "16.0", "25.0"};
    QTest::newRow("IF") << "_HG20596" << QStringList{"0.6", "1.0", "1.6", "2.5", "4.0", "6.3", "10.0", "16.0", "25.0"};
    QTest::newRow("class SO") << "_HG20616" << QStringList{"2.0", "5.0", "11.0", "15.0", "26.0"};
    QTest::newRow("class WN") << "_HG20617" << QStringList{"2.0", "5.0", "11.0", "15.0", "26.0", "42.0"};
    QTest::newRow("class IF") << "_HG20618" << QStringList{"2.0", "5.0", "11.0", "15.0", "26.0", "42.0"};
}

// Uses the program's own diameter statement, so the list a tab shows is tested.
void TestFldataContents::pressuresListTheReferenceDiameters()
{
    QFETCH(QString, table);
    QFETCH(QStringList, offered);
    const auto reference = std::find_if(m_reference.cbegin(), m_reference.cend(),
                                        [&](const ReferenceTable &t) { return t.name == table; });
    QVERIFY2(reference != m_reference.cend(), "no reference table in VANTELO_REFERENCE_DIR");

    Statement pressures = prepare(m_db.get(), QStringLiteral("select distinct 公称压力PN from %1").arg(table));
    while (sqlite3_step(pressures.get()) == SQLITE_ROW)
        QVERIFY2(offered.contains(columnText(pressures.get(), 0)), qPrintable(columnText(pressures.get(), 0)));

    for (const QString &pressure : offered) {
        QStringList expected;
        for (const QStringList &row : reference->rows) {
            if (row[0] == pressure)
                expected << row[1];
        }
        std::sort(expected.begin(), expected.end(), [](const QString &a, const QString &b) { return a.toInt() < b.toInt(); });
        Statement diameters = prepare(m_db.get(), QStringLiteral("select distinct 公称通径DN from %1 where 公称压力PN='%2'")
                                                      .arg(table, pressure));
        QStringList listed;
        while (sqlite3_step(diameters.get()) == SQLITE_ROW)
            listed << columnText(diameters.get(), 0);
        QCOMPARE(listed, expected);
    }
}

void TestFldataContents::fileIsOnePlainIndexedFile()
{
    for (const char *suffix : {"-journal", "-wal", "-shm", ".partial"})
        QVERIFY2(!QFile::exists(m_dataFile + QLatin1String(suffix)), suffix);
    Statement journal = prepare(m_db.get(), QStringLiteral("PRAGMA journal_mode"));
    QCOMPARE(sqlite3_step(journal.get()), SQLITE_ROW);
    QCOMPARE(columnText(journal.get(), 0), QStringLiteral("delete"));

    Statement tables = prepare(m_db.get(), QStringLiteral("select name from sqlite_master where type='table' order by name"));
    QStringList tableNames;
    while (sqlite3_step(tables.get()) == SQLITE_ROW)
        tableNames << columnText(tables.get(), 0);
    QCOMPARE(tableNames, (QStringList{"_HG20593", "_HG20594", "_HG20595", "_HG20596", "_HG20616", "_HG20617", "_HG20618",
                                      "bolt_thread", "provenance", "provenance_source", "rating",
                                      "rating_material"}));

    for (const QString &table : tableNames.mid(0, 7)) {
        Statement plan = prepare(m_db.get(), QStringLiteral("EXPLAIN QUERY PLAN select * from %1 where 公称压力PN='1.0' and 公称通径DN=50").arg(table));
        QVERIFY(sqlite3_step(plan.get()) == SQLITE_ROW);
        QVERIFY2(columnText(plan.get(), 3).contains(QStringLiteral("USING INDEX")), qPrintable(table));
    }

    // The diameter goes into the statement bare: 100 and 100.0 must find the same row.
    for (const char *diameter : {"100", "100.0"}) {
        Statement count = prepare(m_db.get(), QStringLiteral("select count(*) from _HG20593 where 公称压力PN='1.6' and 公称通径DN=%1").arg(QLatin1String(diameter)));
        QCOMPARE(sqlite3_step(count.get()), SQLITE_ROW);
        QVERIFY2(sqlite3_column_int(count.get(), 0) == 1, diameter);
    }
}

void TestFldataContents::everyCellHasItsOrigin_data()
{
    referenceCellsAreShippedUnchanged_data();
}

// A known value names its source, documents and confidence; an empty cell is a recorded gap.
void TestFldataContents::everyCellHasItsOrigin()
{
    QFETCH(int, index);
    const ReferenceTable &table = m_reference[index];
    const QStringList confidences{"high", "medium-high", "medium", "medium-low", "low", ""};
    for (const QStringList &row : table.rows) {
        for (int column = 2; column < row.size(); ++column) {
            const lookup::ValueOrigin found = origin(table.name, row[0], row[1], table.header[column]);
            const QString where = table.name + u' ' + row[0] + u' ' + row[1] + u' ' + table.header[column];
            if (row[column].isEmpty()) {
                QVERIFY2(found.kind == lookup::ValueOrigin::Kind::Gap, qPrintable(where));
                continue;
            }
            QVERIFY2(found.kind == lookup::ValueOrigin::Kind::Known, qPrintable(where));
            QVERIFY2(!found.source.isEmpty() && found.reference.contains(u':'), qPrintable(where));
            QVERIFY2(confidences.contains(found.confidence), qPrintable(where + u' ' + found.confidence));
        }
    }
}

namespace {

// The lines of a reference CSV as fields; a quoted field may hold commas.
QList<QStringList> csvLines(const QString &path)
{
    QFile file(path);
    QList<QStringList> lines;
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        QStringList fields{QString()};
        bool quoted = false;
        for (const QChar c : line) {
            if (c == u'"')
                quoted = !quoted;
            else if (c == u',' && !quoted)
                fields.append(QString());
            else
                fields.last().append(c);
        }
        lines.append(fields);
    }
    return lines;
}

QString level(const QString &confidence)
{
    return confidence.section(u' ', 0, 0);
}

} // namespace

// Cell by cell for the values of source X, row by row for the other connection dimensions.
void TestFldataContents::europeanOriginsFollowTheReferences()
{
    const QString eu = qEnvironmentVariable("VANTELO_REFERENCE_DIR") + QStringLiteral("/eu/");
    const QList<QStringList> cells = csvLines(eu + QStringLiteral("PROVENANCE-CELLS.csv"));
    QCOMPARE(cells.value(0).value(7), QStringLiteral("confidence"));
    QSet<QString> fromX;
    for (const QStringList &cell : cells.mid(1)) {
        const lookup::ValueOrigin found = origin(cell[0], cell[1], cell[2], cell[3]);
        QVERIFY2(found.source == u"X" && found.confidence == level(cell[7]), qPrintable(cell.join(u',')));
        fromX.insert(cell.mid(0, 4).join(u','));
    }
    QVERIFY(fromX.size() > 2000);

    const QList<QStringList> rows = csvLines(eu + QStringLiteral("PROVENANCE.csv"));
    QCOMPARE(rows.value(0).value(5), QStringLiteral("D_K_n_L_confidence"));
    int compared = 0;
    for (const QStringList &row : rows.mid(1)) {
        const QString key = row.mid(0, 3).join(u',') + QStringLiteral(",法兰外径D");
        const lookup::ValueOrigin found = origin(row[0], row[1], row[2], QStringLiteral("法兰外径D"));
        if (fromX.contains(key) || found.kind == lookup::ValueOrigin::Kind::Unrecorded) // X's, or not shipped
            continue;
        QVERIFY2(found.source == row[3] && found.confidence == level(row[5]), qPrintable(row.join(u',')));
        ++compared;
    }
    QCOMPARE(compared, 492 - 90);
}

// Smaller both in the values it stores (bytes of their text) and in the pages the file gives it.
void TestFldataContents::provenanceIsSmallerThanTheDimensions()
{
    const auto storedBytes = [this](const QStringList &tables) {
        qint64 bytes = 0;
        for (const QString &table : tables) {
            Statement columns = prepare(m_db.get(), QStringLiteral("PRAGMA table_info(%1)").arg(table));
            QStringList lengths;
            while (sqlite3_step(columns.get()) == SQLITE_ROW)
                lengths << QStringLiteral("coalesce(sum(length(cast(\"%1\" as blob))), 0)").arg(columnText(columns.get(), 1));
            Statement sum = prepare(m_db.get(), QStringLiteral("select %1 from %2").arg(lengths.join(u'+'), table));
            bytes += sqlite3_step(sum.get()) == SQLITE_ROW ? sqlite3_column_int64(sum.get(), 0) : 0;
        }
        return bytes;
    };
    const qint64 provenanceBytes = storedBytes({"provenance", "provenance_source"});
    QStringList dimensionTables;
    for (const ReferenceTable &table : m_reference)
        dimensionTables << table.name;
    const qint64 dimensionBytes = storedBytes(dimensionTables);
    QVERIFY2(provenanceBytes > 0 && provenanceBytes <= dimensionBytes,
             qPrintable(QStringLiteral("%1 bytes of provenance values, %2 of dimensions").arg(provenanceBytes).arg(dimensionBytes)));

    Statement sizes = prepare(m_db.get(), QStringLiteral(
        "select sum(case when name like '%provenance%' then pgsize end), sum(case when name like '\\_HG%' escape '\\' "
        "and name not like '%\\_PN\\_DN' escape '\\' then pgsize end) from dbstat"));
    QCOMPARE(sqlite3_step(sizes.get()), SQLITE_ROW);
    const qint64 provenance = sqlite3_column_int64(sizes.get(), 0);
    const qint64 dimensions = sqlite3_column_int64(sizes.get(), 1);
    QVERIFY2(provenance > 0 && provenance <= dimensions,
             qPrintable(QStringLiteral("%1 bytes of provenance pages, %2 of dimensions").arg(provenance).arg(dimensions)));
}

void TestFldataContents::boltsAreShippedUnchanged_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("system");
    QTest::addColumn<int>("rows");
    QTest::newRow("European") << "eu_bolts.csv" << "European" << 205;
    QTest::newRow("American") << "us_bolts.csv" << "American" << 109;
}

// Value for value, and the thread's confidence as the reference grades the row.
void TestFldataContents::boltsAreShippedUnchanged()
{
    QFETCH(QString, file);
    QFETCH(QString, system);
    QFETCH(int, rows);
    QFile reference(qEnvironmentVariable("VANTELO_REFERENCE_DIR") + QStringLiteral("/bolting/") + file);
    QVERIFY2(reference.open(QIODevice::ReadOnly), qPrintable(file));
    QStringList lines = QString::fromUtf8(reference.readAll()).split(u'\n', Qt::SkipEmptyParts);
    const QStringList header = lines.takeFirst().split(u',');
    QCOMPARE(lines.size(), rows);

    Statement count = prepare(m_db.get(), QStringLiteral("select count(*) from bolt_thread where system='%1'").arg(system));
    QCOMPARE(sqlite3_step(count.get()), SQLITE_ROW);
    QCOMPARE(sqlite3_column_int(count.get(), 0), rows);
    Statement select = prepare(m_db.get(), QStringLiteral("select 螺栓孔数量n, 螺栓孔直径L, 螺栓规格 from bolt_thread "
                                                          "where system='%1' and 公称压力PN=? and 公称通径DN=?").arg(system));
    for (const QString &line : lines) {
        // The key and bolt columns come before any quoted field.
        const QStringList fields = line.split(u',');
        const auto value = [&](const char *name) { return fields.value(header.indexOf(QString::fromUtf8(name))); };
        sqlite3_reset(select.get());
        const QByteArray pressure = value("公称压力PN").toUtf8();
        sqlite3_bind_text(select.get(), 1, pressure.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int64(select.get(), 2, value("公称通径DN").toLongLong());
        QVERIFY2(sqlite3_step(select.get()) == SQLITE_ROW, qPrintable(line));
        QCOMPARE(columnText(select.get(), 0), value("螺栓孔数量n"));
        QCOMPARE(columnText(select.get(), 1), value("螺栓孔直径L"));
        QCOMPARE(columnText(select.get(), 2), value("螺栓规格"));
        const lookup::ValueOrigin thread = origin(QStringLiteral("bolt_thread"), value("公称压力PN"), value("公称通径DN"),
                                                  QStringLiteral("螺栓规格"));
        QCOMPARE(thread.kind, lookup::ValueOrigin::Kind::Known);
        QVERIFY2(!thread.reference.isEmpty(), qPrintable(line));
        QVERIFY2(line.contains(u',' + thread.confidence + u','), qPrintable(line + QStringLiteral(" shipped as ") + thread.confidence));
    }
}

QTEST_GUILESS_MAIN(TestFldataContents)
#include "test_fldata_contents.moc"
