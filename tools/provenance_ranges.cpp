#include "provenance_ranges.h"

#include "csv_file.h"
#include "number_text.h"
#include "provenance_coverage.h"

#include "data/side_tables.h"

#include <algorithm>
#include <regex>
#include <set>

namespace vantelo::tools {

std::string systemName(FlangeSystem system)
{
    return system == FlangeSystem::European ? data::EuropeanSystem : data::AmericanSystem;
}

// The register ids a source expression names, in order: "S2+S3" names S2 and
// S3, "rule(PN6:S3)" the equivalence rule R and S3, "S7=S4" S7 and S4;
// a parenthesised remark, as in "S10 (WN rows)", names none. lookup/value_origin.cpp
// reads the ids the same way.
std::vector<std::string> sourceIds(const std::string &expression)
{
    std::vector<std::string> ids;
    std::string named = expression;
    if (named.starts_with("rule("))
        ids.push_back("R");
    else
        named = std::regex_replace(named, std::regex(R"(\([^)]*\))"), "");
    static const std::regex id(R"(\b(S\d+|X|R)\b)");
    for (auto it = std::sregex_iterator(named.begin(), named.end(), id); it != std::sregex_iterator(); ++it) {
        if (std::find(ids.begin(), ids.end(), it->str()) == ids.end())
            ids.push_back(it->str());
    }
    return ids;
}

namespace {

const std::vector<std::string> kRangeHeader{"table", "公称压力PN", "DN_from", "DN_to", "rows",
                                            "columns", "source", "cross_checked_by", "confidence"};
const std::vector<std::string> kRegisterHeader{"system", "source", "reference"};
// As the reference notes grade their sources; empty where they grade none.
const std::vector<std::string> kConfidences{"high", "medium-high", "medium", "medium-low", "low", ""};

std::vector<std::string> splitWords(const std::string &text)
{
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        if (end > start)
            words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

class ProvenanceReader final
{
public:
    explicit ProvenanceReader(std::vector<std::string> &errors) : m_errors(errors), m_firstError(errors.size())
    {
    }

    void readRegister(const CsvFile &file)
    {
        if (!headerIs(file, kRegisterHeader))
            return;
        for (std::size_t i = 1; i < file.lines.size(); ++i) {
            const CsvLine &line = file.lines[i];
            if (line.fields.size() != 3 || line.fields[2].empty())
                fail(file.displayName + ':' + std::to_string(line.number) + ": expected system,source,reference");
            else if (!m_registered.insert({line.fields[0], line.fields[1]}).second)
                fail(file.displayName + ':' + std::to_string(line.number) + ": " + line.fields[0] + " source " +
                     line.fields[1] + " is registered twice");
            else
                m_provenance.sources.push_back({line.fields[0], line.fields[1], line.fields[2]});
        }
    }

    void readRanges(const CsvFile &file)
    {
        if (!headerIs(file, kRangeHeader))
            return;
        for (std::size_t i = 1; i < file.lines.size(); ++i)
            readRange(file.displayName + ':' + std::to_string(file.lines[i].number) + ": ", file.lines[i]);
    }

    const std::vector<ProvenanceRange> &ranges() const { return m_provenance.ranges; }

    std::optional<Provenance> result()
    {
        if (m_errors.size() != m_firstError)
            return std::nullopt;
        return std::move(m_provenance);
    }

private:
    void fail(std::string message) { m_errors.push_back(std::move(message)); }

    bool headerIs(const CsvFile &file, const std::vector<std::string> &header)
    {
        if (!file.lines.empty() && file.lines.front().fields == header)
            return true;
        std::string expected;
        for (const std::string &name : header)
            expected += (expected.empty() ? "" : ",") + name;
        fail(file.displayName + ":1: the header must be " + expected);
        return false;
    }

    void readRange(const std::string &where, const CsvLine &line)
    {
        if (line.fields.size() != kRangeHeader.size())
            return fail(where + std::to_string(line.fields.size()) + " fields, but the header has 9");
        ProvenanceRange range{line.number, line.fields[0], {}, line.fields[1], 0, 0, splitWords(line.fields[5]),
                              line.fields[6], line.fields[8]};
        const TableLayout *layout = findTableLayout(range.table);
        const auto from = parseWholeNumber(line.fields[2]);
        const auto to = parseWholeNumber(line.fields[3]);
        if (!layout || !layout->offers(range.pressure))
            return fail(where + "no table " + range.table + " offering PN " + range.pressure);
        if (!from || !to || *from > *to)
            return fail(where + "DN_from and DN_to must be whole numbers, the first not above the second");
        range.system = systemName(layout->system);
        range.fromDiameter = *from;
        range.toDiameter = *to;
        for (const std::string &column : range.columns) {
            if (layout->columnIndex(column) < 2)
                fail(where + range.table + " has no dimension column \"" + column + '"');
        }
        if (std::find(kConfidences.begin(), kConfidences.end(), range.confidence) == kConfidences.end())
            fail(where + "unknown confidence \"" + range.confidence + '"');
        if (range.isGap() && !range.confidence.empty())
            fail(where + "a gap has no confidence");
        if (!range.isGap())
            checkSources(range, where);
        m_provenance.ranges.push_back(std::move(range));
    }

    void checkSources(const ProvenanceRange &range, const std::string &where)
    {
        const std::vector<std::string> ids = sourceIds(range.source);
        if (ids.empty())
            return fail(where + "the source \"" + range.source + "\" names no registered source");
        for (const std::string &id : ids) {
            if (!m_registered.contains({range.system, id}))
                return fail(where + "source " + id + " is not in the " + range.system + " register");
        }
    }

    std::vector<std::string> &m_errors;
    std::size_t m_firstError;
    std::set<std::pair<std::string, std::string>> m_registered; // system, id
    Provenance m_provenance;
};

} // namespace

std::optional<Provenance> loadProvenance(const std::filesystem::path &sourcesDir,
                                         const std::vector<SourceTable> &tables, std::vector<std::string> &errors)
{
    ProvenanceReader reader(errors);
    const std::optional<CsvFile> sources = readCsvFile(sourcesDir / "provenance_sources.csv", errors);
    const std::optional<CsvFile> ranges = readCsvFile(sourcesDir / "provenance.csv", errors);
    if (!sources || !ranges)
        return std::nullopt;
    reader.readRegister(*sources);
    reader.readRanges(*ranges);
    checkCoverage(tables, reader.ranges(), errors);
    return reader.result();
}

} // namespace vantelo::tools
