#include "diameter_list.h"

#include "pressure_class_table.h"
#include "statements.h"

#include "data/key_columns.h"
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

std::optional<QString> classPressure(const FlangeStandard &standard, const QString &classText)
{
    if (standard.classesTranslated == 0)
        return std::nullopt;
    return PressureClassTable(classText, standard.classesTranslated);
}

QStringList diameterEntries(const FlangeStandard &standard, const QString &pressure,
                            const data::Connection &connection)
{
    QStringList entries;
    const std::optional<QString> statement = diameterStatement(standard, pressure);
    std::optional<data::ResultSet> rows;
    if (statement)
        rows = connection.execute(*statement);
    // A result that failed to open has no rows: the loop ends at once.
    for (; rows && !rows->atEnd(); rows->moveNext()) {
        const std::optional<data::FieldValue> value = rows->field(QString::fromUtf8(data::DiameterColumn));
        const std::optional<QString> text =
            value && canBeAskedFor(*value) ? data::fieldText(*value) : std::nullopt;
        if (text)
            entries << *text;
    }
    return entries;
}

} // namespace vantelo::lookup
