#pragma once

#include "field_value.h"

#include <QString>

#include <optional>

namespace vantelo::data {

// The general number-to-text form: as many digits as the value needs (at most
// 15 significant), no grouping, no trailing zeros, no separator for a whole
// number, "." as decimal separator whatever the locale. 22.0 -> "22",
// 114.3 -> "114.3".
QString generalNumberText(double value);

// Text of a field: text as stored, numbers in the general form,
// std::nullopt for null (a null has no text).
std::optional<QString> fieldText(const FieldValue &value);

// The text a text field holds; empty for a missing, null or number field.
QString storedText(const std::optional<FieldValue> &value);

// A text as an SQL string literal: in single quotes, its quotes doubled.
QString sqlString(QString text);

} // namespace vantelo::data
