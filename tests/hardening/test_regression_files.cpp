// Every data file on which the Access reader crashed, hung or leaked, found
// by fuzzing or otherwise, is kept in regressions/ and listed in its
// manifest.txt with what opening it must give. Opening one never takes the
// test process down, ends well within the import deadline, and a file that
// opens answers for every table it lists.

#include "data/database.h"
#include "data/isolated_import.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

using vantelo::data::Database;

namespace {

const QString RegressionsDir = QStringLiteral(VANTELO_REGRESSIONS_DIR);
const QString Manifest = QStringLiteral("manifest.txt");

// A kept file opens or fails in milliseconds; a hang cut off at the import
// deadline would take all of it.
constexpr qint64 QuickOpenMs = vantelo::data::AccessImportDeadline.count() / 2;

struct KeptFile
{
    QString file;
    QString outcome; // "opens" or "fails"
    QString what;
};

// Lines of "<file> <opens|fails> <what happened>"; blank lines and lines
// starting with # are skipped.
QList<KeptFile> readManifest()
{
    QList<KeptFile> keptFiles;
    QFile manifest(QDir(RegressionsDir).filePath(Manifest));
    if (!manifest.open(QIODevice::ReadOnly | QIODevice::Text))
        return keptFiles;
    while (!manifest.atEnd()) {
        const QString line = QString::fromUtf8(manifest.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList parts = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        keptFiles << KeptFile{parts.value(0), parts.value(1), parts.mid(2).join(QLatin1Char(' '))};
    }
    return keptFiles;
}

QStringList tableNames(const Database &database)
{
    QStringList names;
    auto rows = database.execute(QStringLiteral("select name from sqlite_schema where type='table'"));
    for (; rows && !rows->atEnd(); rows->moveNext())
        names << std::get<QString>(rows->field(QStringLiteral("name")).value());
    return names;
}

} // namespace

class TestRegressionFiles final : public QObject
{
    Q_OBJECT

private slots:
    void everyKeptFileIsListed();
    void opensCleanlyOrFailsCleanly_data();
    void opensCleanlyOrFailsCleanly();
};

void TestRegressionFiles::everyKeptFileIsListed()
{
    QStringList listed;
    for (const KeptFile &kept : readManifest()) {
        QVERIFY2(kept.outcome == QLatin1String("opens") || kept.outcome == QLatin1String("fails"),
                 qPrintable(kept.file));
        QVERIFY2(!kept.what.isEmpty(), qPrintable(kept.file));
        listed << kept.file;
    }
    QStringList kept = QDir(RegressionsDir).entryList(QDir::Files);
    kept.removeOne(Manifest);
    listed.sort();
    QCOMPARE(kept, listed);
}

void TestRegressionFiles::opensCleanlyOrFailsCleanly_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("opens");
    for (const KeptFile &kept : readManifest())
        QTest::newRow(qPrintable(kept.file)) << QDir(RegressionsDir).filePath(kept.file)
                                             << (kept.outcome == QLatin1String("opens"));
}

void TestRegressionFiles::opensCleanlyOrFailsCleanly()
{
    QFETCH(QString, path);
    QFETCH(bool, opens);
    QVERIFY(QFile::exists(path));

    QElapsedTimer timer;
    timer.start();
    QString error;
    const std::unique_ptr<Database> database = Database::open(path, &error);
    QVERIFY2(timer.elapsed() < QuickOpenMs, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(database != nullptr, opens);
    if (!database) {
        QVERIFY(!error.isEmpty());
        return;
    }
    for (const QString &table : tableNames(*database)) {
        QString quoted = table;
        quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
        QVERIFY2(database->execute(QStringLiteral("select * from \"%1\"").arg(quoted)), qPrintable(table));
    }
}

QTEST_GUILESS_MAIN(TestRegressionFiles)
#include "test_regression_files.moc"
