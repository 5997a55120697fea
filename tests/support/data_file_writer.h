#pragma once

#include <QString>
#include <QStringList>

namespace vantelo::test {

// Writes an SQLite file at path by running the given statements on a fresh
// database. Returns false (and leaves a message in the test log) on failure.
bool writeDataFile(const QString &path, const QStringList &statements);

// The statements that create one flange table with the key columns
// (公称压力PN TEXT, 公称通径DN REAL) and the given dimension columns (REAL).
QString createFlangeTable(const QString &table, const QStringList &dimensionColumns);

} // namespace vantelo::test
