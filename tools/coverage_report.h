#pragma once

#include "provenance_ranges.h"
#include "source_table.h"

#include <string>
#include <vector>

namespace vantelo::tools {

// What the data file holds and lacks: per table the rows per pressure, the
// offered pressures without rows, the empty (NULL) cells per column and the
// known cells per confidence; then the size of the provenance tables.
std::string coverageReport(const std::vector<SourceTable> &tables, const Provenance &provenance);

} // namespace vantelo::tools
