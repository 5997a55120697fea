// Large valid data files get the same answer whatever else the machine is
// doing, and the window keeps answering while it reads a large table.

#include "support/data_file_writer.h"

#include "app/load_step.h"
#include "data/connection.h"
#include "data/database.h"
#include "ui/after_lookup/after_lookup_actions.h"
#include "ui/after_lookup/page_after_lookup.h"
#include "ui/after_lookup/whole_table_dialog.h"
#include "ui/main_window.h"
#include "ui/tab_control.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>

using namespace vantelo;

namespace {

constexpr int ExtraRows = 100000;

// 100,000 rows at one pressure, their dimensions unknown: only their number matters here.
QStringList manyRows()
{
    return {test::createFlangeTable(QStringLiteral("_HG20593"), {QStringLiteral("法兰外径D")}),
            QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n where i < %1)"
                           " insert into _HG20593 select '1.6', i, null from n")
                .arg(ExtraRows)};
}

QString diametersAt16()
{
    return QStringLiteral("select distinct 公称通径DN from _HG20593 where 公称压力PN='1.6'");
}

// Two processes that keep both cores busy while they live.
class BusyCores final
{
public:
    BusyCores()
    {
        for (auto &loop : m_loops) {
            loop = std::make_unique<QProcess>();
            loop->setStandardOutputFile(QProcess::nullDevice());
            loop->start(QStringLiteral("yes"), {});
        }
    }
    ~BusyCores()
    {
        for (auto &loop : m_loops) {
            loop->kill();
            loop->waitForFinished(5000);
        }
    }
    bool running() const
    {
        return std::ranges::all_of(m_loops, [](const auto &loop) { return loop->waitForStarted(5000); });
    }

private:
    std::unique_ptr<QProcess> m_loops[2];
};

} // namespace

class TestLargeDataFiles final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void opensALargeFileAlikeOnABusyMachine();
    void refusesForSizeWithoutCallingItDamaged_data();
    void refusesForSizeWithoutCallingItDamaged();
    void wholeTableKeepsTheWindowAnswering_data();
    void wholeTableKeepsTheWindowAnswering();

private:
    QTemporaryDir m_dir;
};

void TestLargeDataFiles::initTestCase()
{
    QElapsedTimer clock;
    clock.start();
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("plain")) && QDir(m_dir.path()).mkpath(QStringLiteral("indexed")));
    QVERIFY(test::writeDataFile(m_dir.filePath(QStringLiteral("plain/FLDATA.mdb")), manyRows()));
    QVERIFY(test::writeDataFile(m_dir.filePath(QStringLiteral("indexed/FLDATA.mdb")),
                                manyRows() << QStringLiteral("create index pair on _HG20593 (公称压力PN, 公称通径DN)")));
    // About 80 MB: the rows above and a table of 1.2 million small rows.
    QVERIFY(test::writeDataFile(
        m_dir.filePath(QStringLiteral("large.mdb")),
        manyRows() << QStringLiteral("create table extra (id INTEGER, payload BLOB)")
                   << QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n where i < 1200000)"
                                     " insert into extra select i, randomblob(56) from n")));
    QVERIFY(QFileInfo(m_dir.filePath(QStringLiteral("large.mdb"))).size() > (qint64(75) << 20));
    qInfo("test files written in %lld ms", clock.elapsed());
}

void TestLargeDataFiles::opensALargeFileAlikeOnABusyMachine()
{
    const QString path = m_dir.filePath(QStringLiteral("large.mdb"));
    const auto answer = [&path](const data::WorkLimits &limits) {
        QString error;
        const std::unique_ptr<data::Database> database = data::Database::open(path, &error, limits);
        if (!database)
            return error;
        const std::optional<data::ResultSet> rows = database->execute(diametersAt16(), &error);
        return rows ? QString::number(rows->rowCount()) : error;
    };
    const QString expected = QString::number(ExtraRows);
    QCOMPARE(answer(data::WindowLimits), expected);
    const BusyCores busy;
    QVERIFY(busy.running());
    for (int run = 0; run < 2; ++run) {
        QCOMPARE(answer(data::WindowLimits), expected);
        QCOMPARE(answer(data::CommandLineLimits), expected);
    }
}

void TestLargeDataFiles::refusesForSizeWithoutCallingItDamaged_data()
{
    QTest::addColumn<qint64>("mostFileBytes");
    QTest::addColumn<qint64>("checkStepsPerKiB");
    QTest::newRow("larger than any file checked") << qint64(1 << 20) << qint64(10000);
    QTest::newRow("more work than allowed") << qint64(1) << qint64(0);
}

void TestLargeDataFiles::refusesForSizeWithoutCallingItDamaged()
{
    QFETCH(qint64, mostFileBytes);
    QFETCH(qint64, checkStepsPerKiB);
    data::WorkLimits limits = data::WindowLimits;
    limits.checkSteps = 0;
    limits.checkStepsPerKiB = checkStepsPerKiB;
    if (mostFileBytes > 1)
        limits.mostFileBytes = mostFileBytes;
    QString error;
    QVERIFY(!data::Database::open(m_dir.filePath(QStringLiteral("plain/FLDATA.mdb")), &error, limits));
    QCOMPARE(error, QString::fromLatin1(data::TooLargeToCheck));
}

void TestLargeDataFiles::wholeTableKeepsTheWindowAnswering_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("with the builder's index") << "indexed";
    QTest::newRow("without an index") << "plain";
}

void TestLargeDataFiles::wholeTableKeepsTheWindowAnswering()
{
    QFETCH(QString, folder);
    data::Connection connection;
    ui::Form1 form;
    app::loadForm1(form, connection, m_dir.filePath(folder));
    auto *actions = form.findChild<ui::AfterLookupActions *>();
    QVERIFY(actions != nullptr);
    form.tabControl()->setCurrentTab(0);
    auto *pressures = form.findChild<QComboBox *>(QStringLiteral("Combo1"));
    pressures->setCurrentIndex(pressures->findText(QStringLiteral("1.6")));
    emit pressures->activated(pressures->currentIndex());

    // The longest time the window went without handling its events.
    QElapsedTimer clock;
    qint64 lastTick = 0;
    qint64 longestGap = 0;
    QTimer ticks;
    ticks.setInterval(10);
    connect(&ticks, &QTimer::timeout, this, [&] {
        longestGap = std::max(longestGap, clock.elapsed() - lastTick);
        lastTick = clock.elapsed();
    });
    ticks.start();
    clock.start();
    std::unique_ptr<ui::WholeTableDialog> dialog(actions->currentPage()->makeWholeTableDialog(nullptr));
    const qint64 shown = clock.elapsed();
    longestGap = std::max(longestGap, shown - lastTick);
    QVERIFY(dialog);
    QCOMPARE(dialog->view()->model()->rowCount(), ExtraRows);
    qInfo("whole table of %d rows %s: %lld ms, the window at most %lld ms without events", ExtraRows,
          qPrintable(folder), shown, longestGap);
    QVERIFY2(longestGap <= 500, qPrintable(QString::number(longestGap)));
}

QTEST_MAIN(TestLargeDataFiles)
#include "test_large_data_files.moc"
