#pragma once

#include "source_table.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vantelo::data::builder {

// The text that marks a recorded gap in place of a source.
inline constexpr std::string_view kNoSource = "not found in any usable source";

// One line of provenance.csv: where the named columns of a table's rows at one
// pressure, from one diameter to another, come from. A gap line names no
// source and no confidence.
struct ProvenanceRange
{
    int line = 0;
    std::string table;
    std::string pressure;
    long long fromDiameter = 0;
    long long toDiameter = 0;
    std::vector<std::string> columns;
    std::string source; // e.g. "S2+S3", "rule(PN6:S3)", or kNoSource
    std::string confidence;

    bool isGap() const { return source == kNoSource; }
};

// What a source expression of a table stands for: each source it names, with
// the published document and where its numbers were read.
struct SourceReference
{
    std::string table;
    std::string source;
    std::string reference;
};

struct Provenance
{
    std::vector<ProvenanceRange> ranges;
    std::vector<SourceReference> references; // one per table and source expression used
};

// Reads provenance.csv and provenance_sources.csv from sourcesDir and checks
// them against the tables: every known cell is covered by exactly one line
// naming a registered source and a confidence, every empty cell by exactly
// one gap line. Faults are appended to errors; with any fault gives nullopt.
std::optional<Provenance> loadProvenance(const std::filesystem::path &sourcesDir,
                                         const std::vector<SourceTable> &tables, std::vector<std::string> &errors);

} // namespace vantelo::data::builder
