#include "identify_figures.h"

#include "bench_figures.h"

#include "data/connection.h"
#include "data/database.h"
#include "lookup/standards.h"
#include "lookup/identify.h"
#include "lookup/statements.h"
#include "tools/sqlite_writer.h"

#include <QProcess>
#include <QTemporaryDir>

#include <sqlite3.h>

namespace vantelo::bench {

namespace {

// Adds the wall time of one run to samples; false when the run failed.
bool timeProcess(const QString &program, const QStringList &arguments, std::vector<double> &samples,
                 const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return false;
    samples.push_back(timer.nsecsElapsed() / 1e6);
    return true;
}

} // namespace

double medianIdentifyMs(const QString &dataFile, int runs, bool checked)
{
    data::Connection connection;
    if (checked) {
        connection.setConnectionString(QStringLiteral("Data Source=") + dataFile);
        if (!connection.open())
            return -1;
    } else {
        sqlite3 *handle = nullptr;
        if (sqlite3_open_v2(dataFile.toUtf8().constData(), &handle, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            sqlite3_close(handle);
            return -1;
        }
        connection.adopt(data::Database::adopt(handle));
    }
    lookup::Measurements measured;
    measured.outsideDiameter = 340;
    measured.boltCircle = 295;
    measured.boltCount = 12;
    measured.boltHole = 22;
    if (lookup::identify(measured, connection).flanges.empty())
        return -1;
    return medianMsOf(runs, [&](int) { lookup::identify(measured, connection); });
}

bool writeIdentifyDataFile(const QString &shippedFile, const QString &directory, int rowsPerTable)
{
    return writeDataFileCopy(shippedFile, directory, [rowsPerTable](tools::SqliteWriter &file) {
        bool ok = true;
        for (const lookup::StandardRecord &standard : lookup::StandardRecords) {
            // Spread over the sizes real flanges have, so that the filter
            // works as hard as on real rows.
            const QString fill = QStringLiteral(
                                     "insert into %1 (公称压力PN, 公称通径DN, 法兰外径D, 螺孔中圆直径K, 螺栓孔数量n, "
                                     "螺栓孔直径L) with recursive r(i) as (select 1 union all select i + 1 from r "
                                     "where i < %2) select '99.9', 100000 + i, 50 + (i % 20000) * 0.1, "
                                     "10 + (i % 20000) * 0.1, 4 + 4 * (i % 10), 10 + i % 30 from r")
                                     .arg(QString::fromUtf8(standard.table))
                                     .arg(rowsPerTable);
            ok = ok && file.exec(fill.toStdString());
        }
        return ok;
    });
}

ShowAgainstShell compareShowWithShell(const QString &programDir, int runs)
{
    const lookup::StandardRecord &standard = lookup::StandardRecords.front();
    const QString dataFile = programDir + QStringLiteral("/FLDATA.mdb");
    const std::optional<QString> statement = lookup::dimensionStatement(standard, QStringLiteral("1.6"),
                                                                        QStringLiteral("100"));
    ShowAgainstShell figures;
    if (!statement)
        return figures;
    const QStringList show = {QStringLiteral("show"), QString::fromUtf8(standard.caption), QStringLiteral("1.6"),
                              QStringLiteral("100")};
    const QStringList shell = {QStringLiteral("-readonly"), dataFile, *statement};
    std::vector<double> query, firstQuery, sqlite, bare;
    for (int i = 0; i < runs; ++i) {
        const QTemporaryDir emptyCache;
        if (!timeProcess(programDir + QStringLiteral("/vantelo-query"), show, query)
            || !timeProcess(programDir + QStringLiteral("/vantelo-query"), show, firstQuery,
                            withCacheIn(emptyCache.path()))
            || !timeProcess(QStringLiteral("sqlite3"), shell, sqlite)
            || !timeProcess(programDir + QStringLiteral("/vantelo_bare_core_probe"), {}, bare))
            return figures;
    }
    figures.queryMs = median(query);
    figures.firstQueryMs = median(firstQuery);
    figures.shellMs = median(sqlite);
    figures.bareMs = median(bare);
    return figures;
}

} // namespace vantelo::bench
