#pragma once

#include "bolt_sources.h"
#include "provenance_ranges.h"
#include "rating_sources.h"
#include "source_table.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vantelo::tools {

// Writes the tables, the bolt rows in table kBoltTable, the provenance of
// their values in the tables "provenance" and "provenance_source", and the
// ratings with theirs into a new SQLite file at output, replacing it only once
// the new file is complete: the file is written beside it under a temporary
// name and renamed. The file uses a rollback journal (journal_mode=DELETE), so
// what ships is one plain file. On failure returns false, sets error and
// leaves any earlier file at output untouched.
bool writeDataFile(const std::vector<SourceTable> &tables, const Provenance &provenance,
                   const std::vector<BoltRow> &bolts, const RatingSources &ratings,
                   const std::filesystem::path &output, std::string &error);

} // namespace vantelo::tools
