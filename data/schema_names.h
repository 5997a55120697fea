#pragma once

#include "engine_guard.h"

#include <QByteArray>
#include <QSet>

#include <optional>

struct sqlite3;

namespace vantelo::data {

// The views and virtual tables of a connection's schema, by name folded to
// lower case as the engine folds names (ASCII only).
struct NonTables
{
    QSet<QByteArray> virtualTables;
    // Views whose definition may read another view or a virtual table. The
    // engine expands a view and the views it reads recursively while
    // preparing, before it refuses them, and a chain of them runs it out of
    // stack: a statement that names one of these is never prepared.
    QSet<QByteArray> nestedViews;
};

// std::nullopt when the schema cannot be read within the limits.
std::optional<NonTables> namesOfNonTables(sqlite3 *db, const WorkLimits &limits);

// Whether the statement text holds any of the names as an identifier, bare
// or quoted, other than except. Text inside string literals counts too: the
// check errs on the side of refusing.
bool mentionsAnyName(const QByteArray &statement, const QSet<QByteArray> &names, const QByteArray &except = {});

} // namespace vantelo::data
