#include "rating.h"

#include <algorithm>
#include <cmath>

namespace vantelo::lookup {

namespace {

int rank(const QString &confidence)
{
    if (confidence == QLatin1String("high"))
        return 2;
    return confidence == QLatin1String("medium") ? 1 : 0;
}

Rating listed(const RatingPoint &point)
{
    return {point.bar, point.confidence, point.note};
}

} // namespace

std::optional<Rating> ratingAt(const RatingCurve &curve, double temperature)
{
    if (curve.points.empty() || !std::isfinite(temperature) || temperature < LowestRatedTemperature
        || temperature > curve.points.back().temperature)
        return std::nullopt;
    if (temperature <= curve.points.front().temperature)
        return listed(curve.points.front());
    const auto above = std::lower_bound(curve.points.begin(), curve.points.end(), temperature,
                                        [](const RatingPoint &p, double t) { return p.temperature < t; });
    if (above->temperature == temperature)
        return listed(*above);
    const RatingPoint &below = *std::prev(above);
    const double share = (temperature - below.temperature) / (above->temperature - below.temperature);
    Rating rating{below.bar + (above->bar - below.bar) * share,
                  rank(below.confidence) <= rank(above->confidence) ? below.confidence : above->confidence, {}};
    return rating;
}

RatingAnswer rate(const RatingGroup &group, double temperature, std::optional<double> designMpa)
{
    RatingAnswer answer;
    for (const int ratingClass : RatingClasses) {
        ClassRating entry{ratingClass, std::nullopt, false};
        if (const RatingCurve *curve = group.curve(ratingClass)) {
            answer.highestTemperature = std::max(answer.highestTemperature, curve->points.back().temperature);
            entry.rating = ratingAt(*curve, temperature);
        }
        if (entry.rating) {
            answer.outsideRange = false;
            // A bar value and a design pressure typed in MPa meet within rounding.
            entry.holds = designMpa && std::isfinite(*designMpa)
                       && entry.rating->bar + 1e-9 >= *designMpa / MpaPerBar;
            if (entry.holds && !answer.lowestHolding)
                answer.lowestHolding = ratingClass;
        }
        answer.classes.push_back(std::move(entry));
    }
    return answer;
}

QString lowestConfidence(const RatingAnswer &answer)
{
    QString lowest;
    for (const ClassRating &entry : answer.classes) {
        if (entry.rating && (lowest.isEmpty() || rank(entry.rating->confidence) < rank(lowest)))
            lowest = entry.rating->confidence;
    }
    return lowest;
}

QString confidenceText(const QString &confidence)
{
    if (confidence == QLatin1String("high"))
        return QStringLiteral("高");
    if (confidence == QLatin1String("medium"))
        return QStringLiteral("中");
    return confidence == QLatin1String("low") ? QStringLiteral("低") : QStringLiteral("未记录");
}

} // namespace vantelo::lookup
