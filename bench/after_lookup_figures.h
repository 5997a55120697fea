#pragma once

#include <QString>

namespace vantelo::bench {

// Median time to build and show the whole-table window of the opening page,
// with the data file in directory.
double medianWholeTableMs(const QString &directory, int runs);

struct WholeTableFigures
{
    double medianMs = -1;     // building and showing the window
    double longestStallMs = -1; // the longest the window went without handling its events meanwhile
};

// The whole-table window of the opening page with the data file in directory,
// built and shown runs times; -1 figures when a window lists fewer than
// leastRows rows.
WholeTableFigures wholeTableFigures(const QString &directory, int runs, int leastRows);

// Median time of one export of the opening page's drawing, after a query, to
// a file with the given suffix ("svg", "pdf", "png") in a scratch folder.
double medianExportMs(const QString &directory, const QString &suffix, int runs);

} // namespace vantelo::bench
