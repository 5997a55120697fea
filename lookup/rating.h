#pragma once

#include "rating_tables.h"

#include <QString>

#include <optional>
#include <vector>

namespace vantelo::lookup {

// The 38 °C rating holds down to this temperature; below it there is none.
inline constexpr int LowestRatedTemperature = -29;
inline constexpr double MpaPerBar = 0.1;

// A rating at a temperature: the listed value, or the straight line between
// the two neighbouring listed temperatures, as ASME B16.5 allows.
struct Rating
{
    double bar = 0;
    double mpa() const { return bar * MpaPerBar; }
    // The confidence of the values it was worked out from, the lower of two.
    QString confidence;
    QString note; // a listed value's note, when it is suspect
};

// The curve's rating at temperature (°C); none below −29 °C, above the
// curve's highest temperature, or for a temperature that is not a number.
std::optional<Rating> ratingAt(const RatingCurve &curve, double temperature);

struct ClassRating
{
    int ratingClass = 0;
    std::optional<Rating> rating; // none: not rated at this temperature
    bool holds = false;           // rated at least the design pressure
};

struct RatingAnswer
{
    std::vector<ClassRating> classes; // the six classes, lowest first
    std::optional<int> lowestHolding; // the lowest class that holds
    bool outsideRange = true;         // no class is rated at this temperature
    int highestTemperature = 0;       // the group's, over all classes
};

// Every class of the group at temperature (°C) and, with a design pressure
// (gauge, MPa), whether it holds. Nothing is rated outside the group's range.
RatingAnswer rate(const RatingGroup &group, double temperature, std::optional<double> designMpa = std::nullopt);

// The lowest confidence of the ratings the answer holds.
QString lowestConfidence(const RatingAnswer &answer);

// The confidence names as the window writes them: 高, 中, 低.
QString confidenceText(const QString &confidence);

} // namespace vantelo::lookup
