// Start-up: where the data file is looked for, the connection string, and the
// window after the load step with the shipped data file.

#include "app/load_step.h"
#include "data/shared_connection.h"
#include "app/qt_translation.h"
#include "ui/caption.h"
#include "ui/page_handles.h"
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace vantelo;

class TestStartup final : public QObject
{
    Q_OBJECT

private slots:
    void connectionStringNamesTheProgramDirectory();
    void missingFileFailsTheOpenQuietly();
    void dataFileInWorkingDirectoryIsNotUsed();
    void shippedFileFillsEveryList_data();
    void shippedFileFillsEveryList();
    void pressureValueLabelsReadTwo();
    void missingFileStillFillsPressureLists();
    void missingFileCommandsSaySo_data();
    void missingFileCommandsSaySo();
    void qtDialogsSpeakChinese();
    void informationOptionsPrintAndExit_data();
    void informationOptionsPrintAndExit();
};

void TestStartup::connectionStringNamesTheProgramDirectory()
{
    QCOMPARE(data::connectionStringFor(QStringLiteral("/opt/vantelo")),
             QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/vantelo/FLDATA.mdb"));
}

void TestStartup::missingFileFailsTheOpenQuietly()
{
    QTemporaryDir dir;
    data::Connection connection;
    QVERIFY(!data::ConnectDatabase(connection, dir.path()));
    QVERIFY(!connection.isOpen());
    QVERIFY(!connection.execute(QStringLiteral("select 1")).has_value());
}

void TestStartup::dataFileInWorkingDirectoryIsNotUsed()
{
    const QString shipped = qEnvironmentVariable("VANTELO_PROGRAM_DIR") + QStringLiteral("/FLDATA.mdb");
    if (!QFile::exists(shipped))
        QSKIP("the shipped data file has not been built");
    QVERIFY(!QFile::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/FLDATA.mdb")));
    QTemporaryDir dir;
    QVERIFY(QFile::copy(shipped, dir.filePath(QStringLiteral("FLDATA.mdb"))));
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    // The program's own load step, run from a working directory that holds a
    // data file while the program's directory holds none.
    ui::Form1 form1;
    app::loadForm1(form1);
    QDir::setCurrent(before);
    QVERIFY(!data::DbConnection().isOpen());
    QCOMPARE(form1.findChild<QComboBox *>(QStringLiteral("Combo2"))->count(), 0);
    QVERIFY(data::DbConnection().connectionString().startsWith(
        QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + QCoreApplication::applicationDirPath()));
}

void TestStartup::shippedFileFillsEveryList_data()
{
    QTest::addColumn<QString>("diameterList");
    QTest::addColumn<QString>("firstDiameter");
    QTest::addColumn<QString>("pressure");
    // The first diameter stored for each page's first pressure, and for
    // pressures picked afterwards.
    QTest::newRow("HG20593 0.25") << "Combo2" << "10" << "";
    QTest::newRow("HG20594 0.6") << "Combo4" << "10" << "";
    QTest::newRow("HG20595 1.0") << "Combo6" << "10" << "";
    QTest::newRow("HG20595 10.0") << "Combo6" << "10" << "10.0";
    QTest::newRow("HG20595 16.0") << "Combo6" << "10" << "16.0";
    QTest::newRow("HG20596 0.6") << "Combo8" << "10" << "";
    QTest::newRow("HG20616 150#") << "Combo10" << "15" << "";
    QTest::newRow("HG20617 150#") << "Combo12" << "15" << "";
    QTest::newRow("HG20618 150#") << "Combo14" << "15" << "";
}

void TestStartup::shippedFileFillsEveryList()
{
    QFETCH(QString, diameterList);
    QFETCH(QString, firstDiameter);
    QFETCH(QString, pressure);
    const QString programDir = qEnvironmentVariable("VANTELO_PROGRAM_DIR");
    if (!QFile::exists(programDir + QStringLiteral("/FLDATA.mdb")))
        QSKIP("the shipped data file has not been built");
    data::Connection connection;
    ui::Form1 form1;
    app::loadForm1(form1, connection, programDir);
    QVERIFY(connection.isOpen());
    const QComboBox *list = form1.findChild<QComboBox *>(diameterList);
    QVERIFY(list != nullptr);
    if (!pressure.isEmpty()) {
        // The pressure list is the one before its diameter list.
        auto *pressures = form1.findChild<QComboBox *>(QStringLiteral("Combo%1").arg(diameterList.mid(5).toInt() - 1));
        QVERIFY(ui::selectEntry(*pressures, pressures->findText(pressure)));
    }
    QVERIFY(list->count() > 1);
    QCOMPARE(list->currentIndex(), 0);
    QCOMPARE(list->currentText(), firstDiameter);
}

void TestStartup::pressureValueLabelsReadTwo()
{
    QTemporaryDir dir;
    data::Connection connection;
    ui::Form1 form1;
    for (const char *name : {"Label58", "Label66", "Label76"})
        QCOMPARE(ui::findCaption(&form1, QString::fromLatin1(name))->caption(), QString::fromLatin1(name));
    app::loadForm1(form1, connection, dir.path());
    for (const char *name : {"Label58", "Label66", "Label76"})
        QCOMPARE(ui::findCaption(&form1, QString::fromLatin1(name))->caption(), QStringLiteral("2.0"));
}

void TestStartup::missingFileStillFillsPressureLists()
{
    QTemporaryDir dir;
    data::Connection connection;
    ui::Form1 form1;
    app::loadForm1(form1, connection, dir.path());
    for (int i = 1; i <= 13; i += 2) {
        const QComboBox *pressures = form1.findChild<QComboBox *>(QStringLiteral("Combo%1").arg(i));
        QVERIFY(pressures->count() >= 5);
        QCOMPARE(pressures->currentIndex(), 0);
        const QComboBox *diameters = form1.findChild<QComboBox *>(QStringLiteral("Combo%1").arg(i + 1));
        QCOMPARE(diameters->count(), 0);
        // An empty list shows no text, the editable one on tab 4 included.
        QCOMPARE(diameters->currentText(), QString());
    }
}

void TestStartup::missingFileCommandsSaySo_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("copy") << "copyDimensionsAction";
    QTest::newRow("export") << "exportDrawingAction";
    QTest::newRow("print") << "printDrawingAction";
    QTest::newRow("identify") << "identifyAction";
}

void TestStartup::missingFileCommandsSaySo()
{
    QFETCH(QString, action);
    QTemporaryDir dir;
    data::Connection connection;
    ui::Form1 form1;
    app::loadForm1(form1, connection, dir.path());
    form1.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form1));
    QString said;
    // A message box runs its own loop; read and close it from there.
    QTimer::singleShot(0, &form1, [&said] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            said = box->text();
            box->close();
        }
    });
    form1.findChild<QAction *>(action)->trigger();
    if (auto *status = form1.findChild<QLabel *>(QStringLiteral("statusLabel")))
        said = status->text();
    QCOMPARE(said, QStringLiteral("无法读取数据文件 FLDATA.mdb"));
}

void TestStartup::qtDialogsSpeakChinese()
{
    QVERIFY2(app::installQtChinese(*QCoreApplication::instance()), "qt6-translations-l10n is installed");
    QFileDialog dialog(nullptr, QStringLiteral("导出图纸"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const auto *buttons = dialog.findChild<QDialogButtonBox *>();
    QVERIFY(buttons != nullptr);
    QVERIFY2(buttons->button(QDialogButtonBox::Save)->text().contains(QStringLiteral("保存")),
             qPrintable(buttons->button(QDialogButtonBox::Save)->text()));
    QVERIFY(buttons->button(QDialogButtonBox::Cancel)->text().contains(QStringLiteral("取消")));
}

void TestStartup::informationOptionsPrintAndExit_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("printed");
    QTest::newRow("help") << "--help" << "--version";
    QTest::newRow("version") << "--version" << "vantelo ";
}

void TestStartup::informationOptionsPrintAndExit()
{
    QFETCH(QString, option);
    QFETCH(QString, printed);
    const QString program = qEnvironmentVariable("VANTELO_PROGRAM_DIR") + QStringLiteral("/vantelo");
    if (!QFile::exists(program))
        QSKIP("the program has not been built");
    QProcess process;
    // No display at all: the answer must not need one.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process.setProcessEnvironment(environment);
    process.start(program, {option});
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(QString::fromUtf8(process.readAllStandardOutput()).contains(printed));
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
