#include "access_reader.h"

#include <QFile>

namespace vantelo::data {

namespace {

// The low bits of a row offset locate the row; the high bits are flags.
constexpr int RowOffsetMask = 0x1fff;

// libmdb picks its text decoding from environment variables where they are
// set; this program reads none, so decode as the file says: Jet 3 text in
// the code page its header names, later versions in UCS-2.
void decodeTextAsTheFileSays(MdbHandle *mdb)
{
    const QByteArray source = mdb->f->jet_version == MDB_VER_JET3
        ? "CP" + QByteArray::number(mdb->f->code_page)
        : QByteArray("UCS-2LE");
    const iconv_t in = iconv_open("UTF-8", source.constData());
    if (in == iconv_t(-1))
        return; // a code page iconv does not know: keep libmdb's own choice
    mdb_iconv_close(mdb);
    mdb->iconv_in = in;
    mdb->iconv_out = iconv_open(source.constData(), "UTF-8");
}

} // namespace

MdbHandlePtr openAccessFile(const QString &path)
{
    MdbHandlePtr mdb(mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS));
    if (!mdb || !mdb->f || !mdb->fmt)
        return nullptr;
    decodeTextAsTheFileSays(mdb.get());
    return mdb;
}

MdbTablePtr readTable(MdbCatalogEntry *entry)
{
    MdbTablePtr table(mdb_read_table(entry));
    if (!table || !table->usage_map || table->map_sz < 1)
        return nullptr;
    return table;
}

std::vector<MdbColumn *> readColumns(MdbTableDef *table)
{
    const GPtrArray *columns = mdb_read_columns(table);
    if (!columns || columns->len != table->num_cols)
        return {};
    std::vector<MdbColumn *> result;
    for (guint index = 0; index < columns->len; ++index)
        result.push_back(static_cast<MdbColumn *>(g_ptr_array_index(columns, index)));
    return result;
}

bool forEachRow(MdbHandle *mdb, MdbTableDef *table, qint64 rowLimit, const RowVisitor &visit)
{
    std::vector<MdbField> fields(table->num_cols);
    mdb_rewind_table(table);
    for (qint64 row = 0; row < rowLimit && mdb_fetch_row(table); ++row) {
        // mdb_fetch_row leaves the row in the page buffer but tells a null
        // apart from an empty text only while cracking it: crack the row
        // once more to see each field as stored.
        int start = 0;
        size_t size = 0;
        if (table->cur_row == 0 || mdb_find_row(mdb, int(table->cur_row) - 1, &start, &size) != 0)
            continue;
        if (mdb_crack_row(table, start & RowOffsetMask, size, fields.data()) < 0)
            continue;
        if (!visit(fields))
            return false;
    }
    return true;
}

} // namespace vantelo::data
