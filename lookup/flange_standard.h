#pragma once

#include "result_binding.h"

#include <span>

namespace vantelo::lookup {

// One flange standard with everything that serves it on its tab page. The
// seven pages differ only in these records.
struct FlangeStandard
{
    int tab;                        // 1..7
    const char *pressureList;       // pressure list control
    const char *diameterList;       // diameter list control
    const char *queryButton;
    const char *pressureValueLabel; // American pages: holds the pressure in MPa; nullptr elsewhere
    std::span<const char *const> pressureEntries;
    // Pressure classes of the class table this page translates (a prefix of
    // the table); 0 on the European pages, which list MPa texts directly.
    int classesTranslated;
    const char *table;              // the data file's table, "_HG" and the standard's number
    std::span<const ResultBinding> bindings;
};

// The seven standards, tabs 1 to 7 in order.
std::span<const FlangeStandard> flangeStandards();

} // namespace vantelo::lookup
