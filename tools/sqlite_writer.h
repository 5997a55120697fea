#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <variant>
#include <vector>

struct sqlite3;

namespace vantelo::tools {

// A statement parameter's value; an empty text is stored as NULL.
using SqlValue = std::variant<std::monostate, std::string, long long, double>;

// An SQLite file opened for writing, created if missing. The first failure
// keeps its message and turns every later step into nothing, so a caller may
// run a whole sequence and look at the outcome once. Only the builder, the
// tests and the benchmarks write; the programs open files read-only.
class SqliteWriter final
{
public:
    explicit SqliteWriter(const std::filesystem::path &path);
    ~SqliteWriter() { close(); }
    SqliteWriter(const SqliteWriter &) = delete;
    SqliteWriter &operator=(const SqliteWriter &) = delete;

    bool ok() const { return m_error.empty(); }
    const std::string &error() const { return m_error; }
    bool exec(const std::string &sql); // one or more statements
    // Runs sql once per row with the row's values; rowName(index) names a
    // failing row in the message.
    bool insert(const std::string &sql, const std::vector<std::vector<SqlValue>> &rows,
                const std::function<std::string(std::size_t)> &rowName = {});
    bool close();

private:
    sqlite3 *m_db = nullptr;
    std::string m_error;
};

} // namespace vantelo::tools
