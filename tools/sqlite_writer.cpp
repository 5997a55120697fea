#include "sqlite_writer.h"

#include <sqlite3.h>

namespace vantelo::tools {

SqliteWriter::SqliteWriter(const std::filesystem::path &path)
{
    // SQLite takes UTF-8 names; Windows paths are wide.
    const std::u8string name = path.u8string();
    if (sqlite3_open_v2(reinterpret_cast<const char *>(name.c_str()), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr)
        != SQLITE_OK)
        m_error = m_db ? sqlite3_errmsg(m_db) : "cannot open";
}

bool SqliteWriter::close()
{
    if (m_db && sqlite3_close(m_db) != SQLITE_OK && ok())
        m_error = "closing failed";
    m_db = nullptr;
    return ok();
}

bool SqliteWriter::exec(const std::string &sql)
{
    if (ok() && sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        m_error = sqlite3_errmsg(m_db) + (" in: " + sql);
    return ok();
}

bool SqliteWriter::insert(const std::string &sql, const std::vector<std::vector<SqlValue>> &rows,
                          const std::function<std::string(std::size_t)> &rowName)
{
    sqlite3_stmt *statement = nullptr;
    if (!ok() || sqlite3_prepare_v2(m_db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
        m_error = ok() ? sqlite3_errmsg(m_db) : m_error;
        return false;
    }
    for (std::size_t row = 0; row < rows.size() && ok(); ++row) {
        sqlite3_reset(statement);
        for (int i = 0; i < int(rows[row].size()); ++i) {
            const SqlValue &value = rows[row][std::size_t(i)];
            if (const auto *text = std::get_if<std::string>(&value); text && !text->empty())
                sqlite3_bind_text(statement, i + 1, text->c_str(), int(text->size()), SQLITE_TRANSIENT);
            else if (const auto *number = std::get_if<long long>(&value))
                sqlite3_bind_int64(statement, i + 1, *number);
            else if (const auto *real = std::get_if<double>(&value))
                sqlite3_bind_double(statement, i + 1, *real);
            else
                sqlite3_bind_null(statement, i + 1);
        }
        if (sqlite3_step(statement) != SQLITE_DONE)
            m_error = sqlite3_errmsg(m_db) + (rowName ? " in " + rowName(row) : " in: " + sql);
    }
    sqlite3_finalize(statement);
    return ok();
}

} // namespace vantelo::tools
