#include "coverage_report.h"

#include "data/side_tables.h"

#include <map>
#include <sstream>

namespace vantelo::tools {

namespace {

// Known cells per confidence, from the provenance lines of the table.
std::string confidenceCounts(const SourceTable &table, const Provenance &provenance)
{
    std::map<std::string, long long> cells;
    for (const ProvenanceRange &range : provenance.ranges) {
        if (range.table != table.layout->name || range.isGap())
            continue;
        for (const SourceRow &row : table.rows) {
            if (row.pressure == range.pressure && range.fromDiameter <= row.diameter && row.diameter <= range.toDiameter)
                cells[range.confidence.empty() ? "not graded" : range.confidence] += static_cast<long long>(range.columns.size());
        }
    }
    std::string text;
    for (const auto &[confidence, count] : cells)
        text += ' ' + confidence + '=' + std::to_string(count);
    return text;
}

void reportTable(std::ostringstream &out, const SourceTable &table, const Provenance &provenance)
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
    const std::size_t cells = table.rows.size() * (layout.columns.size() - 2);
    out << "\n  empty cells in all: " << totalEmpty << " of " << cells << "; known cells: " << cells - totalEmpty
        << "\n  known cells per confidence:" << confidenceCounts(table, provenance) << '\n';
}

} // namespace

std::string coverageReport(const std::vector<SourceTable> &tables, const Provenance &provenance)
{
    std::ostringstream out;
    std::size_t rows = 0;
    for (const SourceTable &table : tables)
        rows += table.rows.size();
    out << "FLDATA.mdb coverage: " << tables.size() << " tables, " << rows << " rows\n";
    for (const SourceTable &table : tables)
        reportTable(out, table, provenance);
    std::size_t gaps = 0;
    for (const ProvenanceRange &range : provenance.ranges)
        gaps += range.isGap() ? 1 : 0;
    out << data::ProvenanceTable << ": " << provenance.ranges.size() << " lines, " << gaps << " of them gaps; "
        << data::ProvenanceSourceTable << ": " << provenance.sources.size() << " lines\n";
    return out.str();
}

} // namespace vantelo::tools
