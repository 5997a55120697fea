#include "bench_figures.h"

#include "timing.h"

#include "app/load_step.h"
#include "data/database.h"
#include "tools/sqlite_writer.h"
#include "ui/page_handles.h"
#include "ui/main_window.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <optional>
#include <vector>

namespace vantelo::bench {

QProcessEnvironment withCacheIn(const QString &folder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), folder);
    return environment;
}

ProcessFigures measureProcess(const QString &program, int runs, bool checkedBefore)
{
    ProcessFigures figures;
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        QProcess process;
        std::optional<QTemporaryDir> emptyCache;
        if (!checkedBefore)
            process.setProcessEnvironment(withCacheIn(emptyCache.emplace().path()));
        QElapsedTimer timer;
        timer.start();
        process.start(program, {});
        if (!process.waitForFinished(30000) || process.exitCode() != 0)
            return figures;
        samples.push_back(timer.nsecsElapsed() / 1e6);
        const QByteArray out = process.readAllStandardOutput();
        const int at = out.indexOf("peak_kb ");
        if (at >= 0)
            figures.peakKb = std::max(figures.peakKb, out.mid(at + 8).trimmed().split('\n').first().toLong());
    }
    figures.medianMs = median(samples);
    return figures;
}

double medianRefillMs(const QString &directory, int runs)
{
    data::Connection connection;
    ui::Form1 form1;
    app::loadForm1(form1, connection, directory);
    auto *pressures = form1.findChild<QComboBox *>(QStringLiteral("Combo1"));
    if (pressures == nullptr || pressures->count() == 0)
        return -1;
    const int entries = pressures->count();
    return medianMsOf(runs, [&](int i) { ui::selectEntry(*pressures, i % entries); });
}

double medianClickMs(const QString &directory, int runs)
{
    data::Connection connection;
    ui::Form1 form1;
    app::loadForm1(form1, connection, directory);
    auto *button = form1.findChild<QAbstractButton *>(QStringLiteral("Command1"));
    if (button == nullptr)
        return -1;
    return medianMsOf(runs, [&](int) { button->click(); });
}

double medianOpenMs(const QString &path, int runs)
{
    if (!QFile::exists(path))
        return -1;
    return medianMsOf(runs, [&](int) { data::Database::open(path); });
}

bool writeDataFileCopy(const QString &shippedFile, const QString &directory,
                       const std::function<bool(tools::SqliteWriter &)> &fill)
{
    const QString target = directory + QStringLiteral("/FLDATA.mdb");
    QFile::remove(target);
    if (!QFile::copy(shippedFile, target))
        return false;
    QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    tools::SqliteWriter file(target.toStdU16String());
    return file.exec("begin") && fill(file) && file.exec("commit") && file.close();
}

bool writeGrownDataFile(const QString &shippedFile, const QString &directory, int extraRows)
{
    return writeDataFileCopy(shippedFile, directory, [extraRows](tools::SqliteWriter &file) {
        const char *pressures[] = {"0.6", "1.0", "1.6", "2.5"};
        std::vector<std::vector<tools::SqlValue>> rows;
        for (int i = 0; i < extraRows; ++i)
            rows.push_back({std::string(pressures[i % 4]), 100000LL + i});
        return file.insert("insert into _HG20593 (公称压力PN, 公称通径DN) values (?, ?)", rows);
    });
}

bool writeWholeTableDataFile(const QString &shippedFile, const QString &directory, int extraRows, bool indexed)
{
    return writeDataFileCopy(shippedFile, directory, [extraRows, indexed](tools::SqliteWriter &file) {
        // A statement INDEXED BY the builder's index fails unless it is there.
        const std::string index = "\"_HG20618_PN_DN\"";
        bool ok = file.exec("select 1 from _HG20618 indexed by " + index + " where 公称压力PN = '2.0' limit 1");
        if (ok && !indexed)
            ok = file.exec("drop index " + index);
        std::vector<std::vector<tools::SqlValue>> rows;
        for (int i = 0; i < extraRows; ++i)
            rows.push_back({100000LL + i});
        return ok && file.insert("insert into _HG20618 (公称压力PN, 公称通径DN) values ('2.0', ?)", rows);
    });
}

} // namespace vantelo::bench
