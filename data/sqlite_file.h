#pragma once

#include "engine_guard.h"

#include <QString>

struct sqlite3;

namespace vantelo::data {

// Opens an SQLite data file for reading, limited as every connection is, and
// only if it passes the integrity check within the limits, or passed it
// before with the same bytes. Nothing is ever created or changed beside the
// file, and only committed data is read:
// - a rollback journal beside it that may hold an unfinished transaction
//   makes the file unreadable (undoing it would mean writing);
// - a write-ahead log beside it is read together with the file from copies
//   in the temporary folder, and the result is kept in memory.
// nullptr on failure, with a short reason in error if given.
sqlite3 *openSqliteFile(const QString &path, const WorkLimits &limits, QString *error);

} // namespace vantelo::data
