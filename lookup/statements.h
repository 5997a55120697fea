#pragma once

#include "lookup/standard_record.h"

#include <QString>

#include <optional>

namespace vantelo::lookup {

// The two statements are a head naming the page's table followed by the list
// texts.
// Texts are spliced in as they are, except that a text which would change the
// statement's meaning gives no statement at all (std::nullopt), which the
// caller treats exactly as a statement the database rejected: a pressure
// holding a quote, or a diameter that is not a plain decimal number.

std::optional<QString> diameterStatement(const StandardRecord &record, const QString &pressure);

// Every row at a pressure, in the order of their diameters: the whole table
// in one statement.
std::optional<QString> tableStatement(const StandardRecord &record, const QString &pressure);

std::optional<QString> dimensionStatement(const StandardRecord &record, const QString &pressure,
                                          const QString &diameter);

} // namespace vantelo::lookup
