#include "rating_rules.h"

#include "number_text.h"

#include "lookup/pressures.h"

#include <map>
#include <set>

namespace vantelo::tools {

namespace {

using Curve = std::map<long long, const RatingCell *>; // by temperature
using GroupCurves = std::map<int, Curve>;              // by class

std::string className(int ratingClass)
{
    return "Class " + std::to_string(ratingClass);
}

std::string cellText(const RatingCell &cell)
{
    return shortestText(cell.bar) + " bar at " + std::to_string(cell.temperature) + " °C";
}

void checkCurve(const std::string &group, int ratingClass, const Curve &curve, const std::set<long long> &listed,
                std::vector<std::string> &errors)
{
    const std::string name = "group " + group + " " + className(ratingClass);
    const long long highest = curve.rbegin()->first;
    for (const long long temperature : listed) {
        if (temperature < highest && !curve.contains(temperature))
            errors.push_back(name + ": no rating at " + std::to_string(temperature) + " °C, below its highest rated " +
                             std::to_string(highest) + " °C");
    }
    const RatingCell *previous = nullptr;
    for (const auto &[temperature, cell] : curve) {
        if (previous != nullptr && cell->bar > previous->bar)
            errors.push_back("b165_ratings.csv:" + std::to_string(cell->line) + ": " + name +
                             " rises with temperature: " + cellText(*cell) + " above " + cellText(*previous));
        previous = cell;
    }
}

} // namespace

void checkRatingRules(const RatingSources &sources, std::vector<std::string> &errors)
{
    std::map<std::string, GroupCurves> groups;
    std::map<std::string, std::string> tableOf;
    std::set<long long> listed; // every temperature the tables list
    for (const RatingCell &cell : sources.cells) {
        const std::string at = "b165_ratings.csv:" + std::to_string(cell.line) + ": ";
        const auto [table, isNew] = tableOf.try_emplace(cell.group, cell.table);
        if (table->second != cell.table)
            errors.push_back(at + "group " + cell.group + " is in " + table->second + ", not " + cell.table);
        const auto [place, added] = groups[cell.group][cell.ratingClass].try_emplace(cell.temperature, &cell);
        if (!added)
            errors.push_back(at + "group " + cell.group + " " + className(cell.ratingClass) + " at " +
                             std::to_string(cell.temperature) + " °C already appears on line " +
                             std::to_string(place->second->line));
        listed.insert(cell.temperature);
    }

    for (const auto &[group, curves] : groups) {
        for (const lookup::PressureClass &entry : lookup::PressureClasses) {
            const int ratingClass = std::stoi(entry.name);
            const auto curve = curves.find(ratingClass);
            if (curve == curves.end())
                errors.push_back("group " + group + " has no " + className(ratingClass) + " ratings");
            else
                checkCurve(group, ratingClass, curve->second, listed, errors);
        }
    }

    for (const RatedMaterial &material : sources.materials) {
        const std::string at = "b165_materials.csv:" + std::to_string(material.line) + ": " + material.grade + " ";
        const auto group = groups.find(material.group);
        if (group == groups.end()) {
            errors.push_back(at + "is in group " + material.group + ", which has no ratings");
            continue;
        }
        for (const auto &[ratingClass, curve] : group->second) {
            const long long named = ratingClass == 150 ? material.highestClass150 : material.highestOtherClasses;
            if (curve.rbegin()->first != named)
                errors.push_back(at + "names " + std::to_string(named) + " °C as the highest for " +
                                 className(ratingClass) + ", but group " + material.group + " is rated to " +
                                 std::to_string(curve.rbegin()->first) + " °C");
        }
    }
}

} // namespace vantelo::tools
