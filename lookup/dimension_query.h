#pragma once

#include "flange_standard.h"

#include "data/connection.h"

#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace vantelo::lookup {

// The first row stored for a pressure and a diameter.
struct QueriedRow
{
    // Parallel to the standard's bindings; std::nullopt where a binding
    // failed, so that its label keeps what it showed.
    std::vector<std::optional<QString>> captions;
    // Every column of the row with its value as text (a null as empty text),
    // in the table's order.
    std::vector<std::pair<QString, QString>> values;
};

// The query button's lookup: fetch the first row of the pressure and
// diameter and build each binding's caption from it. std::nullopt when the
// statement fails or no row matches: then no label may change.
std::optional<QueriedRow> DimensionQuery(const FlangeStandard &standard, const QString &pressure,
                                         const QString &diameter, const data::Connection &connection);

} // namespace vantelo::lookup
