// 按实测尺寸识别 in the window on the shipped data file: typed measurements
// fill the results; choosing one lands on its page with its pressure and DN
// picked and queried. The dialog is saved as a picture for review.

#include "app/load_step.h"
#include "ui/caption.h"
#include "ui/main_window.h"
#include "ui/tab_control.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

using namespace vantelo;

using Texts = QList<QPair<QString, QString>>; // object name, text or caption

class IdentifyDialogTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void choosingAMatchShowsItsPage_data();
    void choosingAMatchShowsItsPage();

private:
    data::Connection m_connection;
};

void IdentifyDialogTest::initTestCase()
{
    const QString programDir = qEnvironmentVariable("VANTELO_PROGRAM_DIR");
    if (!QFile::exists(programDir + QStringLiteral("/FLDATA.mdb")))
        QSKIP("the shipped data file has not been built");
}

void IdentifyDialogTest::choosingAMatchShowsItsPage_data()
{
    QTest::addColumn<Texts>("typed");
    QTest::addColumn<bool>("byEnter");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("firstRow");
    QTest::addColumn<QString>("firstBolts");
    QTest::addColumn<QString>("pickedType"); // empty: the type offered first
    QTest::addColumn<int>("tab");
    QTest::addColumn<Texts>("shown");
    QTest::newRow("European, by Enter")
        << Texts{{"outsideDiameterEdit", "340"}, {"boltCircleEdit", "295"}, {"boltCountEdit", "12"},
                 {"boltHoleEdit", "22"}}
        << true << 1 << "HG20593 HG20594 HG20595 HG20596" << "12-M20" << "" << 0
        << Texts{{"Combo1", "1.6"}, {"Combo2", "200"}, {"Label6", "Φ340"}, {"Label5", "Φ295"}, {"Label3", "12-Φ22"}};
    QTest::newRow("American, by double-click")
        << Texts{{"boltCircleEdit", "241"}, {"boltCountEdit", "8"}, {"boltHoleEdit", "22"}} << false << -1
        << "HG20616 HG20617 HG20618" << "8-M20" << "HG20616" << 4
        << Texts{{"Combo9", "150#"}, {"Label58", "2.0"}, {"Combo10", "150"}, {"Label62", "Φ280"},
                 {"Label61", "Φ241.3"}, {"Label63", "8-Φ22"}};
}

void IdentifyDialogTest::choosingAMatchShowsItsPage()
{
    QFETCH(Texts, typed);
    QFETCH(bool, byEnter);
    QFETCH(int, rows);
    QFETCH(QString, firstRow);
    QFETCH(QString, firstBolts);
    QFETCH(QString, pickedType);
    QFETCH(int, tab);
    QFETCH(Texts, shown);

    ui::Form1 form1;
    app::loadForm1(form1, m_connection, qEnvironmentVariable("VANTELO_PROGRAM_DIR"));
    form1.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form1));
    auto *action = form1.findChild<QAction *>(QStringLiteral("identifyAction"));
    QVERIFY(action != nullptr);
    QCOMPARE(action->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
    QVERIFY(form1.findChild<QDialog *>() == nullptr);
    action->trigger();
    auto *dialog = form1.findChild<QDialog *>(QStringLiteral("identifyDialog"));
    QVERIFY(dialog != nullptr && dialog->isVisible());

    auto *results = dialog->findChild<QTableWidget *>(QStringLiteral("resultsTable"));
    QCOMPARE(results->rowCount(), 0);
    for (const auto &[name, text] : typed)
        QTest::keyClicks(dialog->findChild<QLineEdit *>(name), text);
    if (rows >= 0)
        QCOMPARE(results->rowCount(), rows);
    QVERIFY(results->rowCount() > 0);
    QCOMPARE(results->item(0, 0)->text(), firstRow);
    QCOMPARE(results->horizontalHeaderItem(5)->text(), QStringLiteral("螺栓规格"));
    QCOMPARE(results->item(0, 5)->text(), firstBolts);
    const QString artifacts = qEnvironmentVariable("VANTELO_ARTIFACTS_DIR");
    if (!artifacts.isEmpty() && QDir().mkpath(artifacts))
        QVERIFY(dialog->grab().save(artifacts + QStringLiteral("/identify-%1.png").arg(tab)));

    if (byEnter) {
        results->setFocus();
        results->setCurrentCell(0, 0);
        QTest::keyClick(results, Qt::Key_Return);
    } else {
        const QPoint cell = results->visualItemRect(results->item(0, 1)).center();
        QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, cell);
        // The window opens on HG20618, so its type is offered first.
        auto *types = dialog->findChild<QComboBox *>(QStringLiteral("flangeTypeList"));
        QCOMPARE(types->itemText(0), QStringLiteral("HG20618"));
        types->setCurrentIndex(types->findText(pickedType));
        QTest::mouseDClick(results->viewport(), Qt::LeftButton, {}, cell);
    }
    QCOMPARE(form1.tabControl()->currentTab(), tab);
    for (const auto &[name, text] : shown) {
        if (auto *list = form1.findChild<QComboBox *>(name))
            QCOMPARE(list->currentText(), text);
        else
            QCOMPARE(ui::findCaption(&form1, name)->caption(), text);
    }
}

QTEST_MAIN(IdentifyDialogTest)
#include "test_identify_dialog.moc"
