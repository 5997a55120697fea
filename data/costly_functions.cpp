#include "costly_functions.h"

#include <sqlite3.h>

#include <string_view>

namespace vantelo::data {

namespace {

constexpr struct
{
    const char *name;
    int arguments;
} RefusedFunctions[] = {
    {"printf", -1}, {"format", -1}, {"replace", 3}, {"trim", 2}, {"ltrim", 2},
    {"rtrim", 2},   {"like", 2},    {"like", 3},    {"glob", 2},
};

void refuse(sqlite3_context *context, int, sqlite3_value **)
{
    sqlite3_result_error(context, "the function is not available", -1);
}

std::string_view bytesOf(sqlite3_value *value, bool asBlob)
{
    const void *data = asBlob ? sqlite3_value_blob(value) : sqlite3_value_text(value);
    return {static_cast<const char *>(data), std::size_t(sqlite3_value_bytes(value))};
}

// The engine's instr(): the 1-based position of the first occurrence of the
// second argument in the first, in characters (in bytes for two blobs), 0
// when there is none, null when either is null.
void instr(sqlite3_context *context, int, sqlite3_value **arguments)
{
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL || sqlite3_value_type(arguments[1]) == SQLITE_NULL)
        return;
    const bool blobs =
        sqlite3_value_type(arguments[0]) == SQLITE_BLOB && sqlite3_value_type(arguments[1]) == SQLITE_BLOB;
    const std::string_view haystack = bytesOf(arguments[0], blobs);
    const std::string_view needle = bytesOf(arguments[1], blobs);
    const std::size_t found = haystack.find(needle);
    if (found == std::string_view::npos) {
        sqlite3_result_int64(context, 0);
        return;
    }
    sqlite3_int64 position = 1;
    for (std::size_t byte = 0; byte < found; ++byte)
        position += blobs || (static_cast<unsigned char>(haystack[byte]) & 0xC0) != 0x80;
    sqlite3_result_int64(context, position);
}

} // namespace

void replaceCostlyFunctions(sqlite3 *db)
{
    for (const auto &function : RefusedFunctions)
        sqlite3_create_function(db, function.name, function.arguments, SQLITE_UTF8, nullptr, refuse, nullptr, nullptr);
    sqlite3_create_function(db, "instr", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, instr, nullptr, nullptr);
}

} // namespace vantelo::data
