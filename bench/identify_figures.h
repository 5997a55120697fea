#pragma once

#include <QString>

namespace vantelo::bench {

// Median time of one identification over the seven tables of a data file,
// for a measured PN1.6 DN200 flange (D, K, n and L). With checked, the file
// is opened as the program opens it; otherwise the engine opens it as it is,
// for files too large for the checks of an open.
double medianIdentifyMs(const QString &dataFile, int runs, bool checked = true);

// Copies the shipped data file into directory and adds rowsPerTable rows of
// made-up connection dimensions, under a pressure no page offers, to each of
// the seven tables.
bool writeIdentifyDataFile(const QString &shippedFile, const QString &directory, int rowsPerTable);

struct ShowAgainstShell
{
    double queryMs = -1; // vantelo-query show, whole process
    double firstQueryMs = -1; // the same, the data file not checked before
    double shellMs = -1; // sqlite3 shell running the same statement
    double bareMs = -1;  // a bare Qt Core program printing one line
};

// Runs "vantelo-query show", Debian's sqlite3 shell on the same row of the
// shipped data file and a bare Qt Core program in turn, and gives the three
// median wall times.
ShowAgainstShell compareShowWithShell(const QString &programDir, int runs);

} // namespace vantelo::bench
