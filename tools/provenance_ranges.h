#pragma once

#include "source_table.h"

#include "data/side_tables.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vantelo::tools {

// One line of provenance.csv: where the named columns of a table's rows at one
// pressure, from one diameter to another, come from. A gap line names no
// source and no confidence.
struct ProvenanceRange
{
    int line = 0;
    std::string table;
    std::string system; // the register its source ids refer to: the table's system
    std::string pressure;
    long long fromDiameter = 0;
    long long toDiameter = 0;
    std::vector<std::string> columns;
    std::string source; // e.g. "S2+S3", "rule(PN6:S3)", or data::NoSource
    std::string confidence;

    bool isGap() const { return source == data::NoSource; }
};

// One source of a system's register: the published document and where its
// numbers were read.
struct SourceReference
{
    std::string system; // "European" or "American"
    std::string id;     // e.g. "S2", "R", "X"
    std::string reference;
};

struct Provenance
{
    std::vector<ProvenanceRange> ranges;
    std::vector<SourceReference> sources; // the registers, line by line
};

// "European" or "American": the register a system's source ids refer to.
std::string systemName(FlangeSystem system);

// The register ids a source expression names, in order: "S2+S3" names S2 and
// S3, "rule(PN6:S3)" the rule R and S3; a parenthesised remark names none.
std::vector<std::string> sourceIds(const std::string &expression);

// Reads provenance.csv and provenance_sources.csv from sourcesDir and checks
// them against the tables (checkCoverage): every line names sources in the
// register of its table's system, and a known confidence. Faults are appended
// to errors; with any fault gives nullopt.
std::optional<Provenance> loadProvenance(const std::filesystem::path &sourcesDir,
                                         const std::vector<SourceTable> &tables, std::vector<std::string> &errors);

} // namespace vantelo::tools
