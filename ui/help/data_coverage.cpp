#include "ui/help/data_coverage.h"

#include "data/side_tables.h"
#include "data/value_text.h"
#include "lookup/found_flange.h"
#include "lookup/standards.h"

namespace vantelo::ui {
namespace {

QString quotedName(QString name)
{
    return u'"' + name.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

int countIn(const data::ResultSet &row, const QString &column)
{
    const std::optional<data::FieldValue> value = row.field(column);
    const auto *count = value ? std::get_if<std::int64_t>(&*value) : nullptr;
    return count != nullptr ? int(*count) : 0;
}

QString textIn(const data::ResultSet &row, const QString &column)
{
    return data::storedText(row.field(column));
}

} // namespace

std::optional<std::vector<TableCoverage>> dataCoverage(const data::Connection &connection)
{
    if (!connection.isOpen())
        return std::nullopt;
    std::vector<TableCoverage> coverage;
    for (const lookup::StandardRecord &standard : lookup::StandardRecords) {
        TableCoverage table{QString::fromUtf8(standard.caption)};
        // count(column) counts the cells that hold a value.
        const QStringList columns = lookup::shownColumns(standard);
        QStringList counts{QStringLiteral("count(*) as rows")};
        for (qsizetype i = 0; i < columns.size(); ++i)
            counts << QStringLiteral("count(%1) as c%2").arg(quotedName(columns[i])).arg(i);
        const std::optional<data::ResultSet> row = connection.execute(
            QStringLiteral("select %1 from %2").arg(counts.join(u','), quotedName(QString::fromUtf8(standard.table))), nullptr, 1);
        if (row && !row->atEnd()) {
            table.rows = countIn(*row, QStringLiteral("rows"));
            for (qsizetype i = 0; i < columns.size(); ++i)
                table.knownCells += countIn(*row, QStringLiteral("c%1").arg(i));
            table.gaps = table.rows * int(columns.size()) - table.knownCells;
        }
        coverage.push_back(table);
    }
    return coverage;
}

std::vector<SourceReference> sourceReferences(const data::Connection &connection)
{
    std::vector<SourceReference> sources;
    std::optional<data::ResultSet> rows =
        connection.execute(QStringLiteral("select system, source, reference from %1")
                               .arg(QLatin1String(data::ProvenanceSourceTable)));
    for (; rows && !rows->atEnd(); rows->moveNext())
        sources.push_back({textIn(*rows, QStringLiteral("system")), textIn(*rows, QStringLiteral("source")),
                           textIn(*rows, QStringLiteral("reference"))});
    return sources;
}

} // namespace vantelo::ui
