#include "access_reader.h"

#include <QFile>

namespace vantelo::data {

namespace {

// The page that holds the definition of the catalog table MSysObjects.
constexpr unsigned long CatalogDefinitionPage = 2;

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

// mdb_read_catalog walks the rows of the catalog table MSysObjects without
// the checks of readTable(); making them here first turns a crash on a
// damaged catalog into a refusal.
bool catalogIsReadable(MdbHandle *mdb)
{
    MdbCatalogEntry catalog{};
    catalog.mdb = mdb;
    catalog.object_type = MDB_TABLE;
    catalog.table_pg = CatalogDefinitionPage;
    qstrncpy(catalog.object_name, "MSysObjects", sizeof catalog.object_name);
    return readTable(&catalog) != nullptr;
}

bool isUserTable(MdbCatalogEntry *entry)
{
    return entry && mdb_is_user_table(entry)
        && qstrnicmp(entry->object_name, "MSys", 4) != 0;
}

} // namespace

MdbHandlePtr openAccessFile(const QString &path)
{
    MdbHandlePtr mdb(mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS));
    if (!mdb || !mdb->f || !mdb->fmt)
        return nullptr;
    decodeTextAsTheFileSays(mdb.get());
    if (!catalogIsReadable(mdb.get()) || !mdb_read_catalog(mdb.get(), MDB_TABLE))
        return nullptr;
    return mdb;
}

MdbTablePtr readTable(MdbCatalogEntry *entry)
{
    MdbTablePtr table(mdb_read_table(entry));
    if (!table || !table->usage_map || table->map_sz < 1)
        return nullptr;
    return table;
}

std::vector<MdbCatalogEntry *> userTables(MdbHandle *mdb)
{
    std::vector<MdbCatalogEntry *> tables;
    if (!mdb->catalog)
        return tables;
    for (guint index = 0; index < mdb->catalog->len; ++index) {
        auto *entry = static_cast<MdbCatalogEntry *>(g_ptr_array_index(mdb->catalog, index));
        if (isUserTable(entry))
            tables.push_back(entry);
    }
    return tables;
}

} // namespace vantelo::data
