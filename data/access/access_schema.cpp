#include "access_schema.h"

#include "access_values.h"
#include "data/flange_columns.h"
#include "data/sql_identifier.h"

#include <algorithm>

namespace vantelo::data {

namespace {

bool hasColumn(const std::vector<AccessColumn> &columns, const QString &name)
{
    return std::any_of(columns.begin(), columns.end(),
                       [&name](const AccessColumn &column) { return column.name == name; });
}

QString quoted(const QString &name)
{
    return QString::fromStdString(quotedIdentifier(name.toStdString()));
}

} // namespace

QStringList copySchemaStatements(const QString &table, const std::vector<AccessColumn> &columns)
{
    const QString pressure = QString::fromUtf8(PressureColumn);
    const QString diameter = QString::fromUtf8(DiameterColumn);

    QStringList definitions;
    for (const AccessColumn &column : columns) {
        const char *type = column.name == pressure ? "TEXT" : copyColumnType(column.accessType);
        definitions << (quoted(column.name) + QLatin1Char(' ') + QLatin1String(type)).trimmed();
    }
    QStringList statements{QStringLiteral("CREATE TABLE %1 (%2)")
                               .arg(quoted(table), definitions.join(QLatin1String(", ")))};
    // Both statements of the program look rows up by pressure and diameter.
    if (hasColumn(columns, pressure) && hasColumn(columns, diameter)) {
        statements << QStringLiteral("CREATE INDEX %1 ON %2 (%3, %4)")
                          .arg(quoted(table + QStringLiteral(" by key columns")), quoted(table),
                               quoted(pressure), quoted(diameter));
    }
    return statements;
}

QString copyInsertStatement(const QString &table, std::size_t columnCount)
{
    QStringList placeholders;
    for (std::size_t column = 0; column < columnCount; ++column)
        placeholders << QStringLiteral("?");
    return QStringLiteral("INSERT INTO %1 VALUES (%2)")
        .arg(quoted(table), placeholders.join(QLatin1String(", ")));
}

} // namespace vantelo::data
