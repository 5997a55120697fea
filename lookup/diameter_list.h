#pragma once

#include "lookup/standard_record.h"

#include "data/connection.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace vantelo::lookup {

// The distinct diameters stored for a pressure, as diameter-list entries in
// the order the data file delivers them; a value that has no text or cannot
// be asked for again is no entry. std::nullopt when the statement fails (a
// rejected statement, a missing table), with the reason in error.
std::optional<QStringList> readDiameterEntries(const StandardRecord &record, const QString &pressure,
                                               const data::Connection &connection, QString *error = nullptr);

// The same for the window's list: empty when a step fails.
QStringList diameterEntries(const StandardRecord &record, const QString &pressure,
                            const data::Connection &connection);

} // namespace vantelo::lookup
