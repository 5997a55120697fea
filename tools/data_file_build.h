#pragma once

#include "source_table.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vantelo::tools {

struct BuildOutcome
{
    bool written = false;
    std::vector<std::string> errors; // each names file/line/column or table/PN/DN/columns
    std::string report;              // the coverage report, once written
};

// Reads the seven "<table>.csv" sources in sourcesDir and checks them, then
// provenance.csv and provenance_sources.csv against them, then the bolt
// sources (bolt_rules.h) against both, and the rating sources
// (b165_ratings.csv, b165_materials.csv); with no fault
// writes the data file to output. Any fault leaves output as it was.
BuildOutcome buildDataFile(const std::filesystem::path &sourcesDir, const std::filesystem::path &output);

// The reading and checking half of buildDataFile.
std::vector<SourceTable> loadCheckedSources(const std::filesystem::path &sourcesDir, std::vector<std::string> &errors);

} // namespace vantelo::tools
