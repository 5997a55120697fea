#pragma once

#include "bolt_sources.h"
#include "csv_file.h"
#include "source_table.h"

#include <string>
#include <vector>

namespace vantelo::tools {

// Reads provenance_bolts.csv (system, PN, DN range, column, source,
// cross-check, confidence): each line's sources must be in its system's
// register. The lines are added to sources.provenance.
void readBoltProvenance(const CsvFile &file, const std::vector<SourceReference> &register_, BoltSources &sources,
                        std::vector<std::string> &errors);

// Checks the bolt rows against the flange tables and the standards' hole ->
// thread tables: one row per system/PN/DN; a thread that fits its hole L;
// a row for every PN/DN of every flange table, with that table's n and L;
// exactly one provenance line per row, with the row's confidence. Each fault
// names system, PN and DN.
void checkBoltRows(const BoltSources &sources, const std::vector<SourceTable> &tables, std::vector<std::string> &errors);

} // namespace vantelo::tools
