#include "bolt_rules.h"

#include "number_text.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

namespace vantelo::tools {

namespace {

const std::vector<std::string> kHeader{"system", "公称压力PN", "DN_from", "DN_to", "rows",
                                       "columns", "source", "cross_checked_by", "confidence"};
const std::vector<std::string> kGrades{"high", "medium-high", "medium", "medium-low", "low"};

std::string rowName(const BoltRow &row)
{
    return std::string(kBoltTable) + ' ' + systemName(row.system) + " PN " + row.pressure + " DN " +
           std::to_string(row.diameter) + " (" + row.where + "): ";
}

using Key = std::tuple<FlangeSystem, std::string, long long>;

void checkThread(const BoltRow &row, const std::vector<HoleThread> &holeThreads, std::vector<std::string> &errors)
{
    const auto fit = std::ranges::find_if(holeThreads, [&](const HoleThread &h) {
        return h.system == row.system && h.hole == row.hole;
    });
    if (fit == holeThreads.end())
        errors.push_back(rowName(row) + "hole L " + row.holeText + " is not in the hole -> thread table of " +
                         standardOf(row.system));
    else if (fit->thread != row.thread)
        errors.push_back(rowName(row) + "thread " + row.thread + " does not fit hole L " + row.holeText + ": " +
                         standardOf(row.system) + " gives " + fit->thread);
}

void checkAgainstTable(const SourceTable &table, const std::map<Key, const BoltRow *> &rows,
                       std::vector<std::string> &errors)
{
    for (const SourceRow &flange : table.rows) {
        const auto found = rows.find({table.layout->system, flange.pressure, flange.diameter});
        if (found == rows.end()) {
            errors.push_back(table.layout->name + ' ' + systemName(table.layout->system) + " PN " + flange.pressure +
                             " DN " + std::to_string(flange.diameter) + " (line " + std::to_string(flange.line) +
                             "): no bolt row in " + std::string(kBoltTable));
            continue;
        }
        const BoltRow &bolts = *found->second;
        const SourceCell &count = table.cell(flange, column::BoltCountN);
        const SourceCell &hole = table.cell(flange, column::BoltHoleL);
        if (count.present && count.number != double(bolts.count))
            errors.push_back(rowName(bolts) + std::string(column::BoltCountN) + ' ' + std::to_string(bolts.count) +
                             " differs from " + count.text + " in " + table.layout->name);
        if (hole.present && hole.number != bolts.hole)
            errors.push_back(rowName(bolts) + std::string(column::BoltHoleL) + ' ' + bolts.holeText +
                             " differs from " + hole.text + " in " + table.layout->name);
    }
}

void checkProvenance(const BoltRow &row, const std::vector<ProvenanceRange> &lines, std::vector<std::string> &errors)
{
    std::vector<const ProvenanceRange *> covering;
    for (const ProvenanceRange &line : lines) {
        if (line.system == systemName(row.system) && line.pressure == row.pressure && line.fromDiameter <= row.diameter &&
            row.diameter <= line.toDiameter)
            covering.push_back(&line);
    }
    if (covering.size() != 1)
        errors.push_back(rowName(row) + std::string(kThreadColumn) + ' ' + row.thread +
                         (covering.empty() ? " has no provenance line" : " has more than one provenance line"));
    else if (covering.front()->confidence != row.confidence)
        errors.push_back(rowName(row) + "confidence " + row.confidence + " differs from " +
                         covering.front()->confidence + " on provenance line " + std::to_string(covering.front()->line));
}

} // namespace

void readBoltProvenance(const CsvFile &file, const std::vector<SourceReference> &register_, BoltSources &sources,
                        std::vector<std::string> &errors)
{
    if (file.lines.front().fields != kHeader)
        return errors.push_back(file.displayName + ":1: the header must be system,公称压力PN,DN_from,DN_to,rows,"
                                                   "columns,source,cross_checked_by,confidence");
    for (std::size_t i = 1; i < file.lines.size(); ++i) {
        const CsvLine &line = file.lines[i];
        const std::string where = file.displayName + ':' + std::to_string(line.number) + ": ";
        const std::vector<std::string> &f = line.fields;
        if (f.size() != kHeader.size()) {
            errors.push_back(where + std::to_string(f.size()) + " fields, but the header has 9");
            continue;
        }
        const auto from = parseWholeNumber(f[2]);
        const auto to = parseWholeNumber(f[3]);
        if ((f[0] != data::EuropeanSystem && f[0] != data::AmericanSystem) || !from || !to || *from > *to || f[5] != kThreadColumn ||
            std::ranges::find(kGrades, f[8]) == kGrades.end()) {
            errors.push_back(where + "expected European or American, a DN range, " + std::string(kThreadColumn) +
                             " and a confidence");
            continue;
        }
        const std::vector<std::string> ids = sourceIds(f[6]);
        for (const std::string &id : ids) {
            if (std::ranges::none_of(register_, [&](const SourceReference &s) { return s.system == f[0] && s.id == id; }))
                errors.push_back(where + "source " + id + " is not in the " + f[0] + " register");
        }
        if (ids.empty())
            errors.push_back(where + "the source \"" + f[6] + "\" names no registered source");
        sources.provenance.push_back(
            {line.number, std::string(kBoltTable), f[0], f[1], *from, *to, {std::string(kThreadColumn)}, f[6], f[8]});
    }
}

void checkBoltRows(const BoltSources &sources, const std::vector<SourceTable> &tables, std::vector<std::string> &errors)
{
    std::map<Key, const BoltRow *> rows;
    for (const BoltRow &row : sources.rows) {
        if (!rows.emplace(Key{row.system, row.pressure, row.diameter}, &row).second)
            errors.push_back(rowName(row) + "the system/PN/DN appears twice");
        checkThread(row, sources.holeThreads, errors);
        checkProvenance(row, sources.provenance, errors);
    }
    for (const SourceTable &table : tables)
        checkAgainstTable(table, rows, errors);
}

} // namespace vantelo::tools
