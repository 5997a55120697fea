#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace vantelo::data {

// A 4-byte Single as the double a person typed: 0.15f is stored as
// 0.1500000059604645, but its shortest float text is "0.15", and that text
// read as a double is what the user entered.
double widenSingle(float value);

// A Currency value: a whole number of ten-thousandths (424000 is 42.4).
double currencyValue(std::int64_t tenThousandths);

// An Access date: days since 1899-12-30, the fraction being the time of day
// (for days before the epoch too). ISO text, to the second; std::nullopt
// for a value outside the years Access can hold.
std::optional<QString> accessDateText(double days);

} // namespace vantelo::data
