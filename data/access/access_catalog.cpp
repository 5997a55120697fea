#include "access_catalog.h"

#include "access_reader.h"
#include "access_values.h"

namespace vantelo::data {

namespace {

// The page that holds the definition of MSysObjects.
constexpr unsigned long CatalogDefinitionPage = 2;
// An object's Id holds its definition page in its low 24 bits.
constexpr std::int64_t PageBits = 0x00ffffff;
constexpr std::int64_t TypeBits = 0x7f;

struct CatalogColumns
{
    int id = -1;
    int name = -1;
    int type = -1;
    int flags = -1;
    bool complete() const { return id >= 0 && name >= 0 && type >= 0 && flags >= 0; }
};

CatalogColumns findCatalogColumns(const std::vector<MdbColumn *> &columns)
{
    CatalogColumns found;
    for (int index = 0; index < int(columns.size()); ++index) {
        const QString name = accessName(columns[index]->name);
        const auto is = [&name](const char *wanted) { return name.compare(QLatin1String(wanted), Qt::CaseInsensitive) == 0; };
        if (is("Id"))
            found.id = index;
        else if (is("Name"))
            found.name = index;
        else if (is("Type"))
            found.type = index;
        else if (is("Flags"))
            found.flags = index;
    }
    return found;
}

std::optional<std::int64_t> wholeNumber(const FieldValue &value)
{
    const auto *number = std::get_if<std::int64_t>(&value);
    return number ? std::optional<std::int64_t>(*number) : std::nullopt;
}

bool isUserTable(MdbCatalogEntry &entry)
{
    return mdb_is_user_table(&entry) && qstrnicmp(entry.object_name, "MSys", 4) != 0;
}

} // namespace

std::optional<std::vector<MdbCatalogEntry>> readUserTables(MdbHandle *mdb, qint64 rowLimit)
{
    MdbCatalogEntry catalog{};
    catalog.mdb = mdb;
    catalog.object_type = MDB_TABLE;
    catalog.table_pg = CatalogDefinitionPage;
    qstrncpy(catalog.object_name, "MSysObjects", sizeof catalog.object_name);
    const MdbTablePtr table = readTable(&catalog);
    const std::vector<MdbColumn *> columns = table ? readColumns(table.get()) : std::vector<MdbColumn *>();
    const CatalogColumns at = findCatalogColumns(columns);
    if (!at.complete())
        return std::nullopt;

    std::vector<MdbCatalogEntry> tables;
    const auto value = [&](const std::vector<MdbField> &fields, int column) {
        return accessFieldValue(mdb, *columns[column], fields[column]);
    };
    forEachRow(mdb, table.get(), rowLimit, [&](const std::vector<MdbField> &fields) {
        const std::optional<std::int64_t> type = wholeNumber(value(fields, at.type));
        const std::optional<std::int64_t> id = wholeNumber(value(fields, at.id));
        const FieldValue name = value(fields, at.name);
        if (!type || (*type & TypeBits) != MDB_TABLE || !id || !std::holds_alternative<QString>(name))
            return true;
        MdbCatalogEntry entry{};
        entry.mdb = mdb;
        entry.object_type = MDB_TABLE;
        entry.table_pg = static_cast<unsigned long>(*id & PageBits);
        entry.flags = int(wholeNumber(value(fields, at.flags)).value_or(0));
        const QByteArray utf8 = std::get<QString>(name).toUtf8();
        if (utf8.size() >= qsizetype(sizeof entry.object_name))
            return true; // longer than any name Access allows
        qstrncpy(entry.object_name, utf8.constData(), sizeof entry.object_name);
        if (isUserTable(entry))
            tables.push_back(entry);
        return true;
    });
    return tables;
}

} // namespace vantelo::data
