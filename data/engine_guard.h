#pragma once

#include <QByteArray>
#include <QSet>

#include <chrono>
#include <cstdint>

struct sqlite3;
struct sqlite3_file;

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
// Views are never read either.
void allowReadsOnly(sqlite3 *db);

// From now on, a statement that reads any of tables (named in lower case) is
// refused while it is prepared. tables must outlive the connection.
void refuseReadsOf(sqlite3 *db, const QSet<QByteArray> &tables);

// How much work the engine may do on a connection, counted in its own
// instructions, so that a file gets the same answer on an idle and on a busy
// machine. A clock stops only what no count foresees (a single instruction
// running long on a huge value), at several times the processor time given
// here for the thread, which other programs on the machine do not use up.
struct WorkLimits
{
    std::int64_t statementSteps;                // one statement, from prepare to its last row
    std::chrono::milliseconds statementClock;   // its processor time when all is well
    std::int64_t mostFileBytes;                 // a larger file is not checked at all
    std::int64_t checkSteps;                    // each look into a file being opened: a base...
    std::int64_t checkStepsPerKiB;              // ...and a share per KiB of the file
    std::chrono::milliseconds checkClock;       // a look's processor time: a base...
    std::chrono::microseconds checkClockPerKiB; // ...and a share per KiB
};

// The window answers a pick within half a second, on files up to a few
// hundred megabytes.
inline constexpr WorkLimits WindowLimits{5'000'000,    std::chrono::milliseconds(250), std::int64_t(512) << 20,
                                         2'000'000,    10'000,
                                         std::chrono::milliseconds(300), std::chrono::microseconds(250)};

// The command line has no window to keep responsive: it may take its time.
inline constexpr WorkLimits CommandLineLimits{2'000'000'000, std::chrono::seconds(60), std::int64_t(4) << 30,
                                              200'000'000,   100'000,
                                              std::chrono::seconds(10), std::chrono::microseconds(2500)};

// Why a file whose check did not finish was refused: it is not damaged.
inline constexpr char TooLargeToCheck[] = "too large to check in time";

// While it lives, aborts whatever runs on the connection once it has
// executed steps instructions or the thread has been busy for clock.
class WorkBudget final
{
public:
    WorkBudget(sqlite3 *db, std::int64_t steps, std::chrono::microseconds clock);
    ~WorkBudget();
    WorkBudget(const WorkBudget &) = delete;
    WorkBudget &operator=(const WorkBudget &) = delete;

    bool spent() const;

private:
    static int onProgress(void *budget);

    sqlite3 *m_db;
    std::int64_t m_looksLeft;
    std::chrono::microseconds m_clock;
    std::chrono::steady_clock::time_point m_end;
    std::chrono::nanoseconds m_startedBusy;
    bool m_spent = false;
};

// The engine's own handle on the main database's file, through which it
// reads; nullptr when there is none.
sqlite3_file *mainFile(sqlite3 *db);

// A budget for one look into the open file (its check, its schema's
// names), scaled by the file's size.
std::int64_t fileBytes(sqlite3 *db);
std::int64_t checkSteps(const WorkLimits &limits, std::int64_t bytes);
std::chrono::microseconds checkClock(const WorkLimits &limits, std::int64_t bytes);

enum class CheckVerdict { Passed, Damaged, TooLarge };

// PRAGMA integrity_check within the budget the file's size gives: every page
// read, the schema parsed, every index matched against its table's rows.
CheckVerdict checkIntegrity(sqlite3 *db, const WorkLimits &limits);

} // namespace vantelo::data
