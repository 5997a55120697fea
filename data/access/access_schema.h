#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace vantelo::data {

struct AccessColumn
{
    QString name;
    int accessType = 0; // one of libmdb's MDB_* column types
};

// The statements that create the in-memory copy of an Access table: the
// table with its names kept exactly and each column typed for its Access
// type, the pressure key column always TEXT so that it compares as text,
// and an index on the two key columns where the table has both.
QStringList copySchemaStatements(const QString &table, const std::vector<AccessColumn> &columns);

// INSERT INTO the copy, one parameter per column in column order.
QString copyInsertStatement(const QString &table, std::size_t columnCount);

} // namespace vantelo::data
