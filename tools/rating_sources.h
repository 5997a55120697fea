#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vantelo::tools {

// One cell of b165_ratings.csv: the maximum allowable working pressure of a
// material group's flange of one class at one temperature, with where it
// comes from and how far it is confirmed.
struct RatingCell
{
    int line = 0;
    std::string table;      // "ASME B16.5 Table 2-1.1"
    std::string group;      // "1.1"
    int ratingClass = 0;    // 150 … 2500
    std::string pressure;   // the MPa text the American pages use for the class: "2.0"
    long long temperature = 0; // °C
    double bar = 0;
    std::string source, crossCheck, confidence, note;
};

// One line of b165_materials.csv: an ASTM material, its group and the
// highest temperatures its group is rated for.
struct RatedMaterial
{
    int line = 0;
    std::string group, table, grade, form;
    long long highestClass150 = 0;
    long long highestOtherClasses = 0;
    std::string source, crossCheck, confidence;
};

struct RatingSources
{
    std::vector<RatingCell> cells;
    std::vector<RatedMaterial> materials;
};

// Reads b165_ratings.csv and b165_materials.csv from sourcesDir (their
// fields may be quoted, as spreadsheets write them) and checks them: every
// group has all six classes; below a class's highest rated temperature no
// listed temperature is missing; no rating rises with temperature; every
// material's group is rated, up to the temperatures the material names.
// Faults are appended to errors; with any fault gives nullopt.
std::optional<RatingSources> loadRatingSources(const std::filesystem::path &sourcesDir,
                                               std::vector<std::string> &errors);

} // namespace vantelo::tools
