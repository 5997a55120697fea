#pragma once

#include <QByteArray>
#include <QSet>

#include <optional>

struct sqlite3;

namespace vantelo::data {

// The names, folded to lower case as the engine folds them (ASCII only), of
// the views and virtual tables in a connection's schema. A statement that
// names one is never prepared: the engine expands views recursively while
// preparing, and a chain of them runs it out of stack. std::nullopt when the
// schema cannot be read within the open deadline.
std::optional<QSet<QByteArray>> namesOfNonTables(sqlite3 *db);

// Whether the statement text holds any of the names as an identifier, bare
// or quoted. Text inside string literals counts too: the check errs on the
// side of refusing.
bool mentionsAnyName(const QByteArray &statement, const QSet<QByteArray> &names);

} // namespace vantelo::data
