#pragma once

#include "provenance_ranges.h"
#include "source_table.h"

#include <string>
#include <vector>

namespace vantelo::tools {

// Every dimension cell of every table is covered by exactly one line of
// ranges: a gap line exactly when the cell is empty. Faults are appended to errors.
void checkCoverage(const std::vector<SourceTable> &tables, const std::vector<ProvenanceRange> &ranges,
                   std::vector<std::string> &errors);

} // namespace vantelo::tools
