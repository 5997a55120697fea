#pragma once

#include <QString>

namespace vantelo::bench {

// Median time of one rating answer (all six classes, A105 at a temperature
// that changes each run, 2.0 MPa), with the ratings already read.
double medianRatingMs(const QString &dataFile, int runs);

// Median time from creating the 按设计条件选型 dialog, reading the ratings of
// the data file, to showing it with conditions filled in and its chart drawn.
double medianRatingDialogMs(const QString &dataFile, int runs);

} // namespace vantelo::bench
