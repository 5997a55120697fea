#include "diameter_list.h"

#include "statements.h"

#include "data/flange_columns.h"
#include "data/value_text.h"

#include <cmath>

namespace vantelo::lookup {

namespace {

// A number no statement can ask for again (NaN, an infinity) is no entry.
bool canBeAskedFor(const data::FieldValue &value)
{
    const double *number = std::get_if<double>(&value);
    return !number || std::isfinite(*number);
}

} // namespace

std::optional<QStringList> readDiameterEntries(const StandardRecord &record, const QString &pressure,
                                               const data::Connection &connection, QString *error)
{
    const std::optional<QString> statement = diameterStatement(record, pressure);
    std::optional<data::ResultSet> rows = statement ? connection.execute(*statement, error) : std::nullopt;
    if (!rows)
        return std::nullopt;
    QStringList entries;
    for (; !rows->atEnd(); rows->moveNext()) {
        const std::optional<data::FieldValue> value = rows->field(QString::fromUtf8(data::DiameterColumn));
        const std::optional<QString> text =
            value && canBeAskedFor(*value) ? data::fieldText(*value) : std::nullopt;
        if (text)
            entries << *text;
    }
    return entries;
}

QStringList diameterEntries(const StandardRecord &record, const QString &pressure,
                            const data::Connection &connection)
{
    return readDiameterEntries(record, pressure, connection).value_or(QStringList());
}

} // namespace vantelo::lookup
