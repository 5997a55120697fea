#pragma once

#include <QString>

#include <mdbtools.h>

#include <functional>
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
// as the file itself says. nullptr when libmdb does not take the file.
MdbHandlePtr openAccessFile(const QString &path);

// The definition of a table, or nullptr when libmdb cannot read it or its
// rows could not be walked (libmdb 1.0.0 would walk a missing usage map).
MdbTablePtr readTable(MdbCatalogEntry *entry);

// The columns of a table in column order; empty when they cannot be read.
std::vector<MdbColumn *> readColumns(MdbTableDef *table);

// Hands every row of the table, at most rowLimit of them, to visit as its
// fields stand in mdb->pg_buf, one MdbField per column, nulls marked.
// Stops and returns false as soon as visit does.
using RowVisitor = std::function<bool(const std::vector<MdbField> &fields)>;
bool forEachRow(MdbHandle *mdb, MdbTableDef *table, qint64 rowLimit, const RowVisitor &visit);

// A libmdb name buffer as text; the buffer need not hold a terminating NUL.
template<std::size_t N>
QString accessName(const char (&name)[N])
{
    return QString::fromUtf8(name, qstrnlen(name, N));
}

} // namespace vantelo::data
