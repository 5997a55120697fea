#pragma once

#include <QString>

#include <optional>

namespace vantelo::lookup {

// The American pages list pressure classes; their tables hold the MPa text of
// each class. classesTested is how many entries of the table, from the top,
// a page compares against (5 on HG20616, which has no "2500#").
// Comparison is exact, character by character.
std::optional<QString> PressureClassTable(const QString &classText, int classesTested);

} // namespace vantelo::lookup
