#pragma once

#include <QtGlobal>

#include <glib.h> // first: mdbtools.h would include it inside extern "C"
#include <mdbtools.h>

#include <optional>
#include <vector>

namespace vantelo::data {

// The tables a user made, read from the catalog table MSysObjects; system
// tables are left out. std::nullopt when the catalog cannot be read.
//
// libmdb's own mdb_read_catalog also parses every object's properties,
// which loops forever on some damaged files and copies names unbounded;
// the program needs names and pages only.
std::optional<std::vector<MdbCatalogEntry>> readUserTables(MdbHandle *mdb, qint64 rowLimit);

} // namespace vantelo::data
