#include "access_schema.h"

#include "access_values.h"
#include "key_columns.h"

#include <algorithm>

namespace vantelo::data {

namespace {

bool hasColumn(const std::vector<AccessColumn> &columns, const QString &name)
{
    return std::any_of(columns.begin(), columns.end(),
                       [&name](const AccessColumn &column) { return column.name == name; });
}

} // namespace

QString quotedIdentifier(const QString &name)
{
    QString inner = name;
    inner.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

QStringList copySchemaStatements(const QString &table, const std::vector<AccessColumn> &columns)
{
    const QString pressure = QString::fromUtf8(PressureColumn);
    const QString diameter = QString::fromUtf8(DiameterColumn);

    QStringList definitions;
    for (const AccessColumn &column : columns) {
        const char *type = column.name == pressure ? "TEXT" : copyColumnType(column.accessType);
        definitions << (quotedIdentifier(column.name) + QLatin1Char(' ') + QLatin1String(type)).trimmed();
    }
    QStringList statements{QStringLiteral("CREATE TABLE %1 (%2)")
                               .arg(quotedIdentifier(table), definitions.join(QLatin1String(", ")))};
    // Both statements of the program look rows up by pressure and diameter.
    if (hasColumn(columns, pressure) && hasColumn(columns, diameter)) {
        statements << QStringLiteral("CREATE INDEX %1 ON %2 (%3, %4)")
                          .arg(quotedIdentifier(table + QStringLiteral(" by key columns")), quotedIdentifier(table),
                               quotedIdentifier(pressure), quotedIdentifier(diameter));
    }
    return statements;
}

QString copyInsertStatement(const QString &table, std::size_t columnCount)
{
    QStringList placeholders;
    for (std::size_t column = 0; column < columnCount; ++column)
        placeholders << QStringLiteral("?");
    return QStringLiteral("INSERT INTO %1 VALUES (%2)")
        .arg(quotedIdentifier(table), placeholders.join(QLatin1String(", ")));
}

} // namespace vantelo::data
