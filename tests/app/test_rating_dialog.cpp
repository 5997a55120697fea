// 按设计条件选型 in the window on the shipped data file: the lowest class that
// holds, taken by the button to an American page, lands there with the DN
// the window showed kept and queried.

#include "app/load_step.h"
#include "ui/caption.h"
#include "ui/main_window.h"
#include "ui/tab_control.h"

#include "lookup/found_flange.h"
#include "lookup/standards.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace vantelo;

class RatingDialogTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void chosenClassLandsWithTheDiameterKept_data();
    void chosenClassLandsWithTheDiameterKept();

private:
    data::Connection m_connection;
};

void RatingDialogTest::initTestCase()
{
    if (!QFile::exists(qEnvironmentVariable("VANTELO_PROGRAM_DIR") + QStringLiteral("/FLDATA.mdb")))
        QSKIP("the shipped data file has not been built");
}

void RatingDialogTest::chosenClassLandsWithTheDiameterKept_data()
{
    QTest::addColumn<int>("fromTab");
    QTest::addColumn<QString>("fromDiameterList");
    QTest::addColumn<QStringList>("typed"); // material, °C, MPa
    QTest::addColumn<int>("pickedPage");    // index in the page list; -1: none offered
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("classText");
    QTest::newRow("from an American page") << 5 << "Combo12" << QStringList{"A105", "300", "2.0"} << -1 << 5 << "300#";
    QTest::newRow("from a European page") << 0 << "Combo2" << QStringList{"1.1", "38", "1.96"} << 2 << 6 << "150#";
}

void RatingDialogTest::chosenClassLandsWithTheDiameterKept()
{
    QFETCH(int, fromTab);
    QFETCH(QString, fromDiameterList);
    QFETCH(QStringList, typed);
    QFETCH(int, pickedPage);
    QFETCH(int, tab);
    QFETCH(QString, classText);

    ui::Form1 form1;
    app::loadForm1(form1, m_connection, qEnvironmentVariable("VANTELO_PROGRAM_DIR"));
    form1.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form1));
    form1.tabControl()->setCurrentTab(fromTab);
    auto *fromList = form1.findChild<QComboBox *>(fromDiameterList);
    fromList->setCurrentIndex(fromList->findText(QStringLiteral("100")));
    QCOMPARE(fromList->currentText(), QStringLiteral("100"));

    auto *action = form1.findChild<QAction *>(QStringLiteral("ratingAction"));
    QVERIFY(action != nullptr);
    QCOMPARE(action->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
    QVERIFY(form1.findChild<QDialog *>(QStringLiteral("ratingDialog")) == nullptr);
    action->trigger();
    auto *dialog = form1.findChild<QDialog *>(QStringLiteral("ratingDialog"));
    QVERIFY(dialog != nullptr && dialog->isVisible());
    QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("europeanNote"))->isVisibleTo(dialog), pickedPage >= 0);
    auto *pages = dialog->findChild<QComboBox *>(QStringLiteral("pageCombo"));
    QCOMPARE(pages->isVisibleTo(dialog), pickedPage >= 0);
    if (pickedPage >= 0)
        pages->setCurrentIndex(pickedPage);
    const char *edits[] = {"materialEdit", "temperatureEdit", "pressureEdit"};
    for (int i = 0; i < 3; ++i)
        QTest::keyClicks(dialog->findChild<QLineEdit *>(QLatin1String(edits[i])), typed[i]);
    QVERIFY(dialog->findChild<QLabel *>(QStringLiteral("ratingStatus"))->text().startsWith(
        QStringLiteral("最低满足等级：") + classText));
    const QString artifacts = qEnvironmentVariable("VANTELO_ARTIFACTS_DIR");
    if (!artifacts.isEmpty() && QDir().mkpath(artifacts))
        QVERIFY(dialog->grab().save(artifacts + QStringLiteral("/rating-%1.png").arg(fromTab)));
    auto *apply = dialog->findChild<QPushButton *>(QStringLiteral("applyClassButton"));
    QVERIFY(apply->isEnabled());
    QTest::mouseClick(apply, Qt::LeftButton);

    QCOMPARE(form1.tabControl()->currentTab(), tab);
    const lookup::StandardRecord &standard = lookup::StandardRecords[std::size_t(tab)];
    const auto nameOf = [&standard](lookup::ControlRole role) {
        return QLatin1String(lookup::controlWith(standard, role)->name);
    };
    QCOMPARE(form1.findChild<QComboBox *>(nameOf(lookup::ControlRole::PressureList))->currentText(), classText);
    QCOMPARE(form1.findChild<QComboBox *>(nameOf(lookup::ControlRole::DiameterList))->currentText(),
             QStringLiteral("100"));
    const QString mpa = ui::findCaption(&form1, nameOf(lookup::ControlRole::PressureValue))->caption();
    const lookup::FlangeLookup found =
        lookup::findFlange(standard, classText, mpa, QStringLiteral("100"), m_connection);
    QVERIFY(std::holds_alternative<lookup::FoundFlange>(found));
    for (int place = 0; place < lookup::resultCount(standard); ++place) {
        const lookup::ControlRow *label = lookup::resultAt(standard, place);
        if (const auto caption = lookup::captionOf(label->source, std::get<lookup::FoundFlange>(found)))
            QCOMPARE(ui::findCaption(&form1, QLatin1String(label->name))->caption(), *caption);
    }
}

QTEST_MAIN(RatingDialogTest)
#include "test_rating_dialog.moc"
