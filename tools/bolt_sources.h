#pragma once

#include "provenance_ranges.h"
#include "table_layouts.h"

#include "data/side_tables.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vantelo::tools {

// The data file's bolt table and the column that holds the thread.
inline constexpr std::string_view kBoltTable = data::BoltTable;
inline constexpr std::string_view kThreadColumn = data::BoltThreadColumn;

// The bolts of every flange of a system at one PN/DN: the thread belongs to
// the connection (n, L, K, D), which all flange types of a system share.
struct BoltRow
{
    std::string where; // "eu_bolts.csv line 98"
    FlangeSystem system = FlangeSystem::European;
    std::string pressure;
    long long diameter = 0;
    long long count = 0;
    double hole = 0;
    std::string holeText;
    std::string thread;     // "M16", "M36×3"
    std::string confidence; // as the source grades the row
};

// One line of a standard's hole -> thread table.
struct HoleThread
{
    FlangeSystem system = FlangeSystem::European;
    double hole = 0;
    std::string thread;
};

// The standard whose hole -> thread table a system's bolts follow, as
// hole-to-thread.csv names it.
inline std::string standardOf(FlangeSystem system)
{
    return system == FlangeSystem::European ? "HG/T 20592-2009" : "HG/T 20615-2009";
}

struct BoltSources
{
    std::vector<BoltRow> rows;
    std::vector<HoleThread> holeThreads;
    std::vector<ProvenanceRange> provenance; // lines of table kBoltTable, column kThreadColumn
};

// Reads eu_bolts.csv, us_bolts.csv, hole-to-thread.csv and
// provenance_bolts.csv from sourcesDir; the provenance lines must name
// sources of register. Faults are appended to errors; with any fault gives
// nullopt.
std::optional<BoltSources> loadBoltSources(const std::filesystem::path &sourcesDir,
                                           const std::vector<SourceReference> &register_,
                                           std::vector<std::string> &errors);

} // namespace vantelo::tools
