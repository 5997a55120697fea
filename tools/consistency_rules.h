#pragma once

#include "source_table.h"

#include <string>
#include <vector>

namespace vantelo::tools {

// Checks that each row is a plausible flange: positive dimensions, K < D,
// bore < K, bore < hub < K - L/2, pipe OD < K, pipe OD < the bore and the hub
// that take it, n a multiple of 4, L < D - K, H > C, and no
// pressure/diameter pair twice. Each violation is appended as
// "<table> PN <pn> DN <dn> (line <n>): <columns and values>".
void checkTableRules(const SourceTable &table, std::vector<std::string> &errors);

// Checks what the tables of one system share: the connection dimensions
// D, K, n, L of a pressure/diameter pair, and the pipe OD of a diameter.
void checkSharedDimensions(const std::vector<SourceTable> &tables, std::vector<std::string> &errors);

} // namespace vantelo::tools
