#pragma once

#include "result_set.h"

#include <QByteArray>
#include <QSet>
#include <QString>

#include <cstddef>
#include <limits>
#include <memory>
#include <optional>

struct sqlite3;

namespace vantelo::data {

// An open data file. An SQLite file is opened read-only in place (see
// sqlite_file.h for the files beside it) and must pass its integrity check;
// only its ordinary tables are ever read. A genuine
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
    static std::unique_ptr<Database> open(const QString &path, QString *error = nullptr);

    // Takes over a connection opened elsewhere and guards it as open() does;
    // nullptr (the connection closed) when its schema cannot be read. The
    // fuzz harness reads Access files in its own process and uses this.
    static std::unique_ptr<Database> adopt(sqlite3 *handle);

    // Runs one read-only statement and fetches at most maxRows rows.
    // A second statement, a write, or any engine error gives std::nullopt.
    std::optional<ResultSet> execute(const QString &statement, QString *error = nullptr,
                                     std::size_t maxRows = std::numeric_limits<std::size_t>::max()) const;

private:
    Database(sqlite3 *handle, QSet<QByteArray> nonTables);
    sqlite3 *m_handle;
    QSet<QByteArray> m_nonTables; // views and virtual tables, never read
};

} // namespace vantelo::data
