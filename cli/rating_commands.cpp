#include "rating_commands.h"

#include "lookup/rating.h"
#include "lookup/rating_tables.h"

#include "data/value_text.h"

#include <cmath>

namespace vantelo::cli {

namespace {

Answer refused(const QString &reason)
{
    Answer answer;
    answer.status = BadUsage;
    answer.notes << reason;
    return answer;
}

const QString NoRatings = QStringLiteral("the data file holds no pressure-temperature ratings");

// Shown rounded down, so that a printed rating never exceeds the real one;
// whether a class holds is decided on the unrounded value.
Cell roundedDown(double value, double stepsPerUnit)
{
    const double shown = std::floor(value * stepsPerUnit + 1e-6) / stepsPerUnit;
    return Cell(shown, data::generalNumberText(shown));
}

QString numberText(double value)
{
    return data::generalNumberText(value);
}

} // namespace

Answer rate(const Request &request, const data::Connection &connection)
{
    const lookup::RatingTables tables = lookup::RatingTables::read(connection);
    if (tables.isEmpty())
        return refused(NoRatings);
    const std::optional<lookup::RatingSubject> subject = tables.resolve(request.material);
    if (!subject || subject->group == nullptr)
        return refused(QStringLiteral("unknown material '%1' (give an ASTM grade such as A105 or a group such as "
                                      "1.1; see the materials command)")
                           .arg(request.material));
    const lookup::RatingGroup &group = *subject->group;
    const lookup::RatingAnswer rated = lookup::rate(group, request.temperature, request.pressureMpa);
    if (rated.outsideRange)
        return refused(QStringLiteral("temperature %1 °C is outside the ratings of group %2 (%3 to %4 °C)")
                           .arg(numberText(request.temperature), group.id,
                                QString::number(lookup::LowestRatedTemperature),
                                QString::number(rated.highestTemperature)));

    Answer answer;
    answer.table.headers = {QStringLiteral("class"), QStringLiteral("MPa"), QStringLiteral("bar")};
    if (request.pressureMpa)
        answer.table.headers << QStringLiteral("holds");
    answer.table.headers << QStringLiteral("group") << QStringLiteral("confidence");
    for (const lookup::ClassRating &entry : rated.classes) {
        QList<Cell> row{QString::number(entry.ratingClass) + u'#'};
        if (entry.rating)
            row << roundedDown(entry.rating->mpa(), 1000) << roundedDown(entry.rating->bar, 100);
        else
            row << QJsonValue(QJsonValue::Null) << QJsonValue(QJsonValue::Null);
        if (request.pressureMpa)
            row << QJsonValue(entry.holds);
        row << group.id << (entry.rating ? entry.rating->confidence : QString());
        // The lowest class that holds comes first, the others in their order.
        if (request.pressureMpa && rated.lowestHolding == entry.ratingClass)
            answer.table.rows.prepend(row);
        else
            answer.table.rows.append(row);
    }
    if (request.pressureMpa && !rated.lowestHolding) {
        answer.status = NothingFound;
        answer.notes << QStringLiteral("no class of group %1 holds %2 MPa at %3 °C")
                            .arg(group.id, numberText(*request.pressureMpa), numberText(request.temperature));
    }
    return answer;
}

Answer materials(const Request &request, const data::Connection &connection)
{
    const lookup::RatingTables tables = lookup::RatingTables::read(connection);
    if (tables.isEmpty())
        return refused(NoRatings);
    std::vector<const lookup::RatedMaterial *> found;
    if (tables.group(request.material.trimmed()) != nullptr) {
        for (const lookup::RatedMaterial &material : tables.materials()) {
            if (material.group == request.material.trimmed())
                found.push_back(&material);
        }
    } else {
        found = tables.search(request.material);
    }
    Answer answer;
    answer.table.headers = {QStringLiteral("grade"), QStringLiteral("group"), QStringLiteral("form"),
                            QStringLiteral("table"), QStringLiteral("confidence")};
    for (const lookup::RatedMaterial *material : found)
        answer.table.rows.append({material->grade, material->group, material->form,
                                  tables.group(material->group)->table, material->confidence});
    if (answer.table.rows.isEmpty()) {
        answer.status = NothingFound;
        answer.notes << QStringLiteral("no rated material matches '%1'").arg(request.material);
    }
    return answer;
}

} // namespace vantelo::cli
