#pragma once

// The pressures a standard's page lists and the texts its table stores for
// them. The European pages list the MPa texts the table stores; the American
// pages list the first classesListed pressure classes, each stored as its
// MPa text. Plain constants without Qt, for the data-file builder too.

#include "lookup/standard_record.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace vantelo::lookup {

struct PressureClass
{
    const char *name;
    const char *mpa;
};
inline constexpr PressureClass PressureClasses[] = {
    {"150#", "2.0"}, {"300#", "5.0"}, {"600#", "11.0"}, {"900#", "15.0"}, {"1500#", "26.0"}, {"2500#", "42.0"},
};

// One entry of a page's pressure list and the text the table stores for it.
struct PressureEntry
{
    std::string_view listed; // "1.6", "300#"
    std::string_view stored; // "1.6", "5.0"
};

constexpr std::size_t pressureCount(const StandardRecord &record)
{
    return record.system() == FlangeSystem::American ? std::size_t(record.classesListed) : record.mpaEntries.size();
}

constexpr PressureEntry pressureEntry(const StandardRecord &record, std::size_t index)
{
    if (record.system() == FlangeSystem::American)
        return {PressureClasses[index].name, PressureClasses[index].mpa};
    return {record.mpaEntries[index], record.mpaEntries[index]};
}

// The MPa text of one of the page's classes; nothing on a European page or
// for a text that is not one of its classes. Compared character by character.
constexpr std::optional<std::string_view> classPressure(const StandardRecord &record, std::string_view classText)
{
    for (std::size_t i = 0; i < std::size_t(record.classesListed); ++i) {
        if (classText == PressureClasses[i].name)
            return PressureClasses[i].mpa;
    }
    return std::nullopt;
}

// The pressure as the table stores it: a class by its MPa text, any other
// text as it is.
constexpr std::string_view storedPressure(const StandardRecord &record, std::string_view text)
{
    return classPressure(record, text).value_or(text);
}

// The pressure as the page lists it for a stored text, or the stored text
// itself when the page lists no entry for it.
constexpr std::string_view listedPressure(const StandardRecord &record, std::string_view stored)
{
    for (std::size_t i = 0; i < pressureCount(record); ++i) {
        if (pressureEntry(record, i).stored == stored)
            return pressureEntry(record, i).listed;
    }
    return stored;
}

} // namespace vantelo::lookup
