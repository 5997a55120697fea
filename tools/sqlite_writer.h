#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <variant>
#include <vector>

struct sqlite3;

namespace vantelo::data::builder {

// A value bound to a statement's parameter: NULL, text, whole number or real.
using SqlValue = std::variant<std::monostate, std::string, long long, double>;

// An SQLite file opened for writing, created if it is missing. The first
// failure keeps its message and turns every later step into nothing, so a
// caller may run a whole sequence and look at the outcome once. Only the
// builder and the tests write files; the program opens them read-only.
class SqliteWriter final
{
public:
    explicit SqliteWriter(const std::filesystem::path &path);
    ~SqliteWriter();
    SqliteWriter(const SqliteWriter &) = delete;
    SqliteWriter &operator=(const SqliteWriter &) = delete;

    bool ok() const { return m_error.empty(); }
    const std::string &error() const { return m_error; }

    // One or more statements.
    bool exec(const std::string &sql);

    // Runs sql once per row, its parameters bound to the row's values. A
    // failing row is named by rowName(index) in the message when given.
    bool insert(const std::string &sql, const std::vector<std::vector<SqlValue>> &rows,
                const std::function<std::string(std::size_t)> &rowName = {});

    bool close();

private:
    sqlite3 *m_db = nullptr;
    std::string m_error;
};

} // namespace vantelo::data::builder
