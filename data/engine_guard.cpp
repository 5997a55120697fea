#include "engine_guard.h"

#include <sqlite3.h>

namespace vantelo::data {

namespace {

// The budget is counted in ticks of this many instructions. 100 million
// instructions take about a second; the program's statements need a few
// thousand.
constexpr int InstructionsPerTick = 1000;
constexpr long TicksAllowed = 100000;

int authorize(void *, int action, const char *, const char *, const char *, const char *)
{
    switch (action) {
    case SQLITE_SELECT:
    case SQLITE_READ:
    case SQLITE_FUNCTION:
        return SQLITE_OK;
    default:
        return SQLITE_DENY;
    }
}

} // namespace

void allowReadsOnly(sqlite3 *db)
{
    sqlite3_exec(db, "PRAGMA query_only = 1", nullptr, nullptr, nullptr);
    sqlite3_limit(db, SQLITE_LIMIT_ATTACHED, 0);
    sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_set_authorizer(db, authorize, nullptr);
}

StatementBudget::StatementBudget(sqlite3 *db)
    : m_db(db)
{
    sqlite3_progress_handler(m_db, InstructionsPerTick, onProgress, this);
}

StatementBudget::~StatementBudget()
{
    sqlite3_progress_handler(m_db, 0, nullptr, nullptr);
}

bool StatementBudget::exhausted() const
{
    return m_ticks > TicksAllowed;
}

int StatementBudget::onProgress(void *budget)
{
    auto *self = static_cast<StatementBudget *>(budget);
    ++self->m_ticks;
    return self->exhausted() ? 1 : 0;
}

} // namespace vantelo::data
