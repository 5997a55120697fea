#pragma once

#include "database.h"

#include <QString>

#include <memory>
#include <optional>

namespace vantelo::data {

// A connection in the manner of the data file's original access layer: it is
// created unopened, holds a connection string, and opens the file named by
// the string's "Data Source=" part. Statements on an unopened connection fail.
class Connection final
{
public:
    void setConnectionString(const QString &connectionString);
    QString connectionString() const;

    // Opens the data source of the connection string, closing whatever the
    // connection had open; false on any failure, and then it is unopened.
    bool open(QString *error = nullptr);
    bool isOpen() const;
    // Why the last open failed; empty after a successful one.
    QString openError() const { return m_openError; }

    // Serves statements from a database opened elsewhere, closing whatever
    // the connection had open. The benchmarks use it for files larger than
    // an open's checks allow.
    void adopt(std::unique_ptr<Database> database);

    std::optional<ResultSet> execute(const QString &statement, QString *error = nullptr,
                                     std::size_t maxRows = std::numeric_limits<std::size_t>::max()) const;

    // A statement's rows a batch at a time (see Database::read); nullptr
    // when the connection is not open or the statement fails.
    std::unique_ptr<RowReader> read(const QString &statement, QString *error = nullptr) const;

    // The file path in a connection string ("...;Data Source=<path>"), or an
    // empty text when the string names none.
    static QString dataSource(const QString &connectionString);

private:
    QString m_connectionString;
    std::unique_ptr<Database> m_database;
    QString m_openError;
};

} // namespace vantelo::data
