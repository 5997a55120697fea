#pragma once

#include <QString>

#include <mdbtools.h>

#include <memory>
#include <vector>

namespace vantelo::data {

struct MdbHandleCloser
{
    void operator()(MdbHandle *mdb) const { mdb_close(mdb); }
};
struct MdbTableFreer
{
    void operator()(MdbTableDef *table) const { mdb_free_tabledef(table); }
};
using MdbHandlePtr = std::unique_ptr<MdbHandle, MdbHandleCloser>;
using MdbTablePtr = std::unique_ptr<MdbTableDef, MdbTableFreer>;

// Opens an Access file with libmdb for reading, its text decoded to UTF-8
// as the file itself says, and only once its catalog proves readable.
// nullptr when libmdb cannot make sense of the file.
MdbHandlePtr openAccessFile(const QString &path);

// The definition of a table, or nullptr when libmdb cannot read it or its
// rows could not be walked (libmdb 1.0.0 walks a missing usage map).
MdbTablePtr readTable(MdbCatalogEntry *entry);

// The catalog entries of the tables a user made (system tables left out).
std::vector<MdbCatalogEntry *> userTables(MdbHandle *mdb);

// A libmdb name buffer as text; the buffer need not hold a terminating NUL.
template<std::size_t N>
QString accessName(const char (&name)[N])
{
    return QString::fromUtf8(name, qstrnlen(name, N));
}

} // namespace vantelo::data
