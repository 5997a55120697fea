#include "coverage_report.h"

#include <map>
#include <sstream>

namespace vantelo::data::builder {

namespace {

void reportTable(std::ostringstream &out, const SourceTable &table)
{
    const TableLayout &layout = *table.layout;
    std::map<std::string, int> rowsPerPressure;
    std::vector<int> emptyCells(layout.columns.size(), 0);
    for (const SourceRow &row : table.rows) {
        ++rowsPerPressure[row.pressure];
        for (std::size_t i = 0; i < row.cells.size(); ++i)
            emptyCells[i] += row.cells[i].present ? 0 : 1;
    }

    out << layout.name << ": " << table.rows.size() << " rows\n  rows per PN:";
    std::string withoutRows;
    for (const std::string &pressure : layout.offeredPressures) {
        if (rowsPerPressure.contains(pressure))
            out << ' ' << pressure << '=' << rowsPerPressure[pressure];
        else
            withoutRows += ' ' + pressure;
    }
    out << "\n  offered PN without rows:" << (withoutRows.empty() ? " none" : withoutRows) << "\n  empty cells:";
    int totalEmpty = 0;
    for (std::size_t i = 2; i < layout.columns.size(); ++i) {
        out << ' ' << layout.columns[i].name << '=' << emptyCells[i];
        totalEmpty += emptyCells[i];
    }
    out << "\n  empty cells in all: " << totalEmpty << " of " << table.rows.size() * (layout.columns.size() - 2)
        << '\n';
}

} // namespace

std::string coverageReport(const std::vector<SourceTable> &tables)
{
    std::ostringstream out;
    std::size_t rows = 0;
    for (const SourceTable &table : tables)
        rows += table.rows.size();
    out << "FLDATA.mdb coverage: " << tables.size() << " tables, " << rows << " rows\n";
    for (const SourceTable &table : tables)
        reportTable(out, table);
    return out.str();
}

} // namespace vantelo::data::builder
