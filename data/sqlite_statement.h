#pragma once

#include <sqlite3.h>

#include <memory>

namespace vantelo::data {

// A prepared statement that is finalized when it goes out of scope.
struct StatementFinalizer
{
    void operator()(sqlite3_stmt *statement) const { sqlite3_finalize(statement); }
};
using StatementPtr = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

} // namespace vantelo::data
