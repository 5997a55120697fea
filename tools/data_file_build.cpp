#include "data_file_build.h"

#include "consistency_rules.h"
#include "coverage_report.h"
#include "csv_file.h"
#include "bolt_rules.h"
#include "data_file_writer.h"
#include "provenance_ranges.h"

namespace vantelo::tools {

std::vector<SourceTable> loadCheckedSources(const std::filesystem::path &sourcesDir, std::vector<std::string> &errors)
{
    std::vector<SourceTable> tables;
    for (const TableLayout &layout : tableLayouts()) {
        const std::optional<CsvFile> file = readCsvFile(sourcesDir / (layout.name + ".csv"), errors);
        if (!file)
            continue;
        if (std::optional<SourceTable> table = readSourceTable(*file, layout, errors)) {
            checkTableRules(*table, errors);
            tables.push_back(std::move(*table));
        }
    }
    checkSharedDimensions(tables, errors);
    return tables;
}

BuildOutcome buildDataFile(const std::filesystem::path &sourcesDir, const std::filesystem::path &output)
{
    BuildOutcome outcome;
    const std::vector<SourceTable> tables = loadCheckedSources(sourcesDir, outcome.errors);
    if (!outcome.errors.empty())
        return outcome;
    std::optional<Provenance> provenance = loadProvenance(sourcesDir, tables, outcome.errors);
    const std::optional<RatingSources> ratings = loadRatingSources(sourcesDir, outcome.errors);
    if (!provenance || !ratings)
        return outcome;
    const std::optional<BoltSources> bolts = loadBoltSources(sourcesDir, provenance->sources, outcome.errors);
    if (bolts)
        checkBoltRows(*bolts, tables, outcome.errors);
    if (!outcome.errors.empty())
        return outcome;
    provenance->ranges.insert(provenance->ranges.end(), bolts->provenance.begin(), bolts->provenance.end());
    std::string error;
    outcome.written = writeDataFile(tables, *provenance, bolts->rows, *ratings, output, error);
    if (outcome.written)
        outcome.report = coverageReport(tables, *provenance);
    else
        outcome.errors.push_back(error);
    return outcome;
}

} // namespace vantelo::tools
