#pragma once

#include <QString>

#include <future>

struct sqlite3;

namespace vantelo::data {

// An SQLite data file opened for reading, limited as every connection is,
// and the verdict of its integrity check: an empty text when the file is
// intact, else the reason. Nothing is ever created or changed beside the
// file, and only committed data is read:
// - a rollback journal beside it that may hold an unfinished transaction
//   makes the file unreadable (undoing it would mean writing);
// - a write-ahead log beside it is read together with the file from copies
//   in the temporary folder, and the result is kept in memory.
// The check reads every page and matches every index against its table, the
// largest part of an open: on a file read in place it runs on a connection
// of its own in a second thread, so that the caller can prepare its
// connection meanwhile; fault() waits for the verdict. db is nullptr when
// the file cannot be opened at all, with a short reason in error if given.
struct OpenedSqliteFile
{
    sqlite3 *db = nullptr;
    std::future<QString> fault;
};
OpenedSqliteFile openSqliteFile(const QString &path, QString *error);

} // namespace vantelo::data
