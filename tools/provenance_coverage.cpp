#include "provenance_coverage.h"

#include <algorithm>

namespace vantelo::tools {

namespace {

void checkCell(const SourceTable &table, const SourceRow &row, const std::string &column, const SourceCell &cell,
               const std::vector<ProvenanceRange> &ranges, std::vector<std::string> &errors)
{
    std::vector<const ProvenanceRange *> covering;
    for (const ProvenanceRange &range : ranges) {
        if (range.table == table.layout->name && range.pressure == row.pressure && range.fromDiameter <= row.diameter &&
            row.diameter <= range.toDiameter && std::find(range.columns.begin(), range.columns.end(), column) != range.columns.end())
            covering.push_back(&range);
    }
    const std::string cellName = table.layout->name + " PN " + row.pressure + " DN " + std::to_string(row.diameter) +
                                 ": " + column + ' ' + (cell.present ? cell.text : "(empty)");
    if (covering.size() != 1)
        return errors.push_back(cellName + (covering.empty() ? " has no provenance line" : " has more than one provenance line, e.g. line " +
                                                                                             std::to_string(covering[1]->line)));
    if (covering.front()->isGap() == cell.present)
        errors.push_back(cellName + (cell.present ? " is recorded as a gap" : " is empty, but its provenance names a source") +
                         " on provenance line " + std::to_string(covering.front()->line));
}

} // namespace

void checkCoverage(const std::vector<SourceTable> &tables, const std::vector<ProvenanceRange> &ranges,
                   std::vector<std::string> &errors)
{
    for (const SourceTable &table : tables) {
        const TableLayout &layout = *table.layout;
        for (const SourceRow &row : table.rows) {
            for (std::size_t i = 2; i < layout.columns.size(); ++i)
                checkCell(table, row, layout.columns[i].name, row.cells[i], ranges, errors);
        }
    }
}

} // namespace vantelo::tools
