#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantelo::tools {

// A plain decimal as the sources write it: digits, optionally a point and
// more digits; no sign, exponent, spaces or superfluous leading zero. Gives
// nullopt for anything else, and for text that a double cannot hold exactly
// enough to be written back unchanged.
std::optional<double> parsePlainDecimal(std::string_view text);

// A positive whole number such as a DN or a bolt count.
std::optional<long long> parseWholeNumber(std::string_view text);

// The shortest text that reads back as value (17.2 -> "17.2", 14 -> "14").
std::string shortestText(double value);

} // namespace vantelo::tools
