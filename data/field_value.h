#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <variant>

namespace vantelo::data {

// A field as the engine delivers it. Null is kept apart from empty text.
// Whole numbers are integers; every other number is a double. A 4-byte
// Single read from an Access file is widened to the double a person would
// have typed (0.15f becomes 0.15), so one general form serves all numbers.
using FieldValue = std::variant<std::monostate, std::int64_t, double, QString>;

inline bool isNull(const FieldValue &value)
{
    return std::holds_alternative<std::monostate>(value);
}

} // namespace vantelo::data
