// The whole program on the shipped data file: a pick and a press of "查询" on
// each page show that flange's published dimensions over its drawing, also
// from a data file without the tables that record each value's origin. Each
// page is saved as a picture for review.

#include "app/load_step.h"
#include "ui/caption.h"
#include "ui/page_handles.h"
#include "ui/main_window.h"
#include "ui/tab_control.h"
#include "tools/sqlite_writer.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>


using namespace vantelo;

using Captions = QList<QPair<QString, QString>>;

class TestWindowQueries final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void queryShowsPublishedDimensions_data();
    void queryShowsPublishedDimensions();

private:
    QString m_programDir;
};

void TestWindowQueries::initTestCase()
{
    m_programDir = qEnvironmentVariable("VANTELO_PROGRAM_DIR");
    if (!QFile::exists(m_programDir + QStringLiteral("/FLDATA.mdb")))
        QSKIP("the shipped data file has not been built");
}

void TestWindowQueries::queryShowsPublishedDimensions_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("pressure");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<Captions>("expected");
    QTest::addColumn<bool>("withProvenance");
    // Values of the reference tables; an unknown value shows as nothing, and
    // a decorated caption keeps its literal pieces.
    QTest::newRow("HG20593 PN1.6 DN100")
        << 1 << "1.6" << "100"
        << Captions{{"Label2", "Φ114.3(Φ108)"}, {"Label3", "8-Φ18"}, {"Label4", "Φ116(Φ110)"}, {"Label5", "Φ180"},
                    {"Label6", "Φ220"}, {"Label7", "22"}, {"Label8", "6"}} << true;
    QTest::newRow("HG20594 PN1.6 DN100")
        << 2 << "1.6" << "100"
        << Captions{{"Label15", "Φ114.3(Φ108)"}, {"Label19", "8-Φ18"}, {"Label16", "Φ116(Φ110)"}, {"Label17", "Φ180"},
                    {"Label18", "Φ220"}, {"Label20", "20"}, {"Label21", "40"}, {"Label22", ""}, {"Label14", "Φ140(Φ140)"},
                    {"Label23", "R8"}} << true;
    QTest::newRow("HG20594 PN1.6 DN100, file without provenance")
        << 2 << "1.6" << "100"
        << Captions{{"Label16", "Φ116(Φ110)"}, {"Label18", "Φ220"}, {"Label21", "40"}, {"Label14", "Φ140(Φ140)"}}
        << false;
    QTest::newRow("HG20595 PN1.6 DN100")
        << 3 << "1.6" << "100"
        << Captions{{"Label27", "Φ131(Φ131)"}, {"Label28", "Φ114.3(Φ108)"}, {"Label31", "8-Φ18"}, {"Label29", "Φ180"},
                    {"Label30", "Φ220"}, {"Label32", "20"}, {"Label33", "52"}, {"Label34", ""}, {"Label35", "R8"},
                    {"Label37", ""}} << true;
    QTest::newRow("HG20596 PN1.6 DN100")
        << 4 << "1.6" << "100"
        << Captions{{"Label41", ""}, {"Label42", "Φ180"}, {"Label43", "Φ220"}, {"Label44", "8-Φ18"},
                    {"Label45", ""}, {"Label46", ""}, {"Label47", ""}, {"Label48", ""}} << true;
    QTest::newRow("HG20616 300# DN80")
        << 5 << "300#" << "80"
        << Captions{{"Label59", "Φ117"}, {"Label60", "Φ90.5"}, {"Label61", "Φ168.3"}, {"Label62", "Φ210"},
                    {"Label63", "8-Φ22"}, {"Label64", "28.4"}, {"Label65", ""}} << true;
    QTest::newRow("HG20617 2500# DN50")
        << 6 << "2500#" << "50"
        << Captions{{"Label67", "Φ95"}, {"Label68", "Φ60.3"}, {"Label69", "Φ52.5"}, {"Label70", "Φ171.4"},
                    {"Label71", "Φ235"}, {"Label72", "8-Φ30"}, {"Label73", "50.9"}, {"Label74", "127"}} << true;
    QTest::newRow("HG20618 300# DN80")
        << 7 << "300#" << "80"
        << Captions{{"Label77", ""}, {"Label78", ""}, {"Label79", "Φ168.3"}, {"Label80", "Φ210"},
                    {"Label81", "8-Φ22"}, {"Label82", ""}, {"Label83", "28.4"}} << true;
}

namespace {

// A copy of the shipped file without the provenance tables, as an older data file is.
bool copyWithoutProvenance(const QString &shipped, const QString &copy)
{
    if (!QFile::copy(shipped, copy) || !QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner))
        return false;
    tools::SqliteWriter file(copy.toStdU16String());
    return file.exec("drop table provenance; drop table provenance_source") && file.close();
}

} // namespace

void TestWindowQueries::queryShowsPublishedDimensions()
{
    QFETCH(int, tab);
    QFETCH(QString, pressure);
    QFETCH(QString, diameter);
    QFETCH(Captions, expected);
    QFETCH(bool, withProvenance);

    QTemporaryDir olderFile;
    if (!withProvenance)
        QVERIFY(copyWithoutProvenance(m_programDir + QStringLiteral("/FLDATA.mdb"), olderFile.filePath(QStringLiteral("FLDATA.mdb"))));
    data::Connection connection;
    ui::Form1 form1;
    app::loadForm1(form1, connection, withProvenance ? m_programDir : olderFile.path());
    form1.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form1));
    form1.tabControl()->setCurrentTab(tab - 1);

    // Odd lists are the pressure lists, the next one the diameter list.
    auto *pressures = form1.findChild<QComboBox *>(QStringLiteral("Combo%1").arg(2 * tab - 1));
    auto *diameters = form1.findChild<QComboBox *>(QStringLiteral("Combo%1").arg(2 * tab));
    QVERIFY(pressures->isVisible());
    QVERIFY(ui::selectEntry(*pressures, pressures->findText(pressure)));
    const int diameterIndex = diameters->findText(diameter);
    QVERIFY2(diameterIndex >= 0, "the diameter is listed for the pressure");
    diameters->setCurrentIndex(diameterIndex);
    QTest::mouseClick(form1.findChild<QPushButton *>(QStringLiteral("Command%1").arg(tab)), Qt::LeftButton);

    for (const auto &[label, caption] : expected)
        QCOMPARE(ui::findCaption(&form1, label)->caption(), caption);

    const QString artifacts = qEnvironmentVariable("VANTELO_ARTIFACTS_DIR");
    if (!artifacts.isEmpty() && QDir().mkpath(artifacts))
        QVERIFY(form1.grab().save(artifacts + QStringLiteral("/page%1-query.png").arg(tab)));
}

QTEST_MAIN(TestWindowQueries)
#include "test_window_queries.moc"
