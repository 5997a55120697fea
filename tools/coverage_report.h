#pragma once

#include "source_table.h"

#include <string>
#include <vector>

namespace vantelo::data::builder {

// What the data file holds and lacks: per table the rows per pressure, the
// offered pressures without rows, and the empty (NULL) cells per column.
std::string coverageReport(const std::vector<SourceTable> &tables);

} // namespace vantelo::data::builder
