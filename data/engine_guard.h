#pragma once

#include <chrono>

struct sqlite3;

namespace vantelo::data {

// Caps on what one connection may build: string, row and statement lengths,
// expression and compound depths, program size, function arguments, and the
// engine's whole heap (a process-wide cap); built-in functions whose one
// call may run unbounded are replaced by failing ones; temporary tables stay
// in memory. Set before the engine reads the schema, so that a schema beyond
// the caps fails the open.
void limitEngine(sqlite3 *db);

// From now on the connection compiles nothing but reads: no write, no
// ATTACH, no PRAGMA, no transaction control, whatever the statement text.
void allowReadsOnly(sqlite3 *db);

// The time one statement may take, from prepare to its last row, and each
// of the two looks into a file being opened (integrity check, schema names).
// The window opens the file and fills seven lists, all within a second.
inline constexpr std::chrono::milliseconds StatementTime{70};
inline constexpr std::chrono::milliseconds OpenTime{200};

// While it lives, aborts whatever runs on the connection once the wall-clock
// deadline has passed, so that no data file can hold the window.
class StatementDeadline final
{
public:
    StatementDeadline(sqlite3 *db, std::chrono::milliseconds allowed);
    ~StatementDeadline();
    StatementDeadline(const StatementDeadline &) = delete;
    StatementDeadline &operator=(const StatementDeadline &) = delete;

    bool passed() const;

private:
    static int onProgress(void *deadline);

    sqlite3 *m_db;
    std::chrono::steady_clock::time_point m_end;
};

// PRAGMA integrity_check within the open deadline: every page read, the
// schema parsed, every index matched against its table's rows.
bool passesIntegrityCheck(sqlite3 *db);

} // namespace vantelo::data
