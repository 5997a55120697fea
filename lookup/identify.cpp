#include "identify.h"

#include "lookup/pressure_texts.h"
#include "lookup/standards.h"

#include "data/flange_columns.h"
#include "data/value_text.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <numbers>
#include <tuple>

namespace vantelo::lookup {

namespace {

const QString PressureKey = QString::fromUtf8(data::PressureColumn);
const QString DiameterKey = QString::fromUtf8(data::DiameterColumn);
// The connection dimensions every flange table holds.
const QString OutsideColumn = QString::fromUtf8(data::OutsideColumn);
const QString BoltCircleColumn = QString::fromUtf8(data::BoltCircleColumn);
const QString BoltCountColumn = QString::fromUtf8(data::BoltCountColumn);
const QString BoltHoleColumn = QString::fromUtf8(data::BoltHoleColumn);

// Room for the rounding of a worked-out K and of decimal fractions, far below
// anything a caliper reads.
constexpr double Slack = 1e-6;

bool positive(const std::optional<double> &value)
{
    return !value || isMeasurableLength(*value);
}

QString number(double value)
{
    return QString::number(value, 'g', 17);
}

std::optional<double> numberOf(const std::optional<data::FieldValue> &value)
{
    if (!value)
        return std::nullopt;
    if (const auto *whole = std::get_if<std::int64_t>(&*value))
        return double(*whole);
    if (const auto *real = std::get_if<double>(&*value))
        return *real;
    if (const auto *text = std::get_if<QString>(&*value)) {
        bool ok = false;
        const double parsed = text->toDouble(&ok);
        if (ok)
            return parsed;
    }
    return std::nullopt;
}

struct Range
{
    const QString &column;
    std::optional<double> measured;
    double tolerance;
};

QString statementFor(const StandardRecord &record, const std::vector<Range> &ranges,
                     const std::optional<int> &boltCount)
{
    QString statement = QStringLiteral("select %1, %2, %3, %4, %5, %6 from %7")
                            .arg(PressureKey, DiameterKey,
                                 OutsideColumn, BoltCircleColumn, BoltCountColumn, BoltHoleColumn,
                                 QString::fromUtf8(record.table));
    // The engine tests the terms in this order: the whole-number count first
    // rules out most rows at the least cost.
    QStringList conditions;
    if (boltCount)
        conditions << QStringLiteral("%1 = %2").arg(BoltCountColumn).arg(*boltCount);
    for (const Range &range : ranges) {
        if (range.measured)
            conditions << QStringLiteral("%1 between %2 and %3")
                              .arg(range.column, number(*range.measured - range.tolerance - Slack),
                                   number(*range.measured + range.tolerance + Slack));
    }
    return statement + QStringLiteral(" where ") + conditions.join(QStringLiteral(" and "));
}

// Sets the deviation and adds its share to the score; false when it is
// outside the tolerance.
bool compare(const std::optional<double> &measured, const std::optional<double> &stored, double tolerance,
             std::optional<double> &deviation, double &score)
{
    if (!measured)
        return true;
    if (!stored)
        return false;
    // Micrometres are far below any measuring; rounding to them keeps the
    // binary noise of decimal fractions out of the deviations.
    deviation = std::round((*stored - *measured) * 1e6) / 1e6;
    const double distance = std::abs(*deviation);
    if (distance > tolerance + Slack)
        return false;
    score += tolerance > 0 ? distance / tolerance : 0;
    return true;
}

bool isWholeCount(double count)
{
    return count >= 0 && count <= std::numeric_limits<int>::max() && count == std::trunc(count);
}

using FlangeKey = std::tuple<bool, QString, double, std::optional<double>, std::optional<double>,
                             std::optional<int>, std::optional<double>>;

} // namespace

bool IdentifiedFlange::american() const
{
    return !standards.empty() && standards.front()->system() == FlangeSystem::American;
}

std::optional<MeasurementProblem> measurementProblem(const Measurements &m)
{
    if (!m.outsideDiameter && !m.boltCircle && !m.boltCount && !m.boltHole && !m.adjacentHoleDistance
        && !m.oppositeHoleDistance)
        return MeasurementProblem::NothingMeasured;
    if (!positive(m.outsideDiameter) || !positive(m.boltCircle) || !positive(m.boltHole)
        || !positive(m.adjacentHoleDistance) || !positive(m.oppositeHoleDistance)
        || (m.boltCount && *m.boltCount <= 0))
        return MeasurementProblem::NotPositive;
    if (!isTolerance(m.lengthTolerance) || !isTolerance(m.holeTolerance))
        return MeasurementProblem::NegativeTolerance;
    if (int(m.boltCircle.has_value()) + int(m.adjacentHoleDistance.has_value())
            + int(m.oppositeHoleDistance.has_value())
        > 1)
        return MeasurementProblem::BoltCircleTwice;
    if ((m.adjacentHoleDistance || m.oppositeHoleDistance) && !m.boltCount)
        return MeasurementProblem::DistanceNeedsCount;
    if (m.oppositeHoleDistance && *m.boltCount % 2 != 0)
        return MeasurementProblem::OppositeNeedsEvenCount;
    if (m.adjacentHoleDistance && *m.boltCount < 2)
        return MeasurementProblem::DistanceNeedsTwoHoles;
    // Every compared range must stay a finite number, or nothing could be
    // compared and the tables would seem unreadable.
    const std::optional<double> boltCircle = boltCircleOf(m);
    if (boltCircle && !std::isfinite(*boltCircle))
        return MeasurementProblem::TooLarge;
    for (const auto &[length, tolerance] : {std::pair(m.outsideDiameter, m.lengthTolerance),
                                            std::pair(boltCircle, m.lengthTolerance),
                                            std::pair(m.boltHole, m.holeTolerance)}) {
        if (length && !std::isfinite(*length + tolerance))
            return MeasurementProblem::ToleranceTooLarge;
    }
    return std::nullopt;
}

std::optional<double> boltCircleOf(const Measurements &m)
{
    if (m.boltCircle)
        return m.boltCircle;
    if (m.oppositeHoleDistance)
        return m.oppositeHoleDistance;
    if (m.adjacentHoleDistance && m.boltCount && *m.boltCount >= 2)
        return *m.adjacentHoleDistance / std::sin(std::numbers::pi / *m.boltCount);
    return std::nullopt;
}

Identification identify(const Measurements &measured, const data::Connection &connection)
{
    Identification result;
    if (measurementProblem(measured))
        return result;
    const std::optional<double> boltCircle = boltCircleOf(measured);
    const std::vector<Range> ranges = {{OutsideColumn, measured.outsideDiameter, measured.lengthTolerance},
                                       {BoltCircleColumn, boltCircle, measured.lengthTolerance},
                                       {BoltHoleColumn, measured.boltHole, measured.holeTolerance}};

    std::map<FlangeKey, IdentifiedFlange> found;
    for (const StandardRecord &standard : StandardRecords) {
        std::optional<data::ResultSet> rows =
            connection.execute(statementFor(standard, ranges, measured.boltCount));
        if (!rows) {
            result.unreadTables << QString::fromUtf8(standard.table);
            continue;
        }
        for (; !rows->atEnd(); rows->moveNext()) {
            IdentifiedFlange flange;
            const std::optional<data::FieldValue> pressure = rows->field(PressureKey);
            const std::optional<double> diameter = numberOf(rows->field(DiameterKey));
            if (!pressure || !diameter)
                continue;
            flange.storedPressure = data::fieldText(*pressure).value_or(QString());
            flange.diameter = *diameter;
            flange.outsideDiameter = numberOf(rows->field(OutsideColumn));
            flange.boltCircle = numberOf(rows->field(BoltCircleColumn));
            flange.boltHole = numberOf(rows->field(BoltHoleColumn));
            // A stored count that is no whole number a flange can have matches
            // nothing: rounding it would report a count the table does not hold.
            if (const std::optional<double> count = numberOf(rows->field(BoltCountColumn))) {
                if (!isWholeCount(*count))
                    continue;
                flange.boltCount = int(*count);
            }
            if (measured.boltCount && flange.boltCount != measured.boltCount)
                continue;
            if (!compare(measured.outsideDiameter, flange.outsideDiameter, measured.lengthTolerance,
                         flange.outsideDeviation, flange.score)
                || !compare(boltCircle, flange.boltCircle, measured.lengthTolerance, flange.boltCircleDeviation,
                            flange.score)
                || !compare(measured.boltHole, flange.boltHole, measured.holeTolerance, flange.boltHoleDeviation,
                            flange.score))
                continue;

            const FlangeKey key{standard.system() == FlangeSystem::American, flange.storedPressure, flange.diameter,
                                flange.outsideDiameter, flange.boltCircle, flange.boltCount, flange.boltHole};
            auto [place, isNew] = found.try_emplace(key, std::move(flange));
            if (isNew)
                place->second.pressure = listedPressure(standard, place->second.storedPressure);
            if (std::find(place->second.standards.begin(), place->second.standards.end(), &standard)
                == place->second.standards.end())
                place->second.standards.push_back(&standard);
        }
    }

    for (auto &entry : found)
        result.flanges.push_back(std::move(entry.second));
    std::stable_sort(result.flanges.begin(), result.flanges.end(),
                     [](const IdentifiedFlange &a, const IdentifiedFlange &b) {
                         return std::tuple(a.score, a.american(), tabOf(*a.standards.front()),
                                           a.storedPressure.toDouble(), a.diameter)
                             < std::tuple(b.score, b.american(), tabOf(*b.standards.front()),
                                          b.storedPressure.toDouble(), b.diameter);
                     });
    return result;
}

} // namespace vantelo::lookup
