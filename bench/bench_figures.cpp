#include "bench_figures.h"

#include "timing.h"

#include "app/load_step.h"
#include "data/database.h"
#include "ui/page_handles.h"
#include "ui/main_window.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <sqlite3.h>

#include <algorithm>
#include <vector>

namespace vantelo::bench {

ProcessFigures measureProcess(const QString &program, int runs)
{
    ProcessFigures figures;
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        QProcess process;
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
                       const std::function<bool(sqlite3 *)> &fill)
{
    const QString target = directory + QStringLiteral("/FLDATA.mdb");
    QFile::remove(target);
    if (!QFile::copy(shippedFile, target))
        return false;
    QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    sqlite3 *db = nullptr;
    bool ok = sqlite3_open(target.toUtf8().constData(), &db) == SQLITE_OK;
    ok = ok && sqlite3_exec(db, "begin", nullptr, nullptr, nullptr) == SQLITE_OK;
    ok = ok && fill(db);
    ok = ok && sqlite3_exec(db, "commit", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

bool writeGrownDataFile(const QString &shippedFile, const QString &directory, int extraRows)
{
    return writeDataFileCopy(shippedFile, directory, [extraRows](sqlite3 *db) {
        sqlite3_stmt *insert = nullptr;
        bool ok = sqlite3_prepare_v2(db, "insert into _HG20593 (公称压力PN, 公称通径DN) values (?, ?)", -1,
                                     &insert, nullptr)
            == SQLITE_OK;
        const char *pressures[] = {"0.6", "1.0", "1.6", "2.5"};
        for (int i = 0; ok && i < extraRows; ++i) {
            sqlite3_bind_text(insert, 1, pressures[i % 4], -1, SQLITE_STATIC);
            sqlite3_bind_int(insert, 2, 100000 + i);
            ok = sqlite3_step(insert) == SQLITE_DONE && sqlite3_reset(insert) == SQLITE_OK;
        }
        sqlite3_finalize(insert);
        return ok;
    });
}

bool writeWholeTableDataFile(const QString &shippedFile, const QString &directory, int extraRows, bool indexed)
{
    return writeDataFileCopy(shippedFile, directory, [extraRows, indexed](sqlite3 *db) {
        const auto indexCount = [db] {
            sqlite3_stmt *count = nullptr;
            int n = -1;
            if (sqlite3_prepare_v2(db, "select count(*) from sqlite_master where type = 'index' and tbl_name = '_HG20618'",
                                   -1, &count, nullptr)
                    == SQLITE_OK
                && sqlite3_step(count) == SQLITE_ROW)
                n = sqlite3_column_int(count, 0);
            sqlite3_finalize(count);
            return n;
        };
        bool ok = indexCount() > 0;
        if (ok && !indexed)
            ok = sqlite3_exec(db, "drop index \"_HG20618_PN_DN\"", nullptr, nullptr, nullptr) == SQLITE_OK
                && indexCount() == 0;
        sqlite3_stmt *insert = nullptr;
        ok = ok
            && sqlite3_prepare_v2(db, "insert into _HG20618 (公称压力PN, 公称通径DN) values ('2.0', ?)", -1, &insert,
                                  nullptr)
                == SQLITE_OK;
        for (int i = 0; ok && i < extraRows; ++i) {
            sqlite3_bind_int(insert, 1, 100000 + i);
            ok = sqlite3_step(insert) == SQLITE_DONE && sqlite3_reset(insert) == SQLITE_OK;
        }
        sqlite3_finalize(insert);
        return ok;
    });
}

} // namespace vantelo::bench
