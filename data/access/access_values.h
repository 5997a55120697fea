#pragma once

#include "data/field_value.h"

#include <mdbtools.h>

namespace vantelo::data {

// The column type of the in-memory copy for an Access column type: TEXT for
// text, memo, GUID and dates; INTEGER for whole numbers and Yes/No; REAL for
// Single, Double, Currency and Decimal; none for binary, OLE and attachments,
// whose values are carried as null.
const char *copyColumnType(int accessType);

// The value of one cracked field of the row that stands in mdb->pg_buf.
// Reads nothing outside the page; a field that does not fit is null.
FieldValue accessFieldValue(MdbHandle *mdb, const MdbColumn &column, const MdbField &field);

} // namespace vantelo::data
