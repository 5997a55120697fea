#include "rating_sources.h"

#include "csv_file.h"
#include "number_text.h"
#include "rating_rules.h"

#include "lookup/pressures.h"

#include <set>

namespace vantelo::tools {

namespace {

const std::vector<std::string> kRatingColumns = {"pt_table", "material_group", "class", "公称压力PN", "temp_c",
                                                 "max_pressure_bar", "source", "cross_check", "confidence", "note"};
const std::vector<std::string> kMaterialColumns = {"material_group", "pt_table", "astm_material", "product_form",
                                                   "max_temp_c_class150", "max_temp_c_other_classes", "source",
                                                   "cross_check", "confidence"};
const std::set<std::string> kConfidences = {"high", "medium", "low"};

// The data lines of a source whose header must be exactly columns.
std::vector<std::pair<int, std::vector<std::string>>> readLines(const std::filesystem::path &path,
                                                                 const std::vector<std::string> &columns,
                                                                 std::vector<std::string> &errors)
{
    std::vector<std::pair<int, std::vector<std::string>>> lines;
    const std::optional<CsvFile> file = readCsvFile(path, errors);
    if (!file)
        return lines;
    const std::string where = path.filename().string() + ':';
    for (const CsvLine &line : file->lines) {
        std::optional<std::vector<std::string>> fields = quotedFields(line.fields);
        const std::string at = where + std::to_string(line.number) + ": ";
        if (!fields)
            errors.push_back(at + "a quoted field is not closed");
        else if (line.number == 1 && *fields != columns)
            errors.push_back(at + "the header must be the columns " + [&] {
                std::string names;
                for (const std::string &name : columns)
                    names += (names.empty() ? "" : ",") + name;
                return names;
            }());
        else if (fields->size() != columns.size())
            errors.push_back(at + std::to_string(fields->size()) + " fields, but the header has " +
                             std::to_string(columns.size()));
        else if (line.number > 1)
            lines.emplace_back(line.number, std::move(*fields));
    }
    return lines;
}

int classOf(const std::string &text, std::string &pressure)
{
    for (const lookup::PressureClass &entry : lookup::PressureClasses) {
        if (text == entry.name) {
            pressure = entry.mpa;
            return std::stoi(text);
        }
    }
    return 0;
}

std::optional<RatingCell> ratingCell(int line, const std::vector<std::string> &f, std::vector<std::string> &errors)
{
    RatingCell cell{line, f[0], f[1], 0, {}, 0, 0, f[6], f[7], f[8], f[9]};
    const std::string at = "b165_ratings.csv:" + std::to_string(line) + ": ";
    cell.ratingClass = classOf(f[2], cell.pressure);
    const std::optional<long long> temperature = parseWholeNumber(f[4]);
    const std::optional<double> bar = parsePlainDecimal(f[5]);
    if (cell.ratingClass == 0)
        errors.push_back(at + "class \"" + f[2] + "\" is not one of 150# 300# 600# 900# 1500# 2500#");
    else if (f[3] != cell.pressure)
        errors.push_back(at + "公称压力PN \"" + f[3] + "\" is not " + cell.pressure + " of " + f[2]);
    else if (!temperature || !bar || *bar <= 0)
        errors.push_back(at + "temperature \"" + f[4] + "\" or pressure \"" + f[5] + "\" is not a positive number");
    else if (cell.group.empty() || cell.table.empty() || cell.source.empty() || !kConfidences.contains(cell.confidence))
        errors.push_back(at + "group, table and source must be given and confidence be high, medium or low");
    else {
        cell.temperature = *temperature;
        cell.bar = *bar;
        return cell;
    }
    return std::nullopt;
}

std::optional<RatedMaterial> ratedMaterial(int line, const std::vector<std::string> &f, std::vector<std::string> &errors)
{
    const std::optional<long long> class150 = parseWholeNumber(f[4]);
    const std::optional<long long> others = parseWholeNumber(f[5]);
    if (!class150 || !others || f[0].empty() || f[2].empty() || f[6].empty() || !kConfidences.contains(f[8])) {
        errors.push_back("b165_materials.csv:" + std::to_string(line) +
                         ": group, material, temperatures and source must be given and confidence be high, medium or low");
        return std::nullopt;
    }
    return RatedMaterial{line, f[0], f[1], f[2], f[3], *class150, *others, f[6], f[7], f[8]};
}

} // namespace

std::optional<RatingSources> loadRatingSources(const std::filesystem::path &sourcesDir,
                                               std::vector<std::string> &errors)
{
    const std::size_t faultsBefore = errors.size();
    RatingSources sources;
    for (const auto &[line, fields] : readLines(sourcesDir / "b165_ratings.csv", kRatingColumns, errors)) {
        if (std::optional<RatingCell> cell = ratingCell(line, fields, errors))
            sources.cells.push_back(std::move(*cell));
    }
    for (const auto &[line, fields] : readLines(sourcesDir / "b165_materials.csv", kMaterialColumns, errors)) {
        if (std::optional<RatedMaterial> material = ratedMaterial(line, fields, errors))
            sources.materials.push_back(std::move(*material));
    }
    if (errors.size() == faultsBefore)
        checkRatingRules(sources, errors);
    if (errors.size() != faultsBefore)
        return std::nullopt;
    return sources;
}

} // namespace vantelo::tools
