#pragma once

#include <QString>

struct sqlite3;

namespace vantelo::data {

// Copies every user table of the Access file at path (Jet 3, Jet 4 or ACE)
// into target, an empty writable database, inside one transaction. Table
// and column names are kept exactly; the pressure key column becomes TEXT
// and each table with both key columns gets an index on them. A table the
// reader cannot make sense of is left out. False, with a reason in error,
// when the file itself cannot be read.
//
// libmdb may crash or hang on a damaged file, and it prints about odd files
// on standard output and error: the program runs this only in its import
// helper (see isolated_import.h). The fuzz harness runs it in process, so
// that the sanitizers see where libmdb fails.
bool importAccessFileInProcess(const QString &path, sqlite3 *target, QString *error);

} // namespace vantelo::data
