#include "provenance_ranges.h"

#include "csv_file.h"
#include "number_text.h"

#include <algorithm>
#include <map>
#include <regex>

namespace vantelo::data::builder {

namespace {

const std::vector<std::string> kRangeHeader{"table", "公称压力PN", "DN_from", "DN_to", "rows",
                                            "columns", "source", "cross_checked_by", "confidence"};
const std::vector<std::string> kRegisterHeader{"system", "source", "reference"};
// As the reference notes grade their sources; empty where they grade none.
const std::vector<std::string> kConfidences{"high", "medium-high", "medium", "medium-low", "low", ""};

std::string systemName(FlangeSystem system)
{
    return system == FlangeSystem::European ? "European" : "American";
}

// The register ids a source expression names: "rule(PN6:S2+S3)" names the
// equivalence rule R and the sources S2 and S3.
std::vector<std::string> sourceIds(const std::string &expression)
{
    std::vector<std::string> ids;
    if (expression.starts_with("rule("))
        ids.push_back("R");
    static const std::regex id(R"(\b(S\d+|X|R)\b)");
    for (auto it = std::sregex_iterator(expression.begin(), expression.end(), id); it != std::sregex_iterator(); ++it) {
        if (std::find(ids.begin(), ids.end(), it->str()) == ids.end())
            ids.push_back(it->str());
    }
    return ids;
}

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
    ProvenanceReader(const std::vector<SourceTable> &tables, std::vector<std::string> &errors)
        : m_tables(tables), m_errors(errors), m_firstError(errors.size())
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
            else
                m_register[{line.fields[0], line.fields[1]}] = line.fields[2];
        }
    }

    void readRanges(const CsvFile &file)
    {
        if (!headerIs(file, kRangeHeader))
            return;
        for (std::size_t i = 1; i < file.lines.size(); ++i)
            readRange(file.displayName + ':' + std::to_string(file.lines[i].number) + ": ", file.lines[i]);
    }

    // Every dimension cell of every table: one line, a gap exactly when the cell is empty.
    void checkCoverage()
    {
        for (const SourceTable &table : m_tables) {
            const TableLayout &layout = *table.layout;
            for (const SourceRow &row : table.rows) {
                for (std::size_t i = 2; i < layout.columns.size(); ++i)
                    checkCell(table, row, layout.columns[i].name, row.cells[i]);
            }
        }
    }

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
        ProvenanceRange range{line.number, line.fields[0], line.fields[1], 0, 0, splitWords(line.fields[5]),
                              line.fields[6], line.fields[8]};
        const TableLayout *layout = findTableLayout(range.table);
        const auto from = parseWholeNumber(line.fields[2]);
        const auto to = parseWholeNumber(line.fields[3]);
        if (!layout || !layout->offers(range.pressure))
            return fail(where + "no table " + range.table + " offering PN " + range.pressure);
        if (!from || !to || *from > *to)
            return fail(where + "DN_from and DN_to must be whole numbers, the first not above the second");
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
            addReference(*layout, range.source, where);
        m_provenance.ranges.push_back(std::move(range));
    }

    void addReference(const TableLayout &layout, const std::string &expression, const std::string &where)
    {
        const bool known = std::any_of(m_provenance.references.begin(), m_provenance.references.end(),
                                       [&](const SourceReference &r) { return r.table == layout.name && r.source == expression; });
        const std::vector<std::string> ids = sourceIds(expression);
        if (ids.empty())
            return fail(where + "the source \"" + expression + "\" names no registered source");
        if (known)
            return;
        std::string reference;
        for (const std::string &id : ids) {
            const auto found = m_register.find({systemName(layout.system), id});
            if (found == m_register.end())
                return fail(where + "source " + id + " is not in the " + systemName(layout.system) + " register");
            reference += (reference.empty() ? "" : "\n") + id + ": " + found->second;
        }
        m_provenance.references.push_back({layout.name, expression, reference});
    }

    void checkCell(const SourceTable &table, const SourceRow &row, const std::string &column, const SourceCell &cell)
    {
        std::vector<const ProvenanceRange *> covering;
        for (const ProvenanceRange &range : m_provenance.ranges) {
            if (range.table == table.layout->name && range.pressure == row.pressure && range.fromDiameter <= row.diameter &&
                row.diameter <= range.toDiameter && std::find(range.columns.begin(), range.columns.end(), column) != range.columns.end())
                covering.push_back(&range);
        }
        const std::string cellName = table.layout->name + " PN " + row.pressure + " DN " + std::to_string(row.diameter) +
                                     ": " + column + ' ' + (cell.present ? cell.text : "(empty)");
        if (covering.size() != 1)
            return fail(cellName + (covering.empty() ? " has no provenance line" : " has more than one provenance line, e.g. line " +
                                                                                       std::to_string(covering[1]->line)));
        if (covering.front()->isGap() == cell.present)
            fail(cellName + (cell.present ? " is recorded as a gap" : " is empty, but its provenance names a source") +
                 " on provenance line " + std::to_string(covering.front()->line));
    }

    const std::vector<SourceTable> &m_tables;
    std::vector<std::string> &m_errors;
    std::size_t m_firstError;
    std::map<std::pair<std::string, std::string>, std::string> m_register;
    Provenance m_provenance;
};

} // namespace

std::optional<Provenance> loadProvenance(const std::filesystem::path &sourcesDir,
                                         const std::vector<SourceTable> &tables, std::vector<std::string> &errors)
{
    ProvenanceReader reader(tables, errors);
    const std::optional<CsvFile> sources = readCsvFile(sourcesDir / "provenance_sources.csv", errors);
    const std::optional<CsvFile> ranges = readCsvFile(sourcesDir / "provenance.csv", errors);
    if (!sources || !ranges)
        return std::nullopt;
    reader.readRegister(*sources);
    reader.readRanges(*ranges);
    reader.checkCoverage();
    return reader.result();
}

} // namespace vantelo::data::builder
