#pragma once

#include "engine_guard.h"
#include "result_set.h"
#include "schema_names.h"

#include <QByteArray>
#include <QSet>
#include <QString>

#include <cstddef>
#include <limits>
#include <memory>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

namespace vantelo::data {

class RowReader;

// An open data file. An SQLite file is opened read-only in place (see
// sqlite_file.h for the files beside it) and must pass its integrity check
// (or have passed it with the same bytes, see passed_checks.h); only its
// ordinary tables are ever read. A genuine
// Access file (Jet 3, Jet 4, ACE) is imported into an in-memory SQLite copy
// when it is opened, by the helper program beside the program, so that a
// crash or a hang in the Access reader only fails the open. Nothing is ever
// written to the file or beside it.
class Database final
{
public:
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Opens the file at path. On failure returns nullptr and, if error is
    // given, sets it to a short reason. Never shows anything, never crashes.
    // Whatever the file, the work of each step is bounded by limits.
    static std::unique_ptr<Database> open(const QString &path, QString *error = nullptr,
                                          const WorkLimits &limits = WindowLimits);

    // Takes over a connection opened elsewhere and guards it as open() does;
    // nullptr (the connection closed) when its schema cannot be read. The
    // fuzz harness reads Access files in its own process and uses this.
    static std::unique_ptr<Database> adopt(sqlite3 *handle, const WorkLimits &limits = WindowLimits);

    // Runs one read-only statement and fetches at most maxRows rows.
    // A second statement, a write, or any engine error gives std::nullopt.
    std::optional<ResultSet> execute(const QString &statement, QString *error = nullptr,
                                     std::size_t maxRows = std::numeric_limits<std::size_t>::max()) const;

    // Prepares one read-only statement, as execute() does, for reading its
    // rows a batch at a time; nullptr on failure. The reader must not
    // outlive the database.
    std::unique_ptr<RowReader> read(const QString &statement, QString *error = nullptr) const;

private:
    Database(sqlite3 *handle, NonTables nonTables, const WorkLimits &limits);
    struct Prepared;
    Prepared prepare(const QString &statement, QString *error) const;

    sqlite3 *m_handle;
    NonTables m_nonTables; // never read
    WorkLimits m_limits;
};

// A statement's rows read a batch at a time, each batch within the budget of
// one statement, so that a window can answer events between batches.
class RowReader final
{
public:
    ~RowReader();
    RowReader(const RowReader &) = delete;
    RowReader &operator=(const RowReader &) = delete;

    // The next rows, at most count of them: fewer only at the end.
    // std::nullopt on an engine error or a spent budget, with a reason.
    std::optional<ResultSet> next(std::size_t count, QString *error = nullptr);
    bool atEnd() const { return m_atEnd; }

private:
    friend class Database;
    RowReader(sqlite3 *handle, sqlite3_stmt *statement, const WorkLimits &limits);

    sqlite3 *m_handle;
    sqlite3_stmt *m_statement;
    WorkLimits m_limits;
    bool m_atEnd = false;
};

} // namespace vantelo::data
