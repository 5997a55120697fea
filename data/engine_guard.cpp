#include "engine_guard.h"

#include "costly_functions.h"

#include <QByteArray>

#include <sqlite3.h>

namespace vantelo::data {

namespace {

// The program's statements are a few hundred bytes with flat expressions; a
// dimension is a few characters, though a text of a megabyte still reads.
constexpr struct
{
    int id;
    int value;
} Limits[] = {
    {SQLITE_LIMIT_LENGTH, 2 << 20},
    {SQLITE_LIMIT_SQL_LENGTH, 100000},
    {SQLITE_LIMIT_EXPR_DEPTH, 100},
    {SQLITE_LIMIT_COMPOUND_SELECT, 50},
    {SQLITE_LIMIT_VDBE_OP, 50000},
    {SQLITE_LIMIT_FUNCTION_ARG, 8},
    {SQLITE_LIMIT_ATTACHED, 0},
    {SQLITE_LIMIT_LIKE_PATTERN_LENGTH, 100},
    {SQLITE_LIMIT_VARIABLE_NUMBER, 8},
    {SQLITE_LIMIT_TRIGGER_DEPTH, 1},
    {SQLITE_LIMIT_WORKER_THREADS, 0},
};

// Well below the 512 MiB the whole program may use, and far above what the
// program's data files need (a few megabytes).
constexpr sqlite3_int64 HeapLimit = 256 << 20;

// Checking the clock every few hundred instructions costs next to nothing
// and stops a runaway statement within microseconds of its deadline.
constexpr int InstructionsPerLook = 256;

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

int storeFirstText(void *result, int columns, char **values, char **)
{
    if (columns > 0 && values[0])
        *static_cast<QByteArray *>(result) = values[0];
    return 0;
}

} // namespace

void limitEngine(sqlite3 *db)
{
    sqlite3_hard_heap_limit64(HeapLimit);
    for (const auto &limit : Limits)
        sqlite3_limit(db, limit.id, limit.value);
    replaceCostlyFunctions(db);
    // Sorting and DISTINCT stay within the heap limit instead of spilling to
    // temporary files. Set before anything is read: changing it later makes
    // the engine parse the schema a second time.
    sqlite3_exec(db, "PRAGMA temp_store = MEMORY", nullptr, nullptr, nullptr);
}

void allowReadsOnly(sqlite3 *db)
{
    limitEngine(db);
    sqlite3_exec(db, "PRAGMA query_only = 1", nullptr, nullptr, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_set_authorizer(db, authorize, nullptr);
}

StatementDeadline::StatementDeadline(sqlite3 *db, std::chrono::milliseconds allowed)
    : m_db(db)
    , m_end(std::chrono::steady_clock::now() + allowed)
{
    sqlite3_progress_handler(m_db, InstructionsPerLook, onProgress, this);
}

StatementDeadline::~StatementDeadline()
{
    sqlite3_progress_handler(m_db, 0, nullptr, nullptr);
}

bool StatementDeadline::passed() const
{
    return std::chrono::steady_clock::now() >= m_end;
}

int StatementDeadline::onProgress(void *deadline)
{
    return static_cast<StatementDeadline *>(deadline)->passed() ? 1 : 0;
}

bool passesIntegrityCheck(sqlite3 *db)
{
    const StatementDeadline deadline(db, OpenTime);
    QByteArray verdict;
    return sqlite3_exec(db, "PRAGMA integrity_check(1)", storeFirstText, &verdict, nullptr) == SQLITE_OK
        && verdict == "ok";
}

} // namespace vantelo::data
