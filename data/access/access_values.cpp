#include "access_values.h"

#include "access_numbers.h"

#include <QtEndian>

namespace vantelo::data {

namespace {

// Takes ownership of a glib string that libmdb allocated.
FieldValue takeLibraryText(char *text)
{
    if (!text)
        return std::monostate();
    QString value = QString::fromUtf8(text);
    g_free(text);
    return value;
}

FieldValue numericValue(MdbHandle *mdb, const MdbColumn &column, int start)
{
    char *text = mdb_numeric_to_string(mdb, start, column.col_scale, column.col_prec);
    if (!text)
        return std::monostate();
    bool ok = false;
    const double value = QByteArrayView(text).toDouble(&ok);
    g_free(text);
    return ok ? FieldValue(value) : FieldValue(std::monostate());
}

template<typename T>
T readLittleEndian(const unsigned char *bytes)
{
    return qFromLittleEndian<T>(bytes);
}

} // namespace

const char *copyColumnType(int accessType)
{
    switch (accessType) {
    case MDB_TEXT:
    case MDB_MEMO:
    case MDB_REPID:
    case MDB_DATETIME:
        return "TEXT";
    case MDB_BOOL:
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
        return "INTEGER";
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_MONEY:
    case MDB_NUMERIC:
        return "REAL";
    default:
        return "";
    }
}

FieldValue accessFieldValue(MdbHandle *mdb, const MdbColumn &column, const MdbField &field)
{
    // A Yes/No value lives in the row's null mask: a set bit means Yes.
    if (column.col_type == MDB_BOOL)
        return std::int64_t(field.is_null ? 0 : 1);
    if (field.is_null)
        return std::monostate();

    const int start = field.start;
    const int size = field.siz;
    if (start < 0 || size < 0 || qint64(start) + size > qint64(mdb->fmt->pg_size))
        return std::monostate();
    const unsigned char *bytes = mdb->pg_buf + start;
    const auto fits = [size](int needed) { return size >= needed; };

    switch (column.col_type) {
    case MDB_BYTE:
        return fits(1) ? FieldValue(std::int64_t(bytes[0])) : FieldValue();
    case MDB_INT:
        return fits(2) ? FieldValue(std::int64_t(readLittleEndian<qint16>(bytes))) : FieldValue();
    case MDB_LONGINT:
        return fits(4) ? FieldValue(std::int64_t(readLittleEndian<qint32>(bytes))) : FieldValue();
    case MDB_FLOAT:
        return fits(4) ? FieldValue(widenSingle(readLittleEndian<float>(bytes))) : FieldValue();
    case MDB_DOUBLE:
        return fits(8) ? FieldValue(readLittleEndian<double>(bytes)) : FieldValue();
    case MDB_MONEY:
        return fits(8) ? FieldValue(currencyValue(readLittleEndian<qint64>(bytes))) : FieldValue();
    case MDB_DATETIME:
        if (const auto text = fits(8) ? accessDateText(readLittleEndian<double>(bytes)) : std::nullopt)
            return *text;
        return std::monostate();
    case MDB_NUMERIC:
        return fits(17) ? numericValue(mdb, column, start) : FieldValue();
    case MDB_REPID:
        return fits(16) ? takeLibraryText(mdb_uuid_to_string(mdb->pg_buf, start)) : FieldValue();
    case MDB_TEXT:
    case MDB_MEMO:
        return takeLibraryText(mdb_col_to_string(mdb, mdb->pg_buf, start, column.col_type, size));
    default:
        return std::monostate(); // binary, OLE, attachments
    }
}

} // namespace vantelo::data
