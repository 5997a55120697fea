// The shipped ratings and rated materials against the reference tables they
// were built from, value for value, with each value's source and confidence.

#include "reference_tables.h"

#include <QHash>
#include <QTest>

class TestRatingContents final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void referenceRowsAreShippedUnchanged_data();
    void referenceRowsAreShippedUnchanged();

private:
    SqliteHandle m_db;
};

namespace {

// A reference CSV's lines as fields; a field in double quotes may hold commas.
QList<QStringList> readQuotedCsv(const QString &path)
{
    QList<QStringList> lines;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    for (const QByteArray &raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).remove(u'\r');
        if (line.isEmpty())
            continue;
        QStringList fields{QString()};
        bool quoted = false;
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (line[i] == u'"' && quoted && i + 1 < line.size() && line[i + 1] == u'"')
                fields.last() += line[++i];
            else if (line[i] == u'"')
                quoted = !quoted;
            else if (line[i] == u',' && !quoted)
                fields << QString();
            else
                fields.last() += line[i];
        }
        lines << fields;
    }
    return lines;
}

// Numbers compare by value: "233" and a stored 233.0 are the same rating.
bool sameValue(const QString &reference, const QString &shipped)
{
    bool isNumber = false, shippedNumber = false;
    const double a = reference.toDouble(&isNumber), b = shipped.toDouble(&shippedNumber);
    if (isNumber && shippedNumber)
        return a == b;
    return reference == (shipped.isNull() ? QString() : shipped) || (reference.isEmpty() && shipped.isNull());
}

} // namespace

void TestRatingContents::initTestCase()
{
    const QString path = qEnvironmentVariable("VANTELO_PROGRAM_DIR") + QStringLiteral("/FLDATA.mdb");
    m_db = openReadOnly(path);
    QVERIFY2(m_db, qPrintable(path + QStringLiteral(" cannot be opened; build the fldata target")));
}

void TestRatingContents::referenceRowsAreShippedUnchanged_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("select"); // the reference's columns in its order, then its key
    QTest::addColumn<int>("keyColumns");
    QTest::newRow("ratings") << "b165_ratings.csv"
                             << "select pt_table, material_group, class || '#', pn, temp_c, max_pressure_bar, source, "
                                "cross_check, confidence, note from rating"
                             << 5;
    QTest::newRow("materials") << "b165_materials.csv"
                               << "select material_group, pt_table, astm_material, product_form, max_temp_c_class150, "
                                  "max_temp_c_other_classes, source, cross_check, confidence from rating_material"
                               << 3;
}

void TestRatingContents::referenceRowsAreShippedUnchanged()
{
    QFETCH(QString, file);
    QFETCH(QString, select);
    QFETCH(int, keyColumns);
    QList<QStringList> reference = readQuotedCsv(qEnvironmentVariable("VANTELO_REFERENCE_DIR") + "/ratings/" + file);
    QVERIFY2(reference.size() > 1, "no reference ratings in VANTELO_REFERENCE_DIR/ratings");
    reference.removeFirst();

    // Keyed by the columns up to the key (group and class and temperature, or the grade).
    QHash<QString, QStringList> shipped;
    const Statement statement = prepare(m_db.get(), select);
    QVERIFY(statement);
    while (sqlite3_step(statement.get()) == SQLITE_ROW) {
        QStringList row;
        for (int column = 0; column < sqlite3_column_count(statement.get()); ++column)
            row << columnText(statement.get(), column);
        shipped.insert(row.mid(0, keyColumns).join(u'|'), row);
    }
    QCOMPARE(shipped.size(), reference.size());
    for (const QStringList &expected : reference) {
        const QString key = expected.mid(0, keyColumns).join(u'|');
        const QStringList row = shipped.value(key);
        QVERIFY2(row.size() == expected.size(), qPrintable(key + QStringLiteral(" is not shipped")));
        for (qsizetype column = keyColumns; column < expected.size(); ++column)
            QVERIFY2(sameValue(expected[column], row[column]),
                     qPrintable(QStringLiteral("%1 column %2: %3 shipped as %4").arg(key).arg(column + 1).arg(expected[column], row[column])));
    }
}

QTEST_GUILESS_MAIN(TestRatingContents)
#include "test_rating_contents.moc"
