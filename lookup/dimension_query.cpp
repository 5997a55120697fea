#include "dimension_query.h"

#include "statements.h"

#include "data/value_text.h"

namespace vantelo::lookup {

std::optional<QueriedRow> DimensionQuery(const FlangeStandard &standard, const QString &pressure,
                                         const QString &diameter, const data::Connection &connection)
{
    const std::optional<QString> statement = dimensionStatement(standard, pressure, diameter);
    if (!statement)
        return std::nullopt;
    // Only the first row is ever read.
    const std::optional<data::ResultSet> row = connection.execute(*statement, nullptr, 1);
    if (!row || row->atEnd())
        return std::nullopt;

    QueriedRow result;
    for (const ResultBinding &binding : standard.bindings)
        result.captions.push_back(captionFor(binding, *row));
    for (const QString &column : row->columns()) {
        const std::optional<data::FieldValue> value = row->field(column);
        result.values.emplace_back(column, value ? data::fieldText(*value).value_or(QString()) : QString());
    }
    return result;
}

} // namespace vantelo::lookup
