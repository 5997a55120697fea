#pragma once

struct sqlite3;

namespace vantelo::data {

// From now on the connection compiles nothing but reads: no write, no
// ATTACH, no PRAGMA, no transaction control, whatever the statement text.
void allowReadsOnly(sqlite3 *db);

// While it lives, aborts the statement running on the connection once it
// has executed a fixed, generous number of engine instructions, so that no
// statement on any data file can hang the window.
class StatementBudget final
{
public:
    explicit StatementBudget(sqlite3 *db);
    ~StatementBudget();
    StatementBudget(const StatementBudget &) = delete;
    StatementBudget &operator=(const StatementBudget &) = delete;

    bool exhausted() const;

private:
    static int onProgress(void *budget);

    sqlite3 *m_db;
    long m_ticks = 0;
};

} // namespace vantelo::data
