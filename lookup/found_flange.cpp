#include "lookup/found_flange.h"

#include "lookup/statements.h"

#include "data/flange_columns.h"
#include "data/value_text.h"

#include <algorithm>
#include <array>

namespace vantelo::lookup {

namespace {

const QString Phi = QStringLiteral("\u03A6");

// What a fitter measures to find a mating flange, in the order they are quoted.
constexpr std::array<const char *, 4> ConnectionColumns = {data::OutsideColumn, data::BoltCircleColumn,
                                                          data::BoltCountColumn, data::BoltHoleColumn};

std::optional<QString> columnText(const FoundFlange &flange, const char *column)
{
    const data::FieldValue *value = column != nullptr ? flange.value(QString::fromUtf8(column)) : nullptr;
    if (value == nullptr)
        return std::nullopt;
    return data::fieldText(*value).value_or(QString());
}

} // namespace

const data::FieldValue *FoundFlange::value(const QString &column) const
{
    const auto found = std::ranges::find_if(
        values, [&](const FoundValue &v) { return v.column.compare(column, Qt::CaseInsensitive) == 0; });
    return found != values.end() ? &found->value : nullptr;
}

std::optional<QString> FoundFlange::text(const QString &column) const
{
    const data::FieldValue *found = value(column);
    const std::optional<QString> text = found != nullptr ? data::fieldText(*found) : std::nullopt;
    return text && !text->isEmpty() ? text : std::nullopt;
}

FlangeLookup findFlange(const StandardRecord &record, const QString &pressure, const QString &storedPressure,
                        const QString &diameter, const data::Connection &connection)
{
    const std::optional<QString> statement = dimensionStatement(record, storedPressure, diameter);
    if (!statement)
        return NoSuchRow{};
    // Only the first row is ever read.
    QString error;
    const std::optional<data::ResultSet> row = connection.execute(*statement, &error, 1);
    if (!row)
        return ReadFailure{error};
    if (row->atEnd())
        return NoSuchRow{};
    return FoundFlange{&record, pressure, storedPressure, diameter, rowValues(*row),
                       boltThread(connection, record, storedPressure, diameter)};
}

std::vector<FoundValue> rowValues(const data::ResultSet &row)
{
    std::vector<FoundValue> values;
    for (const QString &column : row.columns())
        values.push_back({column, row.field(column).value_or(data::FieldValue())});
    return values;
}

std::optional<QString> captionOf(const ResultSource &source, const FoundFlange &flange)
{
    const std::optional<QString> first = columnText(flange, source.firstColumn);
    if (!first)
        return std::nullopt;

    // A caption none of whose values is known stays empty, as a plain one
    // does: a bare "Φ" or "R" would read as a value left off by mistake.
    switch (source.pattern) {
    case CaptionPattern::Plain:
        return *first;
    case CaptionPattern::Diameter:
        return first->isEmpty() ? QString() : Phi + *first;
    case CaptionPattern::Radius:
        return first->isEmpty() ? QString() : QStringLiteral("R") + *first;
    case CaptionPattern::DiameterPair:
    case CaptionPattern::BoltHoles:
        break;
    }

    const std::optional<QString> second = columnText(flange, source.secondColumn);
    if (!second)
        return std::nullopt;
    if (first->isEmpty() && second->isEmpty())
        return QString();
    if (source.pattern == CaptionPattern::DiameterPair)
        return Phi + *first + QStringLiteral("(") + Phi + *second + QStringLiteral(")");
    return *first + QStringLiteral("-") + Phi + *second;
}

QStringList labelColumns(const ResultSource &source)
{
    QStringList columns{QString::fromUtf8(source.firstColumn)};
    if (source.secondColumn != nullptr)
        columns.append(QString::fromUtf8(source.secondColumn));
    return columns;
}

QStringList shownColumns(const StandardRecord &record)
{
    QStringList bound;
    for (int place = 0; const ControlRow *row = resultAt(record, place); ++place)
        bound.append(labelColumns(row->source));
    QStringList columns;
    for (const char *connection : ConnectionColumns) {
        if (bound.contains(QString::fromUtf8(connection)))
            columns.append(QString::fromUtf8(connection));
    }
    for (const QString &column : bound) {
        if (!columns.contains(column))
            columns.append(column);
    }
    return columns;
}

} // namespace vantelo::lookup
