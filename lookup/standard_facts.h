#pragma once

#include "flange_standard.h"

#include <QString>

#include <vector>

namespace vantelo::lookup {

// What the front ends beyond the window (identify, the command line) read of
// a standard's record.

// The standard's name as its tab shows it ("HG20618") and its table ("_HG20618").
QString standardName(const FlangeStandard &standard);
QString tableName(const FlangeStandard &standard);

// The American pages list pressure classes; the European ones MPa texts.
bool isAmerican(const FlangeStandard &standard);

// One entry of a page's pressure list and the pressure text the data file
// stores for it (the same text on the European pages, the MPa text of the
// class on the American ones).
struct PressureEntry
{
    QString listed;
    QString stored;
};

std::vector<PressureEntry> pressureEntries(const FlangeStandard &standard);

// The pressure as the page lists it for a stored text, or the stored text
// itself when the page lists no entry for it.
QString listedPressure(const FlangeStandard &standard, const QString &stored);

} // namespace vantelo::lookup
