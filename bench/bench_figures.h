#pragma once

#include "timing.h"

#include <QProcessEnvironment>
#include <QString>

#include <functional>

namespace vantelo::tools {
class SqliteWriter;
}

namespace vantelo::bench {

struct ProcessFigures
{
    double medianMs = -1;
    long peakKb = -1;
};

// Starts an executable runs times; the median wall time from start to exit
// (it exits once its window is shown) and the largest peak memory it reports.
// With checkedBefore false, each run starts with an empty cache, so that it
// checks the data file as on its first start.
ProcessFigures measureProcess(const QString &program, int runs, bool checkedBefore = true);

// The environment of this process, but for a cache in folder (an empty one:
// the program remembers no checked data file).
QProcessEnvironment withCacheIn(const QString &folder);

// Median time of one diameter-list refill on the first page, with the data
// file in directory.
double medianRefillMs(const QString &directory, int runs);

// Median time of one query click on the first page, with the data file in
// directory.
double medianClickMs(const QString &directory, int runs);

// Median time to open a data file through the database layer.
double medianOpenMs(const QString &path, int runs);

// Copies the shipped data file into directory as FLDATA.mdb and runs fill
// on the copy in one transaction; false when any step fails.
bool writeDataFileCopy(const QString &shippedFile, const QString &directory,
                       const std::function<bool(tools::SqliteWriter &)> &fill);

// Copies the shipped data file into directory and adds extraRows rows to the
// first page's table (under pressures and diameters the click does not ask
// for), so that a click's cost can be compared across table sizes.
bool writeGrownDataFile(const QString &shippedFile, const QString &directory, int extraRows);

// Copies the shipped data file into directory and adds extraRows rows to the
// opening page's table at its first pressure (PN 2.0 MPa, class 150#), with
// the builder's index on pressure and diameter kept or dropped.
bool writeWholeTableDataFile(const QString &shippedFile, const QString &directory, int extraRows, bool indexed);

} // namespace vantelo::bench
