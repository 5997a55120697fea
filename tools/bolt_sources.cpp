#include "bolt_sources.h"

#include "bolt_rules.h"

#include "csv_file.h"
#include "number_text.h"

#include "lookup/pressures.h"

#include <algorithm>
#include <regex>

namespace vantelo::tools {

namespace {

// A CSV source read by column name; faults name file and line.
class NamedColumns final
{
public:
    NamedColumns(const CsvFile &file, std::vector<std::string> required, std::vector<std::string> &errors)
        : m_file(file)
        , m_header(quotedFields(file.lines.front().fields).value_or(std::vector<std::string>{}))
        , m_errors(errors)
    {
        for (const std::string &name : required) {
            if (std::find(m_header.begin(), m_header.end(), name) == m_header.end())
                fail(1, "missing column \"" + name + '"');
        }
    }

    std::string where(int line) const { return m_file.displayName + ':' + std::to_string(line); }
    // How a row names itself in the faults of the rules: "eu_bolts.csv line 98".
    std::string rowPlace(int line) const
    {
        return std::filesystem::path(m_file.displayName).filename().string() + " line " + std::to_string(line);
    }
    void fail(int line, const std::string &reason) { m_errors.push_back(where(line) + ": " + reason); }

    // Each data line as name -> field, or nothing where the field count is wrong.
    template <typename Read> void forEachLine(Read read)
    {
        for (std::size_t i = 1; i < m_file.lines.size(); ++i) {
            const CsvLine &line = m_file.lines[i];
            const std::vector<std::string> fields = quotedFields(line.fields).value_or(std::vector<std::string>{});
            if (fields.size() != m_header.size()) {
                fail(line.number, std::to_string(fields.size()) + " fields, but the header has " +
                                      std::to_string(m_header.size()));
                continue;
            }
            read(line.number, [&](const std::string &name) -> const std::string & {
                static const std::string none;
                const auto at = std::find(m_header.begin(), m_header.end(), name);
                return at == m_header.end() ? none : fields[std::size_t(at - m_header.begin())];
            });
        }
    }

private:
    const CsvFile &m_file;
    std::vector<std::string> m_header;
    std::vector<std::string> &m_errors;
};

bool isThread(const std::string &text)
{
    static const std::regex thread("M[1-9][0-9]*(×[1-9])?");
    return std::regex_match(text, thread);
}

// The class an American row names must be the one its MPa text stands for.
bool classMatches(const std::string &className, const std::string &pressure)
{
    return std::ranges::any_of(lookup::PressureClasses,
                               [&](const lookup::PressureClass &c) { return className == c.name && pressure == c.mpa; });
}

void readBoltRows(const CsvFile &file, FlangeSystem system, BoltSources &sources, std::vector<std::string> &errors)
{
    std::vector<std::string> required{std::string(column::Pressure), std::string(column::Diameter),
                                      std::string(column::BoltCountN), std::string(column::BoltHoleL),
                                      std::string(kThreadColumn), "confidence"};
    if (system == FlangeSystem::American)
        required.push_back("class");
    NamedColumns columns(file, required, errors);
    columns.forEachLine([&](int line, const auto &field) {
        BoltRow row{columns.rowPlace(line), system, field(std::string(column::Pressure)), 0, 0, 0,
                    field(std::string(column::BoltHoleL)), field(std::string(kThreadColumn)), field("confidence")};
        const auto diameter = parseWholeNumber(field(std::string(column::Diameter)));
        const auto count = parseWholeNumber(field(std::string(column::BoltCountN)));
        const auto hole = parsePlainDecimal(row.holeText);
        if (!diameter || !count || *count == 0 || !hole || *hole <= 0)
            return columns.fail(line, "DN and n must be positive whole numbers, L a positive plain decimal");
        if (!isThread(row.thread))
            return columns.fail(line, "\"" + row.thread + "\" is not a thread such as M16 or M36×3");
        if (system == FlangeSystem::American && !classMatches(field("class"), row.pressure))
            return columns.fail(line, "class \"" + field("class") + "\" is not PN " + row.pressure);
        row.diameter = *diameter;
        row.count = *count;
        row.hole = *hole;
        sources.rows.push_back(std::move(row));
    });
}

void readHoleThreads(const CsvFile &file, BoltSources &sources, std::vector<std::string> &errors)
{
    NamedColumns columns(file, {"system", std::string(column::BoltHoleL), std::string(kThreadColumn)}, errors);
    columns.forEachLine([&](int line, const auto &field) {
        const auto system = field("system") == standardOf(FlangeSystem::European)   ? std::optional(FlangeSystem::European)
                            : field("system") == standardOf(FlangeSystem::American) ? std::optional(FlangeSystem::American)
                                                                                    : std::nullopt;
        const auto hole = parsePlainDecimal(field(std::string(column::BoltHoleL)));
        if (!system || !hole || !isThread(field(std::string(kThreadColumn))))
            return columns.fail(line, "expected HG/T 20592-2009 or HG/T 20615-2009, a hole and a thread");
        sources.holeThreads.push_back({*system, *hole, field(std::string(kThreadColumn))});
    });
}

} // namespace

std::optional<BoltSources> loadBoltSources(const std::filesystem::path &sourcesDir,
                                           const std::vector<SourceReference> &register_,
                                           std::vector<std::string> &errors)
{
    const std::size_t firstError = errors.size();
    BoltSources sources;
    if (const auto file = readCsvFile(sourcesDir / "eu_bolts.csv", errors))
        readBoltRows(*file, FlangeSystem::European, sources, errors);
    if (const auto file = readCsvFile(sourcesDir / "us_bolts.csv", errors))
        readBoltRows(*file, FlangeSystem::American, sources, errors);
    if (const auto file = readCsvFile(sourcesDir / "hole-to-thread.csv", errors))
        readHoleThreads(*file, sources, errors);
    if (const auto file = readCsvFile(sourcesDir / "provenance_bolts.csv", errors))
        readBoltProvenance(*file, register_, sources, errors);
    if (errors.size() != firstError)
        return std::nullopt;
    return sources;
}

} // namespace vantelo::tools
