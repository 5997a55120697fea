#include "engine_guard.h"

#include "costly_functions.h"

#include <QByteArray>

#include <sqlite3.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <time.h>
#endif

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

// A virtual machine counts as its processor time what other machines took
// from it: the clock stops a statement only at this multiple of its time.
constexpr int ClockMargin = 8;

// Counting and checking the clock every few hundred instructions costs next
// to nothing and stops a runaway statement within microseconds.
constexpr int InstructionsPerLook = 256;

QByteArray foldCase(const char *name)
{
    QByteArray folded(name ? name : "");
    for (char &c : folded) {
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return folded;
}

// refused: the tables whose reads are refused, folded to lower case, or null.
int authorize(void *refused, int action, const char *table, const char *, const char *, const char *)
{
    switch (action) {
    case SQLITE_READ:
        return refused && static_cast<const QSet<QByteArray> *>(refused)->contains(foldCase(table)) ? SQLITE_DENY
                                                                                                   : SQLITE_OK;
    case SQLITE_SELECT:
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

// The processor time this thread has used.
std::chrono::nanoseconds threadBusyTime()
{
#ifdef _WIN32
    FILETIME created, exited, kernel, user;
    if (!GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user))
        return {};
    const auto ticks = [](const FILETIME &time) {
        return (std::uint64_t(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return std::chrono::nanoseconds((ticks(kernel) + ticks(user)) * 100);
#else
    timespec time{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
    return std::chrono::seconds(time.tv_sec) + std::chrono::nanoseconds(time.tv_nsec);
#endif
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
    // Only ordinary tables are read: the engine itself refuses a statement
    // that reads a view.
    sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_VIEW, 0, nullptr);
    sqlite3_set_authorizer(db, authorize, nullptr);
}

void refuseReadsOf(sqlite3 *db, const QSet<QByteArray> &tables)
{
    sqlite3_set_authorizer(db, authorize, const_cast<QSet<QByteArray> *>(&tables));
}

WorkBudget::WorkBudget(sqlite3 *db, std::int64_t steps, std::chrono::microseconds clock)
    : m_db(db)
    , m_looksLeft(steps / InstructionsPerLook)
    , m_clock(clock * ClockMargin)
    , m_end(std::chrono::steady_clock::now() + m_clock)
    , m_startedBusy(threadBusyTime())
{
    sqlite3_progress_handler(m_db, InstructionsPerLook, onProgress, this);
}

WorkBudget::~WorkBudget()
{
    sqlite3_progress_handler(m_db, 0, nullptr, nullptr);
}

bool WorkBudget::spent() const
{
    if (m_spent)
        return true;
    // The thread can have been busy no longer than the wall clock has run:
    // its own, costlier clock is asked only once that has run out.
    if (std::chrono::steady_clock::now() < m_end)
        return false;
    return threadBusyTime() - m_startedBusy >= m_clock;
}

int WorkBudget::onProgress(void *budget)
{
    auto *self = static_cast<WorkBudget *>(budget);
    if (--self->m_looksLeft < 0)
        self->m_spent = true;
    return self->spent() ? 1 : 0;
}

sqlite3_file *mainFile(sqlite3 *db)
{
    sqlite3_file *file = nullptr;
    if (sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || file == nullptr
        || file->pMethods == nullptr)
        return nullptr;
    return file;
}

std::int64_t fileBytes(sqlite3 *db)
{
    sqlite3_file *file = mainFile(db);
    sqlite3_int64 size = 0;
    if (file == nullptr || file->pMethods->xFileSize(file, &size) != SQLITE_OK)
        return 0;
    return size;
}

std::int64_t checkSteps(const WorkLimits &limits, std::int64_t bytes)
{
    return limits.checkSteps + (bytes >> 10) * limits.checkStepsPerKiB;
}

std::chrono::microseconds checkClock(const WorkLimits &limits, std::int64_t bytes)
{
    return limits.checkClock + (bytes >> 10) * limits.checkClockPerKiB;
}

CheckVerdict checkIntegrity(sqlite3 *db, const WorkLimits &limits)
{
    const std::int64_t bytes = fileBytes(db);
    if (bytes > limits.mostFileBytes)
        return CheckVerdict::TooLarge;
    const WorkBudget budget(db, checkSteps(limits, bytes), checkClock(limits, bytes));
    QByteArray verdict;
    const int checked = sqlite3_exec(db, "PRAGMA integrity_check(1)", storeFirstText, &verdict, nullptr);
    if (checked == SQLITE_OK && verdict == "ok")
        return CheckVerdict::Passed;
    return checked == SQLITE_INTERRUPT && budget.spent() ? CheckVerdict::TooLarge : CheckVerdict::Damaged;
}

} // namespace vantelo::data
