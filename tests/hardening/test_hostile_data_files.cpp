// Any file named FLDATA.mdb may sit beside the program. Whatever it holds, the
// program fills what it can, never crashes or hangs, never writes to the file,
// and stays responsive.

#include "support/data_file_writer.h"
#include "support/fake_page.h"

#include "app/load_step.h"
#include "data/connection.h"
#include "ui/page_handles.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace vantelo;

namespace {

const QString Create20593 = test::createFlangeTable(QStringLiteral("_HG20593"), {QStringLiteral("法兰外径D")});

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, '\0');
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

QByteArray sqliteBytes(const QStringList &statements)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("made.db"));
    if (!test::writeDataFile(path, statements))
        return {};
    return fileBytes(path);
}

// A well-formed file of several pages, to be cut short.
QByteArray multiPageFile()
{
    QStringList statements{Create20593};
    for (int i = 0; i < 400; ++i)
        statements << QStringLiteral("insert into _HG20593 values ('0.25', %1, %2)").arg(10 + i).arg(75 + i);
    return sqliteBytes(statements);
}

QByteArray fixture(const char *name)
{
    return fileBytes(qEnvironmentVariable("VANTELO_FIXTURES_DIR") + QLatin1Char('/') + QLatin1String(name));
}

} // namespace

class TestHostileDataFiles final : public QObject
{
    Q_OBJECT

private slots:
    void fileContents_data();
    void fileContents();
    void dataFileThatIsADirectory();
    void dataFileWithoutReadPermission();
    void dataFileReplacedWhileRunning();
    void typedTexts_data();
    void typedTexts();

private:
    // Loads a window on a directory holding path, exercises every pick and
    // button, and checks that the window still answers events afterwards.
    void exercise(test::FakeForm &form, data::Connection &connection, const QString &directory);
};

void TestHostileDataFiles::exercise(test::FakeForm &form, data::Connection &connection, const QString &directory)
{
    app::loadForm1(form, form.pages(), connection, directory);
    for (int list = 1; list <= 13; list += 2) {
        QComboBox *pressures = form.list(QStringLiteral("Combo%1").arg(list).toLatin1().constData());
        for (int i = 0; i < pressures->count(); ++i) {
            ui::selectEntry(*pressures, i);
            form.button(QStringLiteral("Command%1").arg((list + 1) / 2).toLatin1().constData())->click();
        }
        ui::selectEntry(*pressures, 0);
    }
    bool answered = false;
    QTimer::singleShot(0, &form, [&answered] { answered = true; });
    QTRY_VERIFY_WITH_TIMEOUT(answered, 2000);
}

void TestHostileDataFiles::fileContents_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("firstPageDiameters"); // entries of Combo2 after loading, -1: any
    QTest::addColumn<QString>("firstPageD");     // Label6 after a query on page 1

    QTest::newRow("empty") << QByteArray() << 0 << "";
    QTest::newRow("random bytes") << randomBytes(65536, 7) << 0 << "";
    QTest::newRow("all zeros") << QByteArray(65536, '\0') << 0 << "";
    QTest::newRow("SQLite header then garbage")
        << QByteArray("SQLite format 3\0", 16) + randomBytes(8192, 11) << 0 << "";

    const QByteArray whole = multiPageFile();
    QVERIFY(whole.size() > 4096 * 3);
    for (int cut = 4096; cut < whole.size(); cut += 4096)
        QTest::addRow("SQLite cut at %d", cut) << whole.left(cut) << -1 << "";

    QTest::newRow("table lacks the dimension columns")
        << sqliteBytes({test::createFlangeTable("_HG20593", {}), "insert into _HG20593 values ('0.25', 10)"}) << 1
        << "";
    QTest::newRow("text diameters")
        << sqliteBytes({"create table _HG20593 (公称压力PN TEXT, 公称通径DN TEXT, 法兰外径D REAL)",
                        "insert into _HG20593 values ('0.25', 'DN10', 75), ('0.25', '15', 80)"})
        << 2 << "";
    QTest::newRow("1 MB text")
        << sqliteBytes({Create20593, QStringLiteral("insert into _HG20593 values ('0.25', 10, '%1')")
                                         .arg(QString(1 << 20, QLatin1Char('x')))})
        << 1 << "Φ" + QString(1 << 20, QLatin1Char('x'));
    {
        QStringList statements{Create20593};
        for (int i = 0; i < 10000; ++i)
            statements << QStringLiteral("insert into _HG20593 values ('0.25', 10, %1)").arg(75 + i);
        QTest::newRow("10000 rows of one pair") << sqliteBytes(statements) << 1 << "Φ75";
    }
    QTest::newRow("Chinese and emoji texts")
        << sqliteBytes({Create20593, "insert into _HG20593 values ('0.25', 10, '七十五😀')"}) << 1 << "Φ七十五😀";
    QTest::newRow("infinite reals")
        << sqliteBytes({Create20593, "insert into _HG20593 values ('0.25', 9e999, 9e999), ('0.25', 10, -9e999)"})
        << 2 << "";

    const QByteArray access = fixture("nwind-jet3.mdb");
    if (!access.isEmpty()) {
        QTest::newRow("Access file cut short") << access.left(access.size() / 3) << 0 << "";
        QByteArray zeroed = access;
        zeroed.replace(0, 4096, QByteArray(4096, '\0'));
        QTest::newRow("Access file, first pages zeroed") << zeroed << 0 << "";
        QByteArray headerOnly = access.left(2048 * 2);
        QTest::newRow("Access header pages only") << headerOnly << 0 << "";
        QByteArray catalogueZeroed = access;
        catalogueZeroed.replace(2048 * 2, 2048 * 8, QByteArray(2048 * 8, '\0'));
        QTest::newRow("Access catalogue zeroed") << catalogueZeroed << 0 << "";
    }
}

void TestHostileDataFiles::fileContents()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, firstPageDiameters);
    QFETCH(QString, firstPageD);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("FLDATA.mdb"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    const QDateTime modified = QFileInfo(path).lastModified();
    const QByteArray digest = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);

    data::Connection connection; // outlives the window that uses it
    test::FakeForm form;
    exercise(form, connection, dir.path());
    // Back on the first pressure: the list shows what the file could give.
    if (firstPageDiameters >= 0)
        QCOMPARE(form.list("Combo2")->count(), firstPageDiameters);
    if (!firstPageD.isEmpty()) {
        form.list("Combo2")->setCurrentIndex(0);
        form.button("Command1")->click();
        QCOMPARE(form.label("Label6")->text(), firstPageD);
    }

    QCOMPARE(QCryptographicHash::hash(fileBytes(path), QCryptographicHash::Sha256), digest);
    QCOMPARE(QFileInfo(path).lastModified(), modified);
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"FLDATA.mdb"});
}

void TestHostileDataFiles::dataFileThatIsADirectory()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("FLDATA.mdb")));
    data::Connection connection; // outlives the window that uses it
    test::FakeForm form;
    exercise(form, connection, dir.path());
    QCOMPARE(form.list("Combo2")->count(), 0);
    QCOMPARE(form.list("Combo1")->currentIndex(), 0);
}

void TestHostileDataFiles::dataFileWithoutReadPermission()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("FLDATA.mdb"));
    QVERIFY(test::writeDataFile(path, {Create20593, "insert into _HG20593 values ('0.25', 10, 75)"}));
    QVERIFY(QFile(path).setPermissions(QFileDevice::Permissions()));
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly))
        QSKIP("running with rights that read any file (root): an unreadable file cannot be made");
    data::Connection connection; // outlives the window that uses it
    test::FakeForm form;
    exercise(form, connection, dir.path());
    QCOMPARE(form.list("Combo2")->count(), 0);
}

void TestHostileDataFiles::dataFileReplacedWhileRunning()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("FLDATA.mdb"));
    QVERIFY(test::writeDataFile(path, {Create20593, "insert into _HG20593 values ('0.25', 10, 75)"}));
    data::Connection connection;
    test::FakeForm form;
    app::loadForm1(form, form.pages(), connection, dir.path());
    QCOMPARE(form.list("Combo2")->count(), 1);

    for (const QByteArray &replacement :
         {sqliteBytes({Create20593, "insert into _HG20593 values ('0.25', 20, 90)"}), randomBytes(9000, 3),
          QByteArray()}) {
        const QString next = dir.filePath(QStringLiteral("next"));
        QFile file(next);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(replacement);
        file.close();
        QVERIFY(::rename(next.toLocal8Bit().constData(), path.toLocal8Bit().constData()) == 0);
        ui::selectEntry(*form.list("Combo1"), 0);
        form.button("Command1")->click();
        // The open file is the one read: its rows stay listed and shown.
        QCOMPARE(form.list("Combo2")->currentText(), QStringLiteral("10"));
        QCOMPARE(form.label("Label6")->text(), QStringLiteral("Φ75"));
    }
}

void TestHostileDataFiles::typedTexts_data()
{
    QTest::addColumn<QString>("pressure");
    QTest::addColumn<QString>("diameter");
    QTest::newRow("10000 characters") << QString(10000, QLatin1Char('1')) << QString(10000, QLatin1Char('9'));
    QTest::newRow("quotes") << "0.6'" << "'50'";
    QTest::newRow("double quotes") << "\"0.6\"" << "\"50\"";
    QTest::newRow("semicolons") << "0.6;" << "50;drop table _HG20596";
    QTest::newRow("comment markers") << "0.6--" << "50/*";
    QTest::newRow("control characters") << QStringLiteral("0.6\n\t\r") << QStringLiteral("50\x01\x7f");
    QTest::newRow("other scripts") << "〇．六" << "五十";
    QTest::newRow("full-width digits") << "0.6" << "５０";
}

void TestHostileDataFiles::typedTexts()
{
    QFETCH(QString, pressure);
    QFETCH(QString, diameter);
    QTemporaryDir dir;
    QVERIFY(test::writeDataFile(dir.filePath(QStringLiteral("FLDATA.mdb")),
                                {test::createFlangeTable("_HG20596", {"法兰外径D"}),
                                 "insert into _HG20596 values ('0.6', 50, 140)"}));
    data::Connection connection;
    test::FakeForm form;
    app::loadForm1(form, form.pages(), connection, dir.path());
    form.button("Command4")->click();
    QCOMPARE(form.label("Label43")->text(), QStringLiteral("Φ140"));

    form.list("Combo7")->setEditText(pressure);
    form.list("Combo8")->setEditText(diameter);
    form.button("Command4")->click();
    QCOMPARE(form.label("Label43")->text(), QStringLiteral("Φ140"));
    QCOMPARE(form.label("Label43")->captionWrites(), 1);
    QCOMPARE(form.list("Combo8")->currentText(), diameter);
}

QTEST_MAIN(TestHostileDataFiles)
#include "test_hostile_data_files.moc"
