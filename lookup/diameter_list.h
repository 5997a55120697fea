#pragma once

#include "flange_standard.h"

#include "data/connection.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace vantelo::lookup {

// The MPa text of a picked pressure class on the American pages, or
// std::nullopt on the European pages and for a text that is not one of the
// page's classes.
std::optional<QString> classPressure(const FlangeStandard &standard, const QString &classText);

// The distinct diameters stored for a pressure, as diameter-list entries in
// the order the data file delivers them. Empty when a step fails: a rejected
// statement, a missing table, a value that has no text.
QStringList diameterEntries(const FlangeStandard &standard, const QString &pressure,
                            const data::Connection &connection);

} // namespace vantelo::lookup
