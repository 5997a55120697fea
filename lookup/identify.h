#pragma once

#include "lookup/standard_record.h"

#include "data/connection.h"

#include <QString>
#include <QStringList>

#include <cmath>
#include <optional>
#include <vector>

namespace vantelo::lookup {

// The tolerances a measurement is compared with unless others are given, in mm.
inline constexpr double DefaultLengthTolerance = 2.0; // D and K
inline constexpr double DefaultHoleTolerance = 1.0;   // L
// More bolt holes than any flange has, and few enough to work a distance out.
inline constexpr int MostBoltHoles = 1000;

// A length can be compared when it is a finite number above zero; a
// tolerance can be used when it is a finite number, 0 or more.
inline bool isMeasurableLength(double mm) { return std::isfinite(mm) && mm > 0; }
inline bool isTolerance(double mm) { return std::isfinite(mm) && mm >= 0; }

// The hole count n a number gives: a whole number from 1 to MostBoltHoles.
inline std::optional<int> boltCountOf(double count)
{
    return count == std::floor(count) && count > 0 && count <= MostBoltHoles ? std::optional(int(count)) : std::nullopt;
}

// What was measured on a flange; an absent value is not compared. The bolt
// circle K may be given directly or as the centre distance of two adjacent
// or two opposite bolt holes, which needs the hole count.
struct Measurements
{
    std::optional<double> outsideDiameter; // D
    std::optional<double> boltCircle;      // K
    std::optional<int> boltCount;          // n, compared exactly
    std::optional<double> boltHole;        // L
    std::optional<double> adjacentHoleDistance;
    std::optional<double> oppositeHoleDistance;
    double lengthTolerance = DefaultLengthTolerance; // for D and K
    double holeTolerance = DefaultHoleTolerance;     // for L
};

enum class MeasurementProblem {
    NothingMeasured,
    NotPositive,            // a measurement is zero, negative or not a number
    NegativeTolerance,
    BoltCircleTwice,        // K and a hole distance, or both distances
    DistanceNeedsCount,     // a hole distance without n
    DistanceNeedsTwoHoles,  // adjacent holes on n = 1
    OppositeNeedsEvenCount, // opposite holes on an odd n
    TooLarge,               // K worked out from a distance overflows
    ToleranceTooLarge,      // a length with its tolerance overflows
};

// Why the measurements cannot be compared, or std::nullopt when they can.
std::optional<MeasurementProblem> measurementProblem(const Measurements &measured);

// K as measured or as worked out from a hole distance.
std::optional<double> boltCircleOf(const Measurements &measured);

// One flange that fits: a pressure and DN of one system whose connection
// dimensions agree within the tolerances, with every table (flange type)
// that holds exactly these dimensions there.
struct IdentifiedFlange
{
    std::vector<const StandardRecord *> standards;
    QString pressure;       // as the pages list it: "1.6", "300#"
    QString storedPressure; // as the data file holds it: "1.6", "5.0"
    double diameter = 0;    // DN
    std::optional<double> outsideDiameter, boltCircle, boltHole;
    std::optional<int> boltCount;
    // Stored minus measured; absent for what was not measured.
    std::optional<double> outsideDeviation, boltCircleDeviation, boltHoleDeviation;
    double score = 0; // the deviations relative to their tolerances, summed

    bool american() const;
};

struct Identification
{
    std::vector<IdentifiedFlange> flanges; // best first
    QStringList unreadTables;              // tables the data file could not deliver
};

// Every flange of the seven tables that fits the measurements, best first.
// Measurements with a problem fit nothing. A table that cannot be read is
// skipped and named; nothing outside the tolerances is ever offered.
Identification identify(const Measurements &measured, const data::Connection &connection);

} // namespace vantelo::lookup
