#pragma once

#include "result_binding.h"
#include "standard_record.h"

#include <span>
#include <vector>

namespace vantelo::lookup {

// One flange standard as the lookups and the page objects use it, made from
// its record: the names of the controls that serve it, its pressure entries
// and its result bindings in query order.
struct FlangeStandard
{
    const StandardRecord *record;
    int tab;                        // 1..7
    const char *table;
    const char *pressureList;       // pressure list control
    const char *diameterList;       // diameter list control
    const char *queryButton;
    const char *pressureValueLabel; // American pages: holds the pressure in MPa; nullptr elsewhere
    std::vector<const char *> pressureEntries;
    // Pressure classes this page lists and translates (a prefix of the class
    // table); 0 on the European pages, which list MPa texts directly.
    int classesTranslated;
    std::vector<ResultBinding> bindings;
};

// The seven standards, tabs 1 to 7 in order.
std::span<const FlangeStandard> flangeStandards();

} // namespace vantelo::lookup
